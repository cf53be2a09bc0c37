#include "platform/application.h"

#include <fontconfig/fontconfig.h>
#include <QByteArray>
#include <QtGlobal>

namespace platform {

void preferPlaceableWindows() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return;
    // Qt tries the platforms in order, so Wayland remains when xcb is missing.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb;wayland"));
}

// Qt asks fontconfig for its configuration again when it first needs a font, and gets the one
// read here.
ReadAhead::ReadAhead() : reader_([] { FcInit(); }) {}

ReadAhead::~ReadAhead() {
    finish();
}

void ReadAhead::finish() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace platform

#include "platform/application.h"

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

}  // namespace platform

#include "app/status.h"

#include "layout/windows.h"
#include "platform/speech.h"

void showStatus(const QString& message) {
    graphics().warnings.setText(message);
    platform::speak(message);
}

QString currentStatus() {
    return graphics().warnings.text();
}

#include "app/status.h"

#include "layout/windows.h"

void showStatus(const QString& message) {
    graphics().warnings.setText(message);
}

QString currentStatus() {
    return graphics().warnings.text();
}

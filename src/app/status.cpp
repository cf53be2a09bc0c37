#include "app/status.h"

#include "access/access.h"
#include "layout/windows.h"
#include "platform/speech.h"

void showStatus(const QString& message, const QString& detail) {
    GraphicsWindow& main = graphics();
    main.warnings.setText(message);
    main.warnings.setToolTip(detail);
    main.warnings.setAccessibleDescription(detail);
    platform::speak(message);
    // Announced to screen readers: access/.
    a11y::statusShown();
}

QString currentStatus() {
    return graphics().warnings.text();
}

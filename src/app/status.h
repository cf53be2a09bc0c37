#pragma once

#include <QString>

// Shows one message in the main window's status label, replacing the last. `detail`, such as
// the full path of a saved report, is the label's tooltip and accessible description for as
// long as the message shows.
void showStatus(const QString& message, const QString& detail = QString());
QString currentStatus();

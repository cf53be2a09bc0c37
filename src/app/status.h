#pragma once

#include <QString>

// Shows one message in the main window's status label, replacing the last.
void showStatus(const QString& message);
QString currentStatus();

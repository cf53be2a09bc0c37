#include <QApplication>

#include "layout/windows.h"
#include "platform/application.h"

int main(int argc, char* argv[]) {
    platform::preferPlaceableWindows();
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("MARLO"));
    graphics();
    const int result = QApplication::exec();
    unloadWindows();
    return result;
}

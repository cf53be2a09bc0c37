#include <QCoreApplication>

#include "access/access.h"
#include "app/status.h"
#include "app/variables.h"
#include "layout/windows.h"
#include "platform/resources.h"
#include "settings/settings.h"
#include "simulation/Module2.h"

using namespace variables;

void GraphicsWindow::Form_Load() {
    setsizes();
    startup();
    show();
    program().show();
    buttons().show();
    // The aids and the access options: access/.
    a11y::attach();
}

void GraphicsWindow::startup() {
    author = QCoreApplication::translate("Names", "me");
    // A school may keep each pupil's programs under their login name instead.
    if (settings::current().writerFromLogin) {
        if (const QString login = settings::loginName().trimmed(); !login.isEmpty()) author = login;
    }
    programname = QCoreApplication::translate("Names", "my program");
    saved = yes;
    draweverything();
    // The school's floor needs the layout just made to size its cells.
    if (settings::current().floor) {
        Module2::fixfloor(std::nullopt);
        Module2::resetfloor();
    }
    load.setText(platform::resourceString(101));
    PrintButton.setText(platform::resourceString(102));
    save.setText(platform::resourceString(103));
}

void GraphicsWindow::draweverything() {
    // The keypad comes first: the other two layouts read its size.
    drawbuttons();
    drawprogram();
    drawmybits();
    // The grid uses the limits the boundary has just computed.
    drawboundary();
    drawgrid();
    HideTarget();
    Module2::gohome();
}

void GraphicsWindow::newprog() {
    buttons().printprog();
    progname.setText(programname);
    myname.setText(author);
    saved = yes;
    surface().cls();
    Module2::resetfloor();
}

void GraphicsWindow::myname_Change() {
    author = myname.text();
}

void GraphicsWindow::progname_Change() {
    programname = progname.text();
}

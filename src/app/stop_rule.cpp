#include "app/stop_rule.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>

#include "app/status.h"
#include "app/variables.h"

namespace {
// From the press of Go that started the run until a second press has been let pass.
QElapsedTimer sinceGoStartedRun;
}  // namespace

bool stopsRun() {
    if (variables::running != variables::yes) return false;
    variables::running = variables::no;
    showStatus(QCoreApplication::translate("Status", "stopped!"));
    return true;
}

bool goStopsRun() {
    const bool secondOfDoubleClick =
        variables::running == variables::yes && sinceGoStartedRun.isValid() &&
        sinceGoStartedRun.elapsed() < QApplication::doubleClickInterval();
    sinceGoStartedRun.invalidate();
    if (secondOfDoubleClick || stopsRun()) return true;
    sinceGoStartedRun.start();
    return false;
}

#include <QCoreApplication>

#include "app/status.h"
#include "app/stop_rule.h"
#include "app/variables.h"
#include "layout/windows.h"
#include "lessons/play.h"
#include "platform/services.h"
#include "platform/speech.h"
#include "printing/PrinterSupport.h"
#include "simulation/Module2.h"

using namespace variables;

void ButtonsWindow::go_Click() {
    // Go is also the stop button of a run.
    if (goStopsRun()) return;
    running = yes;
    Module2::resetfloor();
    going();
    running = no;
}

void ButtonsWindow::going() {
    showStatus(QCoreApplication::translate("Status", "running"));
    Module2::setuptrail();
    // Buttons that could change the program only stop the run, so its length holds.
    const int n = static_cast<int>(prog.size());
    for (stepno = 1; stepno <= n; ++stepno) {
        // Once stopped or crashed, the remaining steps pass without waiting.
        if (running == no) continue;
        delay();
        if (running == no) continue;
        thisletter = prog.mid(stepno - 1, 1);
        oldx = xpos;
        oldy = ypos;
        if (crashed == yes) continue;
        // Said before the move, so a crash's message cuts the word short rather than the
        // other way round.
        platform::speak(PrinterSupport::commandword(thisletter));
        Module2::docommand(thisletter);
        Module2::checkcrash();
        graphics().surface().line(Module2::centrex(xpos), Module2::centrey(ypos),
                                  Module2::centrex(oldx), Module2::centrey(oldy));
        Module2::drawrobot();
        doprintprog(stepno);
    }
    // A stop during this last wait shows "stopped!" until the verdict replaces it.
    if (running == yes) {
        delay();
        judgerun();
    }
    printprog();
}

void ButtonsWindow::judgerun() {
    const GraphicsWindow& main = graphics();
    if (!main.target.isHidden()) {
        if (targetx == xpos && targety == ypos) {
            showStatus(QCoreApplication::translate("Status", "well done!"));
            platform::seam<platform::Beeper>().beep();
        } else {
            showStatus(QCoreApplication::translate("Status", "missed!"));
        }
        return;
    }
    if (lessons::judgerun()) return;
    showStatus(QCoreApplication::translate("Status", "finished"));
    platform::seam<platform::Beeper>().beep();
}

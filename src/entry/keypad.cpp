#include <QCoreApplication>
#include <utility>

#include "access/access.h"
#include "app/status.h"
#include "app/stop_rule.h"
#include "app/variables.h"
#include "language/fitting.h"
#include "layout/windows.h"
#include "platform/resources.h"
#include "platform/services.h"
#include "platform/speech.h"
#include "printing/PrinterSupport.h"
#include "simulation/Module2.h"

using namespace variables;

namespace {
constexpr qsizetype programCapacity = 300;
}

void ButtonsWindow::Form_Load() {
    const std::pair<platform::Control<platform::FlatButton>*, int> pictures[] = {
        {&forwards, 101}, {&backwards, 102}, {&LeftTurn, 103}, {&RightTurn, 104},
        {&pause, 105},    {&clear, 106},     {&go, 107}};
    for (const auto& [button, id] : pictures) {
        const platform::Picture picture = platform::bitmap(id);
        button->setIcon(language::keypadIcon(id));
        button->setIconSize(QSize(picture.width(), picture.height()));
    }
}

void ButtonsWindow::progbutton(const QString& letter) {
    if (stopsRun()) return;
    // A press counts as a change even when the program turns out to be full.
    saved = no;
    if (prog.size() >= programCapacity) {
        showStatus(QCoreApplication::translate("Status", "program full"));
        return;
    }
    prog += letter;
    printprog();
    showStatus(QString());
    platform::speak(PrinterSupport::commandword(letter));
}

void ButtonsWindow::forwards_Click() {
    progbutton(QStringLiteral("F"));
}
void ButtonsWindow::backwards_Click() {
    progbutton(QStringLiteral("B"));
}
void ButtonsWindow::LeftTurn_Click() {
    progbutton(QStringLiteral("L"));
}
void ButtonsWindow::RightTurn_Click() {
    progbutton(QStringLiteral("R"));
}
void ButtonsWindow::pause_Click() {
    progbutton(QStringLiteral("P"));
}

void ButtonsWindow::clear_Click() {
    if (stopsRun()) return;
    // An empty program needs no saving.
    saved = yes;
    prog.clear();
    printprog();
    Module2::resetfloor();
    platform::speak(QCoreApplication::translate("Keypad", "memory clear"));
}

void ButtonsWindow::Timer1_Timer() {
    if (ticks > -1) --ticks;
    if (ticks < 0)
        Timer1.stop();
    else if (Timer1.interval() != tickInterval)
        Timer1.start(tickInterval);  // woken part-way through a tick: whole ticks from here
}

void ButtonsWindow::delay() {
    // One step at a time, a wait lasts until the pupil asks for the next step: access/.
    if (a11y::isStepping()) {
        a11y::waitForStep();
        return;
    }
    // Eight ticks: 0 still counts as waiting. Every window's events are handled meanwhile,
    // which is how a click stops a run; the dispatch sleeps until something happens.
    ticks = 7;
    if (!Timer1.isActive())
        Timer1.start(tickInterval - static_cast<int>(tickPhase.elapsed() % tickInterval));
    do {
        platform::seam<platform::EventDispatch>().dispatchEvents();
    } while (ticks >= 0);
}

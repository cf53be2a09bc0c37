#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWheelEvent>
#include <algorithm>
#include <optional>

#include "access/access.h"
#include "access/parts.h"
#include "app/status.h"
#include "app/stop_rule.h"
#include "app/variables.h"
#include "language/fitting.h"
#include "layout/design.h"
#include "layout/windows.h"
#include "platform/resources.h"
#include "platform/services.h"
#include "platform/speech.h"
#include "simulation/Module2.h"

using namespace variables;

namespace a11y {

namespace {

constexpr int stepKey = Qt::Key_S;
constexpr int stepPicture = 201;

// Stepping is a run whose waits last until the next step is asked for, so its drawing,
// listing and crash rules are the run's own, and every other button stops it by the stop rule.
bool stepping = false;
int stepsAsked = 0;

QPointer<QPushButton> stepButton;

// How far the listing is moved back from the newest command, and the move asked of the
// next drawing; any other drawing shows the newest again.
int rowsBack = 0;
std::optional<int> backAsked;
int wheelTurned = 0;

void undo() {
    if (stopsRun()) return;
    if (prog.isEmpty()) return;
    prog.chop(1);
    // As clear memory: an empty program needs no saving.
    saved = prog.isEmpty() ? yes : no;
    buttons().printprog();
    showStatus(QString());
    platform::speak(Texts::tr("undo"));
}

void lookBack(int rows) {
    if (running == yes) return;
    backAsked = std::max(0, rowsBack + rows);
    buttons().printprog();
}

int page() {
    return std::max(1, buttons().listrows);
}

// The wheel over the listing looks back over it.
class ListingWheel : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Wheel) return false;
        // A notch is 120; a touchpad sends it in small parts.
        wheelTurned += static_cast<QWheelEvent*>(event)->angleDelta().y();
        const int notches = wheelTurned / 120;
        wheelTurned %= 120;
        if (notches != 0) lookBack(notches * QApplication::wheelScrollLines());
        return true;
    }
};

QPushButton* addStepButton() {
    ButtonsWindow& keypad = buttons();
    auto* button = new platform::Control<platform::FlatButton>(&keypad.Picture1.client(),
                                                               std::nullopt, design::sansSmall);
    // The keypad's empty top right corner: Go's column, forwards' row.
    button->twips.set(keypad.go.twips.left(), keypad.forwards.twips.top(),
                      keypad.forwards.twips.width(), keypad.forwards.twips.height());
    const platform::Picture picture = platform::bitmap(stepPicture);
    button->setIcon(language::keypadIcon(stepPicture));
    button->setIconSize(QSize(picture.width(), picture.height()));
    button->setAccessibleName(Texts::tr("step"));
    button->setToolTip(Texts::tr("step"));
    QObject::connect(button, &QPushButton::clicked, [] { step(); });
    platform::setTabOrder({&keypad.forwards, button, &keypad.LeftTurn});
    button->show();
    return button;
}

}  // namespace

void step() {
    if (stepping) {
        if (running == yes) ++stepsAsked;
        return;
    }
    // During a run of Go, step is a button like any other.
    if (stopsRun()) return;
    stepping = true;
    stepsAsked = 1;
    running = yes;
    Module2::resetfloor();
    buttons().going();
    running = no;
    stepping = false;
}

bool isStepping() {
    return stepping;
}

void waitForStep() {
    // The step that runs the last command also gives the verdict.
    if (buttons().stepno > prog.size()) return;
    while (stepsAsked == 0 && running == yes)
        platform::seam<platform::EventDispatch>().dispatchEvents();
    if (stepsAsked > 0) --stepsAsked;
}

QList<QPushButton*> keypadButtons() {
    ButtonsWindow& keypad = buttons();
    QList<QPushButton*> inOrder{&keypad.forwards,  &keypad.LeftTurn, &keypad.pause,
                                &keypad.RightTurn, &keypad.clear,    &keypad.backwards,
                                &keypad.go};
    if (stepButton) inOrder.insert(1, stepButton);
    return inOrder;
}

std::function<void()> keyAid(const QKeyEvent& press) {
    if (std::function<void()> pressSwitch = switchKey(press.key())) return pressSwitch;
    switch (press.key()) {
        case Qt::Key_Backspace:
            return undo;
        case stepKey:
            return [] { stepButton ? stepButton->click() : step(); };
        case Qt::Key_PageUp:
            return [] { lookBack(page()); };
        case Qt::Key_PageDown:
            return [] { lookBack(-page()); };
        default:
            return {};
    }
}

void listingRows(int highlight, int& firstline, int& lastline) {
    // A run shows its step; only the program as it stands is looked back over.
    const bool edited = highlight > prog.size();
    rowsBack = edited ? std::min(backAsked.value_or(0), firstline - 1) : 0;
    backAsked.reset();
    firstline -= rowsBack;
    lastline -= rowsBack;
    listingShown(highlight);
}

void attach() {
    if (options().stepButton) stepButton = addStepButton();
    attachScreenReader();
    program().ProgramText.installEventFilter(new ListingWheel(&program().ProgramText));
    // The next press of any button shows the newest command again.
    for (QWidget* window : {static_cast<QWidget*>(&graphics()), static_cast<QWidget*>(&buttons()),
                            static_cast<QWidget*>(&program())})
        for (QPushButton* button : window->findChildren<QPushButton*>())
            QObject::connect(button, &QPushButton::pressed, [] {
                if (rowsBack > 0) buttons().printprog();
            });
    if (options().highContrast) useHighContrast();
    if (options().scan) startScanning();
}

}  // namespace a11y

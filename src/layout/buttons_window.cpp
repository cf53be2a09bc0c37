#include "layout/buttons_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "access/access.h"
#include "layout/design.h"
#include "layout/graphics_window.h"
#include "layout/program_window.h"

namespace {

// What each keypad button does and says, for mouse, keyboard and screen reader alike.
struct KeypadButton {
    platform::Control<platform::FlatButton>* button;
    void (ButtonsWindow::*handler)();
    const char* word;
    QList<Qt::Key> keys;
};

}  // namespace

ButtonsWindow::ButtonsWindow()
    : platform::Window(design::keypadGreen),
      Picture1(&client(), platform::Scale::Twips, design::panelGrey, true),
      forwards(&Picture1.client(), std::nullopt, design::sansSmall),
      LeftTurn(&Picture1.client(), std::nullopt, design::sansSmall),
      pause(&Picture1.client(), std::nullopt, design::sansSmall),
      RightTurn(&Picture1.client(), std::nullopt, design::sansSmall),
      clear(&Picture1.client(), std::nullopt, design::sansSmall),
      backwards(&Picture1.client(), std::nullopt, design::sansSmall),
      go(&Picture1.client(), std::nullopt, design::sansSmall),
      focusRing(&Picture1.client()) {
    design::setClientArea(*this, 5745, 5655);
    setFont(platform::font(design::sans18));
    surface().setFont(design::sans18);

    Picture1.twips.set(150, 150, 5325, 5325);
    forwards.twips.set(1875, 150, 1575, 1575);
    LeftTurn.twips.set(150, 1875, 1575, 1575);
    pause.twips.set(1875, 1875, 1575, 1575);
    RightTurn.twips.set(3600, 1875, 1575, 1575);
    clear.twips.set(150, 3600, 1575, 1575);
    backwards.twips.set(1875, 3600, 1575, 1575);
    go.twips.set(3600, 3600, 1575, 1575);

    platform::setTabOrder({&forwards, &LeftTurn, &pause, &RightTurn, &clear, &backwards, &go});

    const KeypadButton keypad[] = {
        {&forwards,
         &ButtonsWindow::forwards_Click,
         QT_TRANSLATE_NOOP("Keypad", "forwards"),
         {Qt::Key_Up}},
        {&backwards,
         &ButtonsWindow::backwards_Click,
         QT_TRANSLATE_NOOP("Keypad", "backwards"),
         {Qt::Key_Down}},
        {&LeftTurn,
         &ButtonsWindow::LeftTurn_Click,
         QT_TRANSLATE_NOOP("Keypad", "left"),
         {Qt::Key_Left}},
        {&RightTurn,
         &ButtonsWindow::RightTurn_Click,
         QT_TRANSLATE_NOOP("Keypad", "right"),
         {Qt::Key_Right}},
        {&pause, &ButtonsWindow::pause_Click, QT_TRANSLATE_NOOP("Keypad", "pause"), {Qt::Key_P}},
        {&clear,
         &ButtonsWindow::clear_Click,
         QT_TRANSLATE_NOOP("Keypad", "clear memory"),
         {Qt::Key_Delete}},
        {&go,
         &ButtonsWindow::go_Click,
         QT_TRANSLATE_NOOP("Keypad", "Go"),
         {Qt::Key_Return, Qt::Key_Enter}},
    };
    for (const KeypadButton& key : keypad) {
        // A click moves the focus, and with it the ring, to the button pressed.
        key.button->setFocusPolicy(Qt::StrongFocus);
        const QString word = QCoreApplication::translate("Keypad", key.word);
        key.button->setAccessibleName(word);
        key.button->setToolTip(word);
        connect(key.button, &QPushButton::clicked, this,
                [this, handler = key.handler] { (this->*handler)(); });
        for (const Qt::Key k : key.keys) keys_.insert(k, key.button);
    }
    qApp->installEventFilter(this);
    closing = [this] { return Form_QueryUnload(); };

    focusRing.setStyleSheet(QStringLiteral("border: 4px solid palette(highlight);"));
    focusRing.setAttribute(Qt::WA_TransparentForMouseEvents);
    focusRing.hide();
    followFocus_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        const bool onKeypad =
            now != nullptr && now->parentWidget() == &Picture1.client() && now != &focusRing;
        if (onKeypad) {
            const int ring = focusRingReach;
            focusRing.setGeometry(now->geometry().adjusted(-ring, -ring, ring, ring));
            focusRing.lower();
        }
        focusRing.setVisible(onKeypad);
    });

    // Ticks from the moment the window is created; precise, so a step of a run takes 0.7 to
    // 0.8 seconds.
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.start(tickInterval);
    tickPhase.start();
}

ButtonsWindow::~ButtonsWindow() {
    disconnect(followFocus_);
}

bool ButtonsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* press = static_cast<const QKeyEvent*>(event);
    QPushButton* button = keys_.value(press->key());
    // Undo, a step, looking back over the listing, and the switches: access/.
    const std::function<void()> aid = a11y::keyAid(*press);
    if ((button == nullptr && !aid) || (press->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // Not into a name box, where the keys type (Enter it ignores comes up to its window), and
    // not in another window: the exit question, a dialogue.
    const QWidget* window = static_cast<const QWidget*>(watched)->window();
    const bool marlo = window == this || dynamic_cast<const GraphicsWindow*>(window) != nullptr ||
                       dynamic_cast<const ProgramWindow*>(window) != nullptr;
    const bool typing = qobject_cast<const QLineEdit*>(QApplication::focusWidget()) != nullptr ||
                        qobject_cast<const QLineEdit*>(watched) != nullptr;
    if (!marlo || typing) return false;
    // A key press is a click on the button, so every rule of the click applies; before the
    // focused button sees it, so an arrow presses rather than moving the focus. A key held
    // down by a small finger presses once.
    if (!press->isAutoRepeat()) aid ? aid() : button->click();
    return true;
}

#pragma once

#include <QElapsedTimer>
#include <QFrame>
#include <QHash>
#include <QTimer>
#include <cstdint>

#include "platform/widgets.h"

// The keypad window: seven picture buttons on a grey panel, and the application's one timer.
class ButtonsWindow : public platform::Window {
  public:
    // The design, the keys and the focus ring: layout/buttons_window.cpp.
    ButtonsWindow();
    ~ButtonsWindow() override;

    platform::Control<platform::SurfaceWidget> Picture1;
    platform::Control<platform::FlatButton> forwards;
    platform::Control<platform::FlatButton> LeftTurn;
    platform::Control<platform::FlatButton> pause;
    platform::Control<platform::FlatButton> RightTurn;
    platform::Control<platform::FlatButton> clear;
    platform::Control<platform::FlatButton> backwards;
    platform::Control<platform::FlatButton> go;
    QTimer Timer1;
    static constexpr int tickInterval = 100;  // milliseconds
    // Drawn in the gap around the keypad button that has the keyboard focus: the pictures
    // fill the buttons' faces, so the mark goes around them, this many pixels out.
    QFrame focusRing;
    int focusRingReach = 5;

    // Load handler, the program store, Timer1 and delay: entry/keypad.cpp.
    // Load handler: puts the pictures on the buttons.
    void Form_Load();

    // The program store.
    void progbutton(const QString& letter);
    void forwards_Click();
    void backwards_Click();
    void LeftTurn_Click();
    void RightTurn_Click();
    void pause_Click();
    void clear_Click();

    // The timer and the wait between the steps of a run.
    void Timer1_Timer();
    void delay();
    std::int16_t ticks = 0;
    // Started with Timer1. While `ticks` rests at -1 a tick changes nothing, so Timer1 sleeps
    // and an idle MARLO wakes nobody; a wait wakes it in step with this clock, on the tick it
    // would have had had it never slept.
    QElapsedTimer tickPhase;

    // The run: simulation/run.cpp.
    void go_Click();
    void going();
    void judgerun();
    // Program positions are wider than 16 bits: a program read from a file may be longer.
    int stepno = 0;
    QString thisletter;

    // The listing, drawn on the listing window's ProgramText: entry/listing.cpp.
    void printprog();
    void doprintprog(int highlight);
    void leadingspaces();
    // How many spaces lead each line of a listing this many twips wide.
    static int leadingSpaceCount(double listingWidth);
    void highlighton();
    void highlightoff();
    int listrows = 0;
    int firstline = 0;
    int lastline = 0;

    // A close from outside, as the listing's: app/exit.cpp.
    bool Form_QueryUnload();

  protected:
    // The keypad's keys press its buttons from any of the three MARLO windows.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Focus moves while the buttons are destroyed; the ring must not follow it then.
    QMetaObject::Connection followFocus_;
    QHash<int, QPushButton*> keys_;
};

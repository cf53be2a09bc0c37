#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <optional>
#include <source_location>

#include "app/variables.h"
#include "layout/windows.h"
#include "support/fakes.h"
#include "support/qt_printers.h"
#include "support/scripted_dispatch.h"

// What a pupil can see of MARLO. A test names the parts it expects, in this order, and each
// part that differs fails on its own.
struct Seen {
    std::optional<QString> prog{}, programname{}, author{}, fileheader{};
    std::optional<bool> saved{};
    std::optional<QString> status{};
    std::optional<int> column{}, row{}, heading{};
    std::optional<bool> crashed{}, running{};
    std::optional<int> beeps{};
};

// MARLO started from fresh shared state on a 1024 x 768 screen at 15 twips per pixel, its home
// a new empty folder, and every platform service a fake: nothing waits, beeps, speaks, asks,
// prints or ends the process unless a test puts the real service back.
class MarloTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override { unloadWindows(); }
    // Starts MARLO again from scratch on another screen, placed at `origin` on the desktop.
    void start(int width = 1024, int height = 768, double twipsX = 15, double twipsY = 15,
               QPoint origin = {});
    void expectSeen(const Seen& expected,
                    std::source_location where = std::source_location::current()) const;

    QTemporaryDir home;
    FixedScreen screen;
    ScriptedDispatch dispatch;
    RecordingBeeper beeper;
    SeededRandom random;
    RecordingSpeech speech;
    FixedCalendar calendar;
    FakePrinters printers;
    ScriptedFileDialogs dialogs;
    ScriptedQuestions questions;
    RecordingProcessEnd ending;
};

#pragma once

#include <functional>
#include <map>

#include "layout/windows.h"
#include "support/fakes.h"

// Stands in for the event loop inside `delay`: each dispatch delivers one tick of Timer1, after
// running whatever the test scheduled for that tick (a click, say). A whole run then takes
// no time and every click lands at a chosen moment.
struct ScriptedDispatch final : Fake<platform::EventDispatch> {
    void dispatchEvents() override {
        if (const auto action = at.find(ticks); action != at.end()) action->second();
        if (everyTick) everyTick();
        ++ticks;
        buttons().Timer1_Timer();
    }
    // Runs `action` just before tick number `tick` (counted from 0) is delivered.
    void atTick(int tick, std::function<void()> action) { at[tick] = std::move(action); }
    // Ticks of the waits before step `step` (from 1): eight a wait.
    static int waitBefore(int step) { return 8 * (step - 1); }
    void restart() {
        ticks = 0;
        at.clear();
    }

    int ticks = 0;
    std::map<int, std::function<void()>> at;
    std::function<void()> everyTick;
};

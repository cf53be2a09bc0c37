#pragma once

#include <vector>

#include "platform/services.h"

// Counts beeps instead of making them.
class RecordingBeeper final : public platform::Beeper {
  public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

// Puts a fake in place of a platform service for one scope.
template <class Service>
class UsingFake {
  public:
    explicit UsingFake(Service& fake) { platform::replaceSeam<Service>(&fake); }
    ~UsingFake() { platform::replaceSeam<Service>(nullptr); }
    UsingFake(const UsingFake&) = delete;
    UsingFake& operator=(const UsingFake&) = delete;
};

#pragma once

#include <random>
#include <vector>

#include "platform/services.h"
#include "platform/speech.h"

// Counts beeps instead of making them.
class RecordingBeeper final : public platform::Beeper {
  public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

// Draws from a fixed seed, so a test sees the same sequence every time; reseeding from the
// clock is counted and ignored.
class SeededRandom final : public platform::RandomSource {
  public:
    explicit SeededRandom(unsigned seed = 1) : engine_(seed) {}
    void reseedFromClock() override { ++reseeds; }
    double next() override { return std::uniform_int_distribution<int>(0, 9999)(engine_) / 1e4; }
    int reseeds = 0;

  private:
    std::mt19937 engine_;
};

// Keeps what would have been said, in order.
class RecordingSpeech final : public platform::Speech {
  public:
    void say(const QString& text) override { said.push_back(text); }
    std::vector<QString> said;
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

#pragma once

#include <QString>
#include <functional>
#include <optional>
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

// Answers the open and save dialogues from a script (nothing for Cancel) and keeps how each
// was set up.
class ScriptedFileDialogs final : public platform::FileDialogs {
  public:
    std::optional<QString> open(const platform::FileChoice& choice) override {
        opens.push_back(choice);
        return answer;
    }
    std::optional<QString> save(const platform::FileChoice& choice) override {
        saves.push_back(choice);
        return answer;
    }
    std::optional<QString> answer;
    std::vector<platform::FileChoice> opens;
    std::vector<platform::FileChoice> saves;
};

// Answers every Yes/No question the same way and keeps the questions.
class ScriptedQuestions final : public platform::Questions {
  public:
    bool askYesNo(const QString& text) override {
        asked.push_back(text);
        return answer;
    }
    bool answer = true;
    std::vector<QString> asked;
};

// Counts the ends of the application instead of ending the test.
class RecordingProcessEnd final : public platform::ProcessEnd {
  public:
    void endNow() override { ++ends; }
    int ends = 0;
};

// Stands for the event loop inside a wait: each dispatch calls `step` with its count, from 1,
// so a test can deliver timer ticks and clicks at chosen moments.
class ScriptedDispatch final : public platform::EventDispatch {
  public:
    void dispatchEvents() override { step(++calls); }
    std::function<void(int)> step = [](int) {};
    int calls = 0;
};

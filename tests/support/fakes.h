#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "platform/screen.h"
#include "platform/services.h"
#include "platform/speech.h"

// A screen of the size, resolution and place on the desktop that a test chooses.
class FixedScreen final : public platform::Screens {
  public:
    platform::ScreenMetrics primary() override { return metrics; }
    platform::ScreenMetrics metrics;
};

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

// The printers a test chooses: a default printer or none, and jobs that fail on demand. Every
// job is a real PDF on US Letter without margins, a page 12240 twips wide: the PDF asked for,
// or, for the printer, "paper 1.pdf", "paper 2.pdf"... in paperFolder.
class FakePrinters final : public platform::Printers {
  public:
    std::optional<QString> printer;
    QString paperFolder;
    bool refuse = false;
    // "printer NAME" or the PDF's first choice of path, for each job opened.
    std::vector<QString> opened;

    std::optional<QString> defaultPrinterName() override { return printer; }
    std::unique_ptr<platform::PrintJob> openPrinter(const QString& name) override {
        opened.push_back(QStringLiteral("printer ") + name);
        return job(paperFolder, [](int copy) { return QStringLiteral("paper %1.pdf").arg(copy); });
    }
    std::unique_ptr<platform::PrintJob> openPdf(const QString& folder,
                                                const platform::CopyName& name) override {
        opened.push_back(folder + QLatin1Char('/') + name(1));
        return job(folder, name);
    }

  private:
    // A refused job is sent where no file can be written, as to a full disk.
    std::unique_ptr<platform::PrintJob> job(const QString& folder,
                                            const platform::CopyName& name) const {
        const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
        return platform::pdfJob(refuse ? QStringLiteral("/dev/null") : folder, name, letter);
    }
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

// What the file and exit buttons reach: dialogues and questions answered by the script, and
// the application's end counted.
struct AnsweredDialogs {
    ScriptedFileDialogs dialogs;
    ScriptedQuestions questions;
    RecordingProcessEnd ending;
    UsingFake<platform::FileDialogs> usingDialogs{dialogs};
    UsingFake<platform::Questions> usingQuestions{questions};
    UsingFake<platform::ProcessEnd> usingEnding{ending};
};

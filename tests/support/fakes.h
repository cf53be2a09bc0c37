#pragma once

#include <QDate>
#include <QDir>
#include <QPageLayout>
#include <QPoint>
#include <QString>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "platform/screen.h"
#include "platform/services.h"
#include "platform/speech.h"

// Stands in for a platform service for as long as it lives.
template <class Service>
struct Fake : Service {
    Fake() { platform::replaceSeam<Service>(this); }
    ~Fake() override { platform::replaceSeam<Service>(nullptr); }
    Fake(const Fake&) = delete;
    Fake& operator=(const Fake&) = delete;
};

// A screen of the size in pixels, resolution and place on the desktop that a test chooses.
struct FixedScreen final : Fake<platform::Screens> {
    platform::ScreenMetrics primary() override { return metrics; }
    void set(int width, int height, double twipsX, double twipsY, QPoint origin = {}) {
        metrics = {width * twipsX, height * twipsY, twipsX, twipsY, origin.x(), origin.y()};
    }
    platform::ScreenMetrics metrics;
};

struct RecordingBeeper final : Fake<platform::Beeper> {
    void beep() override { ++beeps; }
    int beeps = 0;
};

// The same draws every time; reseeding from the clock is counted and ignored.
struct SeededRandom final : Fake<platform::RandomSource> {
    void reseedFromClock() override { ++reseeds; }
    double next() override { return std::uniform_int_distribution<int>(0, 9999)(engine) / 1e4; }
    std::mt19937 engine{1};
    int reseeds = 0;
};

struct RecordingSpeech final : Fake<platform::Speech> {
    void say(const QString& text) override { said.push_back(text); }
    std::vector<QString> said;
};

struct FixedCalendar final : Fake<platform::Calendar> {
    QDate today() override { return {2026, 12, 5}; }
};

// A default printer or none, and jobs that fail on demand. Every job is a real PDF on US
// Letter without margins, a page 12240 twips wide: the PDF asked for, or, for the printer,
// "paper 1.pdf", "paper 2.pdf"... at home.
struct FakePrinters final : Fake<platform::Printers> {
    std::optional<QString> defaultPrinterName() override { return printer; }
    std::unique_ptr<platform::PrintJob> openPrinter(const QString&) override {
        return openPdf(QDir::homePath(),
                       [](int copy) { return QString("paper %1.pdf").arg(copy); });
    }
    // A refused job goes where no file can be written, as on a full disk.
    std::unique_ptr<platform::PrintJob> openPdf(const QString& folder,
                                                const platform::CopyName& name) override {
        const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
        return platform::pdfJob(refuse ? QString("/dev/null") : folder, name, letter);
    }
    std::optional<QString> printer;
    bool refuse = false;
};

// Answers the open and save dialogues (nothing for Cancel) and keeps how each was set up.
struct ScriptedFileDialogs final : Fake<platform::FileDialogs> {
    std::optional<QString> open(const platform::FileChoice& choice) override {
        opens.push_back(choice);
        return answer;
    }
    std::optional<QString> save(const platform::FileChoice& choice) override {
        saves.push_back(choice);
        return answer;
    }
    std::optional<QString> answer;
    std::vector<platform::FileChoice> opens, saves;
};

struct ScriptedQuestions final : Fake<platform::Questions> {
    bool askYesNo(const QString& text) override {
        asked.push_back(text);
        return answer;
    }
    bool answer = true;
    std::vector<QString> asked;
};

// Counts the ends of the application instead of ending the test.
struct RecordingProcessEnd final : Fake<platform::ProcessEnd> {
    void endNow() override { ++ends; }
    int ends = 0;
};

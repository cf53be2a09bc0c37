#include "platform/services.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinterInfo>
#include <chrono>
#include <cstdlib>
#include <random>

namespace platform {

namespace {

class QtDispatch final : public EventDispatch {
  public:
    void dispatchEvents() override {
        // Sleeps until something happens instead of spinning.
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
};

class QtBeeper final : public Beeper {
  public:
    void beep() override { QApplication::beep(); }
};

class ClockSeededRandom final : public RandomSource {
  public:
    void reseedFromClock() override {
        engine_.seed(static_cast<std::mt19937_64::result_type>(
            std::chrono::system_clock::now().time_since_epoch().count()));
    }
    // 53 random bits scaled into [0, 1): never 1, which would put a target off the floor
    // (a uniform_real_distribution may round up to 1).
    double next() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_{std::random_device{}()};
};

class QtFileDialogs final : public FileDialogs {
  public:
    std::optional<QString> open(const FileChoice& choice) override {
        return chosen(
            QFileDialog::getOpenFileName(nullptr, QString(), start(choice), choice.filter));
    }
    std::optional<QString> save(const FileChoice& choice) override {
        return chosen(
            QFileDialog::getSaveFileName(nullptr, QString(), start(choice), choice.filter));
    }

  private:
    static QString start(const FileChoice& choice) {
        return choice.fileName.isEmpty() ? choice.directory
                                         : choice.directory + QLatin1Char('/') + choice.fileName;
    }
    static std::optional<QString> chosen(const QString& path) {
        if (path.isEmpty()) return std::nullopt;
        return path;
    }
};

class QtQuestions final : public Questions {
  public:
    bool askYesNo(const QString& text) override {
        return QMessageBox::question(nullptr, QString(), text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
};

class SystemCalendar final : public Calendar {
  public:
    QDate today() override { return QDate::currentDate(); }
};

class CupsPrinters final : public Printers {
  public:
    std::optional<QString> defaultPrinterName() override {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull()) return std::nullopt;
        return printer.printerName();
    }
};

class ImmediateEnd final : public ProcessEnd {
  public:
    [[noreturn]] void endNow() override { std::_Exit(0); }
};

}  // namespace

template <>
EventDispatch& production<EventDispatch>() {
    static QtDispatch service;
    return service;
}

template <>
Beeper& production<Beeper>() {
    static QtBeeper service;
    return service;
}

template <>
RandomSource& production<RandomSource>() {
    static ClockSeededRandom service;
    return service;
}

template <>
FileDialogs& production<FileDialogs>() {
    static QtFileDialogs service;
    return service;
}

template <>
Questions& production<Questions>() {
    static QtQuestions service;
    return service;
}

template <>
Calendar& production<Calendar>() {
    static SystemCalendar service;
    return service;
}

template <>
Printers& production<Printers>() {
    static CupsPrinters service;
    return service;
}

template <>
ProcessEnd& production<ProcessEnd>() {
    static ImmediateEnd service;
    return service;
}

}  // namespace platform

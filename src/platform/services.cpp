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
        engine_.seed(static_cast<std::mt19937::result_type>(
            std::chrono::system_clock::now().time_since_epoch().count()));
    }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

  private:
    std::mt19937 engine_{std::random_device{}()};
};

class QtFileDialogs final : public FileDialogs {
  public:
    std::optional<QString> open(const FileChoice& choice) override {
        return ask(choice, QFileDialog::AcceptOpen);
    }
    std::optional<QString> save(const FileChoice& choice) override {
        return ask(choice, QFileDialog::AcceptSave);
    }

  private:
    static std::optional<QString> ask(const FileChoice& choice, QFileDialog::AcceptMode mode) {
        QFileDialog dialog(nullptr, QString(), choice.directory, choice.filter);
        dialog.setAcceptMode(mode);
        if (mode == QFileDialog::AcceptSave) {
            dialog.setFileMode(QFileDialog::AnyFile);
            // Also what the dialogue's own "replace?" question looks at.
            dialog.setDefaultSuffix(QStringLiteral("mlo"));
        } else {
            dialog.setFileMode(QFileDialog::ExistingFile);
        }
        // A name with a separator would lead the dialogue out of the writer's directory.
        if (!choice.fileName.contains(QLatin1Char('/')) &&
            !choice.fileName.contains(QLatin1Char('\\')))
            dialog.selectFile(choice.fileName);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        const QStringList files = dialog.selectedFiles();
        if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
        return files.first();
    }
};

class QtQuestions final : public Questions {
  public:
    bool askYesNo(const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("MARLO"), text,
                        QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
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

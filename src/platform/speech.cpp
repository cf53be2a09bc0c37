#include "platform/speech.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QTextToSpeech>
#include <cstdio>

namespace platform {

namespace {

bool spoken = false;

// The system's text-to-speech engine, or silence when there is none that works: MARLO must run
// the same on a machine without one.
class QtSpeech final : public Speech {
  public:
    QtSpeech() {
        const QStringList engines = QTextToSpeech::availableEngines();
        if (QCoreApplication::instance() == nullptr || engines.isEmpty()) {
            giveUp(QStringLiteral("none installed"));
            return;
        }
        // The preferred engine first; another if that one cannot start (speech-dispatcher's
        // plugin without its daemon, say).
        engine_ = start(QString());
        for (const QString& name : engines) {
            if (!engine_.isNull()) break;
            engine_ = start(name);
        }
        if (engine_.isNull()) {
            giveUp(lastError_);
            return;
        }
        QObject::connect(engine_, &QTextToSpeech::errorOccurred,
                         [this](QTextToSpeech::ErrorReason, const QString& reason) {
                             if (!engine_.isNull()) engine_->deleteLater();
                             engine_ = nullptr;
                             giveUp(reason);
                         });
    }

    void say(const QString& text) override {
        if (!engine_.isNull()) engine_->say(text);
    }

  private:
    QTextToSpeech* start(const QString& name) {
        // The words are English whatever the desktop's language. Speech-dispatcher's plugin
        // takes its voice from the default locale when it starts, and fails under plain C.
        const QLocale desktop;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        // A child of the application, so it goes before the application does.
        auto* engine = new QTextToSpeech(name, QCoreApplication::instance());
        QLocale::setDefault(desktop);
        if (engine->state() != QTextToSpeech::Error) return engine;
        lastError_ = engine->errorString();
        delete engine;
        return nullptr;
    }

    void giveUp(const QString& reason) {
        if (reported_) return;
        reported_ = true;
        std::fprintf(stderr, "MARLO: no speech engine (%s); carrying on silently\n",
                     qPrintable(reason.isEmpty() ? QStringLiteral("unknown error") : reason));
    }

    QPointer<QTextToSpeech> engine_;
    QString lastError_;
    bool reported_ = false;
};

}  // namespace

template <>
Speech& production<Speech>() {
    static QtSpeech service;
    return service;
}

void setSpokenMode(bool on) {
    spoken = on;
    if (on) seam<Speech>();
}

bool spokenMode() {
    return spoken;
}

void speak(const QString& text) {
    if (spoken && !text.isEmpty()) seam<Speech>().say(text);
}

}  // namespace platform

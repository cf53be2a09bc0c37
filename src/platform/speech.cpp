#include "platform/speech.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocale>
#include <QMutex>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>
#include <cstdio>
#include <optional>

namespace platform {

namespace {

bool spoken = false;
QLocale voiceLocale(QLocale::English, QLocale::UnitedKingdom);

// The system's text-to-speech engine, or silence when there is none that works: MARLO must run
// the same on a machine without one. The engine lives in a thread of its own, since
// speech-dispatcher's plugin waits for the daemon's answer to every word, and a daemon stuck on
// its audio would otherwise freeze the keypad and the run.
class QtSpeech final : public Speech {
  public:
    QtSpeech() {
        if (QCoreApplication::instance() == nullptr ||
            QTextToSpeech::availableEngines().isEmpty()) {
            giveUp(QStringLiteral("none installed"));
            return;
        }
        // Speech-dispatcher's plugin takes its voice from the default locale when it starts, and
        // fails under plain C or for a language it has no voice for: it starts in English, and
        // the language's voice is chosen once it runs.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        // The application owns the thread, and the thread's end deletes the worker.
        thread_ = new QThread(QCoreApplication::instance());
        worker_ = new QObject;
        worker_->moveToThread(thread_);
        QObject::connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, thread_,
                         [this] { stop(); });
        thread_->start();
        QMetaObject::invokeMethod(
            worker_, [this] { startEngine(); }, Qt::QueuedConnection);
    }

    void say(const QString& text) override {
        if (worker_ == nullptr) return;
        {
            // While the engine is busy, a newer word takes the place of one still waiting.
            const QMutexLocker lock(&mutex_);
            const bool alreadyPosted = waiting_.has_value();
            waiting_ = text;
            if (alreadyPosted) return;
        }
        QMetaObject::invokeMethod(
            worker_, [this] { sayWaiting(); }, Qt::QueuedConnection);
    }

  private:
    // In the speech thread from here on.
    void startEngine() {
        // The preferred engine first; another if that one cannot start (speech-dispatcher's
        // plugin without its daemon, say).
        engine_ = start(QString());
        for (const QString& name : QTextToSpeech::availableEngines()) {
            if (!engine_.isNull()) break;
            engine_ = start(name);
        }
        if (engine_.isNull()) {
            giveUp(lastError_);
            return;
        }
        chooseVoice();
        QObject::connect(engine_, &QTextToSpeech::errorOccurred, worker_,
                         [this](QTextToSpeech::ErrorReason, const QString& reason) {
                             if (!engine_.isNull()) engine_->deleteLater();
                             engine_ = nullptr;
                             giveUp(reason);
                         });
    }

    // A voice for the language where the engine has one; English otherwise, said once.
    void chooseVoice() {
        const QLocale english(QLocale::English, QLocale::UnitedKingdom);
        if (voiceLocale.language() == QLocale::English) return;
        QLocale fallback = english;
        for (const QLocale& offered : engine_->availableLocales()) {
            if (offered.language() == voiceLocale.language()) {
                engine_->setLocale(offered);
                return;
            }
            if (offered.language() == QLocale::English) fallback = offered;
        }
        std::fprintf(stderr, "MARLO: the speech engine has no %s voice; speaking English\n",
                     qPrintable(QLocale::languageToString(voiceLocale.language())));
        engine_->setLocale(fallback);
    }

    QTextToSpeech* start(const QString& name) {
        auto* engine = new QTextToSpeech(name, worker_);
        if (engine->state() != QTextToSpeech::Error) return engine;
        lastError_ = engine->errorString();
        delete engine;
        return nullptr;
    }

    void sayWaiting() {
        QString text;
        {
            const QMutexLocker lock(&mutex_);
            text = waiting_.value_or(QString());
            waiting_.reset();
        }
        // The engine cuts short whatever it is still saying.
        if (!engine_.isNull()) engine_->say(text);
    }

    void giveUp(const QString& reason) {
        if (reported_) return;
        reported_ = true;
        std::fprintf(stderr, "MARLO: no speech engine (%s); carrying on silently\n",
                     qPrintable(reason.isEmpty() ? QStringLiteral("unknown error") : reason));
    }

    // Back in the application's thread, as it quits.
    void stop() {
        if (worker_ == nullptr) return;
        worker_ = nullptr;
        thread_->quit();
        // A thread stuck inside the engine is left to end with the process: the application
        // must not destroy it while it runs.
        if (thread_->wait(QDeadlineTimer(500)))
            delete thread_;
        else
            thread_->setParent(nullptr);
        thread_ = nullptr;
    }

    QThread* thread_ = nullptr;
    QObject* worker_ = nullptr;
    QMutex mutex_;
    std::optional<QString> waiting_;
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

void setSpeechLocale(const QLocale& locale) {
    voiceLocale = locale;
}

void setSpokenMode(bool on) {
    spoken = on;
    if (on) seam<Speech>();
}

void speak(const QString& text) {
    if (spoken && !text.isEmpty()) seam<Speech>().say(text);
}

}  // namespace platform

#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "files/files.h"
#include "support/fakes.h"
#include "support/marlo_fixture.h"

// MARLO started with HOME in a fresh temporary folder and the dialogues, the question and the
// end of the process scripted.
class FilesTest : public MarloTest {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        ASSERT_TRUE(home.isValid());
        qputenv("HOME", home.path().toUtf8());
        startMarlo();
    }

    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // A path in the current writer's directory, made if need be.
    static QString inWriterDirectory(const QString& name) {
        files::makedirs();
        return files::writerDirectory() + QLatin1Char('/') + name;
    }

    static void click(QWidget& button) { QTest::mouseClick(&button, Qt::LeftButton); }

    QTemporaryDir home;
    ScriptedFileDialogs dialogs;
    ScriptedQuestions questions;
    RecordingProcessEnd ending;
    UsingFake<platform::FileDialogs> usingDialogs{dialogs};
    UsingFake<platform::Questions> usingQuestions{questions};
    UsingFake<platform::ProcessEnd> usingEnding{ending};
};

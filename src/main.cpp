#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "layout/windows.h"
#include "lessons/editor.h"
#include "platform/application.h"
#include "platform/speech.h"

namespace {

struct CommandLine {
    bool speak = false;
    // Set for the teacher's lesson editor: the lesson file, empty for a new lesson.
    std::optional<QString> lessonToEdit;
};

// Read before any window system is reached, so --help and --version work without a display.
// Qt's parser prints and ends the process for --version and for an option it does not know;
// Qt's own options (-platform, -style...) are not offered, so they are unknown too.
CommandLine readCommandLine(int argc, char* argv[]) {
    const QCoreApplication reader(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Program a floor robot with its keypad and watch it drive."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all would list Qt options that are refused here.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    parser.addVersionOption();
    const QCommandLineOption speak(
        QStringLiteral("speak"),
        QStringLiteral("Says aloud each key pressed, each step of a run and how it ended."));
    parser.addOption(speak);
    const QCommandLineOption editLesson(
        QStringLiteral("edit-lesson"),
        QStringLiteral("Opens the lesson editor for teachers instead, on the lesson file that "
                       "follows, if any."));
    parser.addOption(editLesson);
    parser.process(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        std::printf(
            "%s\nSee marlo(1) for the keys, where programs and reports are kept,\nand what "
            "each message means.\n",
            qPrintable(parser.helpText()));
        std::exit(EXIT_SUCCESS);
    }
    CommandLine command{parser.isSet(speak), std::nullopt};
    QStringList positional = parser.positionalArguments();
    if (parser.isSet(editLesson))
        command.lessonToEdit = positional.isEmpty() ? QString() : positional.takeFirst();
    if (!positional.isEmpty()) {
        std::fprintf(stderr, "%s: unexpected argument '%s'\nTry '%s --help'.\n", argv[0],
                     qPrintable(positional.constFirst()), argv[0]);
        std::exit(EXIT_FAILURE);
    }
    return command;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("MARLO"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARLO_VERSION));
    const CommandLine command = readCommandLine(argc, argv);

    platform::preferPlaceableWindows();
    platform::ReadAhead readAhead;
    QApplication application(argc, argv);
    readAhead.finish();
    if (command.lessonToEdit) return lessons::runLessonEditor(*command.lessonToEdit);
    platform::setSpokenMode(command.speak);
    graphics();
    const int result = QApplication::exec();
    unloadWindows();
    return result;
}

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "layout/windows.h"
#include "lessons/play.h"
#include "platform/application.h"
#include "platform/speech.h"

namespace {

struct CommandLine {
    bool speak = false;
    QString lesson;  // a lesson file to open, empty for none
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
    parser.addPositionalArgument(QStringLiteral("lesson"),
                                 QStringLiteral("A lesson file to open on the floor."),
                                 QStringLiteral("[lesson]"));
    parser.process(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        std::printf(
            "%s\nSee marlo(1) for the keys, where programs and reports are kept,\nand what "
            "each message means.\n",
            qPrintable(parser.helpText()));
        std::exit(EXIT_SUCCESS);
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "%s: unexpected argument '%s'\nTry '%s --help'.\n", argv[0],
                     qPrintable(files.at(1)), argv[0]);
        std::exit(EXIT_FAILURE);
    }
    return {parser.isSet(speak), files.value(0)};
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("MARLO"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARLO_VERSION));
    const CommandLine commandLine = readCommandLine(argc, argv);

    platform::preferPlaceableWindows();
    platform::ReadAhead readAhead;
    QApplication application(argc, argv);
    readAhead.finish();
    platform::setSpokenMode(commandLine.speak);
    graphics();
    lessons::acceptDrops();
    // Before the first paint, so the floor is never seen without its lesson.
    if (!commandLine.lesson.isEmpty()) lessons::openFile(commandLine.lesson);
    const int result = QApplication::exec();
    unloadWindows();
    return result;
}

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "access/access.h"
#include "layout/windows.h"
#include "platform/application.h"
#include "platform/speech.h"

namespace {

// Read before any window system is reached, so --help and --version work without a display.
// Qt's parser prints and ends the process for --version and for an option it does not know;
// Qt's own options (-platform, -style...) are not offered, so they are unknown too.
// True when MARLO is to speak.
bool readCommandLine(int argc, char* argv[]) {
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
    const a11y::CommandLine accessOptions(parser);
    parser.process(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        std::printf(
            "%s\nSee marlo(1) for the keys, where programs and reports are kept,\nand what "
            "each message means.\n",
            qPrintable(parser.helpText()));
        std::exit(EXIT_SUCCESS);
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s: unexpected argument '%s'\nTry '%s --help'.\n", argv[0],
                     qPrintable(parser.positionalArguments().constFirst()), argv[0]);
        std::exit(EXIT_FAILURE);
    }
    QString problem;
    const std::optional<a11y::Options> chosen = accessOptions.read(problem);
    if (!chosen) {
        std::fprintf(stderr, "%s: %s\n", argv[0], qPrintable(problem));
        std::exit(EXIT_FAILURE);
    }
    a11y::setOptions(*chosen);
    return parser.isSet(speak);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("MARLO"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARLO_VERSION));
    const bool speak = readCommandLine(argc, argv);

    platform::preferPlaceableWindows();
    platform::ReadAhead readAhead;
    QApplication application(argc, argv);
    readAhead.finish();
    platform::setSpokenMode(speak);
    graphics();
    const int result = QApplication::exec();
    unloadWindows();
    return result;
}

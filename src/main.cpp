#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "access/access.h"
#include "classview/class_view.h"
#include "language/language.h"
#include "layout/windows.h"
#include "lessons/editor.h"
#include "lessons/lesson.h"
#include "lessons/play.h"
#include "platform/application.h"
#include "platform/speech.h"
#include "settings/settings.h"

namespace {

struct CommandLine {
    bool speak = false;
    bool classView = false;
    bool editLesson = false;
    // With --class the class folder, with --edit-lesson the lesson (empty for a new one),
    // otherwise a program or lesson file to open.
    QString given;
};

// The value of --lang, looked for before the parser so that --help is in that language too.
QString languageOption(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QString word = QString::fromLocal8Bit(argv[i]);
        if (word == QLatin1String("--")) break;
        for (const QLatin1String name : {QLatin1String("--lang"), QLatin1String("-lang")}) {
            if (word == name && i + 1 < argc) return QString::fromLocal8Bit(argv[i + 1]);
            if (word.startsWith(name + QLatin1Char('='))) return word.mid(name.size() + 1);
        }
    }
    return QString();
}

// Read before any window system is reached, so --help and --version work without a display.
// Qt's parser prints and ends the process for --version and for an option it does not know;
// Qt's own options (-platform, -style...) are not offered, so they are unknown too.
CommandLine readCommandLine(int argc, char* argv[]) {
    QCoreApplication reader(argc, argv);
    language::choose(languageOption(argc, argv));
    language::install(reader);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Program a floor robot with its keypad and watch it drive."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all would list Qt options that are refused here.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Displays this help."));
    parser.addOption(help);
    parser.addVersionOption();
    const QCommandLineOption speak(
        QStringLiteral("speak"),
        QCoreApplication::translate(
            "CommandLine", "Says aloud each key pressed, each step of a run and how it ended."));
    parser.addOption(speak);
    const QCommandLineOption classView(QStringLiteral("class"), classview::optionHelp());
    parser.addOption(classView);
    const QCommandLineOption editLesson(
        QStringLiteral("edit-lesson"),
        QCoreApplication::translate(
            "CommandLine",
            "Opens the lesson editor for teachers instead, on the lesson file that follows, if "
            "any."));
    parser.addOption(editLesson);
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QCoreApplication::translate(
            "CommandLine",
            "Speaks LANGUAGE (cy, de, en, es, fr, pl) instead of the school's or the desktop's "
            "language."),
        QCoreApplication::translate("CommandLine", "LANGUAGE"));
    parser.addOption(lang);
    const QCommandLineOption settingsInForce(
        QStringLiteral("settings"),
        QCoreApplication::translate("settings",
                                    "Prints the settings in force and where each came from."));
    parser.addOption(settingsInForce);
    const a11y::CommandLine accessOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("CommandLine",
                                    "A program (.mlo) or lesson (.marlo-lesson) to open."),
        QCoreApplication::translate("CommandLine", "[file]"));
    parser.process(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        std::printf("%s\n%s\n", qPrintable(parser.helpText()),
                    qPrintable(QCoreApplication::translate(
                        "CommandLine",
                        "See marlo(1) for the keys, where programs and reports are "
                        "kept,\nand what each message means.")));
        std::exit(EXIT_SUCCESS);
    }
    if (parser.isSet(settingsInForce)) {
        std::printf("%s", qPrintable(settings::report(settings::files(), settings::readFiles())));
        std::exit(EXIT_SUCCESS);
    }
    settings::readAtStart();
    // The school's language, where --lang chose none.
    if (languageOption(argc, argv).isEmpty() && !settings::current().language.isEmpty()) {
        language::choose(settings::current().language);
        language::install(reader);
    }
    // One argument at most: with --class the class folder, with --edit-lesson a lesson,
    // otherwise a program or lesson file to open.
    const QStringList given = parser.positionalArguments();
    const auto opens = [&](QLatin1StringView suffix) {
        return given.constFirst().endsWith(suffix, Qt::CaseInsensitive);
    };
    const bool taken =
        given.size() == 1 && (parser.isSet(classView) || parser.isSet(editLesson) ||
                              opens(QLatin1StringView(".mlo")) || opens(lessons::fileSuffix));
    if (!given.isEmpty() && !taken) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate(
                                    "CommandLine", "%1: unexpected argument '%2'\nTry '%1 --help'.")
                                    .arg(QString::fromLocal8Bit(argv[0]), given.constLast())));
        std::exit(EXIT_FAILURE);
    }
    QString problem;
    const std::optional<a11y::Options> chosen =
        accessOptions.read(problem, settings::current().access);
    if (!chosen) {
        std::fprintf(stderr, "%s: %s\n", argv[0], qPrintable(problem));
        std::exit(EXIT_FAILURE);
    }
    a11y::setOptions(*chosen);
    return {parser.isSet(speak), parser.isSet(classView), parser.isSet(editLesson), given.value(0)};
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("MARLO"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARLO_VERSION));
    const CommandLine line = readCommandLine(argc, argv);

    platform::preferPlaceableWindows();
    platform::ReadAhead readAhead;
    QApplication application(argc, argv);
    language::install(application);
    readAhead.finish();
    // The teacher's class view or lesson editor, in place of the pupil's windows.
    if (line.classView) return classview::run(line.given);
    if (line.editLesson) return lessons::runLessonEditor(line.given);
    platform::setSpeechLocale(language::locale());
    platform::setSpokenMode(line.speak || settings::current().speak);
    graphics();
    lessons::acceptDrops();
    // Before the first paint, so the floor is never seen without its lesson.
    if (!line.given.isEmpty() && !lessons::opensInstead(line.given))
        classview::loadGivenProgram(line.given);
    // The school's lesson, unless the pupil's command line opened one.
    if (const QString& lesson = settings::current().lesson;
        !lesson.isEmpty() && !lessons::current())
        lessons::openFile(lesson);
    const int result = QApplication::exec();
    unloadWindows();
    return result;
}

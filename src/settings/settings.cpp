#include "settings/settings.h"

#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>
#include <cstdio>
#include <vector>

template <>
settings::Settings& platform::production<settings::Settings>() {
    static settings::Settings nothingSet;
    return nothingSet;
}

namespace settings {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(settings)
};

// A settings file is a few hundred bytes; anything far larger is not one.
constexpr qint64 largestFile = 64 * 1024;

constexpr int fewestCells = 1;
// The lesson grid's limit.
constexpr int mostCells = 32;
// As the access options take them on the command line.
constexpr double shortestScan = 0.5;
constexpr double longestScan = 30;

struct Paths {
    QString login;
    QString home;
};

// Takes a written value into the settings, or says why it cannot.
using Take = QString (*)(const QString& written, const Paths& paths, Settings& into);

struct Key {
    const char* name;
    const char* byDefault;
    Take take;
};

std::optional<bool> truth(const QString& written) {
    const QString word = written.trimmed().toLower();
    if (QStringList{"true", "yes", "on", "1"}.contains(word)) return true;
    if (QStringList{"false", "no", "off", "0"}.contains(word)) return false;
    return std::nullopt;
}

QString takeTruth(const QString& written, bool& into) {
    const std::optional<bool> value = truth(written);
    if (!value) return Texts::tr("not true or false");
    into = *value;
    return {};
}

QString takeCells(const QString& written, Settings& into, int Floor::*side) {
    bool number = false;
    const int cells = written.trimmed().toInt(&number);
    if (!number || cells < fewestCells || cells > mostCells)
        return Texts::tr("not a whole number from %1 to %2").arg(fewestCells).arg(mostCells);
    if (!into.floor) into.floor = Floor{};
    (*into.floor).*side = cells;
    return {};
}

// %u is the login name and a leading ~ the home, so one line serves every pupil.
QString takePath(const QString& written, const Paths& paths, QString& into) {
    QString path = written.trimmed();
    if (path.contains(QLatin1String("%u"))) {
        if (paths.login.isEmpty()) return Texts::tr("no login name for %u");
        path.replace(QLatin1String("%u"), paths.login);
    }
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/"))) {
        if (paths.home.isEmpty()) return Texts::tr("no home for ~");
        path.replace(0, 1, paths.home);
    }
    if (!path.startsWith(QLatin1Char('/'))) return Texts::tr("not an absolute path");
    into = QDir::cleanPath(path);
    return {};
}

const Key keys[] = {
    {"programs/folder", QT_TRANSLATE_NOOP("settings", "brindle/marlo/programs in the home"),
     [](const QString& written, const Paths& paths, Settings& into) {
         return takePath(written, paths, into.programsFolder);
     }},
    {"floor/columns", QT_TRANSLATE_NOOP("settings", "as many as fit the screen"),
     [](const QString& written, const Paths&, Settings& into) {
         return takeCells(written, into, &Floor::columns);
     }},
    {"floor/rows", QT_TRANSLATE_NOOP("settings", "as many as fit the screen"),
     [](const QString& written, const Paths&, Settings& into) {
         return takeCells(written, into, &Floor::rows);
     }},
    {"pupil/speak", QT_TRANSLATE_NOOP("settings", "false"),
     [](const QString& written, const Paths&, Settings& into) {
         return takeTruth(written, into.speak);
     }},
    {"pupil/lesson", QT_TRANSLATE_NOOP("settings", "none"),
     [](const QString& written, const Paths& paths, Settings& into) {
         return takePath(written, paths, into.lesson);
     }},
    {"pupil/writer-from-login", QT_TRANSLATE_NOOP("settings", "false: the writer is \"me\""),
     [](const QString& written, const Paths&, Settings& into) {
         return takeTruth(written, into.writerFromLogin);
     }},
    {"printing/always-pdf", QT_TRANSLATE_NOOP("settings", "false: the default printer if any"),
     [](const QString& written, const Paths&, Settings& into) {
         return takeTruth(written, into.alwaysPdf);
     }},
    {"language/language", QT_TRANSLATE_NOOP("settings", "the desktop's"),
     [](const QString& written, const Paths&, Settings& into) {
         static const QRegularExpression localeName(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
         const QString name = written.trimmed();
         if (!localeName.match(name).hasMatch() || QLocale(name).language() == QLocale::C)
             return Texts::tr("not a language such as fr or de_CH");
         into.language = name;
         return QString();
     }},
    {"access/high-contrast", QT_TRANSLATE_NOOP("settings", "false"),
     [](const QString& written, const Paths&, Settings& into) {
         return takeTruth(written, into.access.highContrast);
     }},
    {"access/scan", QT_TRANSLATE_NOOP("settings", "false"),
     [](const QString& written, const Paths&, Settings& into) {
         return takeTruth(written, into.access.scan);
     }},
    {"access/two-switches", QT_TRANSLATE_NOOP("settings", "false"),
     [](const QString& written, const Paths&, Settings& into) {
         return takeTruth(written, into.access.twoSwitches);
     }},
    {"access/scan-seconds", QT_TRANSLATE_NOOP("settings", "1.5"),
     [](const QString& written, const Paths&, Settings& into) {
         bool number = false;
         const double seconds = written.trimmed().toDouble(&number);
         if (!number || seconds < shortestScan || seconds > longestScan)
             return Texts::tr("not a number of seconds from %1 to %2")
                 .arg(shortestScan)
                 .arg(longestScan);
         into.access.scanSeconds = seconds;
         return QString();
     }},
    {"access/step-button", QT_TRANSLATE_NOOP("settings", "false"),
     [](const QString& written, const Paths&, Settings& into) {
         return takeTruth(written, into.access.stepButton);
     }},
};

// "[floor] rows", as the file has it.
QString shown(const QString& key) {
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    if (slash < 0) return key;
    return QStringLiteral("[%1] %2").arg(key.left(slash), key.mid(slash + 1));
}

using Values = QHash<QString, QString>;

// Every key of one file, or nothing with the reason in `problems`.
std::optional<Values> readFile(const QString& path, QStringList& problems) {
    const QFileInfo file(path);
    if (!file.exists()) return Values{};
    auto ignored = [&](const QString& why) {
        problems << Texts::tr("%1 ignored: %2").arg(path, why);
        return std::nullopt;
    };
    if (!file.isFile() || file.size() > largestFile)
        return ignored(Texts::tr("not a settings file of at most %1 bytes").arg(largestFile));
    const QSettings settings(path, QSettings::NativeFormat);
    if (settings.status() == QSettings::AccessError) return ignored(Texts::tr("cannot be read"));
    if (settings.status() == QSettings::FormatError)
        return ignored(Texts::tr("not in the settings' format"));
    Values values;
    for (const QString& key : settings.allKeys()) {
        // A value with commas in it comes back as a list.
        values.insert(key, settings.value(key).toStringList().join(QLatin1Char(',')));
        const bool known = std::any_of(std::begin(keys), std::end(keys),
                                       [&](const Key& k) { return key == QLatin1String(k.name); });
        if (!known) problems << Texts::tr("%1: %2 ignored: no such setting").arg(path, shown(key));
    }
    return values;
}

passwd* passwordEntry(std::vector<char>& buffer, passwd& entry) {
    const long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    buffer.resize(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0) return nullptr;
    return found;
}

QString homeFolder() {
    const QString home = qEnvironmentVariable("HOME");
    if (home.startsWith(QLatin1Char('/')) && home != QLatin1String("/")) return home;
    std::vector<char> buffer;
    passwd entry{};
    const passwd* found = passwordEntry(buffer, entry);
    return found && found->pw_dir ? QFile::decodeName(found->pw_dir) : QString();
}

}  // namespace

QStringList files() {
    const QString organisation = QStringLiteral("brindle");
    const QString application = QStringLiteral("marlo");
    return {QSettings(QSettings::NativeFormat, QSettings::SystemScope, organisation, application)
                .fileName(),
            QSettings(QSettings::NativeFormat, QSettings::UserScope, organisation, application)
                .fileName()};
}

Read read(const QStringList& files, const QString& login, const QString& home) {
    Read result;
    std::vector<std::pair<QString, Values>> read;
    for (const QString& path : files)
        if (const std::optional<Values> values = readFile(path, result.problems))
            read.emplace_back(path, *values);
    const Paths paths{login, home};
    for (const Key& key : keys) {
        const QString name = QLatin1String(key.name);
        for (auto file = read.crbegin(); file != read.crend(); ++file) {
            const auto value = file->second.constFind(name);
            if (value == file->second.cend()) continue;
            const QString why = key.take(*value, paths, result.settings);
            if (why.isEmpty()) {
                result.origins.push_back({name, *value, file->first});
                break;
            }
            result.problems
                << Texts::tr("%1: %2=%3 ignored: %4").arg(file->first, shown(name), *value, why);
        }
    }
    if (result.settings.floor &&
        (result.settings.floor->columns == 0 || result.settings.floor->rows == 0)) {
        result.settings.floor.reset();
        result.problems << Texts::tr("[floor] ignored: columns and rows go together");
    }
    return result;
}

QString report(const QStringList& files, const Read& read) {
    QString text = Texts::tr("MARLO's settings files, each over the one before:") + '\n';
    for (const QString& path : files) {
        const QString state = !QFileInfo::exists(path)       ? Texts::tr("not there")
                              : QFileInfo(path).isReadable() ? Texts::tr("read")
                                                             : Texts::tr("cannot be read");
        text += QStringLiteral("  %1 (%2)\n").arg(path, state);
    }
    text += '\n' + Texts::tr("In force:") + '\n';
    const Settings& in = read.settings;
    for (const Key& key : keys) {
        const QString name = QLatin1String(key.name);
        const auto origin = std::find_if(read.origins.cbegin(), read.origins.cend(),
                                         [&](const Origin& o) { return o.key == name; });
        const bool floorIgnored = name.startsWith(QLatin1String("floor/")) && !in.floor;
        QString line;
        if (origin == read.origins.cend() || floorIgnored) {
            line = Texts::tr("%1 (default)").arg(Texts::tr(key.byDefault));
        } else {
            line = origin->written.trimmed();
            const QString path = name == QLatin1String("programs/folder") ? in.programsFolder
                                 : name == QLatin1String("pupil/lesson")  ? in.lesson
                                                                          : line;
            if (path != line) line += QStringLiteral(" = ") + path;
            line += QStringLiteral("  ") + Texts::tr("(from %1)").arg(origin->file);
        }
        text += QStringLiteral("  %1 %2\n").arg(shown(name) + QLatin1Char(':'), -26).arg(line);
    }
    if (!read.problems.isEmpty()) {
        text += '\n' + Texts::tr("Ignored:") + '\n';
        for (const QString& problem : read.problems) text += QStringLiteral("  ") + problem + '\n';
    }
    return text;
}

Read readFiles() {
    return read(files(), loginName(), homeFolder());
}

void readAtStart() {
    const Read got = readFiles();
    for (const QString& problem : got.problems)
        std::fprintf(stderr, "marlo: %s\n", qPrintable(problem));
    platform::production<Settings>() = got.settings;
}

QString loginName() {
    std::vector<char> buffer;
    passwd entry{};
    if (const passwd* found = passwordEntry(buffer, entry); found && found->pw_name)
        return QString::fromLocal8Bit(found->pw_name);
    return qEnvironmentVariable("LOGNAME", qEnvironmentVariable("USER"));
}

}  // namespace settings

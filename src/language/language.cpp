#include "language/language.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "platform/widgets.h"

namespace language {

namespace {

QString current;
// Kept for the process, so a second application object (after the command line's) gets them.
std::unique_ptr<QTranslator> ours;
std::unique_ptr<QTranslator> qts;

QString qmFile(const QString& code) {
    return QStringLiteral(":/i18n/marlo_%1.qm").arg(code);
}

}  // namespace

QStringList shipped() {
    return {QStringLiteral("cy"), QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
            QStringLiteral("pl")};
}

void choose(const QString& chosen) {
    current.clear();
    ours.reset();
    qts.reset();
    platform::fitButtonCaptions(false);
    // "de_AT" and "de" alike mean German; the desktop's "C" or "en_US" mean English.
    const QString wanted = chosen.isEmpty() ? QLocale::languageToCode(QLocale::system().language())
                                            : chosen.section(QLatin1Char('_'), 0, 0).toLower();
    if (wanted == QLatin1String("en") || wanted == QLatin1String("C")) return;
    if (!QFile::exists(qmFile(wanted))) {
        // Only a language asked for by name is worth a word; a desktop's is simply English.
        if (!chosen.isEmpty())
            std::fprintf(stderr, "MARLO: no translation for '%s'; carrying on in English\n",
                         qPrintable(chosen));
        return;
    }
    ours = std::make_unique<QTranslator>();
    if (!ours->load(qmFile(wanted))) {
        ours.reset();
        return;
    }
    current = wanted;
    platform::fitButtonCaptions(true);
    // Qt's own dialogue texts, where Debian's Qt translations are installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + wanted,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qts = std::move(qt);
}

void install(QCoreApplication& application) {
    if (ours) application.installTranslator(ours.get());
    if (qts) application.installTranslator(qts.get());
}

QString code() {
    return current;
}

QLocale locale() {
    if (current.isEmpty()) return QLocale(QLocale::English, QLocale::UnitedKingdom);
    return QLocale(current);
}

QString shortDate(const QDate& date) {
    if (current.isEmpty()) return date.toString(QStringLiteral("dd/MM/yyyy"));
    return locale().toString(date, QLocale::ShortFormat);
}

}  // namespace language

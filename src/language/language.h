#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The language MARLO speaks: English unless the desktop's locale, the school's setting or
// --lang chooses another that MARLO has a translation for.
namespace language {

// The codes of the translations built in, besides English: "cy", "de"...
QStringList shipped();

// Picks the language: `chosen` (from --lang or the school's setting) over the desktop's locale.
// A chosen language without a translation is English, said once on stderr. English loads no
// translator, so texts stay the source texts.
void choose(const QString& chosen);

// Installs the chosen language's translators (MARLO's and Qt's own) into the application object
// of the moment; again for each new one, since translators belong to the object.
void install(QCoreApplication& application);

// The language in force: its code ("cy", "de"...), empty for English.
QString code();

// The locale whose formats and voice go with it; British English for English.
QLocale locale();

// The date as the report prints it: the language's short format, dd/mm/yyyy in English.
QString shortDate(const QDate& date);

}  // namespace language

#include "printing/PrinterSupport.h"

#include <QCoreApplication>
#include <array>
#include <utility>

namespace PrinterSupport {

QString commandword(const QString& letter) {
    // Matched in this order, exactly and case-sensitively; "U" and "D" come only from files.
    // The words are in the pupil's language; the letters, which files keep, never change.
    static const std::array<std::pair<QLatin1String, const char*>, 7> words{{
        {QLatin1String("U"), QT_TRANSLATE_NOOP("Commands", "pen up")},
        {QLatin1String("D"), QT_TRANSLATE_NOOP("Commands", "pen down")},
        {QLatin1String("F"), QT_TRANSLATE_NOOP("Commands", "forwards")},
        {QLatin1String("B"), QT_TRANSLATE_NOOP("Commands", "backwards")},
        {QLatin1String("L"), QT_TRANSLATE_NOOP("Commands", "left")},
        {QLatin1String("R"), QT_TRANSLATE_NOOP("Commands", "right")},
        {QLatin1String("P"), QT_TRANSLATE_NOOP("Commands", "pause")},
    }};
    for (const auto& [command, word] : words)
        if (letter == command) return QCoreApplication::translate("Commands", word);
    return QString();
}

void printword(platform::Surface& surface, const QString& letter) {
    const QString word = commandword(letter);
    if (!word.isEmpty()) surface.print(word, false);
}

}  // namespace PrinterSupport

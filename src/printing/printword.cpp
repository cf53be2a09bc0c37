#include "printing/PrinterSupport.h"

#include <array>
#include <utility>

namespace PrinterSupport {

QString commandword(const QString& letter) {
    // Matched in this order, exactly and case-sensitively; "U" and "D" come only from files.
    static const std::array<std::pair<QLatin1String, QLatin1String>, 7> words{{
        {QLatin1String("U"), QLatin1String("pen up")},
        {QLatin1String("D"), QLatin1String("pen down")},
        {QLatin1String("F"), QLatin1String("forwards")},
        {QLatin1String("B"), QLatin1String("backwards")},
        {QLatin1String("L"), QLatin1String("left")},
        {QLatin1String("R"), QLatin1String("right")},
        {QLatin1String("P"), QLatin1String("pause")},
    }};
    for (const auto& [command, word] : words)
        if (letter == command) return word;
    return QString();
}

void printword(platform::Surface& surface, const QString& letter) {
    const QString word = commandword(letter);
    if (!word.isEmpty()) surface.print(word, false);
}

}  // namespace PrinterSupport

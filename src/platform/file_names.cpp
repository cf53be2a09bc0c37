#include "platform/file_names.h"

#include <QFile>
#include <QTextBoundaryFinder>

namespace platform {

namespace {

bool unsafe(const QString& text, qsizetype i) {
    const QChar c = text.at(i);
    if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
        return true;
    // Half a surrogate pair has no encoding on disk.
    if (c.isHighSurrogate()) return i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate()) return i == 0 || !text.at(i - 1).isHighSurrogate();
    return false;
}

qsizetype storedBytes(const QString& text) {
    return QFile::encodeName(text).size();
}

}  // namespace

QString plainName(const QString& name, qsizetype maxBytes) {
    QString safe = name;
    for (qsizetype i = 0; i < safe.size(); ++i)
        if (unsafe(name, i)) safe[i] = QLatin1Char('_');
    // Trimmed first, so " ..x" loses its dots too.
    safe = safe.trimmed();
    while (safe.startsWith(QLatin1Char('.'))) safe.remove(0, 1);
    if (storedBytes(safe) > maxBytes) {
        // Cut where a character ends, never inside one (a surrogate pair, an accent).
        QTextBoundaryFinder ends(QTextBoundaryFinder::Grapheme, safe);
        qsizetype fits = 0;
        for (qsizetype at = ends.toNextBoundary(); at > 0; at = ends.toNextBoundary()) {
            if (storedBytes(safe.left(at)) > maxBytes) break;
            fits = at;
        }
        safe = safe.left(fits).trimmed();
    }
    return safe;
}

bool isPlainName(const QString& name) {
    return !name.isEmpty() && plainName(name) == name;
}

QString withExtension(const QString& path, const QString& extension) {
    return path.endsWith(extension, Qt::CaseInsensitive) ? path : path + extension;
}

}  // namespace platform

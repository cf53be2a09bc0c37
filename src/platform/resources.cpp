#include "platform/resources.h"

#include <QFile>
#include <QHash>
#include <QPixmap>
#include <QTextStream>

namespace platform {

const QImage& Picture::forPixelRatio(double ratio) const {
    return ratio > 1.0 && !doubled.isNull() ? doubled : normal;
}

Picture bitmap(int id) {
    // Pictures are small and Qt shares image data, so a cache keeps repainting cheap.
    static QHash<int, Picture> cache;
    const auto found = cache.constFind(id);
    if (found != cache.constEnd()) return *found;
    Picture picture;
    const QString base = QStringLiteral(":/bitmaps/%1").arg(id);
    picture.normal.load(base + QStringLiteral(".png"));
    picture.doubled.load(base + QStringLiteral("@2x.png"));
    if (!picture.doubled.isNull()) picture.doubled.setDevicePixelRatio(2.0);
    cache.insert(id, picture);
    return picture;
}

QIcon icon(const Picture& picture) {
    QIcon result(QPixmap::fromImage(picture.normal));
    if (!picture.doubled.isNull()) result.addPixmap(QPixmap::fromImage(picture.doubled));
    return result;
}

QString resourceString(int id) {
    static const QHash<int, QString> table = [] {
        QHash<int, QString> strings;
        QFile file(QStringLiteral(":/strings.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return strings;
        QTextStream in(&file);
        // One string a line: its number, a tab, its text.
        while (!in.atEnd()) {
            const QString line = in.readLine();
            const qsizetype tab = line.indexOf(QLatin1Char('\t'));
            if (tab <= 0) continue;
            bool ok = false;
            const int number = line.left(tab).toInt(&ok);
            if (ok) strings.insert(number, line.mid(tab + 1));
        }
        return strings;
    }();
    return table.value(id);
}

}  // namespace platform

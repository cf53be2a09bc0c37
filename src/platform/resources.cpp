#include "platform/resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPixmap>
#include <QTextStream>

namespace platform {

namespace {

// Twin pictures, decoded on first use; a null image where there is none.
QImage twin(int id) {
    static QHash<int, QImage> cache;
    const auto found = cache.constFind(id);
    if (found != cache.constEnd()) return *found;
    QImage image(QStringLiteral(":/bitmaps/%1@2x.png").arg(id));
    if (!image.isNull()) image.setDevicePixelRatio(2.0);
    cache.insert(id, image);
    return image;
}

}  // namespace

QImage Picture::forPixelRatio(double ratio) const {
    if (ratio <= 1.0) return normal;
    const QImage sharper = twin(id);
    return sharper.isNull() ? normal : sharper;
}

Picture bitmap(int id) {
    // Pictures are small and Qt shares image data, so a cache keeps repainting cheap.
    static QHash<int, Picture> cache;
    const auto found = cache.constFind(id);
    if (found != cache.constEnd()) return *found;
    const Picture picture{QImage(QStringLiteral(":/bitmaps/%1.png").arg(id)), id};
    cache.insert(id, picture);
    return picture;
}

QIcon icon(const Picture& picture) {
    QIcon result(QPixmap::fromImage(picture.normal));
    if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0)
        result.addPixmap(QPixmap::fromImage(picture.forPixelRatio(2.0)));
    return result;
}

// The table's texts, for the translators' tools, which cannot read it.
[[maybe_unused]] constexpr const char* tableTexts[] = {QT_TRANSLATE_NOOP("Strings", "load"),
                                                       QT_TRANSLATE_NOOP("Strings", "print"),
                                                       QT_TRANSLATE_NOOP("Strings", "save")};

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
    const QString text = table.value(id);
    return text.isEmpty() ? text
                          : QCoreApplication::translate("Strings", text.toUtf8().constData());
}

}  // namespace platform

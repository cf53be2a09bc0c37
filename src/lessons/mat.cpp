#include "lessons/mat.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtEndian>

namespace lessons {

namespace {

constexpr qsizetype keptSizes = 4;

// Process-wide, and so it also holds for pictures inside an SVG; Qt's default is twice this.
void limitDecoders() {
    QImageReader::setAllocationLimit(maxMatMiB);
}

// libpng allocates what a chunk says it holds before reading it, so a few bytes that claim a
// gigabyte would cost one: every chunk must fit in the file.
bool chunksFit(QByteArrayView png) {
    if (!png.startsWith("\x89PNG\r\n\x1a\n")) return true;  // the decoder says what is wrong
    for (qsizetype at = 8; at < png.size();) {
        if (png.size() - at < 12) return false;
        const quint32 length = qFromBigEndian<quint32>(png.data() + at);
        if (length > png.size() - at - 12) return false;
        at += 12 + qsizetype(length);
    }
    return true;
}

// A picture inside an SVG may be PNG or JPEG only: a nested SVG would bring references of
// its own that nobody checked.
bool isEmbeddedBitmap(QStringView href) {
    const qsizetype comma = href.indexOf(QLatin1Char(','));
    if (comma < 0 || !href.left(comma).endsWith(QLatin1String(";base64"), Qt::CaseInsensitive))
        return false;
    // Drawing programs wrap long base64 over many lines.
    QByteArray base64 = href.sliced(comma + 1).toLatin1();
    base64.removeIf([](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
    const auto decoded =
        QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return false;
    QBuffer buffer;
    buffer.setData(*decoded);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    return (format == "png" && chunksFit(*decoded)) || format == "jpeg";
}

bool isLocal(QStringView reference) {
    reference = reference.trimmed();
    if (reference.startsWith(QLatin1Char('\'')) || reference.startsWith(QLatin1Char('"')))
        reference = reference.sliced(1);
    return reference.startsWith(QLatin1Char('#'));
}

// Every url(...) in a style or attribute must point into the document itself.
bool hasOutsideUrl(QStringView text) {
    if (text.contains(QLatin1String("@import"), Qt::CaseInsensitive)) return true;
    for (qsizetype at = text.indexOf(QLatin1String("url("), 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(QLatin1String("url("), at + 4, Qt::CaseInsensitive)) {
        if (!isLocal(text.sliced(at + 4))) return true;
    }
    return false;
}

QString outside() {
    return QCoreApplication::translate(
        "lessons", "The mat picture refers to something outside the lesson file.");
}

QString hrefProblem(QStringView href) {
    href = href.trimmed();
    if (href.startsWith(QLatin1Char('#'))) return {};
    if (!href.startsWith(QLatin1String("data:"), Qt::CaseInsensitive)) return outside();
    if (isEmbeddedBitmap(href)) return {};
    return QCoreApplication::translate(
        "lessons", "The mat picture holds a picture that is not a readable PNG or JPEG picture.");
}

// Qt's SVG module would fetch what an SVG refers to outside itself (a file, an address), so
// a mat from anyone may refer to nothing outside. The stream reader also caps how far
// entities expand.
QString svgProblem(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
            case QXmlStreamReader::DTD:
                for (const QXmlStreamEntityDeclaration& entity : xml.entityDeclarations())
                    if (!entity.systemId().isEmpty() || !entity.publicId().isEmpty())
                        return outside();
                break;
            case QXmlStreamReader::EntityReference:
                return outside();
            case QXmlStreamReader::ProcessingInstruction:
                if (xml.processingInstructionTarget() == QLatin1String("xml-stylesheet"))
                    return outside();
                break;
            case QXmlStreamReader::StartElement:
                for (const QXmlStreamAttribute& attribute : xml.attributes()) {
                    if (attribute.name() == QLatin1String("href"))
                        if (QString wrong = hrefProblem(attribute.value()); !wrong.isEmpty())
                            return wrong;
                    if (hasOutsideUrl(attribute.value())) return outside();
                }
                break;
            case QXmlStreamReader::Characters:
                if (hasOutsideUrl(xml.text())) return outside();
                break;
            default:
                break;
        }
    }
    if (xml.hasError())
        return QCoreApplication::translate("lessons",
                                           "The mat picture is not a readable SVG picture (%1).")
            .arg(xml.errorString());
    return {};
}

}  // namespace

Mat::Mat(const QByteArray& bytes, const QString& type) {
    limitDecoders();
    if (bytes.isEmpty()) {
        if (!type.isEmpty())
            error_ = QCoreApplication::translate("lessons", "The mat picture is empty.");
        return;
    }
    if (type == svgType) {
        error_ = svgProblem(bytes);
        if (!error_.isEmpty()) return;
        const QSvgRenderer renderer(bytes);
        const QSize declared = renderer.defaultSize();
        if (!renderer.isValid() || declared.isEmpty()) {
            error_ = QCoreApplication::translate("lessons",
                                                 "The mat picture is not a readable SVG picture.");
            return;
        }
        svg_ = bytes;
        size_ = declared;
        return;
    }
    const QByteArray format = type == pngType ? "png" : type == jpegType ? "jpeg" : "";
    if (format.isEmpty()) {
        error_ =
            QCoreApplication::translate("lessons", "The mat picture is not a readable %1 picture.")
                .arg(type);
        return;
    }
    if (format == "png" && !chunksFit(bytes)) {
        error_ = QCoreApplication::translate(
            "lessons", "The mat picture is not a readable PNG picture (it is cut short).");
        return;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // As its type says, never as whatever the bytes look like.
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    // The header's size, so a huge picture is refused before anything is allocated for it.
    const QSize declared = reader.size();
    if (declared.isValid() && qint64(declared.width()) * declared.height() > maxMatPixels) {
        error_ = QCoreApplication::translate(
                     "lessons",
                     "The mat picture is %1 x %2 pixels, too large: a mat may have at most "
                     "4096 x 4096 pixels.")
                     .arg(declared.width())
                     .arg(declared.height());
        return;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        error_ = QCoreApplication::translate("lessons",
                                             "The mat picture is not a readable %1 picture (%2).")
                     .arg(QString::fromLatin1(format.toUpper()), reader.errorString());
        return;
    }
    image_ = image;
    size_ = image.size();
}

QImage Mat::scaled(QSize pixels) const {
    if (isNull() || pixels.isEmpty() || qint64(pixels.width()) * pixels.height() > maxMatPixels)
        return {};
    for (const QImage& image : kept_)
        if (image.size() == pixels) return image;
    QImage image;
    if (!svg_.isEmpty()) {
        image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        limitDecoders();
        QSvgRenderer renderer(svg_);
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    } else {
        image = image_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (kept_.size() == keptSizes) kept_.removeFirst();
    kept_.append(image);
    return image;
}

}  // namespace lessons

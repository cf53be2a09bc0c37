#include "files/program_file.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace files {

namespace {

constexpr char quote = '"';
constexpr char comma = ',';
constexpr char cr = '\r';
constexpr char lf = '\n';
const char* const windows1252 = "windows-1252";

// Stateless, so a sequence cut short at the end is an error rather than awaiting more bytes;
// a mark at the start of a field is kept, as part of the value.
std::optional<QString> fromUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

bool isValidUtf8(QByteArrayView bytes) {
    return fromUtf8(bytes).has_value();
}

QString fromWindows1252(QByteArrayView bytes) {
    QStringDecoder decoder(windows1252);
    return decoder.decode(bytes);
}

// One byte per character when the text fits Windows-1252 and reads back as itself; a line
// that would also pass for UTF-8 would not, so it goes out as UTF-8.
QByteArray encodeLine(const QString& line) {
    bool ascii = true;
    for (const QChar c : line) ascii = ascii && c.unicode() < 0x80;
    if (ascii) return line.toLatin1();
    QStringEncoder encoder(windows1252);
    const QByteArray bytes = encoder.encode(line);
    if (encoder.isValid() && !encoder.hasError() && fromWindows1252(bytes) == line &&
        !isValidUtf8(bytes))
        return bytes;
    return line.toUtf8();
}

QString quoted(const QString& value) {
    QString text = value;
    text.replace(QLatin1Char(quote), QLatin1Char('\''));
    return QLatin1Char(quote) + text + QLatin1Char(quote);
}

// Walks the bytes field by field, as the reading rules say.
class FieldReader {
  public:
    FieldReader(QByteArrayView bytes, bool cut) : bytes_(bytes), cut_(cut) {}

    // The next field's bytes, or nothing at the end of the file, in an unclosed quote or in
    // an unquoted field that the end of cut bytes cuts short.
    std::optional<QByteArrayView> next() {
        while (at(' ')) ++pos_;
        if (pos_ >= bytes_.size()) return std::nullopt;
        if (at(quote)) {
            const qsizetype start = pos_ + 1;
            const qsizetype end = bytes_.indexOf(quote, start);
            if (end < 0) return std::nullopt;
            pos_ = end + 1;
            // Whatever stands between the closing quote and the separator is not part of
            // any field.
            while (pos_ < bytes_.size() && !atSeparator()) ++pos_;
            skipSeparator();
            return bytes_.sliced(start, end - start);
        }
        const qsizetype start = pos_;
        while (pos_ < bytes_.size() && !atSeparator()) ++pos_;
        if (cut_ && pos_ == bytes_.size()) return std::nullopt;
        const QByteArrayView field = bytes_.sliced(start, pos_ - start);
        skipSeparator();
        return field;
    }

  private:
    bool at(char c) const { return pos_ < bytes_.size() && bytes_[pos_] == c; }
    bool atSeparator() const { return at(comma) || at(cr) || at(lf); }
    void skipSeparator() {
        if (at(cr)) {
            ++pos_;
            if (at(lf)) ++pos_;
        } else if (at(comma) || at(lf)) {
            ++pos_;
        }
    }

    QByteArrayView bytes_;
    bool cut_;
    qsizetype pos_ = 0;
};

}  // namespace

QByteArray writeProgramLine(const ProgramFields& fields) {
    // Encoded as a whole line, so all four fields of one file share one character set.
    const QString line = quoted(fields.fileheader) + QLatin1Char(comma) +
                         quoted(fields.programname) + QLatin1Char(comma) + quoted(fields.author) +
                         QLatin1Char(comma) + quoted(fields.prog);
    return encodeLine(line) + "\r\n";
}

std::optional<ProgramFields> readProgramLine(QByteArrayView bytes, bool cut) {
    // A byte-order mark that an editor may have put first is not part of the header.
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    FieldReader reader(bytes, cut);
    std::array<QByteArrayView, 4> raw;
    for (QByteArrayView& field : raw) {
        const std::optional<QByteArrayView> next = reader.next();
        if (!next) return std::nullopt;
        field = *next;
    }
    bool utf8 = true;
    for (const QByteArrayView field : raw) utf8 = utf8 && isValidUtf8(field);
    const auto text = [utf8](QByteArrayView field) {
        return utf8 ? fromUtf8(field).value_or(QString()) : fromWindows1252(field);
    };
    return ProgramFields{text(raw[0]), text(raw[1]), text(raw[2]), text(raw[3])};
}

}  // namespace files

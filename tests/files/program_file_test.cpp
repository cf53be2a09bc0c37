#include <gtest/gtest.h>

#include <QStringList>

#include "files/program_file.h"
#include "support/qt_printers.h"

namespace {

QStringList read(const QByteArray& file, bool cut = false) {
    const std::optional<files::ProgramFields> f = files::readProgramLine(file, cut);
    return f ? QStringList{f->fileheader, f->programname, f->author, f->prog} : QStringList{};
}

TEST(ProgramFileTest, WritesOneLineInOneCharacterSetThatReadsBackAsTheSameFourFields) {
    struct Case {
        QStringList fields;
        QByteArray line;
    };
    const Case cases[] = {
        // A double quote inside a value would end its field early: it goes out as a single one.
        {{"a, b", "say \"hi\"", "Smith, Jo", "F\"R"},
         "\"a, b\",\"say 'hi'\",\"Smith, Jo\",\"F'R\"\r\n"},
        // One byte per character while every character fits Windows-1252...
        {{"", "Zo\u00eb", "\u20ac", "F"}, "\"\",\"Zo\xeb\",\"\x80\",\"F\"\r\n"},
        // ...UTF-8 for the whole line when one does not...
        {{"", "Zo\u00eb", "\u0142\u674e", "F"},
         "\"\",\"Zo\xc3\xab\",\"\xc5\x82\xe6\x9d\x8e\",\"F\"\r\n"},
        // ...or when its Windows-1252 bytes would pass for UTF-8 and read back as other text.
        {{"", "\u00c3\u00ab", "me", "F"}, "\"\",\"\xc3\x83\xc2\xab\",\"me\",\"F\"\r\n"}};
    for (const auto& [f, line] : cases) {
        EXPECT_EQ(files::writeProgramLine({f[0], f[1], f[2], f[3]}), line);
        EXPECT_EQ(read(line), QStringList(f).replaceInStrings("\"", "'"));
    }
}

TEST(ProgramFileTest, ReadsTheFirstFourFieldsOrNothing) {
    struct Case {
        QByteArray file;
        // The file goes on beyond these bytes.
        bool cut;
        // None: no program.
        QStringList fields;
    };
    const Case cases[] = {
        {"\xef\xbb\xbf  \"a\" ,\"b\"junk\nc\r\"d\"\r\nmore,\"e\"", false, {"a", "b", "c", "d"}},
        {"a b,\"a,1\",,\"\r\n\"", false, {"a b", "a,1", "", "\r\n"}},
        {",,,,", false, {"", "", "", ""}},
        // Found by the fuzzer: a field that ends inside a UTF-8 sequence is no UTF-8.
        {"\"\",\"Zo\xc3\",\"me\",\"F\"", false, {"", "Zo\u00c3", "me", "F"}},
        // Fewer than four fields, and a field whose quote never closes, are failures...
        {",,,", false, {}},
        {"\"a\",\"b\",\"c\",\"FRFR", false, {}},
        // ...found in one pass, however large.
        {QByteArray(4 << 20, '"'), false, {}},
        // Where the file goes on, a field that runs to the end may be cut short; one that
        // ends before it is whole.
        {"a,b,c,FRFR", false, {"a", "b", "c", "FRFR"}},
        {"a,b,c,FRFR", true, {}},
        {"a,b,c,FRFR\r", true, {"a", "b", "c", "FRFR"}},
        {"a,b,c,\"FRFR\"more", true, {"a", "b", "c", "FRFR"}}};
    for (const auto& [file, cut, fields] : cases)
        EXPECT_EQ(read(file, cut), fields) << file.left(40).toStdString() << (cut ? " cut" : "");
}

}  // namespace

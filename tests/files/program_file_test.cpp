#include <gtest/gtest.h>

#include "files/program_file.h"

using files::ProgramFields;
using files::readProgramLine;
using files::writeProgramLine;

namespace files {
void PrintTo(const ProgramFields& fields, std::ostream* out) {
    *out << '[' << fields.fileheader.toStdString() << "][" << fields.programname.toStdString()
         << "][" << fields.author.toStdString() << "][" << fields.prog.toStdString() << ']';
}
}  // namespace files

namespace {

QByteArray bytes(const char* text) {
    return QByteArray(text);
}

TEST(ProgramFileTest, WritesTheExampleByteForByte) {
    const QByteArray line = writeProgramLine({"", "square", "me", "FRFRFRFR"});
    EXPECT_EQ(line, bytes("\"\",\"square\",\"me\",\"FRFRFRFR\"\r\n"));
    EXPECT_EQ(line.size(), 29);
}

struct Written {
    ProgramFields fields;
    QByteArray line;
};

class WritingTest : public testing::TestWithParam<Written> {};

TEST_P(WritingTest, WritesOneLineInOneCharacterSet) {
    EXPECT_EQ(writeProgramLine(GetParam().fields), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WritingTest,
    testing::Values(
        // A quote inside a value would end the field early.
        Written{{"", "say \"hi\"", "me", "F"}, bytes("\"\",\"say 'hi'\",\"me\",\"F\"\r\n")},
        Written{{"", "a, b", "Smith, Jo", ""}, bytes("\"\",\"a, b\",\"Smith, Jo\",\"\"\r\n")},
        // One byte per character while every character fits Windows-1252...
        Written{{"", "Zo\u00eb", "\u20ac", "F"}, bytes("\"\",\"Zo\xeb\",\"\x80\",\"F\"\r\n")},
        // ...UTF-8 for the whole line when one does not...
        Written{{"", "Zo\u00eb", "\u0142\u674e", "F"},
                bytes("\"\",\"Zo\xc3\xab\",\"\xc5\x82\xe6\x9d\x8e\",\"F\"\r\n")},
        // ...or when its Windows-1252 bytes would pass for UTF-8 and read back as other text.
        Written{{"", "\u00c3\u00ab", "me", "F"},
                bytes("\"\",\"\xc3\x83\xc2\xab\",\"me\",\"F\"\r\n")}));

struct Read {
    QByteArray file;
    std::optional<ProgramFields> fields;
};

class ReadingTest : public testing::TestWithParam<Read> {};

TEST_P(ReadingTest, ReadsFourFieldsOrNothing) {
    EXPECT_EQ(readProgramLine(GetParam().file), GetParam().fields);
}

const ProgramFields abcd{"a", "b", "c", "d"};

INSTANTIATE_TEST_SUITE_P(
    Files, ReadingTest,
    testing::Values(
        Read{bytes("\"a\",\"b\",\"c\",\"d\"\r\n"), abcd},
        Read{bytes("  \"a\" ,   \"b\",c,d"), abcd},
        Read{bytes("\"a\"\n\"b\"\r\"c\"\r\n\"d\""), abcd},
        Read{bytes("\"a\"junk,\"b\",\"c\",\"d\"junk\r\nmore,\"e\""), abcd},
        Read{bytes("\"a,1\",\"b\",\"c\",\"d\""), ProgramFields{"a,1", "b", "c", "d"}},
        Read{bytes("a b,\"x\"y\",c,\"\""), ProgramFields{"a b", "x", "c", ""}},
        Read{bytes("\"a\",,\"c\",\"d\""), ProgramFields{"a", "", "c", "d"}},
        Read{bytes("\"\r\n\",\"b\",\"c\",\"d\""), ProgramFields{"\r\n", "b", "c", "d"}},
        Read{bytes("\xef\xbb\xbf\"a\",\"b\",\"c\",\"d\""), abcd},
        Read{bytes("\"\",\"Zo\xeb\",\"\x80\",\"F\""), ProgramFields{"", "Zo\u00eb", "\u20ac", "F"}},
        Read{bytes("\"\",\"Zo\xc3\xab\",\"\xe6\x9d\x8e\",\"F\""),
             ProgramFields{"", "Zo\u00eb", "\u674e", "F"}},
        // Found by the fuzzer: a field that ends inside a UTF-8 sequence is no UTF-8.
        Read{bytes("\"\",\"Zo\xc3\",\"me\",\"F\""), ProgramFields{"", "Zo\u00c3", "me", "F"}},
        Read{bytes("\"\",\"Zo\xc3\xab\",\"  \"\xe6\x9d\x8e\",\"FBLRP\"\r\n"),
             ProgramFields{"", "Zo\u00eb", "  ", "FBLRP"}},
        Read{bytes(",,,,"), ProgramFields{}},
        // Fewer than four fields, and a field whose quote never closes, are failures.
        Read{bytes(",,,"), std::nullopt}, Read{bytes(""), std::nullopt},
        Read{bytes("   "), std::nullopt}, Read{bytes("\"a\",\"b\",\"c\"\r\n"), std::nullopt},
        Read{bytes("\"a\",\"b\",\"c\","), std::nullopt},
        Read{bytes("\"a\",\"b\",\"c\",\"FRFR"), std::nullopt}, Read{bytes("\""), std::nullopt}));

class RoundTripTest : public testing::TestWithParam<ProgramFields> {};

TEST_P(RoundTripTest, ReadsBackWhatWasWritten) {
    EXPECT_EQ(readProgramLine(writeProgramLine(GetParam())), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Programs, RoundTripTest,
    testing::Values(ProgramFields{"", "square", "me", "FRFRFRFR"},
                    ProgramFields{"any header, at all", "a, b", "Smith, Jo", ""},
                    ProgramFields{"", "\u0142\u00f3d\u017a", "Zo\u00eb \u674e", "FFLP"},
                    ProgramFields{"", "\u00c3\u00ab", "Zo\u00eb", "F"},
                    ProgramFields{"two\r\nlines", "", "", QString(400, QLatin1Char('F'))},
                    ProgramFields{"", "", "", "FBXYZ\u00e9"}));

TEST(ProgramFileTest, HugeMalformedFilesAreRefusedInOnePass) {
    for (const QByteArray& file :
         {QByteArray(4 << 20, ' '), "\"" + QByteArray(4 << 20, 'F'), QByteArray(4 << 20, '"')}) {
        EXPECT_EQ(readProgramLine(file), std::nullopt);
    }
    const QByteArray longProgram = "\"\",\"\",\"\",\"" + QByteArray(4 << 20, 'F') + '"';
    EXPECT_EQ(readProgramLine(longProgram)->prog.size(), 4 << 20);
}

TEST(ProgramFileTest, AQuoteInAValueComesBackAsASingleQuoteWithTheOtherFieldsInPlace) {
    const auto read = readProgramLine(writeProgramLine({"h\"", "\"a\"", "\"", "F\"R"}));
    EXPECT_EQ(read, (ProgramFields{"h'", "'a'", "'", "F'R"}));
}

}  // namespace

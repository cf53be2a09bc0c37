#include <QApplication>
#include <QFile>
#include <QTest>

#include "app/status.h"
#include "language/language.h"
#include "platform/speech.h"
#include "printing/PrinterSupport.h"
#include "support/listing_rows.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

QStringList listedWords() {
    QStringList words;
    for (const ListingRow& row : listingRows())
        if (!row.word.isEmpty()) words << row.word;
    return words;
}

QStringList printedTexts() {
    QStringList texts;
    for (const platform::Command& command : PrinterSupport::printer().commands())
        if (const auto* text = std::get_if<platform::Text>(&command)) texts << text->text;
    return texts;
}

// MARLO started in German: the translator is in place before the windows are made.
class GermanTest : public MarloTest {
  protected:
    void SetUp() override {
        language::choose(QStringLiteral("de"));
        language::install(*qApp);
        MarloTest::SetUp();
        platform::setSpokenMode(true);
    }
    void TearDown() override {
        platform::setSpokenMode(false);
        language::choose(QString(QStringLiteral("en")));
        MarloTest::TearDown();
    }
    void pressAll() {
        for (QPushButton* key : {&buttons().forwards, &buttons().backwards, &buttons().LeftTurn,
                                 &buttons().RightTurn, &buttons().pause})
            QTest::mouseClick(key, Qt::LeftButton);
    }
};

// The words change with the language; the file keeps its letters, so English reads it back.
TEST_F(GermanTest, AProgramSavedInGermanLoadsInEnglishWithTheSameListing) {
    pressAll();
    EXPECT_EQ(listedWords(), QStringList({"vorwärts", "rückwärts", "links", "rechts", "Pause"}));
    EXPECT_EQ(speech.said,
              std::vector<QString>({"vorwärts", "rückwärts", "links", "rechts", "Pause"}));
    EXPECT_EQ(graphics().progname.text(), "mein Programm");
    const QString path = home.filePath("saved.mlo");
    dialogs.answer = path;
    graphics().save_Click();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith(",\"FBLRP\"\r\n")) << "the file keeps the letters";

    language::choose(QStringLiteral("en"));
    start();
    graphics().load_Click();
    expectSeen({.prog = "FBLRP", .programname = "saved"});
    EXPECT_EQ(listedWords(), QStringList({"forwards", "backwards", "left", "right", "pause"}));
}

// The report's words, its header pieces and the date in German's short form.
TEST_F(GermanTest, TheReportIsInGermanWithGermanDates) {
    prog = QStringLiteral("FFFFFFFFFFFFFFFFFFFFFFFF");
    graphics().PrintButton_Click();
    const QStringList texts = printedTexts();
    EXPECT_TRUE(texts.contains(" am 05.12.26")) << qPrintable(texts.join('|'));
    EXPECT_TRUE(texts.contains("  geschrieben von "));
    EXPECT_TRUE(texts.contains("angestoßen!!"));
    EXPECT_EQ(texts.count("vorwärts"), prog.size());
    EXPECT_EQ(currentStatus(), "gespeichert als mein Programm.pdf");
}

// English loads nothing, and the report keeps dd/mm/yyyy; an unknown language is English.
TEST(Language, EnglishAndUnknownLanguagesLoadNoTranslator) {
    for (const char* chosen : {"en", "en_US", "xx"}) {
        language::choose(QString::fromLatin1(chosen));
        EXPECT_EQ(language::code(), QString()) << chosen;
        EXPECT_EQ(language::shortDate({2026, 12, 5}), "05/12/2026");
    }
    language::choose(QStringLiteral("pl_PL"));
    EXPECT_EQ(language::code(), "pl");
    EXPECT_EQ(language::shortDate({2026, 12, 5}), "5.12.2026");
    language::choose(QStringLiteral("en"));
}

}  // namespace

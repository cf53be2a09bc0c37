#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>

#include "app/status.h"
#include "language/fitting.h"
#include "language/language.h"
#include "support/marlo_fixture.h"

namespace {

// The source texts of one context in a shipped translation, as the translators have them.
QStringList sourcesOf(const QString& code, const QString& context) {
    QFile file(QStringLiteral(MARLO_TRANSLATIONS "/marlo_%1.ts").arg(code));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    QXmlStreamReader xml(&file);
    QStringList sources;
    QString current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) current = xml.readElementText();
        if (xml.name() == QLatin1String("source") && current == context)
            sources << xml.readElementText();
    }
    return sources;
}

// Every text of MARLO's windows in each shipped language, drawn into its control on the
// 1024 x 768 screen with the real fonts: none may be cut.
class FitTest : public MarloTest, public testing::WithParamInterface<QString> {
  protected:
    void SetUp() override {
        language::choose(GetParam());
        ASSERT_EQ(language::code(), GetParam());
        language::install(*qApp);
        MarloTest::SetUp();
    }
};

TEST_P(FitTest, EveryTextFitsItsControl) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (const auto* button : window->findChildren<platform::FlatButton*>()) {
            if (button->text().isEmpty()) continue;
            EXPECT_TRUE(
                platform::textFits(button->font(), button->text(), button->textRoom(), false))
                << qPrintable(button->text());
        }
        for (const auto* label : window->findChildren<platform::FittingLabel*>()) {
            if (label == &graphics().warnings) continue;
            const platform::FittingLabel::Fit fit = label->fit();
            EXPECT_TRUE(
                fit.text == label->text() &&
                platform::textFits(fit.font, fit.text, label->textRoom(), label->wordWrap()))
                << qPrintable(label->text());
        }
    }
    // Every status message; a saved report's name may lose its middle, the words may not.
    const QString name = QCoreApplication::translate("Names", "my program");
    for (const char* context : {"Status", "files"}) {
        for (const QString& source : sourcesOf(GetParam(), QString::fromLatin1(context))) {
            QString text = QCoreApplication::translate(context, source.toUtf8().constData());
            if (text.contains(QLatin1String("%1"))) text = text.arg(name);
            showStatus(text);
            EXPECT_EQ(graphics().warnings.fit().text, text);
        }
    }
    // The words drawn on the keypad's pictures, the step button's too, and the listing's words
    // after their spaces.
    for (const int picture : {106, 107, 201}) {
        const language::PictureWords words = language::keypadWords(picture);
        EXPECT_FALSE(words.text.isEmpty());
        EXPECT_TRUE(platform::textFits(words.font, words.text, words.area.size(), true))
            << qPrintable(words.text);
    }
    auto& listing = program().ProgramText;
    platform::FontChoice drawn = listing.surface().font();
    drawn.bold = drawn.underline = true;
    const int spaces = ButtonsWindow::leadingSpaceCount(listing.twips.width());
    for (const QString& line : language::listingLines(spaces))
        EXPECT_TRUE(
            platform::textFits(platform::font(drawn), line, listing.size() - QSize(2, 2), false))
            << qPrintable(line);
}

INSTANTIATE_TEST_SUITE_P(Shipped, FitTest, testing::ValuesIn(language::shipped().toVector()),
                         [](const auto& info) { return info.param.toStdString(); });

}  // namespace

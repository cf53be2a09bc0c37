#include <QImage>

#include "app/status.h"
#include "layout/design.h"
#include "support/marlo_fixture.h"

namespace {

using StatusTest = MarloTest;

// The columns from the first to the last that hold any dark ink.
std::pair<int, int> inkColumns(const QImage& image) {
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                first = std::min(first, x), last = std::max(last, x);
    return {first, last};
}

// Drawn as a plain label of the same place and font would draw it; a name is never markup.
TEST_F(StatusTest, ShortMessagesLookAsAPlainLabelDrawsThem) {
    platform::FittingLabel& status = graphics().warnings;
    platform::FlatLabel plain(status.parentWidget(), QString(), design::floorGreen, design::sans24);
    plain.setTextFormat(Qt::PlainText);
    plain.setGeometry(status.geometry());
    for (const char* message : {"", "running", "stopped!", "crashed!", "finished", "well done!",
                                "missed!", "program full", "cancelled!", "saved as <b>a</b>.pdf"}) {
        showStatus(message);
        plain.setText(QString::fromUtf8(message));
        EXPECT_EQ(status.grab().toImage(), plain.grab().toImage()) << message;
    }
}

// At 1024 x 768 the name a pupil can type fits whole in a smaller font; wider still, the
// middle gives way at the smallest size, keeping both ends.
TEST_F(StatusTest, LongMessagesShrinkThenLoseTheirMiddleNeverTheirEnds) {
    platform::FittingLabel& status = graphics().warnings;
    const struct {
        QString message;
        bool whole;
    } cases[] = {{"saved as my very very long prog.pdf", true},
                 {"saved as " + QString(22, 'W') + ".pdf", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        showStatus(c.message);
        const platform::FittingLabel::Fit fit = status.fit();
        EXPECT_EQ(currentStatus(), c.message);
        EXPECT_EQ(fit.text == c.message, c.whole);
        EXPECT_TRUE(fit.text.startsWith("saved as ") && fit.text.endsWith(".pdf"));
        const auto [first, last] = inkColumns(status.grab().toImage());
        EXPECT_TRUE(first > 0 && last < status.width() - 1) << first << " to " << last;
    }
}

// The path of a saved report is there to hover over or to hear, until the next message.
TEST_F(StatusTest, DetailGoesWithItsMessage) {
    platform::FittingLabel& status = graphics().warnings;
    showStatus("saved as my program.pdf", "/home/pupil/my program.pdf");
    EXPECT_EQ(status.toolTip(), "/home/pupil/my program.pdf");
    EXPECT_EQ(status.accessibleDescription(), "/home/pupil/my program.pdf");
    showStatus("running");
    EXPECT_EQ(status.toolTip(), "");
    EXPECT_EQ(status.accessibleDescription(), "");
}

}  // namespace

#include "support/listing_rows.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

class ListingTest : public MarloTest {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        startMarlo();
    }
    // A box with room for rows + 1 rows: listrows = rows.
    void roomFor(int rows) { program().ProgramText.twips.setHeight(560 * (rows + 1.5)); }
};

TEST_F(ListingTest, ShortProgramsShowWholeAndLongOnesShowTheirEnd) {
    roomFor(5);
    prog = QStringLiteral("FBLR");
    buttons().printprog();
    EXPECT_EQ(buttons().listrows, 5);
    EXPECT_EQ(listedWords(), (std::vector<QString>{"forwards", "backwards", "left", "right"}));

    prog = QStringLiteral("FFFFFFBBBBBL");
    buttons().printprog();
    EXPECT_EQ(buttons().firstline, 7);
    EXPECT_EQ(buttons().lastline, 12);
    EXPECT_EQ(listedWords().back(), "left");
    EXPECT_EQ(listingRows().size(), 6u);

    prog.clear();
    buttons().printprog();
    EXPECT_TRUE(program().ProgramText.surface().commands().empty());
}

TEST_F(ListingTest, DuringARunTheWindowFollowsTheCurrentCommand) {
    roomFor(5);
    prog = QString(12, 'F');
    const struct {
        int step, first, last;
    } steps[] = {{1, 1, 6}, {5, 1, 6}, {6, 1, 6}, {7, 2, 7}, {11, 6, 11}, {12, 7, 12}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        buttons().doprintprog(s.step);
        EXPECT_EQ(buttons().firstline, s.first);
        EXPECT_EQ(buttons().lastline, s.last);
        const std::vector<ListingRow> rows = listingRows();
        ASSERT_EQ(rows.size(), static_cast<size_t>(s.last - s.first + 1));
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(rows[i].wordEmphasised, static_cast<int>(i) + s.first == s.step) << i;
    }
}

TEST_F(ListingTest, ProgramAsLongAsTheRowsGetsARowOfSpacesDuringARun) {
    roomFor(5);
    prog = QStringLiteral("FFFFF");
    buttons().doprintprog(1);
    const std::vector<ListingRow> rows = listingRows();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows.back().word, "");
    EXPECT_GT(rows.back().spaces, 0);
}

TEST_F(ListingTest, TooLowBoxesShowOneRowOrNone) {
    prog = QStringLiteral("FBL");
    program().ProgramText.twips.setHeight(600);  // listrows 0
    buttons().printprog();
    EXPECT_EQ(listedWords(), std::vector<QString>{"left"});
    program().ProgramText.twips.setHeight(500);  // listrows -1
    buttons().printprog();
    EXPECT_TRUE(listingRows().empty());
}

TEST_F(ListingTest, IndentIsWidthOver480RoundedHalfToEven) {
    prog = QStringLiteral("F");
    for (const auto& [width, spaces] : {std::pair{8.03, 8}, {8.5, 8}, {9.5, 10}, {11.4, 11}}) {
        program().ProgramText.twips.setWidth(width * 480);
        buttons().printprog();
        ASSERT_EQ(listingRows().size(), 1u);
        EXPECT_EQ(listingRows()[0].spaces, spaces) << width;
    }
}

TEST_F(ListingTest, LettersFromFilesListByNameOrAsSpacesOnly) {
    prog = QStringLiteral("UDpF");
    buttons().printprog();
    EXPECT_EQ(listedWords(), (std::vector<QString>{"pen up", "pen down", "", "forwards"}));
    EXPECT_GT(listingRows()[2].spaces, 0);
}

TEST_F(ListingTest, OnlyTheEmphasisedWordIsBoldAndUnderlined) {
    prog = QStringLiteral("FLR");
    buttons().doprintprog(2);
    const std::vector<ListingRow> rows = listingRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_FALSE(rows[0].wordEmphasised);
    EXPECT_TRUE(rows[1].wordEmphasised);
    EXPECT_FALSE(rows[2].wordEmphasised);
    for (const ListingRow& row : rows) EXPECT_TRUE(row.spacesPlain);
    // The font is left plain for whatever is printed next.
    EXPECT_FALSE(program().ProgramText.surface().font().bold);
}

}  // namespace

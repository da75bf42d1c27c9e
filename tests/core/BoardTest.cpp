#include "Board.h"
#include "Lines.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace zorbitan;

// The game reads a square's colour back to name its counter picture: the six values
// must be exact and cover the board in the designed counts.
TEST(Board, SixExactColoursInTheirCounts)
{
    const std::map<std::string_view, std::pair<std::uint32_t, int>> expected{
        {"ye", {0x0000FFFF, 15}}, {"ma", {0x00FF00FF, 15}}, {"or", {0x000080FF, 9}},
        {"re", {0x000000FF, 10}}, {"gr", {0x0000FF00, 5}},  {"bl", {0x00FF0000, 46}},
    };
    std::map<std::string_view, int> counts;
    for (int n = 1; n <= 100; ++n) {
        ++counts[squareColourInfo(designedSquareColour(n)).prefix];
    }
    for (const auto& info : squareColours) {
        EXPECT_EQ(info.rgb, fromBgrValue(expected.at(info.prefix).first)) << info.prefix;
        EXPECT_EQ(counts[info.prefix], expected.at(info.prefix).second) << info.prefix;
        EXPECT_EQ(squareColourFromRgb(info.rgb)->prefix, info.prefix);
    }
    EXPECT_EQ(designedSquareColour(36), SquareColour::Yellow);
    EXPECT_EQ(designedSquareColour(81), SquareColour::Orange);
    EXPECT_EQ(designedSquareColour(100), SquareColour::Blue);
    EXPECT_FALSE(squareColourFromRgb(Rgb{254, 255, 0}));
    EXPECT_EQ(counterPicturePath("ye", "bl"), "counters\\yebl.bmp");
}

TEST(Board, CornersFrameAndPixels)
{
    EXPECT_EQ(board::squareRect(1), (TwipRect{4800, 1200, 600, 600}));
    EXPECT_EQ(board::squareRect(10), (TwipRect{10740, 1200, 600, 600}));
    EXPECT_EQ(board::squareRect(91), (TwipRect{4800, 7140, 600, 600}));
    EXPECT_EQ(board::squareRect(100), (TwipRect{10740, 7140, 600, 600}));
    EXPECT_EQ(board::frameRect(), (TwipRect{4680, 1080, 6780, 6780}));
    EXPECT_EQ(twipsToPixels(10740), 716);
    EXPECT_EQ(twipsToPixels(-90), -6);
}

namespace {
std::optional<BoardLine> lineOf(std::initializer_list<int> numbers, int owner = 1)
{
    std::array<Integer, 101> owners{};
    for (const int n : numbers) {
        owners.at(n) = static_cast<Integer>(owner);
    }
    return lastLineHeldBy(owners, owner);
}
} // namespace

TEST(Lines, RowsColumnsAndDiagonalsNeverWrap)
{
    std::set<BoardLine> distinct(allLines().begin(), allLines().end());
    EXPECT_EQ(distinct.size(), 288U);
    for (const BoardLine& line : allLines()) {
        const int columnStep = board::columnOf(line[1]) - board::columnOf(line[0]);
        ASSERT_LE(std::abs(columnStep), 1);
        ASSERT_EQ(board::columnOf(line[2]) - board::columnOf(line[1]), columnStep);
    }
    for (const BoardLine line :
         {BoardLine{8, 9, 10}, {1, 11, 21}, {71, 81, 91}, {1, 12, 23}, {3, 12, 21}, {10, 19, 28}}) {
        EXPECT_EQ(lineOf({line[0], line[1], line[2]}), line);
    }
    EXPECT_FALSE(lineOf({9, 10, 11}));
    EXPECT_FALSE(lineOf({2, 11, 20}));
}

TEST(Lines, TheLastLineFoundIsKeptAndMixedOwnersMakeNone)
{
    EXPECT_EQ(lineOf({1, 2, 3, 4}), (BoardLine{2, 3, 4}));
    EXPECT_EQ(lineOf({1, 2, 3, 13, 23}), (BoardLine{3, 13, 23})); // the column scan comes later
    std::array<Integer, 101> owners{};
    owners[1] = owners[3] = 1;
    owners[2] = 2;
    EXPECT_FALSE(lastLineHeldBy(owners, 1));
}

#include "Board.h"
#include "LevelStyle.h"
#include "Players.h"
#include "Twips.h"

#include <gtest/gtest.h>
#include <map>

using namespace zorbitan;

TEST(BoardColours, SixColoursCoverTheBoardInTheirCounts)
{
    std::map<SquareColour, int> counts;
    for (int n = 1; n <= 100; ++n) {
        ++counts[designedSquareColour(n)];
    }
    EXPECT_EQ(counts[SquareColour::Yellow], 15);
    EXPECT_EQ(counts[SquareColour::Magenta], 15);
    EXPECT_EQ(counts[SquareColour::Orange], 9);
    EXPECT_EQ(counts[SquareColour::Red], 10);
    EXPECT_EQ(counts[SquareColour::Green], 5);
    EXPECT_EQ(counts[SquareColour::Blue], 46);
}

TEST(BoardColours, SampleNumbersHaveTheirColours)
{
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(designedSquareColour(n), SquareColour::Yellow) << n;
    }
    EXPECT_EQ(designedSquareColour(36), SquareColour::Yellow);
    EXPECT_EQ(designedSquareColour(11), SquareColour::Magenta);
    EXPECT_EQ(designedSquareColour(99), SquareColour::Magenta);
    EXPECT_EQ(designedSquareColour(81), SquareColour::Orange);
    EXPECT_EQ(designedSquareColour(90), SquareColour::Red);
    EXPECT_EQ(designedSquareColour(70), SquareColour::Green);
    EXPECT_EQ(designedSquareColour(22), SquareColour::Blue);
    EXPECT_EQ(designedSquareColour(100), SquareColour::Blue);
}

// The game reads a square's colour back to name its counter picture, so the six values
// must be exact, in both ways the tables write them.
TEST(BoardColours, ExactValuesAndPrefixes)
{
    struct Expected {
        SquareColour colour;
        Rgb rgb;
        std::uint32_t bgr;
        std::string_view prefix;
    };
    const Expected expected[] = {
        {SquareColour::Yellow, {255, 255, 0}, 0x0000FFFF, "ye"}, {SquareColour::Magenta, {255, 0, 255}, 0x00FF00FF, "ma"},
        {SquareColour::Orange, {255, 128, 0}, 0x000080FF, "or"}, {SquareColour::Red, {255, 0, 0}, 0x000000FF, "re"},
        {SquareColour::Green, {0, 255, 0}, 0x0000FF00, "gr"},    {SquareColour::Blue, {0, 0, 255}, 0x00FF0000, "bl"},
    };
    for (const auto& e : expected) {
        const auto& info = squareColourInfo(e.colour);
        EXPECT_EQ(info.rgb, e.rgb) << e.prefix;
        EXPECT_EQ(info.rgb, fromBgrValue(e.bgr)) << e.prefix;
        EXPECT_EQ(info.prefix, e.prefix);
        const auto readBack = squareColourFromRgb(e.rgb);
        ASSERT_TRUE(readBack.has_value()) << e.prefix;
        EXPECT_EQ(readBack->colour, e.colour);
    }
    EXPECT_FALSE(squareColourFromRgb(colours::purple).has_value());
    EXPECT_FALSE(squareColourFromRgb(Rgb{254, 255, 0}).has_value());
}

TEST(BoardGeometry, CornerSquaresLabelsAndFrame)
{
    EXPECT_EQ(board::squareRect(1), (TwipRect{4800, 1200, 600, 600}));
    EXPECT_EQ(board::squareRect(10), (TwipRect{10740, 1200, 600, 600}));
    EXPECT_EQ(board::squareRect(91), (TwipRect{4800, 7140, 600, 600}));
    EXPECT_EQ(board::squareRect(100), (TwipRect{10740, 7140, 600, 600}));
    EXPECT_EQ(board::squareRect(11).top - board::squareRect(1).top, 660);
    EXPECT_EQ(board::numberLabelRect(board::squareRect(55)),
              (TwipRect{board::squareRect(55).left, board::squareRect(55).top + 120, 600, 480}));

    const TwipRect frame = board::frameRect();
    EXPECT_EQ(frame, (TwipRect{4680, 1080, 6780, 6780}));
    EXPECT_EQ(frame.right(), 11460);
    EXPECT_EQ(frame.bottom(), 7860);
}

TEST(BoardGeometry, TwipsBecomePixelsAtFifteenToOne)
{
    EXPECT_EQ(twipsToPixels(4800), 320);
    EXPECT_EQ(twipsToPixels(10740), 716);
    EXPECT_EQ(twipsToPixels(11970), 798);
    EXPECT_EQ(twipsToPixels(-90), -6);
    EXPECT_EQ(twipsToPixels(7), 0);
    EXPECT_EQ(twipsToPixels(8), 1);
    EXPECT_EQ(pixelsToTwips(800), 12000);
}

TEST(CounterPictures, NamesJoinSquareAndPlayerPrefixes)
{
    const auto nameFor = [](int number, int playerIndex) {
        return counterPicturePath(squareColourInfo(designedSquareColour(number)).prefix,
                                  playerAtIndex(playerIndex).prefix);
    };
    EXPECT_EQ(nameFor(12, 0), "counters\\yebl.bmp");
    EXPECT_EQ(nameFor(100, 3), "counters\\blye.bmp");
    EXPECT_EQ(nameFor(55, 1), "counters\\blre.bmp");
    EXPECT_EQ(nameFor(13, 2), "counters\\magr.bmp");
}

TEST(Players, TurnOrderCodesPrefixesAndColours)
{
    EXPECT_EQ(playerAtIndex(0).name, "Blue");
    EXPECT_EQ(playerAtIndex(1).name, "Red");
    EXPECT_EQ(playerAtIndex(2).name, "Green");
    EXPECT_EQ(playerAtIndex(3).name, "Yellow");
    for (int k = 0; k < maxPlayers; ++k) {
        EXPECT_EQ(playerAtIndex(k).ownerCode, k + 1);
        EXPECT_EQ(playerWithOwnerCode(k + 1)->name, playerAtIndex(k).name);
    }
    EXPECT_EQ(playerAtIndex(0).prefix, "bl");
    EXPECT_EQ(playerAtIndex(1).prefix, "re");
    EXPECT_EQ(playerAtIndex(2).prefix, "gr");
    EXPECT_EQ(playerAtIndex(3).prefix, "ye");
    EXPECT_EQ(playerAtIndex(1).colour, colours::red);
    EXPECT_EQ(playerAtIndex(3).colour, colours::yellow);
    EXPECT_FALSE(playerWithOwnerCode(0).has_value());
    EXPECT_FALSE(playerWithOwnerCode(5).has_value());
}

TEST(LevelStyles, EachLevelStylesTheCardItsOwnWay)
{
    const auto one = levelStyle(1);
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(one->cardFill, colours::yellow);
    EXPECT_EQ(one->cardFaceText, colours::black);
    EXPECT_EQ(one->cardFaceTop, 3120);
    EXPECT_EQ(one->answerListText, colours::blue);
    EXPECT_EQ(one->levelText, colours::yellow);
    EXPECT_EQ(one->levelCaption, "Level 1");

    const auto two = levelStyle(2);
    ASSERT_TRUE(two.has_value());
    EXPECT_EQ(two->cardFill, (Rgb{128, 0, 128}));
    EXPECT_EQ(two->cardFaceText, colours::yellow);
    EXPECT_EQ(two->cardFaceTop, 3120);
    EXPECT_EQ(two->answerHeadingText, colours::white);
    EXPECT_EQ(two->levelText, colours::purple);

    const auto three = levelStyle(3);
    ASSERT_TRUE(three.has_value());
    EXPECT_EQ(three->cardFill, colours::blue);
    EXPECT_EQ(three->cardFaceTop, 2160);
    EXPECT_EQ(three->levelCaption, "Level 3");

    EXPECT_FALSE(levelStyle(0).has_value());
    EXPECT_FALSE(levelStyle(4).has_value());
    EXPECT_FALSE(levelStyle(-1).has_value());
}

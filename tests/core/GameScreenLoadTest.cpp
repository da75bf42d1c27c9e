#include "GameScreen.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace zorbitan;

namespace {
class GameScreenLoad : public ::testing::Test {
protected:
    GameScreenLoad()
    {
        shared.soundon = 1;
        shared.numberofplayers = 2;
        shared.playerlevel = {0, 1, 1, 0, 0};
    }

    const GameScreenControls& load()
    {
        screen.Form_Load();
        return screen.controls();
    }

    Module1 shared;
    std::vector<std::string> played;
    GameScreen screen{shared, [this](std::string_view name) { played.emplace_back(name); }, seededRandom(1)};
};
} // namespace

TEST_F(GameScreenLoad, SquaresTakeTheirTableColoursWithMatchingBorders)
{
    const auto& c = load();
    for (int n = 1; n <= 100; ++n) {
        const Rgb expected = squareColourInfo(designedSquareColour(n)).rgb;
        EXPECT_EQ(c.Shape1[n].fillColor, expected) << "square " << n;
        EXPECT_EQ(c.Shape1[n].borderColor, expected) << "square " << n;
        EXPECT_TRUE(c.Shape1[n].visible);
    }
}

TEST_F(GameScreenLoad, NumbersLieInTenRowsOfTenWithLabelsOverSquares)
{
    const auto& c = load();
    EXPECT_EQ(c.Shape1[1].rect, (TwipRect{4800, 1200, 600, 600}));
    EXPECT_EQ(c.Shape1[10].rect, (TwipRect{10740, 1200, 600, 600}));
    EXPECT_EQ(c.Shape1[91].rect, (TwipRect{4800, 7140, 600, 600}));
    EXPECT_EQ(c.Shape1[100].rect, (TwipRect{10740, 7140, 600, 600}));
    for (int n = 1; n <= 100; ++n) {
        const auto& label = c.Label1[n];
        EXPECT_EQ(label.caption, std::to_string(n));
        EXPECT_TRUE(label.visible);
        EXPECT_EQ(label.foreColor, colours::black);
        EXPECT_EQ(label.rect.left, c.Shape1[n].rect.left);
        EXPECT_EQ(label.rect.top, c.Shape1[n].rect.top + 120);
        EXPECT_EQ(label.rect.height, 480);
        // Counter pictures wait, hidden, exactly over their squares.
        EXPECT_EQ(c.Image1[n].rect, c.Shape1[n].rect);
        EXPECT_FALSE(c.Image1[n].visible);
        EXPECT_TRUE(c.Image1[n].picture.empty());
    }
}

TEST_F(GameScreenLoad, FrameSurroundsTheBoardAndTemplatesStayHidden)
{
    const auto& c = load();
    EXPECT_TRUE(c.Shape2.visible);
    EXPECT_EQ(c.Shape2.rect, (TwipRect{4680, 1080, 6780, 6780}));
    EXPECT_EQ(c.Shape2.fillColor, colours::black);
    EXPECT_FALSE(c.Shape1[0].visible);
    EXPECT_FALSE(c.Label1[0].visible);
    EXPECT_FALSE(c.Image1[0].visible);
    EXPECT_EQ(c.Label1[0].caption, "0");
}

TEST_F(GameScreenLoad, NewGameOpensWithBlueToPlayAndNoCard)
{
    shared.answers.at(6) = "";
    const auto& c = load();
    EXPECT_EQ(screen.turnnumber(), -1);
    EXPECT_EQ(screen.winner(), 0);
    EXPECT_EQ(c.Label2.caption, "Blue to Play");
    EXPECT_EQ(c.Label2.foreColor, colours::blue);
    EXPECT_EQ(c.Label9.foreColor, colours::blue);
    EXPECT_TRUE(c.Label11.visible);
    EXPECT_FALSE(c.Label6.visible);
    EXPECT_FALSE(c.Label7.visible);
    EXPECT_FALSE(c.Label10.visible);
    EXPECT_TRUE(c.Label5.enabled);
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_EQ(shared.answers.at(slot), "x");
    }
    EXPECT_EQ(shared.answers.at(6), "");
    for (int t = 1; t <= 5; ++t) {
        EXPECT_FALSE(c.timers.at(t).enabled) << "Timer" << t;
    }
    EXPECT_EQ(c.timers[1].interval, 500);
    EXPECT_EQ(c.timers[2].interval, 250);
    EXPECT_EQ(c.timers[3].interval, 250);
    EXPECT_EQ(c.timers[4].interval, 500);
    EXPECT_EQ(c.timers[5].interval, 10);
    EXPECT_TRUE(played.empty());
}

TEST_F(GameScreenLoad, BlueOpensWhateverTheNumberOfPlayers)
{
    shared.numberofplayers = 4;
    shared.playerlevel = {0, 2, 3, 1, 1};
    const auto& c = load();
    EXPECT_EQ(c.Label2.caption, "Blue to Play");
    EXPECT_EQ(c.Label11.caption, "Level 2");
    EXPECT_EQ(shared.currentlevel, 2);
}

class GameScreenLoadAtLevel : public GameScreenLoad, public ::testing::WithParamInterface<int> {};

TEST_P(GameScreenLoadAtLevel, CardTakesPlayerOnesLevelStyle)
{
    const int level = GetParam();
    shared.playerlevel[1] = static_cast<Integer>(level);
    const auto& c = load();
    const auto style = levelStyle(level);
    ASSERT_TRUE(style.has_value());
    EXPECT_EQ(c.Shape4.fillColor, style->cardFill);
    EXPECT_EQ(c.Label4.foreColor, style->cardFaceText);
    EXPECT_EQ(c.Label4.rect.top, style->cardFaceTop);
    EXPECT_EQ(c.Label4.caption, "ZORBITAN");
    EXPECT_EQ(c.Label6.foreColor, style->answerListText);
    EXPECT_EQ(c.Label7.foreColor, style->answerHeadingText);
    EXPECT_EQ(c.Label11.foreColor, style->levelText);
    EXPECT_EQ(c.Label11.caption, style->levelCaption);
    EXPECT_EQ(shared.currentlevel, level);
}

INSTANTIATE_TEST_SUITE_P(Levels, GameScreenLoadAtLevel, ::testing::Values(1, 2, 3));

TEST_F(GameScreenLoad, LevelOutsideOneToThreeKeepsTheLoadTimeCard)
{
    for (const Integer level : {Integer{0}, Integer{4}, Integer{-1}}) {
        Module1 fresh;
        fresh.numberofplayers = 2;
        fresh.playerlevel[1] = level;
        fresh.currentlevel = 2;
        GameScreen unstyled(fresh, nullptr, seededRandom(1));
        unstyled.Form_Load();
        const auto& c = unstyled.controls();
        EXPECT_EQ(c.Shape4.fillColor, colours::blue) << level;
        EXPECT_EQ(c.Label4.foreColor, colours::yellow) << level;
        EXPECT_EQ(c.Label4.rect.top, 2160) << level;
        EXPECT_EQ(c.Label11.caption, "Level 1") << level;
        EXPECT_EQ(c.Label11.foreColor, colours::yellow) << level;
        EXPECT_TRUE(c.Label11.visible) << level;
        EXPECT_EQ(fresh.currentlevel, 2) << level;
    }
}

TEST_F(GameScreenLoad, RestoredGameCarriesItsSavedTurn)
{
    shared.restartgame = 1;
    shared.savedturn = 7;
    load();
    EXPECT_EQ(screen.turnnumber(), 7);

    shared.restartgame = 0;
    GameScreen fresh(shared, nullptr, seededRandom(1));
    fresh.Form_Load();
    EXPECT_EQ(fresh.turnnumber(), -1);
}

#include "TestGame.h"

#include <gtest/gtest.h>

using namespace zorbitan;
using zorbitan::testing::TestGame;

TEST(GameScreenLoad, NewGameOpensWithBlueToPlayAndNoCard)
{
    TestGame game({2, 1, 3, 3});
    game.shared.answers.at(6) = "unused";
    game.load();
    const auto& c = game.controls();
    EXPECT_EQ(game.screen.turnnumber(), -1);
    EXPECT_EQ(game.screen.winner(), 0);
    EXPECT_EQ(c.Label2.caption, "Blue to Play");
    EXPECT_EQ(c.Label2.foreColor, colours::blue);
    EXPECT_EQ(c.Label9.foreColor, colours::blue);
    EXPECT_TRUE(c.Label11.visible && c.Label5.enabled);
    EXPECT_FALSE(c.Label6.visible || c.Label7.visible || c.Label10.visible);
    EXPECT_EQ(game.shared.answers, (std::array<std::string, 7>{"x", "x", "x", "x", "x", "x", "unused"}));
    for (int t = 1; t <= 5; ++t) {
        EXPECT_FALSE(c.timers.at(t).enabled);
    }
    EXPECT_TRUE(game.sounds.empty());
}

struct CardLook {
    Integer level;
    Rgb fill;
    Rgb face;
    int top;
    Rgb answers;
    Rgb levelText;
    const char* caption;
    Integer currentlevel;
};

class GameScreenLoadAtLevel : public ::testing::TestWithParam<CardLook> {};

// The card takes Blue's level; a level outside 1..3 leaves the load-time card.
TEST_P(GameScreenLoadAtLevel, CardTakesPlayerOnesLevelStyle)
{
    const CardLook& look = GetParam();
    TestGame game({look.level, 1});
    game.shared.currentlevel = 2;
    game.load();
    const auto& c = game.controls();
    EXPECT_EQ(c.Shape4.fillColor, look.fill);
    EXPECT_EQ(c.Label4.foreColor, look.face);
    EXPECT_EQ(c.Label4.rect.top, look.top);
    EXPECT_EQ(c.Label6.foreColor, look.answers);
    EXPECT_EQ(c.Label7.foreColor, look.answers);
    EXPECT_EQ(c.Label11.foreColor, look.levelText);
    EXPECT_EQ(c.Label11.caption, look.caption);
    EXPECT_EQ(game.shared.currentlevel, look.currentlevel);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, GameScreenLoadAtLevel,
    ::testing::Values(CardLook{1, {255, 255, 0}, {0, 0, 0}, 3120, {0, 0, 255}, {255, 255, 0}, "Level 1", 1},
                      CardLook{2, {128, 0, 128}, {255, 255, 0}, 3120, {255, 255, 255}, {128, 0, 128}, "Level 2", 2},
                      CardLook{3, {0, 0, 255}, {255, 255, 0}, 2160, {255, 255, 255}, {0, 0, 255}, "Level 3", 3},
                      CardLook{0, {0, 0, 255}, {255, 255, 0}, 2160, {255, 255, 255}, {255, 255, 0}, "Level 1", 2},
                      CardLook{4, {0, 0, 255}, {255, 255, 0}, 2160, {255, 255, 255}, {255, 255, 0}, "Level 1", 2}));

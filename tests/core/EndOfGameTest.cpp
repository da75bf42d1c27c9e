#include "TestGame.h"

#include <gtest/gtest.h>

using namespace zorbitan;
using zorbitan::testing::TestGame;

namespace {
// A new game in which the winner (0-based, at Level 3) completes 1-2-3 over three turns with the factors
// of 12; everyone else answers wrongly.
void winWithFactorsOfTwelve(TestGame& game, int winner)
{
    game.load();
    for (int placed = 0; placed < 3;) {
        const int k = (game.screen.turnnumber() + 1) % game.shared.numberofplayers;
        if (k != winner) {
            game.playWrongTurn();
            continue;
        }
        game.dealLevel3CardNext(37);
        game.takeCard();
        game.answer(++placed);
        if (game.screen.winner() == 0) {
            game.waitForNextTurn();
        }
    }
}
} // namespace

TEST(EndOfGame, EachWinnerIsAnnouncedInTheirColour)
{
    const std::pair<const char*, Rgb> winners[] = {{"BLUE HAS WON!", colours::blue},
                                                   {"RED HAS WON!", colours::black},
                                                   {"GREEN HAS WON!", colours::green},
                                                   {"YELLOW HAS WON!", colours::yellow}};
    for (int winner = 0; winner < 4; ++winner) {
        TestGame game({3, 3, 3, 3});
        winWithFactorsOfTwelve(game, winner);
        EXPECT_EQ(game.screen.winner(), winner + 1);
        EXPECT_EQ(game.controls().Label2.caption, winners[winner].first);
        EXPECT_EQ(game.controls().Label2.foreColor, winners[winner].second);
        EXPECT_EQ(game.screen.winningline(), (BoardLine{1, 2, 3}));
        EXPECT_TRUE(game.controls().timers[3].enabled);
    }
}

TEST(EndOfGame, TheWinFlashesWithFiveKlaxonsAndThenNothingMoves)
{
    TestGame game({3, 1});
    winWithFactorsOfTwelve(game, 0);
    const long check = game.clock.now();
    const auto& c = game.controls();
    game.clock.advance(250);
    EXPECT_FALSE(c.Label2.visible || c.Image1[1].visible);
    game.clock.advance(4750);
    std::vector<long> klaxons;
    for (const auto& sound : game.sounds) {
        if (sound.name == sounds::klaxon) {
            klaxons.push_back(sound.at);
        }
    }
    EXPECT_EQ(klaxons, (std::vector<long>{check, check + 1250, check + 2500, check + 3750, check + 5000}));
    EXPECT_EQ(game.screen.flashcount(), 0);
    EXPECT_TRUE(c.Label2.visible && c.Image1[1].visible && c.Image1[2].visible && c.Image1[3].visible);

    game.clock.advance(60000);
    game.screen.Label5_Click();
    game.screen.Label1_Click(4);
    for (int t = 1; t <= 5; ++t) {
        EXPECT_FALSE(c.timers.at(t).enabled) << "Timer" << t;
    }
    EXPECT_FALSE(c.Label5.enabled);
    EXPECT_EQ(game.played(sounds::klaxon), 5);
}

TEST(EndOfGame, WithSoundOffAWholeGameIsSilent)
{
    TestGame game({3, 1});
    game.shared.soundon = 0;
    winWithFactorsOfTwelve(game, 0);
    game.clock.advance(6000);
    EXPECT_EQ(game.screen.winner(), 1);
    EXPECT_TRUE(game.sounds.empty());
}

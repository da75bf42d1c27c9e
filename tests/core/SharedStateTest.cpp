#include "Module1.h"
#include "SoundRule.h"

#include <gtest/gtest.h>

using namespace zorbitan;

TEST(SharedState, StartsAtZeroAndSoundPlaysOnlyWhileOn)
{
    Module1 shared;
    EXPECT_EQ(shared.numberofplayers + shared.soundon + shared.hidedesktop + shared.currentlevel + shared.placednumber +
                  shared.restartgame + shared.savedturn,
              0);
    EXPECT_EQ(shared.playerlevel, (std::array<Integer, 5>{}));
    EXPECT_EQ(shared.boardowner, (std::array<Integer, 101>{}));
    EXPECT_EQ(shared.answers, (std::array<std::string, 7>{}));

    std::vector<std::string> played;
    const PlayWav recorder = [&](std::string_view name) { played.emplace_back(name); };
    for (const Integer soundon : {0, 1, 2}) {
        shared.soundon = soundon;
        playIfSoundOn(shared, recorder, sounds::klaxon);
    }
    EXPECT_EQ(played, std::vector<std::string>{"wav\\klaxon.wav"});
}

#include "Module1.h"
#include "SoundRule.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace zorbitan;

TEST(SharedState, EveryFieldStartsAtZeroOrEmpty)
{
    const Module1 shared;
    EXPECT_EQ(shared.numberofplayers, 0);
    EXPECT_EQ(shared.soundon, 0);
    EXPECT_EQ(shared.hidedesktop, 0);
    EXPECT_EQ(shared.currentlevel, 0);
    EXPECT_EQ(shared.placednumber, 0);
    EXPECT_EQ(shared.restartgame, 0);
    EXPECT_EQ(shared.savedturn, 0);
    for (const auto level : shared.playerlevel) {
        EXPECT_EQ(level, 0);
    }
    EXPECT_EQ(shared.boardowner.size(), 101U);
    for (const auto owner : shared.boardowner) {
        EXPECT_EQ(owner, 0);
    }
    ASSERT_EQ(shared.answers.size(), 7U);
    for (const auto& answer : shared.answers) {
        EXPECT_TRUE(answer.empty());
    }
}

TEST(SharedState, ClearingAnswersMarksSixSlotsEmptyAndLeavesTheSeventh)
{
    Module1 shared;
    shared.answers = {"2", "3", "5", "7", "x", "x", "unused"};
    clearAnswers(shared);
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_EQ(shared.answers.at(slot), "x");
    }
    EXPECT_EQ(shared.answers.at(6), "unused");
}

TEST(SoundRule, SoundsPlayOnlyWhileSoundIsOn)
{
    Module1 shared;
    std::vector<std::string> played;
    const PlayWav recorder = [&](std::string_view name) { played.emplace_back(name); };

    shared.soundon = 0;
    playIfSoundOn(shared, recorder, sounds::click);
    EXPECT_TRUE(played.empty());

    shared.soundon = 1;
    playIfSoundOn(shared, recorder, sounds::klaxon);
    ASSERT_EQ(played.size(), 1U);
    EXPECT_EQ(played[0], "wav\\klaxon.wav");

    // Only 1 means on: any other value a hand-edited saved game might hold is silence.
    shared.soundon = 2;
    playIfSoundOn(shared, recorder, sounds::boink);
    EXPECT_EQ(played.size(), 1U);
}

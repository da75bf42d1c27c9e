#include "GameScreen.h"

#include <cctype>

namespace zorbitan {

namespace {
std::string winnerMessage(const Player& player)
{
    std::string message(player.name);
    for (char& letter : message) {
        letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    }
    return message + " HAS WON!";
}
} // namespace

// Only the player who has just answered can have completed a line.
void GameScreen::checkendofgame()
{
    const int currentplayer = playerIndex(turnnumber_) + 1;
    if (const auto line = lastLineHeldBy(shared_.boardowner, currentplayer)) {
        winningline_ = *line;
        winner_ = static_cast<Integer>(currentplayer);
    }
    if (const auto champion = playerWithOwnerCode(winner_)) {
        controls_.Label2.caption = winnerMessage(*champion);
        controls_.Label2.foreColor = turnLineColour(*champion);
    }
    if (winner_ != 0) {
        timer(GameTimer::Timer3).start();
        play(sounds::klaxon);
    } else {
        timer(GameTimer::Timer1).start();
    }
}

} // namespace zorbitan

#include "app/Game.h"
#include "tests/ZeroRandom.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// A 3x3 game whose new deal is always 0 8 1 / 3 4 2 / 6 7 5: the blank in
// cell 1, solved by taps on cells 2, 5 and 8.
struct CKnownGame {
    // N: New, E: the game ended by Options, T: a clock tick, a digit: a tap on that cell.
    explicit CKnownGame(const std::string& steps) {
        game.SetRandomSource(&zeros);
        game.SetSize(3);
        for (char step : steps) {
            if (step == 'N')
                game.StartNewGame();
            else if (step == 'E')
                game.EndGame();
            else if (step == 'T')
                game.Tick();
            else
                game.MoveTile((step - '0') / 3, (step - '0') % 3);
        }
    }

    CZeroRandom zeros;
    CGame game;
};

} // namespace

// What the player sees of a game: moves, seconds, the clock and the order.
TEST(Game, CountsMovesAndSecondsOnlyWhileAGameRuns) {
    const std::tuple<const char*, int, int, bool, bool> table[] = {
        {"", 0, 0, false, true},        {"TT", 0, 0, false, true},       {"7", 0, 0, false, false},
        {"N", 0, 0, true, false},       {"NTT", 0, 2, true, false},      {"N2T", 1, 1, true, false},
        {"N0", 1, 0, true, false},      {"N4", 1, 0, true, false},       {"N8", 0, 0, true, false},
        {"N1", 0, 0, true, false},      {"NT258", 3, 1, false, true},    {"N258T7", 3, 0, false, false},
        {"N2TE", 0, 0, false, true},    {"N2TET", 0, 0, false, true},    {"N2TN", 0, 0, true, false},
    };
    for (const auto& [steps, nMoves, nSeconds, bRunning, bHome] : table) {
        const CKnownGame known(steps);
        const CGame& game = known.game;
        EXPECT_EQ(std::tuple(game.Moves(), game.Seconds(), game.IsRunning(), game.Board().IsSolved()),
                  std::tuple(nMoves, nSeconds, bRunning, bHome)) << steps;
    }
}

// Neighbour lists and letter sheets exist for 3x3 to 5x5: any other size stored runs 4x4.
TEST(Game, OnlyThreeToFiveRun) {
    CGame game;
    for (int nSize : {2, 6, -1}) {
        game.SetSize(nSize);
        EXPECT_EQ(game.Board().m_nSize, 4) << nSize;
    }
}

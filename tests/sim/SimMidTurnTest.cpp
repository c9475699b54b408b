// A game saved in the middle of a turn (as the game screen may save it) goes on in the simulator as
// the game that was never saved: the rest of the turn first, then the same throws to the same end.
#include "rules/Rules.h"
#include "rules/SavedGame.h"
#include "sim/SimGame.h"
#include "support/SmallBoards.h"

#include <gtest/gtest.h>

TEST(SimMidTurnTest, GameSavedMidWalkEndsAsTheUninterruptedOne)
{
    GameSetup setup;
    setup.InGame = {true, false, true, false, true, false};
    setup.Human = {};
    setup.InitialCash = 20000;
    const Board board = SmallBoardB();
    constexpr std::uint32_t Seed = 11;
    SimGameResult whole;
    ASSERT_EQ(PlaySimGame(board, setup, Seed, SimGameOptions{}, nullptr, &whole).ExitCode, SimExit::Ok);
    ASSERT_GE(whole.Winner, 0);
    ASSERT_GT(whole.Throws, 20);

    // The same game, stopped after two steps of its twentieth throw.
    Board played = board;
    GameState state;
    Random random(Seed);
    QuietRulesHost host;
    Rules rules(state, played, random, host, RulesOptions{.SoundEffects = false});
    rules.StartGame(setup);
    for (int i = 0; i < 19; ++i) {
        rules.PlayThrow();
    }
    ASSERT_TRUE(state.Running);
    const std::int32_t die = rules.Throw();
    ASSERT_GT(die, 0);
    for (int i = 0; i < 2 && i < die - 1; ++i) {
        rules.Step();
    }
    ASSERT_EQ(state.Turn.Phase, TurnPhase::Walking);

    SimGameInProgress game;
    ASSERT_TRUE(
        ReadSavedGame(SavedGameImage(state, played, random), game.State, game.GameBoard, game.Generator).Ok);
    std::string trace;
    SimGameResult continued;
    ASSERT_EQ(ContinueSimGame(game, Seed, SimGameOptions{}, &trace, &continued).ExitCode, SimExit::Ok);
    // The trace goes on with the walk of the throw made.
    EXPECT_EQ(trace.find("game 11\nstop "), 0u) << trace.substr(0, 80);
    EXPECT_EQ(continued.Winner, whole.Winner);
    EXPECT_EQ(continued.Throws, whole.Throws);
    EXPECT_EQ(continued.Cash, whole.Cash);
}

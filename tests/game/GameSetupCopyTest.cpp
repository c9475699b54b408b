// Tests of what the game screen hands the rules engine: the menu's set-up and the options copied
// into values at the start of a game, and Auto-Move following the turn.
#include "game/GameSetupCopy.h"

#include "rules/Rules.h"
#include "texts/Options.h"
#include "texts/Texts.h"

#include <gtest/gtest.h>

namespace {

class GameSetupCopyTest : public ::testing::Test
{
protected:
    ~GameSetupCopyTest() override
    {
        PlayerInGame = {1, 1, 1, 0, 0, 0};
        PlayerHuman = {1, 0, 0, 0, 0, 0};
        InitialCash = 100000;
        SoundEffects = 1;
        AutoMove = 1;
        ResetTexts();
    }
};

TEST_F(GameSetupCopyTest, NewGameDialogsStateBecomesTheGamesPlayers)
{
    PlayerInGame = {0, 1, 1, 0, 0, 1};
    PlayerHuman = {0, 1, 0, 0, 7, 0};
    InitialCash = 4321;
    SetPlayerName(1, "Zoë Ångström-Müller");
    SoundEffects = 0;
    const GameSetup setup = CurrentGameSetup();
    EXPECT_FALSE(CurrentRulesOptions().SoundEffects);

    // The menu's state changing later leaves a game that started alone.
    PlayerInGame = {1, 1, 1, 1, 1, 1};
    InitialCash = 5;
    SetPlayerName(2, "Changed");

    Board board;
    board.New(5, 5);
    board.StartX = 2;
    board.StartY = 2;
    GameState state;
    Random random(1);
    QuietRulesHost host;
    Rules rules(state, board, random, host, CurrentRulesOptions());
    rules.StartGame(setup);
    EXPECT_EQ(state.TakingPart, 0b100110);
    EXPECT_EQ(state.Players[1].Human, 1);
    EXPECT_EQ(state.Players[4].Human, 1); // any value but 0 is human
    EXPECT_EQ(state.Players[2].Human, 0);
    EXPECT_EQ(state.Players[1].NameText(), "Zoë Ångström");
    EXPECT_EQ(state.Players[2].NameText(), "Player 3");
    EXPECT_EQ(state.Players[5].Cash, 4321);
    EXPECT_EQ(state.Current, 1);
}

TEST_F(GameSetupCopyTest, AutoMoveCentresTheViewOnThePlayerWhoseTurnBegins)
{
    Board board;
    board.New(9, 9);
    GameState state;
    state.Players[3].X = 6;
    state.Players[3].Y = 4;
    FollowTurn(board, state, 3);
    EXPECT_EQ(board.CenterX, 6);
    EXPECT_EQ(board.CenterY, 4);

    AutoMove = 0;
    state.Players[3].X = 1;
    FollowTurn(board, state, 3);
    EXPECT_EQ(board.CenterX, 6);
    AutoMove = 1;
    FollowTurn(board, state, -1); // no current player
    EXPECT_EQ(board.CenterX, 6);
}

} // namespace

// The real game screen in a headless main window: the main window builds it (with a stand-in main
// menu), a game is started on a board with slots, kinds and a seed, and the test fires the ticks,
// presses the keys and answers the dialogs through the modal hook.
#pragma once

#include "boardview/BoardView.h"
#include "game/GameProc.h"
#include "platform/Keys.h"
#include "platform/TestHooks.h"
#include "platform/Window.h"
#include "rules/SavedGame.h"
#include "support/ShellScene.h"
#include "texts/Options.h"
#include "texts/Texts.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class GameScreenScene : public ShellScene
{
protected:
    void SetUp() override { StartGameScreen(1024, 768); }
    void TearDown() override
    {
        if (App != nullptr)
            TestHooks::SetModalHook(*App, nullptr);
        Stop();
        PlayerInGame = {1, 1, 1, 0, 0, 0};
        PlayerHuman = {1, 0, 0, 0, 0, 0};
        for (int i = 0; i < 6; ++i)
            SetPlayerName(i, "Player " + std::to_string(i + 1));
    }

    void StartGameScreen(std::int32_t width, std::int32_t height)
    {
        Factory.Game = MakeOwned<GameProc, TWinProcedure>;
        Factory.MainMenu = [](TMainWnd& owner) {
            return Made<MainMenuProc, TWinProcedure>{nullptr, std::make_unique<SceneScreen>(owner)};
        };
        StartAt(width, height);
        // Away from the screen's edges, which scroll the board.
        TestHooks::MouseMove(*App, width / 2, height / 2);
        Pump();
        Tick();
        Tick();
        Game = GameScreen;
        ASSERT_NE(Game, nullptr);
        TestHooks::SetModalHook(*App, [this](Window& dialog) { Answer(dialog); });
    }

    void Tick()
    {
        TestHooks::FireTimer(*App);
        Pump();
    }
    void Press(KeyCode key)
    {
        TestHooks::Key(*App, key);
        Pump();
    }

    // Starts a game on board (a file of the test data or the game folder) with the slots of the
    // mask taking part, those of humans human, seeded with seed, and makes the game screen current.
    void Play(const std::string& board, unsigned inGame, unsigned humans, std::uint32_t seed,
              std::int32_t cash = 100000)
    {
        for (std::size_t i = 0; i < 6; ++i) {
            PlayerInGame[i] = (inGame >> i & 1u) != 0 ? 1 : 0;
            PlayerHuman[i] = (humans >> i & 1u) != 0 ? 1 : 0;
        }
        InitialCash = cash;
        Game->Generator.Seed(seed);
        ASSERT_TRUE(Game->NewGame(board));
        Main->RequestedState = ShellState::InGame;
        Tick();
        ASSERT_EQ(CurrentScreen, Game);
    }

    static std::string SmallBoard(char which)
    {
        return std::string(TARNHOLLOW_TEST_DATA) + "/small-" + which + ".brd";
    }

    // Throws for the current player and ticks until the turn has passed or the game is over;
    // the ticks it took.
    int PlayTurn(int limit = 200)
    {
        const std::int32_t throws = Game->State.Throws;
        Press(Key::Space);
        EXPECT_EQ(Game->State.Throws, throws + 1) << "the die was not thrown";
        int ticks = 0;
        while (Game->State.Running && Game->State.Turn.Phase != TurnPhase::AwaitingThrow && ticks < limit) {
            Tick();
            ++ticks;
        }
        return ticks;
    }

    // The screen point of the centre of cell (x, y) of the board.
    Point CellOnScreen(std::int32_t x, std::int32_t y) const
    {
        const Point centre = Game->View->CellCentre(x, y);
        return Game->View->ViewToScreen(centre.X, centre.Y);
    }

    // Every dialog is answered at once: OnDialog may look at it and answer it (set its ModalResult),
    // or return true to keep it open for another turn of its loop; otherwise Yes for a question and
    // Ok for the rest.
    void Answer(Window& dialog)
    {
        if (dialog.ModalResult != 0)
            return;
        if (&dialog != OpenDialog) {
            OpenDialog = &dialog;
            Dialogs.push_back(std::string(dialog.ClassName()) + " " + dialog.Caption());
        }
        const bool keepOpen = OnDialog && OnDialog(dialog);
        if (dialog.ModalResult == 0 && !keepOpen)
            dialog.ModalResult = dialog.ClassName() == "TDialogYesNo" ? ModalResult::Yes : ModalResult::Ok;
        if (dialog.ModalResult != 0)
            OpenDialog = nullptr;
    }

    GameProc* Game = nullptr;
    std::function<bool(Window&)> OnDialog;
    Window* OpenDialog = nullptr;
    // The class and caption of every dialog shown.
    std::vector<std::string> Dialogs;
};

// What the rules of a game stand on: compared between a game and its saved and loaded copy.
struct GameSnapshot
{
    explicit GameSnapshot(const GameProc& game)
        : State(game.State), Cells(game.Map.FileImage()), RandomState(game.Generator.State())
    {
    }
    bool operator==(const GameSnapshot& other) const
    {
        return State.Players == other.State.Players && State.Running == other.State.Running &&
               State.Week == other.State.Week && State.Day == other.State.Day &&
               State.Current == other.State.Current && State.Dice == other.State.Dice &&
               State.Turn == other.State.Turn && State.Throws == other.State.Throws && Cells == other.Cells &&
               RandomState == other.RandomState;
    }
    GameState State;
    std::vector<std::uint8_t> Cells;
    std::uint64_t RandomState;
};

// uishot's shots of the game screen, the real one, with the game in progress loaded into it as a
// saved game: a human player's turn with every panel filled, a computer player's turn on the day
// before pay day, the cards halfway through a page turn, and the die rolling over the board.
#include "MidGame.h"
#include "Shots.h"
#include "board/Board.h"
#include "controls/SToolButton.h"
#include "game/ButtonsPanel.h"
#include "game/CardsPanel.h"
#include "game/GameProc.h"
#include "game/NewsPanel.h"
#include "platform/HintBox.h"
#include "platform/TestHooks.h"
#include "rules/RulesHost.h"
#include "rules/SavedGame.h"
#include "shell/Commands.h"
#include "shell/MainWnd.h"

#include <climits>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>

namespace {

// The game screen of the main window showing the game in progress, with the news of a busy turn.
struct GameScene
{
    GameScene(ShotContext& context, const std::function<void(MidGame&)>& prepare)
    {
        MidGame game;
        std::string error;
        if (!MakeMidGame(context.GameDir, game, error))
            throw std::runtime_error(error);
        prepare(game);
        // Through a saved game, as the main menu's Load hands a game to the screen.
        const std::filesystem::path file =
            std::filesystem::temp_directory_path() /
            ("tarnhollow-uishot-" + std::to_string(std::random_device{}()) + ".sav");
        const SavedGameResult saved = ::SaveGame(file, game.State, game.Board, Random(7));
        Screen = std::make_unique<GameProc>(context.Main);
        const std::string reason = saved.Ok ? Screen->LoadGame(file) : saved.Reason;
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        if (!reason.empty())
            throw std::runtime_error("the game in progress cannot be loaded: " + reason);
        Screen->Activate();
        Screen->News->Post(NewsCode::Throw, 6, 0);
        Screen->News->Post(NewsCode::Rent, INT32_MAX, 1);
        Screen->News->Post(NewsCode::Job, 7, 1);
        Screen->News->Post(NewsCode::Mortgage, 2147483, 0);
        Screen->News->Post(NewsCode::Build, 1234567, 5);
        Screen->Map.CursorX = game.SelectedX;
        Screen->Map.CursorY = game.SelectedY;
        Screen->Redraw();
    }
    std::unique_ptr<GameProc> Screen;
};

const bool Added = AddShots({
    {"game-screen",
     [](ShotContext& context) {
         // The mortgaged apartment, the card with every button.
         GameScene scene(context, [](MidGame& game) { game.State.Players[0].CardIndex = 2; });
         context.Capture();
     }},
    {"game-screen-computer",
     [](ShotContext& context) {
         GameScene scene(context, [](MidGame& game) {
             game.State.Current = 4;
             game.State.Day = 4;
         });
         context.Capture();
     }},
    {"game-screen-page-turn",
     [](ShotContext& context) {
         GameScene scene(context, [](MidGame&) {});
         scene.Screen->Command(CommandSource::Control, CommandId::NextProperty);
         for (int tick = 0; tick < 3; ++tick)
             scene.Screen->Tick();
         context.Capture();
     }},
    {"game-screen-hint",
     [](ShotContext& context) {
         // The pointer resting on the dice button: its hint, pushed left by the screen's edge.
         GameScene scene(context, [](MidGame&) {});
         const Rect dice = scene.Screen->Buttons->ThrowButton->PixelArea;
         TestHooks::MouseMove(context.App, (dice.Left + dice.Right) / 2, (dice.Top + dice.Bottom) / 2);
         TestHooks::Pump(context.App);
         // Only the hint's time passes: the main window's ticks would start the shell's screens.
         context.Main.Timer.SetEnabled(false);
         for (int tick = 0; tick < HintBox::ShowTicks; ++tick)
             TestHooks::FireTimer(context.App);
         context.Main.Timer.SetEnabled(true);
         context.Capture();
     }},
    {"game-screen-rolling",
     [](ShotContext& context) {
         GameScene scene(context, [](MidGame& game) {
             game.State.Dice = 5;
             game.State.Turn = TurnProgress{TurnPhase::Rolling, 1, 0};
         });
         for (int tick = 0; tick < 9; ++tick)
             scene.Screen->Tick();
         context.Capture();
     }},
});

} // namespace

// uishot's shots of the report dialog over the board: a game of five players with long names well
// under way (some ruined, hundreds of days), its history, a game that has ended, and a game on its
// first day.
#include "BoardScreen.h"
#include "MidGame.h"
#include "Shots.h"
#include "dialogs/DialogReport.h"
#include "graphics/PictureCatalog.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "platform/Window.h"
#include "sim/SimGame.h"

#include <memory>
#include <stdexcept>

namespace {

// The game of the midgame shots' board and players, played by the computer for throws throws (to
// its end when it ends before), with its record.
struct ReportScene
{
    ReportScene(ShotContext& context, std::int32_t throws)
    {
        MidGame start;
        std::string error;
        if (!MakeMidGame(context.GameDir, start, error))
            throw std::runtime_error(error);
        GameSetup setup;
        for (std::size_t slot = 0; slot < PlayerSlots; ++slot) {
            setup.InGame[slot] = start.State.Players[slot].State != PlayerState::Out;
            setup.Human[slot] = false;
            setup.Names[slot] = start.State.Players[slot].NameText();
        }
        setup.InitialCash = 100000;
        // The midgame's board without its owners, so that the players buy and build themselves.
        Board board;
        if (board.LoadFile(context.GameDir / "Board1.brd", context.GameDir / Pictures::Archive) ==
            BoardSource::None)
            throw std::runtime_error("no board in " + context.GameDir.string());
        SimGameOptions options;
        options.MaxThrows = throws;
        options.Finished = [this](const GameState& state, const Board& final) {
            State = state;
            TheBoard = final;
        };
        // A game of about 250 days that ruins a player in its first hundred.
        PlaySimGame(board, setup, 13, options);
        TheBoard.CursorX = -1;
        Screen = std::make_unique<BoardScreen>(context.Main, TheBoard,
                                               (context.GameDir / Pictures::Archive).string());
        Screen->Activate();
        Screen->Redraw();
        Dialog = std::make_unique<TDialogReport>(*Screen, State, TheBoard, ReportDialogScreen{});
        Dialog->GameName = "Sunday evening";
    }
    ~ReportScene()
    {
        Dialog.reset();
        Screen.reset();
    }

    // Shows the report; once it is up, prepare runs, then the screen is captured.
    void Capture(ShotContext& context, const std::function<void(TDialogReport&)>& prepare = nullptr)
    {
        bool captured = false;
        TestHooks::SetModalHook(context.App, [&](Window& window) {
            if (!captured) {
                captured = true;
                if (prepare)
                    prepare(*Dialog);
                context.Capture();
            }
            window.ModalResult = ModalResult::Ok;
        });
        Dialog->ShowReport();
        TestHooks::SetModalHook(context.App, nullptr);
    }

    GameState State;
    Board TheBoard;
    std::unique_ptr<BoardScreen> Screen;
    std::unique_ptr<TDialogReport> Dialog;
};

const bool Added = AddShots({
    {"report-figures", [](ShotContext& context) { ReportScene(context, 700).Capture(context); }},
    {"report-history",
     [](ShotContext& context) {
         ReportScene(context, 700).Capture(context, [](TDialogReport& dialog) { dialog.ToggleHistory(); });
     }},
    {"report-game-over", [](ShotContext& context) { ReportScene(context, 20000).Capture(context); }},
    {"report-first-day", [](ShotContext& context) { ReportScene(context, 2).Capture(context); }},
});

} // namespace

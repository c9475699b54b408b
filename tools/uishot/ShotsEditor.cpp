// uishot's shots of the board editor: the screen with its tools' marks and the street list, and
// each of its dialogs (new board, street names, the board checker with and without findings, and
// the report of "Try it").
#include "Shots.h"
#include "board/Board.h"
#include "editor/BoardCheckDlg.h"
#include "editor/EditorProc.h"
#include "editor/StNamesDlg.h"
#include "editor/TryItDlg.h"
#include "platform/Application.h"
#include "platform/DropDownList.h"
#include "platform/TestHooks.h"
#include "shell/Commands.h"

#include <chrono>
#include <functional>
#include <thread>

namespace {

// The editor made current on the main window, with the board of the game folder's Board1.brd.
struct EditorScene
{
    explicit EditorScene(ShotContext& context) : Context(context), Editor(context.Main)
    {
        Editor.Activate();
        TestHooks::Pump(context.App);
    }
    ~EditorScene() { Editor.Leave(); }
    void Choose(std::int32_t tool)
    {
        Editor.ToolButtons[static_cast<std::size_t>(tool)]->Click();
        TestHooks::Pump(Context.App);
    }
    void Command(std::int32_t code) { Editor.Command(CommandSource::Control, code); }
    // Breaks the board for the checker: the first road leading right leads up instead.
    void BreakARoad()
    {
        Board& board = Editor.Board;
        for (std::int32_t y = 1; y < board.Height() - 1; ++y)
            for (std::int32_t x = 1; x < board.Width() - 1; ++x)
                if (IsRoadPiece(board.At(x, y).Kind) && board.At(x, y).Direction == 2) {
                    board.At(x, y).Direction = 1;
                    return;
                }
    }

    ShotContext& Context;
    EditorProc Editor;
};

Shot OnScreen(std::string name, std::function<void(EditorScene&)> prepare)
{
    return Shot{"editor-" + std::move(name), [prepare](ShotContext& context) {
                    EditorScene scene(context);
                    prepare(scene);
                    context.Capture();
                }};
}

// The dialog the command shows; inside, when given, runs in the shown dialog before the capture.
Shot Dialog(std::string name, std::int32_t command, std::function<void(EditorScene&)> prepare = {},
            std::function<void(EditorScene&)> inside = {})
{
    return Shot{"editor-" + std::move(name), [command, prepare, inside](ShotContext& context) {
                    EditorScene scene(context);
                    if (prepare)
                        prepare(scene);
                    TestHooks::SetModalHook(context.App, [&](Window& window) {
                        if (!context.Written) {
                            if (inside)
                                inside(scene);
                            context.Capture();
                        }
                        window.ModalResult = ModalResult::Cancel;
                    });
                    scene.Command(command);
                    TestHooks::SetModalHook(context.App, nullptr);
                }};
}

const bool added = AddShots({
    OnScreen("pstruct",
             [](EditorScene& scene) {
                 // A hotel of player 2 in the preview, and a cell selected.
                 scene.Choose(EditorTool::PStruct);
                 scene.Command(CommandId::PreviousValue);
                 scene.Command(CommandId::NextOwner);
                 scene.Editor.Board.CursorX = scene.Editor.Board.CenterX;
                 scene.Editor.Board.CursorY = scene.Editor.Board.CenterY;
                 scene.Editor.Redraw();
             }),
    OnScreen("start",
             [](EditorScene& scene) {
                 // The start cell, marked by a pawn, in the middle.
                 scene.Editor.Board.CenterX = scene.Editor.Board.StartX;
                 scene.Editor.Board.CenterY = scene.Editor.Board.StartY;
                 scene.Choose(EditorTool::Start);
             }),
    OnScreen("flow", [](EditorScene& scene) { scene.Choose(EditorTool::Flow); }),
    OnScreen("street-list",
             [](EditorScene& scene) {
                 scene.Choose(EditorTool::StNames);
                 scene.Editor.StreetList.List->DropDown();
             }),
    Dialog("new-board", CommandId::New),
    Dialog("street-names", CommandId::StreetNames, {},
           [](EditorScene& scene) {
               // A street chosen for renaming.
               TStNamesDlg& dialog = *scene.Editor.StreetNamesDialog;
               dialog.NamesList.SetItemIndex(2);
               dialog.NameEdit.SetText(dialog.NamesList.ItemText(2));
           }),
    Dialog("check-ready", CommandId::CheckBoard),
    Dialog("check-problems", CommandId::CheckBoard, [](EditorScene& scene) { scene.BreakARoad(); }),
    Shot{"editor-try-it",
         [](ShotContext& context) {
             EditorScene scene(context);
             TBoardCheckDlg& check = *scene.Editor.CheckDialog;
             TTryItDlg& tryIt = *scene.Editor.TryItDialog;
             bool tried = false;
             TestHooks::SetModalHook(context.App, [&](Window& window) {
                 if (&window == &check) {
                     if (tried) {
                         window.ModalResult = ModalResult::Ok;
                     } else {
                         tried = true;
                         check.TryButton.Click();
                     }
                     return;
                 }
                 if (!tryIt.Finished()) {
                     // The games run on their own thread; the dialog looks at them on its timer.
                     std::this_thread::sleep_for(std::chrono::milliseconds(10));
                     TestHooks::FireTimer(context.App);
                     return;
                 }
                 if (!context.Written)
                     context.Capture();
                 window.ModalResult = ModalResult::Ok;
             });
             scene.Command(CommandId::CheckBoard);
             TestHooks::SetModalHook(context.App, nullptr);
         }},
});

} // namespace

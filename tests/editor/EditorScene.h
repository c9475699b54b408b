// EditorScene: the real main window entering the editor headless (skins, shell dialogs and the
// board from the game folder), with injected clicks on cells and controls and modal dialogs driven
// turn by turn.
#pragma once

#include "boardview/BoardView.h"
#include "editor/EditorProc.h"
#include "menu/AskDlg.h"
#include "menu/CloseDlg.h"
#include "menu/ErrorDlg.h"
#include "platform/Keys.h"
#include "support/ShellScene.h"

#include <functional>

class EditorScene : public ShellScene
{
protected:
    void SetUp() override { Begin(1024, 768); }
    void TearDown() override
    {
        TestHooks::SetModalHook(*App, nullptr);
        Editor = nullptr;
        Stop();
    }

    // The main window at width x height, switched to the editor by its own state machine.
    void Begin(std::int32_t width, std::int32_t height)
    {
        Factory.Editor = MakeOwned<EditorProc, TWinProcedure>;
        Factory.CloseDialog = MakeOwned<TCloseDlg, Window>;
        Factory.ErrorDialog = MakeOwned<TErrorDlg, Window>;
        Factory.AskDialog = MakeOwned<TAskDlg, Window>;
        StartAt(width, height);
        EnterEditor();
    }
    void EnterEditor()
    {
        Main->RequestedState = ShellState::InEditor;
        Tick();
        Editor = EditorScreen;
        ASSERT_NE(Editor, nullptr);
        // The pointer rests in the middle, away from the scrolling edges.
        Move(Point{ScreenSize.Width / 2, ScreenSize.Height / 2});
    }
    void Tick()
    {
        TestHooks::FireTimer(*App);
        Pump();
    }
    void Move(Point p)
    {
        TestHooks::MouseMove(*App, p.X, p.Y);
        Pump();
    }
    void Click(Point p)
    {
        TestHooks::Click(*App, p.X, p.Y);
        Pump();
    }
    void RightClick(Point p)
    {
        TestHooks::MouseMove(*App, p.X, p.Y);
        TestHooks::MouseDown(*App, Mouse::Right, p.X, p.Y);
        TestHooks::MouseUp(*App, Mouse::Right, p.X, p.Y);
        Pump();
    }
    void Key(KeyCode key)
    {
        TestHooks::Key(*App, key);
        Pump();
    }
    // The middle of a control, on the screen.
    static Point Centre(const Control& control)
    {
        return control.ClientToScreen(Point{control.Width() / 2, control.Height() / 2});
    }
    static Rect OnScreen(const Control& control)
    {
        const Point p = control.ClientToScreen(Point{0, 0});
        return Rect{p.X, p.Y, p.X + control.Width(), p.Y + control.Height()};
    }
    // The middle of a cell of the editor's board, on the screen.
    Point CellPoint(std::int32_t x, std::int32_t y) const
    {
        const Point view = Editor->View->CellCentre(x, y);
        return Editor->View->ViewToScreen(view.X, view.Y);
    }
    void ClickCell(std::int32_t x, std::int32_t y) { Click(CellPoint(x, y)); }
    void ChooseTool(std::int32_t tool)
    {
        Click(Centre(*Editor->ToolButtons[static_cast<std::size_t>(tool)]));
        ASSERT_EQ(Editor->Tool, tool);
    }
    // Runs action; while a modal dialog it opens is up, step gets that dialog on every turn of
    // its loop with the number of the turn (the dialog ends by a result that step gives it).
    void WithDialogs(const std::function<void(Window&, int)>& step, const std::function<void()>& action)
    {
        int turn = 0;
        TestHooks::SetModalHook(*App, [&](Window& window) {
            if (++turn > 200) {
                window.ModalResult = 99; // the steps never ended it
                return;
            }
            step(window, turn);
        });
        action();
        TestHooks::SetModalHook(*App, nullptr);
    }
    // The preview of the current value, on the screen.
    static Rect PreviewRect();

    EditorProc* Editor = nullptr;
};

inline Rect EditorScene::PreviewRect()
{
    return ScreenRect(MakeRelRect(0.57f, 0.002f, 0.05f, 0.046f));
}

// Headless scenes for the main menu's dialogs: the main window with the real shell dialogs, a
// recording screen, a dialog run modally by turns, the questions and errors shown over it recorded
// and answered, and the set-up and options put back after each test.
#pragma once

#include "dialogs/ModalDialog.h"
#include "menu/AskDlg.h"
#include "menu/CloseDlg.h"
#include "menu/ErrorDlg.h"
#include "support/ShellScene.h"
#include "texts/Options.h"
#include "texts/Texts.h"

#include <functional>
#include <string>
#include <vector>

class MenuDialogTest : public ShellScene
{
protected:
    void SetUp() override { StartMenuAt(1024, 768); }
    void TearDown() override
    {
        ShellScene::Stop();
        // The set-up state outlives the main window; the next test starts from the defaults.
        ResetTexts();
        PlayerInGame = {1, 1, 1, 0, 0, 0};
        PlayerHuman = {1, 0, 0, 0, 0, 0};
    }
    void StartMenuAt(std::int32_t width, std::int32_t height)
    {
        Factory.CloseDialog = MakeOwned<TCloseDlg, Window>;
        Factory.ErrorDialog = MakeOwned<TErrorDlg, Window>;
        Factory.AskDialog = MakeOwned<TAskDlg, Window>;
        StartAt(width, height);
    }

    // A dialog shown over the one under test: its class and text.
    struct Nested
    {
        std::string Class;
        std::string Message;
    };

    // Runs dialog modally; turn gets each turn's number until something sets the result (a turn
    // that never comes ends it with 99). Keys and clicks sent in a turn are handled in the next;
    // a turn may come after the one that set the result, so act on a turn's number. The error
    // report and the question shown over it (or after it) are answered as AnswerNested does.
    int Run(TModalDialog& dialog, const std::function<void(int)>& turn)
    {
        int n = 0;
        TestHooks::SetModalHook(*App, [&](Window& w) {
            if (AnswerNested(w))
                return;
            if (&w != &dialog) {
                w.ModalResult = ModalResult::Ok;
                return;
            }
            if (++n > 50) {
                w.ModalResult = 99;
                return;
            }
            turn(n);
        });
        const int result = dialog.ShowModal();
        AnswerNestedFromNowOn();
        return result;
    }
    // The hook for what tests show outside Run: only the error report and the question, answered.
    void AnswerNestedFromNowOn()
    {
        TestHooks::SetModalHook(*App, [this](Window& w) {
            if (!AnswerNested(w))
                w.ModalResult = ModalResult::Ok;
        });
    }
    // The error report gets "&Ok", the question QuestionAnswer; both are recorded in Shown.
    bool AnswerNested(Window& w)
    {
        if (&w == static_cast<Window*>(ErrorDlg)) {
            Shown.push_back({"TErrorDlg", ErrorDlg->Message});
            w.ModalResult = ModalResult::Ok;
            return true;
        }
        if (&w == static_cast<Window*>(AskDlg)) {
            Shown.push_back({"TAskDlg", AskDlg->Message});
            w.ModalResult = QuestionAnswer;
            return true;
        }
        return false;
    }

    void Key(KeyCode key) { TestHooks::Key(*App, key); }
    // The key of a letter ('A' to 'Z').
    void Letter(char letter) { TestHooks::Key(*App, static_cast<KeyCode>(Key::A + (letter - 'A'))); }
    void Type(const std::string& text) { TestHooks::Text(*App, text); }
    Point Middle(const Control& c) const { return c.ClientToScreen(Point{c.Width() / 2, c.Height() / 2}); }
    void ClickOn(const Control& c)
    {
        const Point p = Middle(c);
        TestHooks::Click(*App, p.X, p.Y);
    }
    // Where a control lies on the screen.
    static Rect OnScreen(const Control& c)
    {
        const Point origin = c.ClientToScreen(Point{0, 0});
        return Rect{origin.X, origin.Y, origin.X + c.Width(), origin.Y + c.Height()};
    }

    std::vector<Nested> Shown;
    int QuestionAnswer = ModalResult::Yes;
};

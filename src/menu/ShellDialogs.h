// The shell's three dialogs (exit question, error report, yes/no question), as plain message
// windows answered by their accelerator keys until the dialog base and the scaled buttons exist.
#pragma once

#include "graphics/Geometry.h"
#include "platform/Window.h"
#include "shell/WinProcedure.h"

#include <memory>
#include <string>
#include <vector>

class Font;
class Surface;
class TMainWnd;

// A dialog window placed by screen fractions that shows one message and answers with the modal
// result of the accelerator key pressed ("&Yes" answers Y with 6); the close box answers Cancel.
// While shown it marks the current screen Busy.
class PlaceholderDialog : public Window
{
    CONTROL_CLASS(PlaceholderDialog, Window);
    struct Answer
    {
        std::string Caption; // with "&" before the key letter
        int Result = 0;
    };

    PlaceholderDialog(TMainWnd& owner, std::string caption, RelRect placement, std::string message,
                      std::vector<Answer> answers);
    ~PlaceholderDialog() override;

    RelRect Placement;
    std::string Message;
    // The dialog's drawing surface, of the client size, while shown.
    std::unique_ptr<Surface> Buffer;

    void OnShow() override;
    void OnClose(CloseAction& action) override;
    void Paint() override;
    bool OnKeyDown(KeyCode key, ShiftState shift) override;

private:
    std::vector<Answer> Answers;
    std::unique_ptr<Font> TextFont;
    ScreenBusyMark BusyMark;
};

class TCloseDlg : public PlaceholderDialog
{
    CONTROL_CLASS(TCloseDlg, PlaceholderDialog);
    explicit TCloseDlg(TMainWnd& owner);
};

class TErrorDlg : public PlaceholderDialog
{
    CONTROL_CLASS(TErrorDlg, PlaceholderDialog);
    explicit TErrorDlg(TMainWnd& owner);
    // Shows text until the user answers.
    void ShowError(const std::string& text);
};

class TAskDlg : public PlaceholderDialog
{
    CONTROL_CLASS(TAskDlg, PlaceholderDialog);
    explicit TAskDlg(TMainWnd& owner);
    // Shows text and returns 6 (yes) or 7 (no; 2 by the close box).
    int Ask(const std::string& text);
};

// TModalDialog: the base of every modal dialog. It places itself by screen fractions, draws into a
// surface of its own made on every show, and lets its buttons end it or report commands.
#pragma once

#include "controls/ScaledDialog.h"
#include "graphics/Font.h"
#include "graphics/Geometry.h"
#include "platform/Window.h"
#include "shell/WinProcedure.h"

#include <cstdint>
#include <functional>
#include <memory>

class Surface;
struct DrawnText;

// The host of its own controls: they draw into Buffer, compose on the main window's scratch canvas
// and send their commands to ButtonCommand.
class TModalDialog : public Window, public ScaledDialog
{
    CONTROL_CLASS(TModalDialog, Window);
    // A hidden dialog window with key preview and the dialog font (Arial, 17/1000 of the screen's
    // height and 5/1000 of its width, black). owner must lie inside a window.
    explicit TModalDialog(WinControl& owner);
    ~TModalDialog() override;

    // Place and size in screen fractions (left, top, right, bottom); the window's outer top-left
    // lies at the left and top, its client area has the size.
    RelRect Placement;
    // What closing does with the window.
    ::CloseAction CloseAction = ::CloseAction::Hide;
    // Stretched over the whole client area on every show; not owned.
    const Surface* Background = nullptr;
    // The dialog's drawing surface, of the client size, only while shown.
    SurfaceSlot Buffer;
    // Handed to every Buffer: told of each text drawn on the dialog (tests and uishot check that
    // texts fit their boxes).
    std::function<void(const DrawnText&)> TextObserver;

    // Places and fills the controls for the dialog's current kind; called at the end of each show.
    virtual void ShowContent() {}
    // A button whose Id is no modal result: passed on to the main window, which hands it to the
    // current screen's Command.
    void ButtonCommand(std::int32_t id) override;

    // Makes the dialog font again when ScreenSize has changed since it was made (the screen was
    // resized); true when it had. Every show does it; a dialog whose controls are placed once calls
    // it before placing itself and then places them again.
    bool FollowScreenSize();

    void SetPlacement(const RelRect& placement);
    // Keeps the size of Placement.
    void MoveTo(float left, float top);

    void FormShow();
    void FormClose(::CloseAction& action);
    void FormPaint();
    // Presses every shown, enabled button whose shortcut is key, unless an edit has the focus.
    bool FormKeyDown(KeyCode key, ShiftState shift);
    void FormDestroy();

    void OnShow() override { FormShow(); }
    void OnHide() override;
    void OnClose(::CloseAction& action) override { FormClose(action); }
    void Paint() override { FormPaint(); }
    bool OnKeyDown(KeyCode key, ShiftState shift) override { return FormKeyDown(key, shift); }

    SurfaceSlot& DrawTarget() override { return Buffer; }
    Surface* ScratchSurface() override;
    // Copies rect of Buffer to the window.
    void ShowRect(const Rect& rect) override;
    const Surface* DialogBackground() const override { return Background; }
    RelRect DialogPlacement() const override { return Placement; }
    void SetModalResult(std::int32_t result) override { ModalResult = result; }

private:
    std::unique_ptr<::Font> DialogFont;
    ScreenSizeRecord FontScreen;
    ScreenBusyMark BusyMark;
};

// Where a game dialog of width and height (fractions) goes: centred when no cell is selected, else
// beside the cell's screen point (cellX, cellY), to its left from the middle of the screen on and to
// its right before; then pulled into the band 0.1 to 0.9 of the screen.
RelRect PlaceGameDialog(float width, float height, bool cellSelected, float cellX, float cellY);

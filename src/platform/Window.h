// Top-level windows: the borderless main window that covers the screen and dialog windows with a
// drawn border and caption bar, composited in z-order inside the one SDL window.
#pragma once

#include "platform/Control.h"

#include <cstdint>
#include <memory>

class Font;

enum class BorderStyle
{
    None,   // the main window: no frame, covers the screen
    Dialog, // a frame and a caption bar with a close box
    Popup   // no frame; lies above every other window and takes the keys while shown (drop-down
            // lists). A modal show and the hiding of any other window close it.
};

// What closing a window does with it (set by OnClose).
enum class CloseAction : std::uint8_t
{
    None = 0,    // stay open
    Hide = 1,    // hide (the owner keeps the object)
    Free = 2,    // the same as Hide here: the owner destroys the object
    Minimize = 3 // minimise the application
};

// Modal results.
namespace ModalResult {
constexpr int None = 0;
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace ModalResult

// A top-level window. Its bounds are its client area in screen pixels; a dialog's frame lies around
// it. Its pixels are a Surface of the layer's own; controls draw into it and the layer composites
// the windows onto the screen at the end of every loop turn.
class Window : public WinControl
{
    CONTROL_CLASS(Window, WinControl);
    Window(Application& app, BorderStyle border);
    ~Window() override;

    BorderStyle Border() const { return Style; }
    // The whole window with its frame, in screen pixels.
    Rect OuterRect() const;
    // Frame thickness and caption bar height for dialogs at the current screen size (0 for None).
    std::int32_t FrameWidth() const;
    std::int32_t CaptionHeight() const;
    void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) override;
    void SetCaption(std::string caption) override;
    void SetVisible(bool visible) override;

    // Showing. Show puts the window on top; a dialog gets the focus of its first tab stop when it has
    // none. ShowModal runs a nested loop until ModalResult is set (or the application terminates,
    // which gives Cancel) and returns it; the window is hidden again.
    bool IsModal() const { return Modal; }
    int ShowModal();
    int ModalResult = 0;
    // Asks to close: a modal window gets ModalResult Cancel; otherwise OnCloseQuery, OnClose, then
    // hide (the main window terminates the application instead).
    void Close();

    // Keys: with KeyPreview the window's OnKeyDown sees a key before its focused control (and
    // stops it by returning true); without, it sees only keys that arrive while no control has the
    // focus. Tab and Shift+Tab move the focus through the tab stops in child order.
    bool KeyPreview = false;
    // The mouse: with MousePreview the window's OnMouseDown also sees a press on any of its controls,
    // before the control does (and stops it by returning true).
    bool MousePreview = false;
    WinControl* ActiveControl() const { return Active; }
    bool SelectNext(bool forward);

    // Window events.
    virtual void OnShow() {}
    virtual void OnHide() {}
    virtual void OnActivate() {} // the main window: when shown and whenever it gains the focus
    virtual bool OnCloseQuery() { return true; }
    virtual void OnClose(CloseAction& action) { (void)action; }

    // The window's pixels (frame included); null before the first show.
    Surface* Pixels() const { return WindowPixels.get(); }
    // Client origin inside Pixels().
    Point ClientOffset() const;
    // The font of controls that set none: the dialog font (Arial, 17/1000 of the screen's height
    // and 5/1000 of its width), black; remade when the screen size changes.
    const Font* DefaultFont() const;

private:
    friend class Application;
    friend class Control;
    friend class WinControl;
    void SetActive(WinControl* control);
    void ForgetControl(Control* control);
    void EnsurePixels();
    void InvalidateSurface(const Rect& surfaceRect);
    void AddShown(const Rect& surfaceRect);
    void PaintPending();
    void PaintTree(Control& control, const Rect& surfaceRect);
    void DrawFrame();
    Rect CloseBoxRect() const; // surface coordinates
    void SetCloseBoxPressed(bool pressed);

    Application& TheApp;
    BorderStyle Style;
    bool Modal = false;
    WinControl* Active = nullptr;
    std::unique_ptr<Surface> WindowPixels;
    std::unique_ptr<Font> CaptionFont;
    mutable std::unique_ptr<Font> DefaultTextFont;
    mutable ScreenSizeRecord DefaultFontScreen;
    std::vector<Rect> Invalid; // surface coordinates
    bool FrameInvalid = false;
    bool CloseBoxDown = false;
};

// Edit: the native single-line text field (caret, typing, editing keys, length limit).
#pragma once

#include "platform/Control.h"

#include <functional>
#include <memory>
#include <string>

class Timer;

// Text is UTF-8. Typing arrives as text input while the field has the focus; the caret blinks on
// a timer of its own while focused. Drawn with the owner's background colour, a one-pixel border
// and the control's font.
class Edit : public WinControl
{
    CONTROL_CLASS(Edit, WinControl);
    explicit Edit(WinControl* owner = nullptr);
    ~Edit() override;

    // Background (0x00BBGGRR).
    Colour Color = 0x00FFFFFF;
    // Characters that typing may fill the field up to; 0 = no limit. Text set by the program is
    // kept whole.
    std::int32_t MaxLength = 0;
    // Bytes of UTF-8 that typing may fill the field up to (a character that would cross it is
    // refused whole); 0 = no limit. For fields stored in fixed-size slots.
    std::int32_t MaxBytes = 0;
    // The text changed (typing, editing keys or SetText).
    std::function<void()> Changed;
    // Enter was pressed in the field.
    std::function<void()> ReturnPressed;

    const std::string& Text() const { return Value; }
    // Puts the caret at the end.
    void SetText(std::string text);
    // Caret as a byte offset into Text(), always at a character boundary.
    std::size_t CaretPos() const { return Caret; }
    void SetCaretPos(std::size_t pos);
    bool CaretVisible() const { return CaretOn; }
    // Left of the caret in client pixels.
    std::int32_t CaretX() const;

    bool WantsTextInput() const override { return true; }
    bool OnTextInput(std::string_view text) override;
    bool OnKeyDown(KeyCode key, ShiftState shift) override;
    bool OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    void OnFocusEnter() override;
    void OnFocusExit() override;
    void OnResize() override;
    void Paint() override;

private:
    Rect TextRect() const;
    std::int32_t PrefixWidth(std::size_t bytes) const;
    void ScrollToCaret();
    void TextChanged();
    void RestartBlink();

    std::string Value;
    std::size_t Caret = 0;
    std::int32_t ScrollX = 0;
    bool CaretOn = false;
    std::unique_ptr<Timer> Blink;
};

// Key codes (the classic desktop virtual-key numbers), shift states, mouse buttons and the
// conversion of an accelerator character to a shortcut key.
#pragma once

#include <cstdint>
#include <string_view>

using KeyCode = std::uint16_t;
using ShiftState = std::uint8_t;

namespace Key {
constexpr KeyCode Back = 8;
constexpr KeyCode Tab = 9;
constexpr KeyCode Return = 13;
constexpr KeyCode Shift = 16;
constexpr KeyCode Control = 17;
constexpr KeyCode Alt = 18;
constexpr KeyCode Pause = 19;
constexpr KeyCode CapsLock = 20;
constexpr KeyCode Escape = 27;
constexpr KeyCode Space = 32;
constexpr KeyCode PageUp = 33;
constexpr KeyCode PageDown = 34;
constexpr KeyCode End = 35;
constexpr KeyCode Home = 36;
constexpr KeyCode Left = 37;
constexpr KeyCode Up = 38;
constexpr KeyCode Right = 39;
constexpr KeyCode Down = 40;
constexpr KeyCode Insert = 45;
constexpr KeyCode Delete = 46;
constexpr KeyCode Digit0 = 48;  // '0' to '9' are 48 to 57
constexpr KeyCode A = 65;       // 'A' to 'Z' are 65 to 90
constexpr KeyCode Numpad0 = 96; // to Numpad9 = 105
constexpr KeyCode Multiply = 106;
constexpr KeyCode Add = 107;
constexpr KeyCode Subtract = 109;
constexpr KeyCode Decimal = 110;
constexpr KeyCode Divide = 111;
constexpr KeyCode F1 = 112; // to F12 = 123
constexpr KeyCode F4 = 115;
constexpr KeyCode F10 = 121;
constexpr KeyCode Semicolon = 186;
constexpr KeyCode Equals = 187;
constexpr KeyCode Comma = 188;
constexpr KeyCode Minus = 189;
constexpr KeyCode Period = 190;
constexpr KeyCode Slash = 191;
constexpr KeyCode BackQuote = 192;
constexpr KeyCode LeftBracket = 219;
constexpr KeyCode Backslash = 220;
constexpr KeyCode RightBracket = 221;
constexpr KeyCode Quote = 222;
} // namespace Key

// Shift-state bits passed with mouse and key events.
namespace Shift {
constexpr ShiftState Shift = 1;
constexpr ShiftState Alt = 2;
constexpr ShiftState Ctrl = 4;
constexpr ShiftState Left = 8;    // left mouse button held
constexpr ShiftState Right = 16;  // right mouse button held
constexpr ShiftState Middle = 32; // middle mouse button held
constexpr ShiftState Double = 64; // the press is the second of a double click
} // namespace Shift

// Mouse buttons as event arguments.
namespace Mouse {
// The button a screen's MouseAction gets for a move.
constexpr int Move = -1;
constexpr int Left = 0;
constexpr int Right = 1;
constexpr int Middle = 2;
} // namespace Mouse

// Modifier bits of a shortcut (added to the key code).
namespace ShortCut {
constexpr std::uint16_t Shift = 0x2000;
constexpr std::uint16_t Ctrl = 0x4000;
constexpr std::uint16_t Alt = 0x8000;
} // namespace ShortCut

// "O" or "o" -> 79, "7" -> 55, "Ctrl+S" -> 0x4000 + 83, "F1" -> 112, "Esc", "Enter", "Space",
// "Tab", "Del" and the like by name. Anything else gives 0 (no shortcut).
std::uint16_t TextToShortCut(std::string_view text);

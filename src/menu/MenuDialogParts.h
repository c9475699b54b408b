// What the main menu's dialogs share: their buttons, the fields placed by screen fractions, message
// labels that grow with their text, and the folder the program started in.
#pragma once

#include "graphics/Geometry.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class Control;
class Font;
class TModalDialog;
class TSButton;
class TSLabel;
class WinControl;

namespace MenuDialog {
// Every button of the set-up and message dialogs.
constexpr float ButtonWidth = 0.078f;
constexpr float ButtonHeight = 0.03f;
// Edits and lists (red 0xB7, green 0xC5, blue 0xC9).
constexpr Colour FieldColour = 0x00C9C5B7;
} // namespace MenuDialog

// A dialog button at (left, top): the "DlgButton" skin, the hand cursor, the standard size.
void SetupDialogButton(TSButton& button, float left, float top, std::int32_t id, std::string_view caption);
// A native field (edit, list) shown on dialog at area (fractions of the screen from the dialog's
// top-left corner).
void PlaceField(WinControl& field, WinControl& dialog, const RelRect& area);
// The largest rectangle of the proportions width : height (pixels) inside box, centred in it: a
// picture placed by screen fractions keeps its shape on screens of other proportions.
RelRect KeepProportions(const RelRect& box, std::int32_t width, std::int32_t height);
// A label whose text is word-wrapped and centred.
void SetupMessageLabel(TSLabel& label, const RelRect& area);

// A button of a message dialog and its place for a text that fits the label.
struct MessageButton
{
    TSButton* Button;
    RelRect Area;
};
// Shows text in the message label of dialog: when it needs more lines than labelArea holds, the
// dialog grows by the difference about the middle of placement, the label grows and the buttons
// move down with its bottom; otherwise everything takes its own place. An "&" in text is shown as
// it is.
void FitMessage(TModalDialog& dialog, const RelRect& placement, TSLabel& label, const RelRect& labelArea,
                std::initializer_list<MessageButton> buttons, std::string_view text);
// How much taller (a fraction of the screen's height) area must be to hold text word-wrapped in
// font; 0 when it fits.
float ExtraHeightFor(std::string_view text, const Font* font, const RelRect& area);

// The folder the program started in (the main window's StartDir), without a trailing separator;
// the current folder when there is no main window.
std::string StartFolderOf(const Control& control);

// The command ids that buttons report (their Id) and screens act on in Command, the source a
// control's command arrives with, and the ids that are a dialog's modal result instead.
#pragma once

#include <cstdint>

// The source argument of TWinProcedure::Command.
namespace CommandSource {
// A click of a scaled control or a dialog button.
constexpr int Control = -1;
} // namespace CommandSource

namespace CommandId {
// A control whose click needs no command.
constexpr std::int32_t None = 0;

// A dialog button with an id from 1 to 9 ends its dialog with that modal result (ModalResult in
// platform/Window.h) instead of sending a command.
constexpr std::int32_t FirstModalResult = 1;
constexpr std::int32_t LastModalResult = 9;
constexpr bool IsModalResult(std::int32_t id)
{
    return id >= FirstModalResult && id <= LastModalResult;
}

// The file dialog's "&Load" or "&Save" button; the dialog itself acts on it.
constexpr std::int32_t ConfirmFile = 10;

// The screens' own commands; the same id means the same thing wherever it is used.
constexpr std::int32_t MainMenu = 12; // game and editor: back to the main menu
constexpr std::int32_t New = 13;      // main menu: new game; editor: new board
constexpr std::int32_t Load = 14;     // a saved game or a board
constexpr std::int32_t Save = 15;
constexpr std::int32_t Restore = 16; // back to the game in progress
constexpr std::int32_t Options = 17;
constexpr std::int32_t Help = 18;
constexpr std::int32_t Credits = 19;
constexpr std::int32_t Minimize = 20;
constexpr std::int32_t Quit = 21;   // main menu: ends at once; game: asks first
constexpr std::int32_t Editor = 22; // main menu: into the board editor

// The game screen's buttons.
constexpr std::int32_t ThrowDice = 100;
constexpr std::int32_t PreviousProperty = 101;
constexpr std::int32_t NextProperty = 102;
constexpr std::int32_t GoToProperty = 103;
constexpr std::int32_t PayOffMortgage = 104;

// The new game dialog's kind buttons: slot i (0 to 5) reports ToggleKind + i to the main menu.
constexpr std::int32_t ToggleKind = 200;
constexpr std::int32_t ToggleKindLast = 205;
constexpr std::int32_t ToggleKindOf(std::int32_t slot)
{
    return ToggleKind + slot;
}
constexpr bool IsToggleKind(std::int32_t id)
{
    return id >= ToggleKind && id <= ToggleKindLast;
}

// The report dialog's buttons; the dialog itself acts on them.
constexpr std::int32_t ReportHistory = 400; // the history, and back to the figures
constexpr std::int32_t SaveReport = 401;

// The editor's tool strip.
constexpr std::int32_t ChooseTool = 300; // every tool button of the radio group
constexpr std::int32_t NextOwner = 301;
constexpr std::int32_t PreviousValue = 302;
constexpr std::int32_t NextValue = 303;
constexpr std::int32_t StreetNames = 304;
constexpr std::int32_t CheckBoard = 305; // the board checker's findings
constexpr std::int32_t TryBoard = 306;   // the checker's "Try it": computer games on the board
} // namespace CommandId

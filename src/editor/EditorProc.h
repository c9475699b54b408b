// EditorProc: the board editor screen: the tool strip across the top and the board below it,
// edited cell by cell with the eight tools; boards made new, loaded, saved, checked and tried.
#pragma once

#include "board/Board.h"
#include "controls/SComboBox.h"
#include "controls/SSpeedButton.h"
#include "shell/WinProcedure.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class BoardView;
class Font;
class Surface;
class TBoardCheckDlg;
class TEditorPanel;
class TFileDlg;
class TNewBoardDlg;
class TStNamesDlg;
class TTryItDlg;

// The tools, numbered as the strip's tool buttons and as Board::Edit takes them.
namespace EditorTool {
constexpr std::int32_t Select = 0; // lays a road shaped from its neighbours
constexpr std::int32_t Start = 1;
constexpr std::int32_t Erase = 2;   // "Board"
constexpr std::int32_t Street = 3;  // a road picture chosen by hand
constexpr std::int32_t GStruct = 4; // a lot for sale or a public building
constexpr std::int32_t PStruct = 5; // an owned lot with a structure
constexpr std::int32_t Flow = 6;    // a walking direction
constexpr std::int32_t StNames = 7; // the street of a road
constexpr std::int32_t Count = 8;
constexpr std::int32_t FirstWithValue = Street; // "Last" and "Next" are shown from this tool on
} // namespace EditorTool

// The range a tool's value steps through with "Last" and "Next", wrapping at both ends; tools
// without a value have an empty range (Min > Max).
struct ToolValueRange
{
    std::int32_t Min = 1;
    std::int32_t Max = 0;
};
ToolValueRange ValueRangeOf(std::int32_t tool);
// value stepped by step (-1 "Last", +1 "Next") within range, the other end after either end.
std::int32_t StepToolValue(const ToolValueRange& range, std::int32_t value, std::int32_t step);

class EditorProc : public TWinProcedure
{
    CONTROL_CLASS(EditorProc, TWinProcedure);
    // Builds the strip, the board (from "board1.brd" of the start folder, else the default board)
    // and the dialogs. owner is the main window.
    explicit EditorProc(TMainWnd& owner);
    ~EditorProc() override;

    // The strip.
    std::unique_ptr<TEditorPanel> ToolPanel;
    // The dialogs, made with the screen and kept.
    std::unique_ptr<TNewBoardDlg> NewBoardDialog;
    std::unique_ptr<TStNamesDlg> StreetNamesDialog;
    std::unique_ptr<TFileDlg> FileDialog;
    std::unique_ptr<TBoardCheckDlg> CheckDialog;
    std::unique_ptr<TTryItDlg> TryItDialog;

    // The current tool and the value of each tool that has one; they keep their values across
    // tool changes for as long as the screen lives.
    std::int32_t Tool = EditorTool::Select;
    std::int32_t RoadPiece = 9; // 9..31
    std::int32_t Building = 1;  // 1..8: a lot for sale, then the seven public buildings
    std::int32_t Level = 1;     // 1..7: "LOT" .. "HOTEL"
    std::int32_t LotOwner = 1;  // 1..6: the player (slot + 1) who owns what PStruct places
    std::int32_t Flow = 1;      // 1..5: up, right, down, left, junction

    // The board being edited and its view, on the screen below the strip.
    ::Board Board;
    std::unique_ptr<BoardView> View;

    // The strip's controls.
    TSSpeedButton NewButton;
    TSSpeedButton LoadButton;
    TSSpeedButton SaveButton;
    std::array<std::unique_ptr<TSSpeedButton>, EditorTool::Count> ToolButtons;
    TSSpeedButton LastButton;
    TSSpeedButton NextButton;
    TSSpeedButton OwnerButton;
    TSComboBox StreetList;
    TSSpeedButton EditButton;
    TSSpeedButton MainMenuButton;
    // Beyond the tool strip's classic controls: the board checker.
    TSSpeedButton CheckButton;

    // Images, from Enter to Leave.
    std::unique_ptr<Surface> PanelEditor;
    std::unique_ptr<Surface> BlankSheet;
    std::unique_ptr<Surface> Table0Sheet;
    std::unique_ptr<Surface> Table1Sheet;
    std::unique_ptr<Surface> DiceSheet;

    // Left click on the board: the tool acts on the clicked cell; right click anywhere: the next
    // value, or no cursor for the tools without one.
    void MouseAction(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    // Escape asks whether to leave the program.
    void KeyAction(KeyCode key, ShiftState shift) override;
    // Edge scrolling while the pointer rests on a side of the screen (left, top, right, bottom).
    void Tick() override;
    int Command(int source, int code) override;
    void Redraw() override;
    void Enter() override;
    void Leave() override;

    // The current tool from the selected tool button, with the buttons and board marks it shows.
    void ChooseTool();
    // The street list: "1- " and street name 0 to "32- " and street name 31, the first chosen.
    void RebuildStreetList();
    // The current tool acting on the cursor cell.
    void ApplyTool();
    // The value of the current tool, or 0 for the tools without one.
    std::int32_t ToolValue() const;
    // The checker's findings (and from there "Try it").
    void CheckBoard();

    // A message for the user, shown in the error dialog on the first tick (the start-up load may
    // find a board it cannot read before the screen is shown).
    std::string PendingError;

private:
    // Loads path into the board, saying so when the default board or nothing took its place.
    void LoadBoard(const std::string& path, bool quietWhenMissing);
    void SaveBoard(const std::string& path);
    // Through the file dialog: the path of a board file in the start folder, or empty.
    std::string ChooseBoardFile(bool save);
    void ShowError(const std::string& text);
    void SetValueButtons(bool shown);
    void SetOwnerButton(bool shown);
    void SyncHover(TSSpeedButton& button);

    std::unique_ptr<Font> StreetNameFont;
};

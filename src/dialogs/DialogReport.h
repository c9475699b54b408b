// TDialogReport: the report of the game so far, or of a game that has ended: the ranking, the chart
// of every player's net worth day by day with his slot digit at the end of his line, the figures
// with the lot that earned the most rent, and the whole history; "Save report" writes the same
// report as a web page beside the saved games.
#pragma once

#include "controls/SButton.h"
#include "dialogs/ModalDialog.h"
#include "platform/ListBox.h"
#include "report/GameReport.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class Board;
struct GameState;

// What the report dialog needs of the screen that shows it. ShowError shows a text in the error
// dialog until the player answers; when empty, a failed save is only told in the dialog.
struct ReportDialogScreen
{
    std::function<void(const std::string& text)> ShowError;
};

class TDialogReport : public TModalDialog
{
    CONTROL_CLASS(TDialogReport, TModalDialog);
    // Reads state and board and changes neither. owner must lie inside a window.
    TDialogReport(WinControl& owner, const GameState& state, const Board& board, ReportDialogScreen screen);
    ~TDialogReport() override;

    // "&History" shows the history instead of the figures, then reads "&Report" and goes back.
    TSButton HistoryButton;
    TSButton SaveButton;
    TSButton OkButton;
    // Every line of the history, the day in the first column; made when first shown.
    ListBox HistoryList;

    // Inputs, read at each show: the folder the report's page goes to (the saved games' folder),
    // and the name of the saved game the game was loaded from or last saved as ("" for none), which
    // names the page.
    std::string Folder;
    std::string GameName;

    // The report shown, made from the game as it stands at each show.
    GameReport Report;
    bool ShowingHistory = false;
    // The page the last save wrote, "" before one.
    std::string SavedFile;

    // Makes the report and shows it until "&Ok", Escape or the close box.
    void ShowReport();
    void ShowContent() override;
    void ButtonCommand(std::int32_t id) override;
    bool OnKeyDown(KeyCode key, ShiftState shift) override;
    // The history, or back to the figures.
    void ToggleHistory();
    // Writes the page to Folder; a failure is shown in the error dialog with its reason. True when
    // the page was written.
    bool SaveReportPage();

    // Where the parts are drawn, in client pixels (for tests).
    Rect ChartArea() const { return Chart; }
    Rect TableArea() const { return Table; }

private:
    void PlaceControls();
    void MakeFonts();
    void DrawFigures();
    void DrawRanking();
    void DrawChart();
    void DrawTable();
    void DrawStatus();
    void ShowHistory();
    // A text on one line in box, narrowed when it is wider.
    void Write(Rect box, const std::string& text, const ::Font* font, std::uint32_t align);

    const GameState& State;
    const Board& TheBoard;
    ReportDialogScreen Screen;
    std::unique_ptr<::Font> HeadingFont;
    std::unique_ptr<::Font> TextFont;
    std::unique_ptr<::Font> BoldFont;
    std::unique_ptr<::Font> SmallFont;
    std::unique_ptr<::Font> DigitFont;
    ScreenSizeRecord FontsScreen;
    bool HistoryFilled = false;
    Rect Ranking;
    Rect Chart;
    Rect Table;
    Rect Status;
};

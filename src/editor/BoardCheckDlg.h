// TBoardCheckDlg: what the board checker finds wrong with the editor's board, as a short list
// ("Ready to play" when nothing is), each finding shown on the board when chosen; and from there
// "Try it", computer games on the board.
#pragma once

#include "board/Board.h"
#include "controls/SButton.h"
#include "dialogs/ModalDialog.h"
#include "platform/ListBox.h"

#include <vector>

class TTryItDlg;

class TBoardCheckDlg : public TModalDialog
{
    CONTROL_CLASS(TBoardCheckDlg, TModalDialog);
    // board: the editor's board; tryIt: the dialog "&Try it" opens.
    TBoardCheckDlg(WinControl& owner, Board& board, TTryItDlg& tryIt);
    ~TBoardCheckDlg() override;

    TSButton OkButton;
    TSButton TryButton;
    ListBox ProblemList;
    // What the last show found.
    std::vector<BoardProblem> Problems;

    // Checks the board and shows the dialog: short when nothing is wrong, with the list when
    // something is. Returns the modal result.
    int Run();
    // The findings, Ok focused.
    void ShowContent() override;
    // "&Try it" plays the games; nothing goes on to the screen.
    void ButtonCommand(std::int32_t id) override;
    // The finding chosen in the list: its whole text below the list, its cell selected and in the
    // middle of the board.
    void ShowChosenProblem();

private:
    void DrawDetail(const std::string& text);

    Board& EditorBoard;
    TTryItDlg& TryIt;
};

// A screen for uishot that shows a board as the game screen does (below the panels' strip), with
// the tile sheets loaded from the game folder, for shots of dialogs over the board.
#pragma once

#include "boardview/BoardView.h"
#include "shell/WinProcedure.h"

#include <memory>
#include <string>

class Board;
class Surface;

class BoardScreen : public TWinProcedure
{
    CONTROL_CLASS(BoardScreen, TWinProcedure);
    // Loads the tile sheets from archive and makes board's view over the game screen's area.
    BoardScreen(TMainWnd& owner, Board& board, const std::string& archive);
    ~BoardScreen() override;

    // The "table1" sheet, in the slot the game dialogs draw their pictures from.
    std::unique_ptr<Surface> Table1;
    BoardView View;

    void Redraw() override;

private:
    std::unique_ptr<Surface> Blank;
    std::unique_ptr<Surface> Table0;
    std::unique_ptr<Surface> Dice;
};

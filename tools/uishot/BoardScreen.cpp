// uishot's board screen: the tile sheets, the view over the game screen's area and its redraw.
#include "BoardScreen.h"

#include "board/Board.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"
#include "shell/MainWnd.h"

BoardScreen::BoardScreen(TMainWnd& owner, Board& board, const std::string& archive)
    : TWinProcedure(owner),
      View(
          board, [this] { return MainWnd().BackBuffer.get(); }, [this](const Rect& r) { Show(&r); })
{
    Blank = LoadPicture(Pictures::Blank, archive);
    Table0 = LoadPicture(Pictures::Table0, archive);
    Table1 = LoadPicture(Pictures::Table1, archive);
    Dice = LoadPicture(Pictures::Dice, archive);
    View.Sheets = {Blank.get(), Table0.get(), Table1.get(), Dice.get()};
    // The game screen's board area: the whole width below the panels.
    View.Create(MakeRelRect(0, 0.16f, 1, 0.84f));
}

BoardScreen::~BoardScreen() = default;

void BoardScreen::Redraw()
{
    Surface* back = MainWnd().BackBuffer.get();
    if (back == nullptr)
        return;
    back->Clear(0);
    View.Render();
    View.Present();
    Show(nullptr);
}

// uishot's board screen: the tile sheets, the view over the game screen's area and its redraw.
#include "BoardScreen.h"

#include "board/Board.h"
#include "graphics/Surface.h"
#include "shell/MainWnd.h"

namespace {

std::unique_ptr<Surface> Sheet(const std::string& archive, const char* name, std::int32_t frameWidth,
                               std::int32_t frameHeight)
{
    auto sheet = std::make_unique<Surface>();
    sheet->LoadImage(ImageLayout::Sheet, frameWidth, name, archive, true, frameHeight);
    return sheet;
}

} // namespace

BoardScreen::BoardScreen(TMainWnd& owner, Board& board, const std::string& archive)
    : TWinProcedure(owner),
      View(
          board, [this] { return MainWnd().BackBuffer.get(); }, [this](const Rect& r) { Show(&r); })
{
    Blank = Sheet(archive, "blank", 144, 96);
    Table0 = Sheet(archive, "table0", 144, 96);
    Table1 = Sheet(archive, "table1", 144, 105);
    Dice = Sheet(archive, "dice", 48, 48);
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

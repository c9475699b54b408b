// boardshot: draws a board through the board view, headless, and writes what the screen would
// show as a PNG, so that the view and the tile pictures can be looked at without playing.
#include "board/Board.h"
#include "boardview/BoardView.h"
#include "graphics/Font.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"

#include <cairo.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

void Usage()
{
    std::fprintf(stderr,
                 "usage: boardshot [--game FOLDER] [--board FILE] [--size WIDTHxHEIGHT] [--centre X,Y]\n"
                 "                 [--editor | --directions | --names] [--die FACE,STEP] [--out FILE.png]\n"
                 "  Draws the board (default FOLDER/Board1.brd) with the pictures of FOLDER/res00.dat as\n"
                 "  the game screen shows it, with pawns, owned lots and a selected cell; --editor draws it\n"
                 "  as the editor does (start cell marked), --directions and --names add the editor's\n"
                 "  arrows or street names. --die draws one frame of the rolling die over it.\n");
}

bool ParsePair(const std::string& text, char separator, std::int32_t& a, std::int32_t& b)
{
    const std::size_t at = text.find(separator);
    if (at == std::string::npos) {
        return false;
    }
    char* end = nullptr;
    a = static_cast<std::int32_t>(std::strtol(text.c_str(), &end, 10));
    if (end != text.c_str() + at) {
        return false;
    }
    b = static_cast<std::int32_t>(std::strtol(text.c_str() + at + 1, &end, 10));
    return *end == '\0' && at > 0 && at + 1 < text.size();
}

// A game in progress: six pawns near the middle (three sharing a cell), every other vacant lot
// owned, with all seven structures among them, and one lot selected.
void SetUpGame(Board& board)
{
    std::int32_t pawnCells[3][2] = {{-1, -1}, {-1, -1}, {-1, -1}};
    std::int32_t found = 0;
    for (std::int32_t d = 0; d < board.Width() + board.Height() && found < 3; ++d) {
        for (std::int32_t y = 0; y < board.Height() && found < 3; ++y) {
            for (std::int32_t x = 0; x < board.Width() && found < 3; ++x) {
                if (std::abs(x - board.CenterX) + std::abs(y - board.CenterY) == d * 2 &&
                    IsRoadPiece(board.At(x, y).Kind)) {
                    pawnCells[found][0] = x;
                    pawnCells[found][1] = y;
                    ++found;
                }
            }
        }
    }
    const std::int32_t sharing[Board::PlayerCount] = {0, 0, 0, 1, 2, 2};
    for (std::int32_t player = 0; player < Board::PlayerCount; ++player) {
        const std::int32_t* cell = pawnCells[sharing[player]];
        if (cell[0] >= 0) {
            std::int32_t x = cell[0];
            std::int32_t y = cell[1];
            board.MovePawn(player, x, y, x, y);
        }
    }
    std::int32_t lots = 0;
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            Cell& cell = board.At(x, y);
            if (cell.Kind != CellKind::LotForSale || lots++ % 2 == 1) {
                continue;
            }
            cell.Kind = static_cast<std::uint8_t>(CellKind::OwnedLot + (lots / 2) % 7);
            cell.Owner = static_cast<std::uint8_t>(1 + (lots / 2) % Board::PlayerCount);
            if (board.CursorX < 0 && std::abs(x - board.CenterX) + std::abs(y - board.CenterY) <= 4) {
                board.CursorX = x;
                board.CursorY = y;
            }
        }
    }
    std::uint32_t next = 12345;
    board.ChooseJunctionExits([&next] { return next = next * 1103515245u + 12345u, next >> 16; });
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path gameDir = ".";
    std::filesystem::path boardFile;
    std::filesystem::path out = "boardshot.png";
    std::int32_t width = 1920;
    std::int32_t height = 1080;
    std::int32_t centreX = -1;
    std::int32_t centreY = -1;
    std::int32_t dieFace = 0;
    std::int32_t dieStep = 0;
    bool editor = false;
    bool directions = false;
    bool names = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--game" && hasValue) {
            gameDir = argv[++i];
        } else if (arg == "--board" && hasValue) {
            boardFile = argv[++i];
        } else if (arg == "--out" && hasValue) {
            out = argv[++i];
        } else if (arg == "--size" && hasValue) {
            if (!ParsePair(argv[++i], 'x', width, height) || width < 144 || height < 96 || width > 8192 ||
                height > 8192) {
                std::fprintf(stderr, "boardshot: the size must be WIDTHxHEIGHT, 144x96 to 8192x8192\n");
                return 2;
            }
        } else if (arg == "--centre" && hasValue) {
            if (!ParsePair(argv[++i], ',', centreX, centreY)) {
                Usage();
                return 2;
            }
        } else if (arg == "--die" && hasValue) {
            if (!ParsePair(argv[++i], ',', dieFace, dieStep) || dieFace < 1 || dieFace > 6 || dieStep < 1 ||
                dieStep > BoardView::DieSteps) {
                std::fprintf(stderr, "boardshot: --die takes a face 1 to 6 and a step 1 to 14\n");
                return 2;
            }
        } else if (arg == "--editor") {
            editor = true;
        } else if (arg == "--directions") {
            editor = directions = true;
        } else if (arg == "--names") {
            editor = names = true;
        } else {
            Usage();
            return 2;
        }
    }

    const std::string archive = (gameDir / Pictures::Archive).string();
    const auto blank = LoadPicture(Pictures::Blank, archive);
    const auto table0 = LoadPicture(Pictures::Table0, archive);
    const auto table1 = LoadPicture(Pictures::Table1, archive);
    const auto dice = LoadPicture(Pictures::Dice, archive);
    if (blank->IsEmpty() || table0->IsEmpty() || table1->IsEmpty() || dice->IsEmpty()) {
        std::fprintf(stderr, "boardshot: %s lacks the tile pictures blank, table0, table1 or dice\n",
                     archive.c_str());
        return 1;
    }

    Board board;
    if (boardFile.empty()) {
        boardFile = gameDir / "Board1.brd";
    }
    const BoardSource source = board.LoadFile(boardFile, archive);
    if (source == BoardSource::None) {
        std::fprintf(stderr, "boardshot: neither %s nor the default board of %s can be read\n",
                     boardFile.string().c_str(), archive.c_str());
        return 1;
    }
    if (source == BoardSource::DefaultBoard) {
        std::fprintf(stderr, "boardshot: %s cannot be read; drawing the default board\n",
                     boardFile.string().c_str());
    }

    ScreenSize = {width, height};
    auto backBuffer = Surface::CreateCanvas(nullptr, width, height);
    BoardView view(
        board, [&backBuffer] { return backBuffer.get(); }, [](const Rect&) {});
    view.Sheets = {blank.get(), table0.get(), table1.get(), dice.get()};
    // The main window's font, which the editor writes street names in.
    const Font streetFont("MS Sans Serif", 400, 13, 0);
    view.StreetNameFont = &streetFont;
    if (editor) {
        board.EditMode = true;
        board.ShowStart = !directions && !names;
        board.ShowDirections = directions;
        board.ShowStreetNames = names;
        view.Create(MakeRelRect(0, 0.05f, 1, 0.95f));
    } else {
        SetUpGame(board);
        view.Create(MakeRelRect(0, 0.16f, 1, 0.84f));
    }
    if (centreX >= 0) {
        board.CenterX = centreX;
        board.CenterY = centreY;
    }
    view.Redraw();
    if (dieStep > 0) {
        view.DrawDie(dieFace, dieStep);
    }

    const cairo_status_t status =
        cairo_surface_write_to_png(backBuffer->CairoSurface(), out.string().c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "boardshot: cannot write %s: %s\n", out.string().c_str(),
                     cairo_status_to_string(status));
        return 1;
    }
    std::printf("%s: %dx%d, board %dx%d centred on %d,%d\n", out.string().c_str(), width, height,
                board.Width(), board.Height(), board.CenterX, board.CenterY);
    return 0;
}

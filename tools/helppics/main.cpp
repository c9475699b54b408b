// helppics: writes the pictures of the HTML help as PNG files, taken from the game's own art in
// res00.dat and the board of the game folder, so that the help always shows the game as built.
#include "HelpArt.h"
#include "board/Board.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

void Usage()
{
    std::fprintf(stderr, "usage: helppics [--game FOLDER] [--out FOLDER]\n"
                         "  Writes the help's pictures, from FOLDER/res00.dat and FOLDER/Board1.brd, as PNG\n"
                         "  files into the out folder (default FOLDER/help).\n");
}

struct Named
{
    const char* Name;
    std::int32_t Frame;
};

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path gameDir = ".";
    std::filesystem::path outDir;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--game" && i + 1 < argc) {
            gameDir = argv[++i];
        } else if (arg == "--out" && i + 1 < argc) {
            outDir = argv[++i];
        } else {
            Usage();
            return 2;
        }
    }
    if (outDir.empty()) {
        outDir = gameDir / "help";
    }

    const std::string archive = (gameDir / "res00.dat").string();
    HelpArt art;
    std::string missing;
    if (!art.Load(archive, missing)) {
        std::fprintf(stderr, "helppics: %s lacks the picture %s\n", archive.c_str(), missing.c_str());
        return 1;
    }
    Board board;
    if (board.LoadFile(gameDir / "Board1.brd", archive) == BoardSource::None) {
        std::fprintf(stderr, "helppics: no board in %s\n", gameDir.string().c_str());
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (error) {
        std::fprintf(stderr, "helppics: cannot make %s: %s\n", outDir.string().c_str(),
                     error.message().c_str());
        return 1;
    }

    int written = 0;
    bool ok = true;
    const auto png = [&outDir](const std::string& name) { return outDir / (name + ".png"); };
    const auto frame = [&](const Surface& sheet, std::int32_t n, bool crop, const std::string& name) {
        const bool done = WriteFrame(sheet, n, crop, png(name));
        ok = ok && done;
        written += done ? 1 : 0;
    };
    const auto canvas = [&](const std::unique_ptr<Surface>& picture, const std::string& name) {
        const bool done = picture != nullptr && WriteCanvas(*picture, png(name));
        ok = ok && done;
        written += done ? 1 : 0;
    };

    // The board's pictures ("table1" frames): what stands on the lots and public places.
    const Named places[] = {{"lot-for-sale", 9}, {"treasury", 10}, {"employment", 11}, {"university", 12},
                            {"police", 13},      {"prison", 14},   {"hospital", 15},   {"courthouse", 16},
                            {"prison-zone", 17}, {"park", 18},     {"pay", 19}};
    for (const Named& place : places) {
        frame(art.Table1, place.Frame, false, place.Name);
    }
    for (std::int32_t s = 0; s < 7; ++s) {
        frame(art.Table1, 24 + s, false, "level-" + std::to_string(s));
    }
    for (std::int32_t p = 0; p < Board::PlayerCount; ++p) {
        frame(art.Table1, p, true, "pawn-" + std::to_string(p));
        frame(art.Table1, 24 + 8 * p, false, "owner-" + std::to_string(p));
        frame(art.Humans, p, false, "human-" + std::to_string(p));
        frame(art.Computers, p, false, "computer-" + std::to_string(p));
    }
    const Named arrows[] = {{"arrow-up", 20}, {"arrow-right", 21}, {"arrow-down", 22}, {"arrow-left", 23}};
    for (const Named& arrow : arrows) {
        frame(art.Table1, arrow.Frame, false, arrow.Name);
    }
    // Ground and every road piece the editor can lay.
    for (std::int32_t n = 0; n <= CellKind::LastRoadPiece; ++n) {
        if (n == 0 || n >= 9) {
            frame(art.Table0, n, false, "road-" + std::to_string(n));
        }
    }
    // The die: tumbling, then settled on each face.
    frame(art.Dice, 3, true, "die-rolling");
    for (std::int32_t face = 1; face <= 6; ++face) {
        frame(art.Dice, 8 * face + 6, true, "die-" + std::to_string(face));
    }
    // The game screen's tool buttons and the card buttons.
    const char* tools[] = {"button-minimize", "button-quit", "button-help", "button-menu"};
    for (std::int32_t column = 0; column < 4; ++column) {
        canvas(ToolButtonPicture(art, art.ToolFace, column), tools[column]);
    }
    canvas(ToolButtonPicture(art, art.ThrowFace, 4), "button-throw");
    frame(art.CardLast, 0, false, "card-last");
    frame(art.CardNext, 0, false, "card-next");
    frame(art.CardView, 0, false, "card-view");
    frame(art.CardPay, 0, false, "card-pay");

    // Whole scenes.
    canvas(MainMenuPicture(art, 1280, 720), "main-menu");
    // The editor's strip in two halves, each readable at its own size: files and tools, then
    // the values, the streets and the way back.
    const auto strip = EditorStripPicture(art, board, 1600, 900);
    const std::int32_t split = Round(strip->Width * 0.565);
    canvas(CanvasPart(*strip, Rect{0, 0, split, strip->Height}), "editor-strip-left");
    canvas(CanvasPart(*strip, Rect{split, 0, strip->Width, strip->Height}), "editor-strip-right");
    const PlayScene scene = SetUpPlay(board);
    const auto screen = GameScreenPicture(art, board, scene, 1600, 900);
    canvas(screen, "game-screen");
    // The panels up close, parted at the spine of the title deed.
    const std::int32_t panelsHeight = Round(screen->Height * 0.16);
    const std::int32_t spine = Round(screen->Width * 0.55);
    canvas(CanvasPart(*screen, Rect{0, 0, spine, panelsHeight}), "game-panels-left");
    canvas(CanvasPart(*screen, Rect{spine, 0, screen->Width, panelsHeight}), "game-panels-right");
    canvas(BoardPicture(art, board, BoardLook::Game, scene.CentreX, scene.CentreY, 1200, 640), "board-game");
    canvas(BoardPicture(art, board, BoardLook::Directions, scene.CentreX, scene.CentreY, 1200, 640),
           "board-directions");
    canvas(BoardPicture(art, board, BoardLook::StreetNames, scene.CentreX, scene.CentreY, 1200, 640),
           "board-names");

    std::printf("helppics: %d pictures in %s\n", written, outDir.string().c_str());
    return ok ? 0 : 1;
}

// mkres: writes the game's data files into the game folder: res00.dat (pictures and the default
// board), res01.dat (sounds) and Board1.brd.
#include "DefaultBoard.h"
#include "board/ArchiveWriter.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    std::filesystem::path gameDir = ".";
    if (argc == 3 && std::string(argv[1]) == "--out") {
        gameDir = argv[2];
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: mkres [--out GAME_FOLDER]\n");
        return 2;
    }

    ArchiveWriter res00; // pictures and the default board
    ArchiveWriter res01; // sounds
    std::string error;
    const bool written = AddDefaultBoard(res00, gameDir, error) &&
                         res00.WriteFile((gameDir / "res00.dat").string(), &error) &&
                         res01.WriteFile((gameDir / "res01.dat").string(), &error);
    if (!written) {
        std::fprintf(stderr, "mkres: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

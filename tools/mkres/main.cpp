// mkres: writes the game's data files into the game folder: res00.dat (pictures and the default
// board), res01.dat (sounds) and Board1.brd; with --contact-sheet it draws every picture on one
// review sheet, with --png it writes each picture as a PNG file, and with --icons the program's
// icons (tarnhollow-48.png, -128 and -256).
#include "BitmapFile.h"
#include "ContactSheet.h"
#include "DefaultBoard.h"
#include "Icon.h"
#include "Pictures.h"
#include "Resources.h"
#include "archive/ArchiveWriter.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    std::filesystem::path gameDir = ".";
    if (argc == 3 && std::string(argv[1]) == "--contact-sheet") {
        if (!Art::WriteContactSheet(Art::MakeAllPictures(), argv[2])) {
            std::fprintf(stderr, "mkres: cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--png") {
        for (const Art::Picture& p : Art::MakeAllPictures()) {
            const std::string path = (std::filesystem::path(argv[2]) / (p.Name + ".png")).string();
            if (!Art::WritePng(p, path)) {
                std::fprintf(stderr, "mkres: cannot write %s\n", path.c_str());
                return 1;
            }
        }
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--icons") {
        for (const int size : {48, 128, 256}) {
            const std::string path =
                (std::filesystem::path(argv[2]) / ("tarnhollow-" + std::to_string(size) + ".png")).string();
            if (!Art::WriteIcon(size, path)) {
                std::fprintf(stderr, "mkres: cannot write %s\n", path.c_str());
                return 1;
            }
        }
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--out") {
        gameDir = argv[2];
    } else if (argc != 1) {
        std::fprintf(
            stderr,
            "usage: mkres [--out GAME_FOLDER] | --contact-sheet FILE.png | --png FOLDER | --icons FOLDER\n");
        return 2;
    }

    ArchiveWriter res00; // pictures and the default board
    ArchiveWriter res01; // sounds
    std::string error;
    const bool written = Art::AddPictures(res00, Art::MakeAllPictures(), error) &&
                         AddDefaultBoard(res00, gameDir, error) && Art::AddSounds(res01, error) &&
                         res00.WriteFile((gameDir / "res00.dat").string(), &error) &&
                         res01.WriteFile((gameDir / "res01.dat").string(), &error);
    if (!written) {
        std::fprintf(stderr, "mkres: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

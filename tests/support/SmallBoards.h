// The boards of the games in tests: the two small boards of the rules' golden traces
// (tests/data/small-a.brd, small-b.brd: junctions, every public building, a prison zone, and a road
// without direction beside the prison zone), and the game folder's own board.
#pragma once

#include "board/BoardText.h"

#include <stdexcept>

inline Board SmallBoardFromText(const BoardText& text)
{
    std::string error;
    std::optional<Board> board = BoardFromText(text, &error);
    if (!board) {
        throw std::invalid_argument(error);
    }
    return *board;
}

// A loop with a shortcut down the middle (junction at the top) and a spur into a road without
// direction beside the prison zone (junction on the right); the prison's exit is on the bottom row.
inline Board SmallBoardA()
{
    return SmallBoardFromText(BoardText{
        .Map = {"............",
                ".>>>>+>>>>v.",
                ".^oGovoEoov.",
                ".^U..vP..ov.",
                ".^o.Hvo..Cv.",
                ".^o.ovo..ov.",
                ".^o.ovo.Jv+.",
                ".^ooovooZ#v.",
                ".^<<<<<<<<<.",
                "............"},
        .Streets = {"............",
                    ".4455667788.",
                    ".4...9....8.",
                    ".4...9....A.",
                    ".5...A....A.",
                    ".5...B....B.",
                    ".5...B...CB.",
                    ".6...C...CC.",
                    ".677899ABBC.",
                    "............"},
        .StreetNames = {},
        .StartX = 2,
        .StartY = 1,
        .Pieces = {},
    });
}

// Two loops side by side sharing a middle street, joined by junctions at both ends, and a
// junction on the bottom row that may send pawns up into a road without direction beside the
// prison zone.
inline Board SmallBoardB()
{
    return SmallBoardFromText(BoardText{
        .Map = {"..............",
                ".>>>>>+>>>>>v.",
                ".^ooGovooEoov.",
                ".^P..ovo...Uv.",
                ".^Jo.ovo...ov.",
                ".^Z#oCvo...Hv.",
                ".^o^oovooooov.",
                ".^<+<<+<<<<<<.",
                ".............."},
        .Streets = {"..............",
                    ".GGHHIJKKLLMM.",
                    ".F....J.....N.",
                    ".F....K.....N.",
                    ".E....K.....O.",
                    ".E.E..L.....O.",
                    ".D.D..L.....P.",
                    ".DDCCBBAA998P.",
                    ".............."},
        .StreetNames = {},
        .StartX = 3,
        .StartY = 1,
        .Pieces = {},
    });
}

// The game folder's Board1.brd (the default board of its res00.dat when the file cannot be read).
inline Board GameFolderBoard()
{
    Board board;
    const std::string dir = TARNHOLLOW_GAME_DIR;
    if (board.LoadFile(dir + "/Board1.brd", dir + "/res00.dat") == BoardSource::None) {
        throw std::runtime_error("no board in " + dir);
    }
    return board;
}

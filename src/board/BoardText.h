// BoardText: a board written as text a person can read and edit (one character a cell), turned
// into a Board. The default board is made this way, and tests draw their boards with it.
//
// Map legend:
//   .          plain ground
//   ^ > v <    road leading up (y - 1), right (x + 1), down (y + 1), left (x - 1)
//   +          junction (its exit is drawn each day among the roads leading away from it)
//   #          road without a walking direction
//   o          lot for sale
//   G E U P    "GOVERNOR" (treasury), "EMPLOYMENT OF.", "UNIVERSITY", "POLICE"
//   J Z        "PRISION" (the jail) and the prison zone, which belongs right below it
//   H C        "HOSPITAL", "COURTHOUSE"
//   1 .. 7     an owned lot of structure 0 .. 6 (owner player 1)
//
// Street grid: the same size as the map; on every road cell the street number as one character
// 0..9 then A..V (10..31); any character elsewhere (use '.'). Without a street grid every road
// is street 0.
#pragma once

#include "board/Board.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

struct BoardPiece
{
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::uint8_t Kind = 0; // a road picture 1..31 chosen by hand instead of the shaped one
};

struct BoardText
{
    std::vector<std::string> Map;
    std::vector<std::string> Streets;     // empty, or one row per map row
    std::vector<std::string> StreetNames; // up to 32 names; the others are "Street Name"
    std::int32_t StartX = 0;
    std::int32_t StartY = 0;
    std::vector<BoardPiece> Pieces; // road pictures set by hand
};

// The board, or nothing with error set to a readable reason (which row, which cell).
// Road pictures are shaped from the neighbours as the editor's road tool does; a junction's
// first exit is the first accepted one in the order up, right, down, left.
std::optional<Board> BoardFromText(const BoardText& text, std::string* error = nullptr);

// The street number of a street grid character, or -1.
std::int32_t StreetFromChar(char c);

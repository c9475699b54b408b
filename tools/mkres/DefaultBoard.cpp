// The default board, Tarnhollow itself, drawn as text (legend in board/BoardText.h): a west
// loop walked clockwise and an east loop walked the other way share the avenue down the middle,
// a cross street joins them, and three junctions send pawns one way or the other each day.
// Streets are numbered low on the outskirts and high in the centre, so land rises in value
// toward the square at the middle of the avenue.
#include "DefaultBoard.h"

#include "archive/ArchiveWriter.h"
#include "board/Board.h"

namespace {

// clang-format off
// y grows downward, x to the right; "up" (^) is y - 1. The outer ring of cells stays ground.
const std::vector<std::string> Map = {
  //           111111111122   x
  // 0123456789012345678901
    "......................", // 0
    "....oo..o.....oo.o....", // 1
    "..>>>>>>>>>v<<<<<<<<..", // 2
    "..^.......ovo.U....^..", // 3
    "..^.......ovo......^..", // 4
    ".o^........v.......^o.", // 5
    "..^.......ovo.....P^..", // 6
    "..^.......ov.......^..", // 7
    "..^.oo.oo..vG.oo.o.^..", // 8
    "..+>>>>>>>>+>>>>>>>^..", // 9
    "..^o.J.oo.ovo.oo.o.^..", // 10
    ".o^..Z....ovo......^o.", // 11
    "..^H......Ev.......^..", // 12
    "..^.......ovo......^..", // 13
    "..^........vo.C....^..", // 14
    "..^<<<<<<<<+>>>>>>>^..", // 15
    "....o..oo.....o.o.....", // 16
    "......................", // 17
};

// Street of every road cell: 0..9 then A..V for 10..31 (see StreetNames).
const std::vector<std::string> Streets = {
  //           111111111122   x
  // 0123456789012345678901
    "......................", // 0
    "......................", // 1
    "..000666EEEKKKAAA222..", // 2
    "..4........M.......5..", // 3
    "..4........M.......5..", // 4
    "..4........Q.......5..", // 5
    "..C........Q.......D..", // 6
    "..C........U.......D..", // 7
    "..C........U.......D..", // 8
    "..IGGGOOOSSVTTPPPHHJ..", // 9
    "..I........V.......J..", // 10
    "..I........R.......J..", // 11
    "..8........R.......9..", // 12
    "..8........N.......9..", // 13
    "..8........N.......9..", // 14
    "..111777FFFLLLBBB333..", // 15
    "......................", // 16
    "......................", // 17
};

// Street 0 first; at most 15 characters each.
const std::vector<std::string> StreetNames = {
    "Bramble Lane",   "Ferny Row",     "Gull Walk",      "Tanners Lane",    // 0-3: the four corners
    "Millpond Way",   "Heron Street",  "Thistle Road",   "Cooper Street",   // 4-7
    "Wicker Lane",    "Ropewalk",      "Lantern Row",    "Saddlers Way",    // 8-11
    "Orchard Street", "Kestrel Road",  "Chapel Hill",    "Weavers Street",  // 12-15
    "Quarry Road",    "Foundry Lane",  "Mercer Street",  "Harbour Road",    // 16-19
    "North Gate",     "South Gate",    "Vintner Street", "Guildhall Row",   // 20-23
    "Clocktower Way", "Silver Street", "Bankers Row",    "Exchange Street", // 24-27
    "Crown Street",   "Regent Avenue", "Hollow Avenue",  "Tarn Square",     // 28-31: the centre
};

constexpr std::int32_t StartX = 3;
constexpr std::int32_t StartY = 2;

// Road pictures chosen by hand: a roundabout on the square, zebra crossings by the university,
// the hospital and the employment office, trees along the quiet edges of town.
constexpr std::uint8_t Roundabout = 26;
constexpr std::uint8_t ZebraUpDown = 24, ZebraLeftRight = 25;
constexpr std::uint8_t TreesUpDown = 28, TreesLeftRight = 29;
const std::vector<BoardPiece> Pieces = {
    {11, 9, Roundabout},
    {14, 2, ZebraLeftRight}, {2, 12, ZebraUpDown}, {11, 12, ZebraUpDown},
    {2, 5, TreesUpDown}, {2, 6, TreesUpDown}, {19, 12, TreesUpDown}, {19, 13, TreesUpDown},
    {5, 15, TreesLeftRight}, {6, 15, TreesLeftRight}, {17, 2, TreesLeftRight}, {18, 2, TreesLeftRight},
};
// clang-format on

} // namespace

BoardText DefaultBoardText()
{
    BoardText text;
    text.Map = Map;
    text.Streets = Streets;
    text.StreetNames = StreetNames;
    text.StartX = StartX;
    text.StartY = StartY;
    text.Pieces = Pieces;
    return text;
}

bool AddDefaultBoard(ArchiveWriter& res00, const std::filesystem::path& gameDir, std::string& error)
{
    std::optional<Board> board = BoardFromText(DefaultBoardText(), &error);
    if (!board) {
        error = "default board: " + error;
        return false;
    }
    const std::vector<BoardProblem> problems = board->Check();
    if (!problems.empty()) {
        error = "the default board is not fit for play:";
        for (const BoardProblem& problem : problems) {
            error += "\n  " + problem.Text;
        }
        return false;
    }
    if (!res00.Add(Board::DefaultBoardItem, 0, board->FileImage(), &error)) {
        return false;
    }
    const std::filesystem::path file = gameDir / "Board1.brd";
    if (!board->SaveFile(file)) {
        error = "cannot write " + file.string();
        return false;
    }
    return true;
}

// BoardView: geometry, rendering of the cells into View, the stretch onto the back buffer,
// projections, scrolling, click tests and the dice animation.
#include "boardview/BoardView.h"

#include "board/Board.h"
#include "graphics/Font.h"
#include "graphics/Surface.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace {

// Frames of "table1".
constexpr std::int32_t CursorBackFrame = 6;
constexpr std::int32_t CursorFrontFrame = 7;
constexpr std::int32_t StartFrame = 0;      // the first pawn marks the start cell
constexpr std::int32_t ArrowFrameBase = 19; // + direction 1..4
constexpr std::int32_t EditorArrowLift = 12;

// Frame of "table0" for ground by the map's sides: bit 0 top row, 1 right column, 2 bottom row,
// 3 left column.
constexpr std::array<std::int32_t, 16> EdgeFrame{0, 5, 7, 4, 8, 0, 3, 0, 6, 1, 0, 0, 2, 0, 0, 0};

struct Offset
{
    std::int32_t X;
    std::int32_t Y;
};
// Where the k-th pawn of a cell stands, by the number of pawns on it.
constexpr std::array<std::array<Offset, 6>, 6> PawnOffsets{{
    {{{0, 0}}},
    {{{0, -8}, {0, 8}}},
    {{{-12, -4}, {12, -4}, {0, 10}}},
    {{{0, -10}, {-18, 0}, {18, 0}, {0, 10}}},
    {{{0, -14}, {-22, 0}, {0, 0}, {22, 0}, {0, 14}}},
    {{{0, -14}, {-20, -4}, {20, -4}, {0, 0}, {-12, 12}, {12, 12}}},
}};

// The die's path over View from its start at 0.6 of the screen, steps 1 to 14.
constexpr std::array<std::int32_t, BoardView::DieSteps> DieDx{0,    -43,  -79,  -99,  -116, -149, -175,
                                                              -187, -207, -226, -244, -254, -268, -268};
constexpr std::array<std::int32_t, BoardView::DieSteps> DieDy{0,  4,   24,  64,  42,  12,  10,
                                                              -2, -17, -28, -38, -43, -48, -48};

// Whether a "table1" frame is a building standing on a ground diamond of its own: the lots and
// public buildings, and what the players own (column 7 of those rows is unused).
bool CoversCell(std::int32_t frame)
{
    return (frame >= 9 && frame <= 18) || (frame >= 24 && frame % 8 != 7);
}

std::int32_t FloorDiv(std::int32_t a, std::int32_t b)
{
    std::int32_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

void DrawFrameOf(Surface& dest, const Surface* sheet, std::int32_t x, std::int32_t y, std::int32_t frame)
{
    if (sheet) {
        Surface::DrawFrame(dest, x, y, frame, *sheet);
    }
}

} // namespace

BoardView::BoardView(Board& board, BackBufferFunction backBuffer, ShowFunction show)
    : board(board), backBuffer(std::move(backBuffer)), show(std::move(show))
{
    board.OnRedraw = [this] { Redraw(); };
}

BoardView::~BoardView()
{
    board.OnRedraw = nullptr;
}

void BoardView::Create(const RelRect& area)
{
    Area = area;
    Surface* screen = backBuffer ? backBuffer() : nullptr;
    PixelArea = screen ? screen->ToPixels(area) : ScreenRect(area);
    if (TileWidth <= 0 || TileHeight <= 0) {
        return;
    }
    const float areaWidth = area.Right - area.Left;
    const float areaHeight = area.Bottom - area.Top;
    // No screen has more tiles than this; the limits only keep nonsense sizes from overflowing.
    constexpr std::int64_t MaxTiles = 1000;
    TilesAcross = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        (static_cast<std::int64_t>(ScreenSize.Width) + TileWidth - 1) / TileWidth, 1, MaxTiles));
    RowsShown = 0;
    if (ScreenSize.Width > 0 && ScreenSize.Height > 0 && areaWidth > 0 && areaHeight > 0) {
        RowsShown = std::min(static_cast<float>(ScreenSize.Height) * areaHeight /
                                 (static_cast<float>(ScreenSize.Width) * areaWidth) * 1.5f *
                                 static_cast<float>(TilesAcross),
                             static_cast<float>(MaxTiles));
    }
    // The first cell of the rendering centres on View's corner only when both counts have the
    // same parity.
    TilesDown = std::max(1, static_cast<std::int32_t>(std::ceil(RowsShown)));
    if (TilesDown % 2 != TilesAcross % 2) {
        ++TilesDown;
    }
    ViewWidth = TileWidth * TilesAcross;
    ViewHeight = TileHeight * TilesDown;
    View.reset();
    BuildCanvas();
    SourceRect = View->ToPixels({0, 0, 1, RowsShown / static_cast<float>(TilesDown)});
}

void BoardView::BuildCanvas()
{
    if (View || ViewWidth <= 0 || ViewHeight <= 0) {
        return;
    }
    Surface* screen = backBuffer ? backBuffer() : nullptr;
    View = Surface::CreateCanvas(screen, ViewWidth, ViewHeight);
    DicePatch = Surface::CreateCanvas(screen, DieSize, DieSize);
    dieShown = Rect{};
}

void BoardView::ReleaseCanvas()
{
    View.reset();
    DicePatch.reset();
    dieShown = Rect{};
}

void BoardView::Redraw()
{
    Render();
    Present();
}

void BoardView::Render()
{
    BuildCanvas();
    if (!View || View->IsEmpty() || TileWidth <= 0 || TileHeight <= 0) {
        return;
    }
    const std::int32_t w = View->Width;
    const std::int32_t h = View->Height;
    const std::int32_t across = w / TileWidth;
    const std::int32_t down = h / TileHeight;
    // The cell whose centre lies on View's top-left corner starts the first row.
    std::int32_t rowX = FloorDiv(2 * board.CenterX + 1 - down - across, 2);
    std::int32_t rowY = FloorDiv(2 * board.CenterY + 1 - down + across, 2);
    const std::int32_t halfWidth = TileWidth / 2;
    const std::int32_t halfHeight = TileHeight / 2;
    // Rows whose pictures (at most EditorArrowLift above the tile) all lie below the part of
    // View that is shown are left out.
    const std::int32_t lastRow = std::min(h, SourceRect.Bottom + halfHeight + EditorArrowLift);
    bool shifted = false;
    for (std::int32_t py = 0; py <= lastRow; py += halfHeight) {
        std::int32_t x = rowX;
        std::int32_t y = rowY;
        for (std::int32_t px = shifted ? halfWidth : 0; px <= w; px += TileWidth) {
            DrawTile(x, y, px - halfWidth, py - halfHeight);
            ++x;
            --y;
        }
        if (shifted) {
            ++rowY;
        } else {
            ++rowX;
        }
        shifted = !shifted;
    }
    DrawQueued();
}

void BoardView::Queue(const Surface* sheet, std::int32_t x, std::int32_t y, std::int32_t frame)
{
    if (sheet) {
        queued.push_back({sheet, frame, x, y});
    }
}

void BoardView::DrawQueued()
{
    Surface::DrawFrames(*View, queued);
    queued.clear();
}

void BoardView::DrawTile(std::int32_t x, std::int32_t y, std::int32_t left, std::int32_t top)
{
    if (!board.Inside(x, y)) {
        Queue(Sheets.Blank, left, top, 0);
        return;
    }
    const bool cursor = x == board.CursorX && y == board.CursorY;
    if (cursor) {
        Queue(Sheets.Table1, left, top - Lift, CursorBackFrame);
    }
    DrawCell(x, y, left, top);
    if (cursor) {
        Queue(Sheets.Table1, left, top - Lift, CursorFrontFrame);
    }
}

void BoardView::DrawCell(std::int32_t x, std::int32_t y, std::int32_t left, std::int32_t top)
{
    const Cell& cell = board.At(x, y);
    if (cell.Kind >= 32) {
        const std::int32_t frame = cell.Kind >= CellKind::LotForSale && cell.Kind <= CellKind::BareLot
                                       ? cell.Kind - 55
                                       : cell.Kind - 58 + 8 * cell.Owner;
        // Kinds no tool of ours makes can name frames that are no building (pawns, arrows) or
        // none at all; plain ground under them keeps the last rendering from showing through.
        if (!CoversCell(frame)) {
            Queue(Sheets.Table0, left, top, 0);
        }
        Queue(Sheets.Table1, left, top - Lift, frame);
    } else {
        std::int32_t frame = cell.Kind;
        if (cell.Kind == CellKind::Ground) {
            const std::int32_t sides = (y == 0 ? 1 : 0) | (x == board.Width() - 1 ? 2 : 0) |
                                       (y == board.Height() - 1 ? 4 : 0) | (x == 0 ? 8 : 0);
            frame = EdgeFrame[static_cast<std::size_t>(sides)];
        }
        Queue(Sheets.Table0, left, top, frame);
        if (cell.Direction >= 5) {
            Queue(Sheets.Table1, left, top - Lift, cell.Direction + 15);
        }
    }
    if (cell.Pawns != 0 && !board.EditMode) {
        DrawPawns(cell.Pawns, left, top);
    }
    if (board.EditMode && IsRoadPiece(cell.Kind)) {
        DrawEditorMarkers(x, y, left, top);
    }
}

void BoardView::DrawPawns(std::uint8_t pawns, std::int32_t left, std::int32_t top)
{
    std::int32_t count = 0;
    for (std::int32_t i = 0; i < Board::PlayerCount; ++i) {
        count += (pawns >> i) & 1;
    }
    if (count == 0) {
        return; // only bits of players that do not exist
    }
    const auto& offsets = PawnOffsets[static_cast<std::size_t>(count - 1)];
    std::size_t k = 0;
    for (std::int32_t i = 0; i < Board::PlayerCount; ++i) {
        if ((pawns >> i) & 1) {
            Queue(Sheets.Table1, left + offsets[k].X, top - Lift + offsets[k].Y, i);
            ++k;
        }
    }
}

void BoardView::DrawEditorMarkers(std::int32_t x, std::int32_t y, std::int32_t left, std::int32_t top)
{
    const Cell& cell = board.At(x, y);
    if (board.ShowDirections) {
        const std::int32_t m = cell.Direction >= 5 ? cell.Direction - 4 : cell.Direction;
        if (m > 0) {
            Queue(Sheets.Table1, left, top - EditorArrowLift, m + ArrowFrameBase);
        }
    }
    if (board.ShowStart && x == board.StartX && y == board.StartY) {
        Queue(Sheets.Table1, left, top - Lift, StartFrame);
    }
    if (board.ShowStreetNames && StreetNameFont) {
        const std::string text = std::to_string(cell.Street + 1) + "- " + board.GetStreetName(cell.Street);
        DrawQueued(); // the text goes over the pictures drawn so far
        Rect box{left, top, left + TileWidth, top + TileHeight};
        View->DrawTextInRect(box, text, TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine, 0,
                             StreetNameFont);
    }
}

void BoardView::Present()
{
    if (!View || View->IsEmpty()) {
        return;
    }
    Surface* screen = backBuffer ? backBuffer() : nullptr;
    if (!screen) {
        return;
    }
    Surface::StretchBlit(*screen, PixelArea, *View, true, SourceRect);
    dieShown = {};
    if (show) {
        show(PixelArea);
    }
}

void BoardView::PresentPart(const Rect& viewRect)
{
    Surface* screen = backBuffer ? backBuffer() : nullptr;
    if (!View || View->IsEmpty() || !screen || viewRect.Width() <= 0 || viewRect.Height() <= 0) {
        return;
    }
    // Two pixels more each way: the smoothing filter's reach and the rounding of the corners.
    const Point a = ViewToScreen(viewRect.Left, viewRect.Top);
    const Point b = ViewToScreen(viewRect.Right, viewRect.Bottom);
    const Rect saved = screen->ClipRect();
    const Rect part{std::max({a.X - 2, PixelArea.Left, saved.Left}),
                    std::max({a.Y - 2, PixelArea.Top, saved.Top}),
                    std::min({b.X + 2, PixelArea.Right, saved.Right}),
                    std::min({b.Y + 2, PixelArea.Bottom, saved.Bottom})};
    if (part.Width() <= 0 || part.Height() <= 0) {
        return;
    }
    // The whole stretch, clipped: every pixel of the part is computed as a whole Present would.
    screen->SetClip(&part);
    Surface::StretchBlit(*screen, PixelArea, *View, true, SourceRect);
    screen->SetClip(&saved);
    if (show) {
        show(part);
    }
}

Point BoardView::CellCentre(std::int32_t x, std::int32_t y) const
{
    const std::int32_t w = ViewWidth;
    const std::int32_t h = ViewHeight;
    const std::int32_t dx = x - board.CenterX;
    const std::int32_t dy = y - board.CenterY;
    return {w / 2 + TileWidth / 2 * (dx - dy), h / 2 + TileHeight / 2 * (dx + dy)};
}

Point BoardView::CellAtViewPixel(std::int32_t px, std::int32_t py) const
{
    const std::int32_t w = ViewWidth;
    const std::int32_t h = ViewHeight;
    const double e =
        (static_cast<double>(py) + TileHeight / 2 * (board.CenterX + board.CenterY + 1.0) - h / 2) /
        TileHeight;
    const double f =
        (TileWidth / 2 * static_cast<double>(board.CenterX - board.CenterY) + px - w / 2) / TileWidth;
    return {static_cast<std::int32_t>(std::floor(e + f)), static_cast<std::int32_t>(std::floor(e - f))};
}

Point BoardView::ScreenToView(std::int32_t sx, std::int32_t sy) const
{
    if (PixelArea.Width() <= 0 || PixelArea.Height() <= 0) {
        return {};
    }
    const float rx = static_cast<float>(SourceRect.Width()) / static_cast<float>(PixelArea.Width());
    const float ry = static_cast<float>(SourceRect.Height()) / static_cast<float>(PixelArea.Height());
    return {Round(static_cast<double>(sx - PixelArea.Left) * rx),
            Round(static_cast<double>(sy - PixelArea.Top) * ry)};
}

Point BoardView::ViewToScreen(std::int32_t px, std::int32_t py) const
{
    if (SourceRect.Width() <= 0 || SourceRect.Height() <= 0) {
        return {PixelArea.Left, PixelArea.Top};
    }
    const float rx = static_cast<float>(PixelArea.Width()) / static_cast<float>(SourceRect.Width());
    const float ry = static_cast<float>(PixelArea.Height()) / static_cast<float>(SourceRect.Height());
    return {Round(static_cast<double>(px) * rx) + PixelArea.Left,
            Round(static_cast<double>(py) * ry) + PixelArea.Top};
}

void BoardView::Scroll(std::int32_t direction)
{
    switch (direction) {
    case 0:
        --board.CenterX;
        ++board.CenterY;
        break;
    case 1:
        --board.CenterX;
        --board.CenterY;
        break;
    case 2:
        ++board.CenterX;
        --board.CenterY;
        break;
    case 3:
        ++board.CenterX;
        ++board.CenterY;
        break;
    default:
        return;
    }
    // The centre stays off the outer ring; a map too narrow to have an inside keeps its middle.
    const auto keepInside = [](std::int32_t& centre, std::int32_t side) {
        centre = side >= 3 ? std::clamp(centre, 1, side - 2) : side / 2;
    };
    keepInside(board.CenterX, board.Width());
    keepInside(board.CenterY, board.Height());
    Redraw();
}

bool BoardView::InnerCellAt(std::int32_t sx, std::int32_t sy, Point& cell) const
{
    const Point p = ScreenToView(sx, sy);
    cell = CellAtViewPixel(p.X, p.Y);
    return cell.X > 0 && cell.X < board.Width() - 1 && cell.Y > 0 && cell.Y < board.Height() - 1;
}

void BoardView::SelectAt(std::int32_t sx, std::int32_t sy)
{
    Point cell;
    if (!InnerCellAt(sx, sy, cell)) {
        return;
    }
    board.CursorX = cell.X;
    board.CursorY = cell.Y;
    Redraw();
}

std::uint8_t BoardView::KindAt(std::int32_t sx, std::int32_t sy)
{
    Point cell;
    if (!InnerCellAt(sx, sy, cell)) {
        return 0;
    }
    const std::uint8_t kind = board.At(cell.X, cell.Y).Kind;
    if (kind != 0) {
        board.HitX = cell.X;
        board.HitY = cell.Y;
    }
    return kind;
}

RelPoint BoardView::CursorPoint() const
{
    if (ScreenSize.Width <= 0 || ScreenSize.Height <= 0) {
        return {};
    }
    Point p{(PixelArea.Left + PixelArea.Right) / 2, (PixelArea.Top + PixelArea.Bottom) / 2};
    if (board.CursorX >= 0 && board.CursorY >= 0) {
        const Point centre = CellCentre(board.CursorX, board.CursorY);
        p = ViewToScreen(centre.X, centre.Y);
    }
    return {static_cast<float>(p.X) / static_cast<float>(ScreenSize.Width),
            static_cast<float>(p.Y) / static_cast<float>(ScreenSize.Height)};
}

void BoardView::DrawDie(std::int32_t face, std::int32_t step)
{
    if (!View || !DicePatch || step < 1 || step > DieSteps) {
        return;
    }
    const auto i = static_cast<std::size_t>(step - 1);
    const std::int32_t x = static_cast<std::int32_t>(0.6 * ScreenSize.Width) + DieDx[i];
    const std::int32_t y = static_cast<std::int32_t>(0.6 * ScreenSize.Height) + DieDy[i];
    const std::int32_t frame = step <= 7 ? step - 1 : 8 * face + step - 8;
    const Rect under{x, y, x + DieSize, y + DieSize};
    Rect changed = under;
    if (dieShown.Width() > 0) {
        changed = {std::min(under.Left, dieShown.Left), std::min(under.Top, dieShown.Top),
                   std::max(under.Right, dieShown.Right), std::max(under.Bottom, dieShown.Bottom)};
    }
    Surface::Blit(*DicePatch, 0, 0, under, *View);
    DrawFrameOf(*View, Sheets.Dice, x, y, frame);
    PresentPart(changed);
    dieShown = under;
    Surface::Blit(*View, x, y, {0, 0, DieSize, DieSize}, *DicePatch);
}

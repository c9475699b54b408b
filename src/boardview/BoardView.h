// BoardView: the board's isometric view: tiles drawn at their own size into View, one smooth
// stretch onto the back buffer, projections, scrolling, click tests and the rolling die.
#pragma once

#include "graphics/Geometry.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class Board;
class Font;

// The tile sheets the view draws from (Pictures::Blank, Table0, Table1 and Dice); loaded and owned
// by the screen that shows the board (null while that screen is not current: nothing is drawn from
// a missing sheet).
struct BoardSheets
{
    const Surface* Blank = nullptr;  // beyond the map
    const Surface* Table0 = nullptr; // ground and roads
    const Surface* Table1 = nullptr; // buildings, pawns, cursor, arrows
    const Surface* Dice = nullptr;   // the rolling die
};

class BoardView
{
public:
    // The main window's back buffer as it is now (it is rebuilt when the window is resized).
    using BackBufferFunction = std::function<Surface*()>;
    // Asks the current screen to show a rectangle of the back buffer.
    using ShowFunction = std::function<void(const Rect&)>;

    static constexpr std::int32_t DieSize = Pictures::Dice.FrameWidth;
    static constexpr std::int32_t DieSteps = 14;

    // The view of board, presented onto the back buffer. It becomes the board's redraw hook for
    // as long as it lives. Nothing is drawn before Create.
    BoardView(Board& board, BackBufferFunction backBuffer, ShowFunction show);
    ~BoardView();
    BoardView(const BoardView&) = delete;
    BoardView& operator=(const BoardView&) = delete;

    // Fixes the geometry for area (fractions of ScreenSize) at the current ScreenSize and back
    // buffer, and builds View and DicePatch.
    void Create(const RelRect& area);
    // Frees View and DicePatch while the board is not on screen (a full-screen canvas is a large
    // part of the program's memory); the geometry stays, and the next Render builds them again.
    void ReleaseCanvas();

    // Render, then Present.
    void Redraw();
    // Draws every cell that View shows.
    void Render();
    // Stretches SourceRect of View onto PixelArea of the back buffer and shows PixelArea.
    void Present();
    // The same for the part of the screen that shows viewRect (View pixels) only: the pixels a
    // whole Present gives there, for the cost of that part.
    void PresentPart(const Rect& viewRect);

    // View pixel of the centre of cell (x, y), and the cell under a View pixel.
    Point CellCentre(std::int32_t x, std::int32_t y) const;
    Point CellAtViewPixel(std::int32_t px, std::int32_t py) const;
    // Back-buffer (screen) pixels to View pixels and back.
    Point ScreenToView(std::int32_t sx, std::int32_t sy) const;
    Point ViewToScreen(std::int32_t px, std::int32_t py) const;

    // One cell in direction 0 (view left), 1 (up), 2 (right) or 3 (down); the centre stays off
    // the map's outer ring. Then Redraw.
    void Scroll(std::int32_t direction);
    // Editor: the cell under the screen pixel becomes the cursor when it lies inside the border.
    void SelectAt(std::int32_t sx, std::int32_t sy);
    // Game: the Kind of the cell under the screen pixel when it lies inside the border and is not
    // ground (HitX, HitY then name it); else 0.
    std::uint8_t KindAt(std::int32_t sx, std::int32_t sy);
    // Fractions of ScreenSize: the cursor cell's centre on screen, or the middle of the view.
    RelPoint CursorPoint() const;
    // One frame (step 1 to 14) of the die rolling to face (1 to 6) over the board: shown on the
    // back buffer while View keeps the clean board. Only the die's place and the one it left are
    // presented again.
    void DrawDie(std::int32_t face, std::int32_t step);

    // Where the pictures come from and the font of the editor's street names (the main window's).
    BoardSheets Sheets;
    const Font* StreetNameFont = nullptr;

    // Geometry, fixed by Create.
    std::unique_ptr<Surface> View;      // the tiles at their own size
    std::unique_ptr<Surface> DicePatch; // what the die covers on View
    RelRect Area;
    std::int32_t TileWidth = Pictures::Table0.FrameWidth;
    std::int32_t TileHeight = Pictures::Table0.FrameHeight;
    // Taller pictures ("table1") stand this much higher.
    std::int32_t Lift = Pictures::Table1.FrameHeight - Pictures::Table0.FrameHeight;
    std::int32_t TilesAcross = 0;
    std::int32_t TilesDown = 0;
    float RowsShown = 0;
    std::int32_t ViewWidth = 0; // View's size, also while it is released
    std::int32_t ViewHeight = 0;
    Rect PixelArea;  // Area in back-buffer pixels
    Rect SourceRect; // the part of View that fills PixelArea

private:
    void DrawTile(std::int32_t x, std::int32_t y, std::int32_t left, std::int32_t top);
    void DrawCell(std::int32_t x, std::int32_t y, std::int32_t left, std::int32_t top);
    void DrawPawns(std::uint8_t pawns, std::int32_t left, std::int32_t top);
    void DrawEditorMarkers(std::int32_t x, std::int32_t y, std::int32_t left, std::int32_t top);
    // Pictures are collected and drawn as one batch.
    void Queue(const Surface* sheet, std::int32_t x, std::int32_t y, std::int32_t frame);
    void DrawQueued();
    // The cell under a screen pixel when it lies inside the border.
    bool InnerCellAt(std::int32_t sx, std::int32_t sy, Point& cell) const;
    // Builds View and DicePatch when they are missing.
    void BuildCanvas();

    // Where the die was presented last (View pixels), empty after a whole Present.
    Rect dieShown{};
    Board& board;
    BackBufferFunction backBuffer;
    ShowFunction show;
    std::vector<FrameDraw> queued;
};

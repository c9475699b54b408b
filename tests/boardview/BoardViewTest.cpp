// Tests of the board view: geometry, projections, scrolling, click tests, what is drawn where
// (sampled pixels of View and of the back buffer) and the rolling die.
#include "boardview/BoardView.h"

#include "TileSheets.h"
#include "board/Board.h"
#include "graphics/Font.h"
#include "graphics/Surface.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

using testsheets::FrameColour;
using testsheets::TileSheets;

const RelRect GameArea = MakeRelRect(0, 0.16f, 1, 0.84f);
const RelRect EditorArea = MakeRelRect(0, 0.05f, 1, 0.95f);

// A board view on a back buffer of the screen's size, with test sheets; the screen size is put
// back when the test ends.
class BoardViewTest : public ::testing::Test
{
protected:
    void TearDown() override { ScreenSize = saved; }

    void Open(std::int32_t screenWidth, std::int32_t screenHeight, const RelRect& area = GameArea)
    {
        view.reset();
        ScreenSize = {screenWidth, screenHeight};
        backBuffer = Surface::CreateCanvas(nullptr, screenWidth, screenHeight);
        view = std::make_unique<BoardView>(
            board, [this] { return backBuffer.get(); }, [this](const Rect& r) { shown.push_back(r); });
        view->Sheets = sheets.Sheets();
        view->Create(area);
    }

    // The View pixel at an offset from a cell's centre.
    Colour ViewPixel(std::int32_t x, std::int32_t y, std::int32_t dx = 0, std::int32_t dy = 0) const
    {
        const Point c = view->CellCentre(x, y);
        return view->View->PixelAt(c.X + dx, c.Y + dy);
    }

    // The screen pixel at a cell's centre.
    Point ScreenCentre(std::int32_t x, std::int32_t y) const
    {
        const Point c = view->CellCentre(x, y);
        return view->ViewToScreen(c.X, c.Y);
    }

    ScreenSizeRecord saved = ScreenSize;
    TileSheets sheets;
    Board board;
    std::unique_ptr<Surface> backBuffer;
    std::unique_ptr<BoardView> view;
    std::vector<Rect> shown;
};

TEST_F(BoardViewTest, GeometryOfTheGameAreaOn1024x768)
{
    Open(1024, 768);
    EXPECT_EQ(view->TilesAcross, 8);
    EXPECT_NEAR(view->RowsShown, 7.56f, 1e-4f);
    EXPECT_EQ(view->TilesDown, 8);
    EXPECT_EQ(view->View->Width, 1152);
    EXPECT_EQ(view->View->Height, 768);
    EXPECT_EQ(view->SourceRect, (Rect{0, 0, 1152, 726}));
    EXPECT_EQ(view->PixelArea, (Rect{0, 123, 1024, 768}));
    EXPECT_EQ(view->DicePatch->Width, 48);
    EXPECT_EQ(view->DicePatch->Height, 48);
}

TEST_F(BoardViewTest, GeometryOnLargerScreensAndTheParityRule)
{
    struct Case
    {
        std::int32_t width, height;
        RelRect area;
        std::int32_t across;
        float rows;
        std::int32_t down;
        std::int32_t sourceHeight;
    };
    const Case cases[] = {
        {1920, 1080, GameArea, 14, 9.9225f, 10, 953},
        // 20 rows would have the other parity than 27 tiles across: one more.
        {3840, 2160, GameArea, 27, 19.1363f, 21, 1837},
        // The editor's taller area: 9 rows become 10 beside 8 tiles across.
        {1024, 768, EditorArea, 8, 8.55f, 10, 821},
    };
    for (const Case& c : cases) {
        Open(c.width, c.height, c.area);
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        EXPECT_EQ(view->TilesAcross, c.across);
        EXPECT_NEAR(view->RowsShown, c.rows, 1e-3f);
        EXPECT_EQ(view->TilesDown, c.down);
        EXPECT_EQ(view->View->Width, 144 * c.across);
        EXPECT_EQ(view->View->Height, 96 * c.down);
        EXPECT_EQ(view->SourceRect, (Rect{0, 0, 144 * c.across, c.sourceHeight}));
        EXPECT_EQ(view->PixelArea, backBuffer->ToPixels(c.area));
        // The part of View shown has the area's aspect, within a pixel of rounding.
        const double viewAspect = static_cast<double>(view->SourceRect.Width()) / view->SourceRect.Height();
        const double areaAspect = static_cast<double>(view->PixelArea.Width()) / view->PixelArea.Height();
        EXPECT_NEAR(viewAspect, areaAspect, 0.01);
    }
}

TEST_F(BoardViewTest, DegenerateAreasAndScreensDrawNothingAndBreakNothing)
{
    board.New(5, 5);
    board.CursorX = board.CursorY = 2;
    const RelRect areas[] = {
        MakeRelRect(0, 0.5f, 0, 0.5f), MakeRelRect(0, 0.5f, 1, 0), {1, 1, 0, 0}, MakeRelRect(0, 0, 1e-9f, 1)};
    for (const RelRect& area : areas) {
        Open(1024, 768, area);
        EXPECT_GE(view->TilesAcross, 1);
        EXPECT_GE(view->TilesDown, 1);
        EXPECT_LE(view->TilesDown, 1001);
        view->Redraw();
        view->SelectAt(500, 500);
        EXPECT_EQ(view->KindAt(500, 500), 0);
        view->DrawDie(3, 9);
        const RelPoint p = view->CursorPoint();
        EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y));
    }
    EXPECT_EQ(backBuffer->PixelAt(512, 700), 0u); // nothing was stretched over the screen
    Open(0, 0);
    view->Redraw();
    EXPECT_EQ(view->CursorPoint().X, 0.0f);
}

TEST_F(BoardViewTest, CellAtViewPixelInvertsCellCentre)
{
    board.New(13, 9);
    Open(1024, 768);
    const Point centres[] = {{6, 4}, {1, 1}, {11, 7}, {3, 6}};
    for (const Point& centre : centres) {
        board.CenterX = centre.X;
        board.CenterY = centre.Y;
        for (std::int32_t y = 0; y < board.Height(); ++y) {
            for (std::int32_t x = 0; x < board.Width(); ++x) {
                const Point c = view->CellCentre(x, y);
                EXPECT_EQ(view->CellAtViewPixel(c.X, c.Y), (Point{x, y})) << x << "," << y;
                // Points well inside the diamond around the centre belong to the same cell.
                const Point near[] = {{70, 0}, {-71, 0}, {0, 46}, {0, -47}, {34, 23}, {-35, -23}, {35, -22}};
                for (const Point& d : near) {
                    EXPECT_EQ(view->CellAtViewPixel(c.X + d.X, c.Y + d.Y), (Point{x, y}))
                        << x << "," << y << " + " << d.X << "," << d.Y;
                }
            }
        }
    }
    // The middle cell sits in the middle of View; x runs to the lower right, y to the lower left.
    board.CenterX = 6;
    board.CenterY = 4;
    EXPECT_EQ(view->CellCentre(6, 4), (Point{576, 384}));
    EXPECT_EQ(view->CellCentre(7, 4), (Point{648, 432}));
    EXPECT_EQ(view->CellCentre(6, 5), (Point{504, 432}));
}

TEST_F(BoardViewTest, ScreenAndViewPixelsRoundTripWithinAPixel)
{
    const struct
    {
        std::int32_t w, h;
    } screens[] = {{1024, 768}, {1920, 1080}, {3840, 2160}, {800, 600}};
    for (const auto& s : screens) {
        Open(s.w, s.h);
        const Rect area = view->PixelArea;
        for (std::int32_t sy = area.Top; sy < area.Bottom; sy += 37) {
            for (std::int32_t sx = area.Left; sx < area.Right; sx += 41) {
                const Point v = view->ScreenToView(sx, sy);
                const Point back = view->ViewToScreen(v.X, v.Y);
                EXPECT_LE(std::abs(back.X - sx), 1) << s.w << ": " << sx << "," << sy;
                EXPECT_LE(std::abs(back.Y - sy), 1) << s.w << ": " << sx << "," << sy;
            }
        }
        // The corners of the area are the corners of the part of View shown.
        EXPECT_EQ(view->ScreenToView(area.Left, area.Top), (Point{0, 0}));
        EXPECT_EQ(view->ScreenToView(area.Right, area.Bottom),
                  (Point{view->SourceRect.Right, view->SourceRect.Bottom}));
    }
}

TEST_F(BoardViewTest, ScrollingMovesTheCentreAndKeepsItOffTheOuterRing)
{
    board.New(10, 8);
    Open(1024, 768);
    board.CenterX = 4;
    board.CenterY = 4;
    view->Scroll(0);
    EXPECT_EQ(board.CenterX, 3);
    EXPECT_EQ(board.CenterY, 5);
    view->Scroll(1);
    EXPECT_EQ(board.CenterX, 2);
    EXPECT_EQ(board.CenterY, 4);
    view->Scroll(2);
    EXPECT_EQ(board.CenterX, 3);
    EXPECT_EQ(board.CenterY, 3);
    view->Scroll(3);
    EXPECT_EQ(board.CenterX, 4);
    EXPECT_EQ(board.CenterY, 4);
    EXPECT_EQ(shown.size(), 4u); // every scroll redraws
    for (int i = 0; i < 20; ++i) {
        view->Scroll(3);
    }
    EXPECT_EQ(board.CenterX, 8);
    EXPECT_EQ(board.CenterY, 6);
    for (int i = 0; i < 20; ++i) {
        view->Scroll(1);
    }
    EXPECT_EQ(board.CenterX, 1);
    EXPECT_EQ(board.CenterY, 1);
    shown.clear();
    view->Scroll(7); // not a direction
    EXPECT_EQ(board.CenterX, 1);
    EXPECT_TRUE(shown.empty());
}

TEST_F(BoardViewTest, ScrollingA3x3MapKeepsTheCentreInTheMiddle)
{
    board.New(3, 3);
    Open(1024, 768);
    for (std::int32_t direction = 0; direction < 4; ++direction) {
        view->Scroll(direction);
        EXPECT_EQ(board.CenterX, 1);
        EXPECT_EQ(board.CenterY, 1);
    }
    // Maps without an inside keep their middle instead of leaving the map.
    for (const auto& [w, h] : {std::pair{1, 1}, std::pair{2, 2}, std::pair{2, 9}}) {
        board.New(w, h);
        for (std::int32_t direction = 0; direction < 4; ++direction) {
            view->Scroll(direction);
            EXPECT_TRUE(board.Inside(board.CenterX, board.CenterY)) << w << " x " << h;
        }
    }
}

TEST_F(BoardViewTest, ClicksSelectInnerCellsOnlyAndKindAtReportsThem)
{
    board.New(6, 5);
    Open(1024, 768);
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            board.At(x, y).Kind = CellKind::LotForSale; // not ground, so KindAt would report it
        }
    }
    board.At(2, 2).Kind = CellKind::Ground;
    board.At(3, 2).Kind = CellKind::Hospital;
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            const bool inner = x > 0 && y > 0 && x < board.Width() - 1 && y < board.Height() - 1;
            const Point s = ScreenCentre(x, y);
            board.CursorX = -1;
            board.HitX = board.HitY = -5;
            shown.clear();
            view->SelectAt(s.X, s.Y);
            if (inner) {
                EXPECT_EQ(board.CursorX, x);
                EXPECT_EQ(board.CursorY, y);
                EXPECT_EQ(shown.size(), 1u);
            } else {
                EXPECT_EQ(board.CursorX, -1) << x << "," << y;
                EXPECT_TRUE(shown.empty());
            }
            const std::uint8_t kind = view->KindAt(s.X, s.Y);
            if (inner && board.At(x, y).Kind != 0) {
                EXPECT_EQ(kind, board.At(x, y).Kind);
                EXPECT_EQ((Point{board.HitX, board.HitY}), (Point{x, y}));
            } else {
                EXPECT_EQ(kind, 0) << x << "," << y;
                EXPECT_EQ((Point{board.HitX, board.HitY}), (Point{-5, -5}));
            }
        }
    }
    // Far outside the map.
    board.CursorX = 2;
    view->SelectAt(0, view->PixelArea.Top);
    EXPECT_EQ(board.CursorX, 2);
}

TEST_F(BoardViewTest, CursorPointIsTheCursorCellOrTheMiddleOfTheView)
{
    board.New(12, 12);
    Open(1024, 768);
    board.CursorX = -1;
    RelPoint p = view->CursorPoint();
    EXPECT_NEAR(p.X, 0.5f, 1e-6f);
    EXPECT_NEAR(p.Y, (123 + 768) / 2 / 768.0f, 1e-6f);
    board.CursorX = 7;
    board.CursorY = 5;
    const Point s = ScreenCentre(7, 5);
    p = view->CursorPoint();
    EXPECT_NEAR(p.X, s.X / 1024.0f, 1e-6f);
    EXPECT_NEAR(p.Y, s.Y / 768.0f, 1e-6f);
    // The cursor cell lies right of and below the centre cell (6, 6).
    EXPECT_GT(p.X, 0.5f);
    board.CursorY = -1;
    EXPECT_NEAR(view->CursorPoint().X, 0.5f, 1e-6f);
}

TEST_F(BoardViewTest, ASmallBoardShowsBlankBeyondItAndEdgesByTheRule)
{
    board.New(3, 3);
    Open(1024, 768);
    view->Redraw();
    const Colour blank = FrameColour(testsheets::Blank, 0);
    // Cells around the map, near and far.
    const Point outside[] = {{-1, 1}, {3, 1}, {1, -1}, {1, 3}, {-2, -2}, {4, 4}, {-3, 5}};
    for (const Point& cell : outside) {
        EXPECT_EQ(ViewPixel(cell.X, cell.Y), blank) << cell.X << "," << cell.Y;
    }
    // The nine cells of the map: the middle is plain ground, the ring has the edge pictures.
    const std::int32_t frames[3][3] = {{1, 5, 4}, {6, 0, 7}, {2, 8, 3}};
    for (std::int32_t y = 0; y < 3; ++y) {
        for (std::int32_t x = 0; x < 3; ++x) {
            EXPECT_EQ(ViewPixel(x, y), FrameColour(testsheets::Table0, frames[y][x])) << x << "," << y;
        }
    }
    // The corners of View lie beyond the map too, and are covered.
    EXPECT_EQ(view->View->PixelAt(0, 0), blank);
    EXPECT_EQ(view->View->PixelAt(view->View->Width - 1, view->SourceRect.Bottom - 1), blank);
    // On the back buffer: the stretch put the same pictures inside the board's area.
    const Point middle = ScreenCentre(1, 1);
    EXPECT_EQ(backBuffer->PixelAt(middle.X, middle.Y), FrameColour(testsheets::Table0, 0));
    const Point beyond = ScreenCentre(-2, -2);
    EXPECT_EQ(backBuffer->PixelAt(beyond.X, beyond.Y), blank);
    EXPECT_EQ(backBuffer->PixelAt(10, view->PixelArea.Top - 1), 0u); // above the area: untouched
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], view->PixelArea);
}

TEST_F(BoardViewTest, EveryPixelOfViewThatIsShownIsDrawnWhateverTheCentre)
{
    // Odd and even tile counts, maps larger and smaller than the view.
    const struct
    {
        std::int32_t w, h;
        RelRect area;
        std::int32_t boardW, boardH;
    } cases[] = {{1024, 768, GameArea, 30, 20}, {3840, 2160, GameArea, 6, 40}, {1024, 768, EditorArea, 9, 9}};
    const Colour stale = 0x00FF00FF;
    for (const auto& c : cases) {
        board.New(c.boardW, c.boardH);
        Open(c.w, c.h, c.area);
        const Point centres[] = {{1, 1}, {c.boardW / 2, c.boardH / 2}, {c.boardW - 2, 1}};
        for (const Point& centre : centres) {
            board.CenterX = centre.X;
            board.CenterY = centre.Y;
            view->View->Clear(stale);
            view->Render();
            std::int32_t left = 0;
            for (std::int32_t y = 0; y < view->SourceRect.Bottom; y += 3) {
                for (std::int32_t x = 0; x < view->View->Width; x += 5) {
                    left += view->View->PixelAt(x, y) == stale ? 1 : 0;
                }
            }
            EXPECT_EQ(left, 0) << c.w << " x " << c.h << ", centre " << centre.X << "," << centre.Y;
        }
    }
}

TEST_F(BoardViewTest, PicturesOfRoadsBuildingsLotsAndJunctions)
{
    board.New(8, 8);
    Open(1024, 768);
    board.CenterX = 4;
    board.CenterY = 4;
    board.At(3, 3) = {12, 0, 1, 0, 0};                     // a road piece
    board.At(4, 3) = {15, 0, 6, 0, 0};                     // a junction leaving right
    board.At(5, 3) = {CellKind::Hospital, 0, 0, 0, 0};     // public building
    board.At(3, 4) = {CellKind::LotForSale, 0, 0, 0, 0};   // vacant lot
    board.At(4, 4) = {CellKind::OwnedLot + 3, 2, 0, 0, 0}; // player 1's skyscraper
    board.At(5, 4) = {CellKind::BareLot, 0, 0, 0, 0};      // park
    board.At(3, 5) = {50, 3, 0, 0, 0};                     // kind 32..63 with an owner
    board.At(4, 5) = {40, 3, 0, 0, 0};                     // ... whose frame is no building
    view->Render();
    using testsheets::Table0;
    using testsheets::Table1;
    EXPECT_EQ(ViewPixel(3, 3), FrameColour(Table0, 12));
    // A junction shows the arrow of its current exit over the road.
    EXPECT_EQ(ViewPixel(4, 3), FrameColour(Table1, 21));
    EXPECT_EQ(ViewPixel(4, 3, 0, 20), FrameColour(Table0, 15));
    EXPECT_EQ(ViewPixel(5, 3), FrameColour(Table1, 15));
    EXPECT_EQ(ViewPixel(3, 4), FrameColour(Table1, 9));
    EXPECT_EQ(ViewPixel(4, 4), FrameColour(Table1, 16 + 3 + 8 * 2));
    EXPECT_EQ(ViewPixel(5, 4), FrameColour(Table1, 18));
    EXPECT_EQ(ViewPixel(3, 5), FrameColour(Table1, 50 - 58 + 24));
    // A picture that does not cover the cell (here the cursor's back half) stands on ground.
    EXPECT_EQ(ViewPixel(4, 5), FrameColour(Table0, 0));
    EXPECT_EQ(ViewPixel(4, 5, 8, -48 - 9 + 4), FrameColour(Table1, 6));
    // Pictures of "table1" stand 9 pixels higher: their roof reaches above the diamond's top.
    EXPECT_EQ(ViewPixel(4, 4, 0, -48 - 5), testsheets::RoofColour(35));
    EXPECT_EQ(ViewPixel(3, 3, 0, -48 - 5), FrameColour(Table0, 0)); // a road has no roof
}

TEST_F(BoardViewTest, KindsWithoutAPictureShowGroundInsteadOfAnEarlierRendering)
{
    board.New(5, 5);
    Open(1024, 768);
    board.At(2, 2).Kind = CellKind::Hospital;
    view->Render();
    ASSERT_EQ(ViewPixel(2, 2), FrameColour(testsheets::Table1, 15));
    const Cell odd[] = {{33, 0, 0, 0, 0}, {60, 0, 0, 0, 0}, {CellKind::OwnedLot + 5, 0, 0, 0, 0}};
    for (const Cell& cell : odd) {
        board.At(2, 2) = cell; // frames -25, a pawn, the arrow "right"
        view->Render();
        EXPECT_EQ(ViewPixel(2, 2, 0, 30), FrameColour(testsheets::Table0, 0)) << int{cell.Kind};
    }
}

TEST_F(BoardViewTest, TheCursorFramesItsCellInTwoHalves)
{
    board.New(6, 6);
    Open(1024, 768);
    board.At(3, 3).Kind = CellKind::Police;
    board.CursorX = 3;
    board.CursorY = 3;
    view->Render();
    using testsheets::Table1;
    // The back half is drawn before the cell (the roof covers its middle), the front half after.
    const std::int32_t backRow = -48 - 9 + 4;
    const std::int32_t frontRow = 94 - 9 - 48 + 2;
    EXPECT_EQ(ViewPixel(3, 3, 0, backRow), testsheets::RoofColour(13));
    EXPECT_EQ(ViewPixel(3, 3, 8, backRow), FrameColour(Table1, 6));
    EXPECT_EQ(ViewPixel(3, 3, 0, frontRow), FrameColour(Table1, 7));
    // Moved to a ground cell: the cursor leaves the building.
    board.CursorX = 2;
    view->Render();
    EXPECT_EQ(ViewPixel(2, 3, 0, backRow), FrameColour(Table1, 6));
    EXPECT_EQ(ViewPixel(2, 3, 0, frontRow), FrameColour(Table1, 7));
    EXPECT_EQ(ViewPixel(3, 3, 8, backRow), FrameColour(testsheets::Table0, 0));
    EXPECT_EQ(ViewPixel(3, 3, 0, frontRow), FrameColour(Table1, 13));
}

TEST_F(BoardViewTest, PawnsStandAtTheirOffsetsForOneToSixPawns)
{
    board.New(7, 7);
    Open(1024, 768);
    using testsheets::Table1;
    const std::vector<std::vector<Point>> offsets = {
        {{0, 0}},
        {{0, -8}, {0, 8}},
        {{-12, -4}, {12, -4}, {0, 10}},
        {{0, -10}, {-18, 0}, {18, 0}, {0, 10}},
        {{0, -14}, {-22, 0}, {0, 0}, {22, 0}, {0, 14}},
        {{0, -14}, {-20, -4}, {20, -4}, {0, 0}, {-12, 12}, {12, 12}},
    };
    // Players present for each count: the k-th pawn present takes the k-th offset.
    const std::vector<std::vector<std::int32_t>> players = {
        {4}, {1, 5}, {0, 2, 3}, {0, 1, 3, 5}, {1, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5},
    };
    for (std::size_t n = 0; n < offsets.size(); ++n) {
        std::uint8_t bits = 0;
        for (std::int32_t p : players[n]) {
            bits |= static_cast<std::uint8_t>(1u << p);
        }
        board.At(3, 3).Pawns = bits;
        view->Render();
        for (std::size_t k = 0; k < players[n].size(); ++k) {
            EXPECT_EQ(ViewPixel(3, 3, offsets[n][k].X, offsets[n][k].Y), FrameColour(Table1, players[n][k]))
                << n + 1 << " pawns, pawn " << k;
        }
    }
    // The editor hides the pawns.
    board.EditMode = true;
    view->Render();
    EXPECT_EQ(ViewPixel(3, 3, 0, 0), FrameColour(testsheets::Table0, 0));
}

TEST_F(BoardViewTest, EditorMarkersOnRoads)
{
    board.New(7, 7);
    Open(1024, 768);
    board.EditMode = true;
    board.At(2, 3) = {10, 0, 2, 4, 0}; // road right
    board.At(3, 3) = {19, 0, 7, 4, 0}; // junction leaving down
    board.At(4, 3) = {CellKind::LotForSale, 0, 0, 0, 0};
    board.StartX = 2;
    board.StartY = 3;
    using testsheets::Table0;
    using testsheets::Table1;
    view->Render();
    EXPECT_EQ(ViewPixel(2, 3), FrameColour(Table0, 10)); // nothing shown by default
    EXPECT_EQ(ViewPixel(3, 3), FrameColour(Table1, 22)); // but the junction's exit is
    board.ShowDirections = true;
    view->Render();
    // Direction arrows stand 12 pixels higher than the cell.
    EXPECT_EQ(ViewPixel(2, 3, 0, -3), FrameColour(Table1, 21));
    EXPECT_EQ(ViewPixel(2, 3, 0, 3), FrameColour(Table0, 10));
    EXPECT_EQ(ViewPixel(3, 3, 0, -3), FrameColour(Table1, 22));
    board.ShowDirections = false;
    board.ShowStart = true;
    view->Render();
    EXPECT_EQ(ViewPixel(2, 3), FrameColour(Table1, 0));
    // The start mark is only drawn on a road.
    board.StartX = 4;
    view->Render();
    EXPECT_EQ(ViewPixel(4, 3), FrameColour(Table1, 9));

    // Street names: text on road cells only.
    board.ShowStart = false;
    board.ShowStreetNames = true;
    board.SetStreetName(4, "Heron Street");
    const Font font("Arial", 700, 16, 0);
    view->StreetNameFont = &font;
    view->Render();
    const auto darkPixels = [&](std::int32_t x, std::int32_t y) {
        const Point c = view->CellCentre(x, y);
        int dark = 0;
        for (std::int32_t py = c.Y - 10; py <= c.Y + 10; ++py) {
            for (std::int32_t px = c.X - 60; px <= c.X + 60; ++px) {
                const Colour p = view->View->PixelAt(px, py);
                dark += (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF) < 150 ? 1 : 0;
            }
        }
        return dark;
    };
    EXPECT_GT(darkPixels(2, 3), 50);
    EXPECT_EQ(darkPixels(4, 3), 0);
    board.ShowStreetNames = false;
    view->Render();
    EXPECT_EQ(darkPixels(2, 3), 0);
}

TEST_F(BoardViewTest, TheDieRollsOnTheBackBufferWhileViewStaysClean)
{
    board.New(9, 9);
    Open(1024, 768);
    view->Redraw();
    const std::size_t bytes = static_cast<std::size_t>(view->View->Width) * view->View->Height;
    std::vector<Colour> before;
    before.reserve(bytes);
    for (std::int32_t y = 0; y < view->View->Height; ++y) {
        for (std::int32_t x = 0; x < view->View->Width; ++x) {
            before.push_back(view->View->PixelAt(x, y));
        }
    }
    const std::int32_t dx[] = {0, -43, -79, -99, -116, -149, -175, -187, -207, -226, -244, -254, -268, -268};
    const std::int32_t dy[] = {0, 4, 24, 64, 42, 12, 10, -2, -17, -28, -38, -43, -48, -48};
    // What the back buffer shows with the die of a step: View with the die, presented whole.
    auto expected = Surface::CreateCanvas(nullptr, 1024, 768);
    const auto wholePresent = [&](std::int32_t step) {
        auto copy = Surface::CreateCanvas(nullptr, view->View->Width, view->View->Height);
        Surface::Blit(*copy, 0, 0, {0, 0, copy->Width, copy->Height}, *view->View);
        const std::int32_t frame = step <= 7 ? step - 1 : 32 + step - 8;
        Surface::DrawFrame(*copy, 614 + dx[step - 1], 460 + dy[step - 1], frame, *sheets.Sheets().Dice);
        Surface::StretchBlit(*expected, view->PixelArea, *copy, true, view->SourceRect);
    };
    for (std::int32_t step = 1; step <= 14; ++step) {
        shown.clear();
        view->DrawDie(4, step);
        ASSERT_EQ(shown.size(), 1u);
        // Only the die's place and the one it left are presented again.
        const Point s = view->ViewToScreen(614 + dx[step - 1] + 24, 460 + dy[step - 1] + 24);
        EXPECT_TRUE(shown[0].Left < s.X && s.X < shown[0].Right && shown[0].Top < s.Y &&
                    s.Y < shown[0].Bottom);
        EXPECT_LT(shown[0].Width() * shown[0].Height(),
                  view->PixelArea.Width() * view->PixelArea.Height() / 10);
        // The die's middle on the back buffer shows this step's frame.
        const std::int32_t frame = step <= 7 ? step - 1 : 32 + step - 8;
        EXPECT_EQ(backBuffer->PixelAt(s.X, s.Y), FrameColour(testsheets::Dice, frame)) << "step " << step;
        // And every pixel of the board is what a whole present would show: no trace of the
        // die's earlier places.
        wholePresent(step);
        std::size_t differ = 0;
        for (std::int32_t y = view->PixelArea.Top; y < view->PixelArea.Bottom; ++y)
            for (std::int32_t x = 0; x < 1024; ++x)
                differ += backBuffer->PixelAt(x, y) != expected->PixelAt(x, y) ? 1 : 0;
        EXPECT_EQ(differ, 0u) << "step " << step;
    }
    std::size_t i = 0;
    std::size_t changed = 0;
    for (std::int32_t y = 0; y < view->View->Height; ++y) {
        for (std::int32_t x = 0; x < view->View->Width; ++x) {
            changed += view->View->PixelAt(x, y) != before[i++] ? 1 : 0;
        }
    }
    EXPECT_EQ(changed, 0u);
    // Steps outside the animation draw nothing.
    shown.clear();
    view->DrawDie(4, 0);
    view->DrawDie(4, 15);
    EXPECT_TRUE(shown.empty());
}

TEST_F(BoardViewTest, PresentsOntoTheBackBufferAsItIsNow)
{
    board.New(9, 9);
    Open(1024, 768);
    view->Redraw();
    const Point middle = ScreenCentre(4, 4);
    ASSERT_EQ(backBuffer->PixelAt(middle.X, middle.Y), FrameColour(testsheets::Table0, 0));
    // The main window rebuilds its back buffer when it is resized; the view follows.
    backBuffer = Surface::CreateCanvas(nullptr, 1024, 768);
    view->Redraw();
    EXPECT_EQ(backBuffer->PixelAt(middle.X, middle.Y), FrameColour(testsheets::Table0, 0));
    // Without a back buffer nothing is presented or shown.
    backBuffer.reset();
    shown.clear();
    view->Redraw();
    view->DrawDie(2, 3);
    EXPECT_TRUE(shown.empty());
}

TEST_F(BoardViewTest, TheViewIsTheBoardsRedrawHook)
{
    board.New(6, 6);
    Open(1024, 768);
    board.At(2, 2) = {10, 0, 2, 0, 0};
    board.CursorX = 2;
    board.CursorY = 2;
    view->Render();
    ASSERT_EQ(ViewPixel(2, 2), FrameColour(testsheets::Table0, 10));
    board.Edit(EditTool::Erase);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(ViewPixel(2, 2), FrameColour(testsheets::Table0, 0));
    std::int32_t x = 2, y = 2;
    board.At(2, 2).Direction = 2;
    board.MovePawn(0, x, y, 2, 2);
    board.StepPawn(0, x, y);
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(ViewPixel(3, 2), FrameColour(testsheets::Table1, 0)); // the pawn on its new cell
    view.reset();
    EXPECT_FALSE(board.OnRedraw); // a view that is gone no longer draws
}

} // namespace

// The taller board sheet ("table1"): pawns, cursor halves, public buildings, direction arrows and
// every structure a player can own, in the player's colour.
#include "Pictures.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace Art {

namespace {

using namespace Palette;

constexpr double Top = 9; // the cell's diamond fills rows 9 to 104

void Lot(cairo_t* cr, Ground g)
{
    PaintGround(cairo_get_target(cr), g, static_cast<int>(Top));
    ClipToDiamond(cairo_get_target(cr), static_cast<int>(Top));
}

void Path(const Iso& iso, double x0, double y0, double x1, double y1, const Rgb& c = Pavement)
{
    iso.GroundRect(x0, y0, x1, y1);
    SetColour(iso.Cr, c);
    cairo_fill(iso.Cr);
}

void Bench(const Iso& iso, double gx, double gy)
{
    iso.Box(gx, gy, gx + 0.12, gy + 0.03, 0, 3, WalnutLight, Lighter(WalnutLight, 0.2));
}

void Car(const Iso& iso, double gx, double gy, const Rgb& body, bool alongX)
{
    const double l = 0.16;
    const double w = 0.08;
    const double x1 = alongX ? gx + l : gx + w;
    const double y1 = alongX ? gy + w : gy + l;
    iso.ShadowRect(gx, gy, x1, y1, 0.03);
    iso.Box(gx, gy, x1, y1, 1, 4, body, Lighter(body, 0.2));
    if (alongX) {
        iso.Box(gx + 0.04, gy + 0.01, x1 - 0.04, y1 - 0.01, 5, 3, Glass, Lighter(body, 0.3));
    } else {
        iso.Box(gx + 0.01, gy + 0.04, x1 - 0.01, y1 - 0.04, 5, 3, Glass, Lighter(body, 0.3));
    }
}

// A flag on a pole standing at (gx, gy): cloth in the player's colour with the slot digit.
void Flag(cairo_t* cr, const Iso& iso, double gx, double gy, double h, int player)
{
    const double x = iso.Sx(gx, gy);
    const double y = iso.Sy(gx, gy);
    cairo_move_to(cr, x + 0.5, y);
    cairo_line_to(cr, x + 0.5, y - h);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_move_to(cr, x + 0.5, y);
    cairo_line_to(cr, x + 0.5, y - h);
    SetColour(cr, Lighter(Concrete, 0.4));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    const double fy = y - h + 1;
    cairo_move_to(cr, x + 1.5, fy);
    cairo_curve_to(cr, x + 8, fy - 2, x + 14, fy + 3, x + 21, fy + 1);
    cairo_line_to(cr, x + 21, fy + 13);
    cairo_curve_to(cr, x + 14, fy + 15, x + 8, fy + 10, x + 1.5, fy + 12);
    cairo_close_path(cr);
    FillStroke(cr, Player[player]);
    TextStyle s;
    s.Size = 10;
    s.Colour = PlayerInk[player];
    DrawText(cr, std::to_string(player + 1), s, x + 11.5, fy + 6.5);
}

// Every owned picture shows the slot mark at the front corner of its cell.
void OwnerMark(cairo_t* cr, int player)
{
    SlotBadge(cr, player, 72, 94, 6.5);
}

// Low picket fence around the whole cell, back sides first.
void Fence(const Iso& iso, const Rgb& c, bool back)
{
    const double a = 0.04;
    const double b = 0.96;
    const double h = 5;
    auto rail = [&](double x0, double y0, double x1, double y1) {
        iso.MoveTo(x0, y0, h);
        iso.LineTo(x1, y1, h);
        iso.MoveTo(x0, y0, h * 0.45);
        iso.LineTo(x1, y1, h * 0.45);
        SetColour(iso.Cr, Darker(c, 0.25));
        cairo_set_line_width(iso.Cr, 1.0);
        cairo_stroke(iso.Cr);
        for (int k = 0; k <= 8; ++k) {
            const double t = k / 8.0;
            const double gx = x0 + (x1 - x0) * t;
            const double gy = y0 + (y1 - y0) * t;
            iso.MoveTo(gx, gy, 0);
            iso.LineTo(gx, gy, h + 1);
        }
        SetColour(iso.Cr, c);
        cairo_set_line_width(iso.Cr, 1.4);
        cairo_stroke(iso.Cr);
    };
    if (back) {
        rail(a, a, b, a);
        rail(a, a, a, b);
    } else {
        rail(a, b, b, b);
        rail(b, a, b, b);
    }
}

// ---- markers ----

void Pawn(cairo_t* cr, int p)
{
    const Rgb c = Player[p];
    cairo_save(cr);
    cairo_translate(cr, 76, 57);
    cairo_scale(cr, 11, 3.6);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColour(cr, Shadow, 0.7);
    cairo_fill(cr);
    // Body: a bell from the base up to the neck.
    cairo_move_to(cr, 61.5, 55);
    cairo_curve_to(cr, 62, 47, 66, 43, 67.5, 37);
    cairo_line_to(cr, 76.5, 37);
    cairo_curve_to(cr, 78, 43, 82, 47, 82.5, 55);
    cairo_curve_to(cr, 78, 59, 66, 59, 61.5, 55);
    cairo_close_path(cr);
    LinearFill(cr, 61, 40, 83, 52, Lighter(c, 0.35), Darker(c, 0.25));
    cairo_fill_preserve(cr);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    // Head.
    cairo_arc(cr, 72, 31, 6.6, 0, 2 * M_PI);
    LinearFill(cr, 66, 26, 78, 36, Lighter(c, 0.4), Darker(c, 0.2));
    cairo_fill_preserve(cr);
    SetColour(cr, Outline);
    cairo_stroke(cr);
    cairo_arc(cr, 70, 28.8, 2.2, 0, 2 * M_PI);
    SetColour(cr, Lighter(c, 0.7));
    cairo_fill(cr);
    TextStyle s;
    s.Size = 11;
    s.Colour = PlayerInk[p];
    DrawText(cr, std::to_string(p + 1), s, 72, 48.5);
}

void Cursor(cairo_t* cr, bool front)
{
    auto path = [&] {
        cairo_move_to(cr, 3, 57);
        cairo_line_to(cr, 72, front ? 103 : 11);
        cairo_line_to(cr, 141, 57);
    };
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    path();
    SetColour(cr, FromBytes(226, 120, 20));
    cairo_set_line_width(cr, 5.5);
    cairo_stroke(cr);
    path();
    SetColour(cr, FromBytes(255, 200, 60));
    cairo_set_line_width(cr, 3.2);
    cairo_stroke(cr);
    path();
    SetColour(cr, FromBytes(255, 250, 210));
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
}

void Arrow(cairo_t* cr, int dir)
{
    const double dx[] = {0, 1, 0, -1};
    const double dy[] = {-1, 0, 1, 0};
    const double ax = dx[dir];
    const double ay = dy[dir];
    const double nx = -ay;
    const double ny = ax;
    const double pts[][2] = {{-0.27, 0.05}, {0.02, 0.05},  {0.02, 0.14},  {0.29, 0},
                             {0.02, -0.14}, {0.02, -0.05}, {-0.27, -0.05}};
    Iso iso(cr, Top);
    for (int k = 0; k < 7; ++k) {
        const double gx = 0.5 + pts[k][0] * ax + pts[k][1] * nx;
        const double gy = 0.5 + pts[k][0] * ay + pts[k][1] * ny;
        if (k == 0) {
            iso.MoveTo(gx, gy);
        } else {
            iso.LineTo(gx, gy);
        }
    }
    cairo_close_path(cr);
    FillStroke(cr, ArrowPaint, Darker(ArrowPaint, 0.55), 1.0);
}

// ---- public buildings ----

void ForSale(cairo_t* cr)
{
    Lot(cr, Ground::Earth);
    Iso iso(cr, Top);
    // Pegs and string marking out the plot.
    for (const auto& [gx, gy] : {std::pair{0.15, 0.15}, {0.85, 0.15}, {0.85, 0.85}, {0.15, 0.85}}) {
        iso.Box(gx - 0.015, gy - 0.015, gx + 0.015, gy + 0.015, 0, 5, WalnutLight, Lighter(WalnutLight, 0.3));
    }
    iso.MoveTo(0.15, 0.15, 4);
    iso.LineTo(0.85, 0.15, 4);
    iso.LineTo(0.85, 0.85, 4);
    iso.LineTo(0.15, 0.85, 4);
    cairo_close_path(cr);
    SetColour(cr, Lighter(Sand, 0.3));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    // A few stones and tufts.
    Random r(9);
    for (int k = 0; k < 10; ++k) {
        const double gx = r.Range(0.2, 0.8);
        const double gy = r.Range(0.2, 0.8);
        iso.Ellipse(gx, gy, 0.018, 0.018);
        SetColour(cr, k % 2 ? StoneDark : GrassDark);
        cairo_fill(cr);
    }
    // The sign faces the street: a board on two posts.
    const double x = iso.Sx(0.45, 0.45);
    const double y = iso.Sy(0.45, 0.45);
    cairo_rectangle(cr, x - 18, y - 12, 2.5, 14);
    cairo_rectangle(cr, x + 15.5, y - 12, 2.5, 14);
    FillStroke(cr, WalnutLight);
    RoundedRect(cr, x - 27, y - 31, 54, 20, 2);
    FillStroke(cr, FromBytes(250, 248, 240));
    cairo_rectangle(cr, x - 24.5, y - 28.5, 49, 15);
    SetColour(cr, CrossRed);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    // A condensed face keeps the words inside the red border.
    TextStyle s;
    s.Family = "DejaVu Sans Condensed";
    s.Size = 8.5;
    s.Colour = CrossRed;
    DrawText(cr, "FOR SALE", s, x, y - 21);
}

void Columns(const Iso& iso, double gy, double x0, double x1, int count, double z0, double h)
{
    for (int k = 0; k < count; ++k) {
        const double gx = x0 + (x1 - x0) * (k + 0.5) / count;
        iso.Box(gx - 0.022, gy - 0.022, gx + 0.022, gy + 0.022, z0, h, Lighter(Stone, 0.2), Stone);
    }
}

void Treasury(cairo_t* cr)
{
    Lot(cr, Ground::Plaza);
    Iso iso(cr, Top);
    iso.ShadowRect(0.14, 0.14, 0.88, 0.88, 0.08);
    iso.Box(0.12, 0.12, 0.9, 0.9, 0, 2.5, StoneDark, Stone);
    iso.Box(0.16, 0.16, 0.86, 0.92, 2.5, 2.5, StoneDark, Lighter(Stone, 0.1));
    iso.Box(0.24, 0.22, 0.8, 0.74, 5, 17, Stone, Stone);
    iso.WindowsR(0.8, 0.24, 0.72, 5, 22, 3, 2, Window, 0.4);
    iso.QuadL(0.74, 0.44, 0.58, 5, 16, WalnutDark, true);
    Columns(iso, 0.85, 0.22, 0.8, 5, 5, 17);
    iso.Box(0.22, 0.2, 0.82, 0.88, 22, 3.5, StoneDark, Lighter(Stone, 0.15));
    iso.GableRoof(0.22, 0.2, 0.82, 0.88, 25.5, 10, false, FromBytes(140, 150, 150), Stone);
    // Gold dollar emblem laid in the pediment's plane.
    cairo_save(cr);
    iso.FaceL(0.51, 0.88, 29.5);
    cairo_arc(cr, 0, 0, 4.6, 0, 2 * M_PI);
    FillStroke(cr, Gold, Darker(Gold, 0.5), 0.8);
    TextStyle s;
    s.Size = 8;
    s.Colour = Darker(Gold, 0.6);
    DrawText(cr, "$", s, 0, 0);
    cairo_restore(cr);
}

// A briefcase whose body's top edge is centred on (x, y), w wide.
void Briefcase(cairo_t* cr, double x, double y, double w)
{
    const double h = w * 0.68;
    RoundedRect(cr, x - w * 0.18, y - h * 0.22, w * 0.36, h * 0.3, w * 0.06);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, std::max(1.0, w * 0.07));
    cairo_stroke(cr);
    RoundedRect(cr, x - w / 2, y, w, h, w * 0.1);
    FillStroke(cr, FromBytes(150, 90, 40), Outline, 0.9);
    cairo_rectangle(cr, x - w / 2 + 0.5, y + h * 0.38, w - 1, h * 0.13);
    SetColour(cr, FromBytes(110, 62, 28));
    cairo_fill(cr);
    cairo_rectangle(cr, x - w * 0.07, y + h * 0.3, w * 0.14, h * 0.3);
    FillStroke(cr, Gold, Darker(Gold, 0.5), 0.6);
}

void EmploymentOffice(cairo_t* cr)
{
    Lot(cr, Ground::Grass);
    Iso iso(cr, Top);
    Path(iso, 0.3, 0.7, 0.9, 0.95);
    Path(iso, 0.45, 0.6, 0.62, 1.0);
    iso.ShadowRect(0.22, 0.24, 0.82, 0.7, 0.1);
    const Rgb wall = FromBytes(214, 170, 120);
    const double h = 25;
    iso.Box(0.22, 0.24, 0.82, 0.7, 0, h, wall, Concrete);
    iso.WindowsL(0.7, 0.24, 0.8, 8, h, 5, 2, Window);
    iso.WindowsR(0.82, 0.26, 0.68, 8, h, 4, 2, Window);
    iso.QuadL(0.7, 0.22, 0.82, 0, 8, Darker(wall, 0.12));
    iso.QuadL(0.7, 0.45, 0.57, 0, 7, GlassDark, true);
    // A large board on the roof's front edge, facing the street, with the briefcase emblem.
    const double b0 = 0.3;
    const double b1 = 0.66;
    const double bz = h + 4;
    const double bh = 19;
    for (const double gx : {b0 + 0.05, b1 - 0.05}) {
        iso.Box(gx - 0.012, 0.6, gx + 0.012, 0.624, h, 5, ConcreteDark, ConcreteDark);
    }
    iso.Box(b0, 0.62, b1, 0.64, bz, bh, FromBytes(250, 246, 236), FromBytes(250, 246, 236));
    iso.QuadL(0.64, b0 + 0.015, b1 - 0.015, bz + 1.2, bz + bh - 1.2, FromBytes(40, 110, 150), true);
    cairo_save(cr);
    iso.FaceL(b0, 0.64, bz + bh);
    Briefcase(cr, (b1 - b0) * 72 / 2, 5.8, 17);
    cairo_restore(cr);
    // The door's canopy.
    iso.Box(0.43, 0.7, 0.59, 0.76, 7, 1.5, FromBytes(40, 110, 150), Lighter(FromBytes(40, 110, 150), 0.2));
    Bench(iso, 0.72, 0.82);
}

void University(cairo_t* cr)
{
    Lot(cr, Ground::Grass);
    Iso iso(cr, Top);
    // The quad: lawn crossed by paths.
    Path(iso, 0.4, 0.52, 0.92, 0.6);
    Path(iso, 0.62, 0.35, 0.7, 0.95);
    iso.Ellipse(0.66, 0.56, 0.08, 0.08);
    SetColour(cr, Pavement);
    cairo_fill(cr);
    const Rgb brick = Brick;
    const Rgb roof = FromBytes(86, 92, 104);
    iso.Box(0.1, 0.14, 0.34, 0.62, 0, 16, brick, roof);
    iso.GableRoof(0.1, 0.14, 0.34, 0.62, 16, 7, false, roof, brick);
    iso.WindowsL(0.62, 0.12, 0.32, 2, 16, 2, 2, WindowLit, 0.45);
    iso.WindowsR(0.34, 0.16, 0.6, 2, 16, 4, 2, WindowLit, 0.45);
    iso.Box(0.34, 0.08, 0.92, 0.3, 0, 16, brick, roof);
    iso.GableRoof(0.34, 0.08, 0.92, 0.3, 16, 7, true, roof, brick);
    iso.WindowsL(0.3, 0.36, 0.9, 2, 16, 5, 2, WindowLit, 0.45);
    iso.WindowsR(0.92, 0.1, 0.28, 2, 16, 2, 2, WindowLit, 0.45);
    iso.Tree(0.82, 0.78, 6);
    iso.Tree(0.48, 0.84, 5.5);
    // Clock tower at the front left.
    iso.Box(0.14, 0.68, 0.3, 0.84, 0, 34, Darker(brick, 0.05), Stone);
    iso.Box(0.13, 0.67, 0.31, 0.85, 34, 3, Stone, Stone);
    iso.HipRoof(0.13, 0.67, 0.31, 0.85, 37, 12, FromBytes(80, 130, 120));
    cairo_save(cr);
    iso.FaceL(0.14, 0.84, 31);
    cairo_arc(cr, 5.8, 0, 4.6, 0, 2 * M_PI);
    cairo_restore(cr);
    FillStroke(cr, FromBytes(250, 246, 230), Outline, 0.8);
    cairo_save(cr);
    iso.FaceL(0.14, 0.84, 31);
    cairo_move_to(cr, 5.8, 0);
    cairo_line_to(cr, 5.8, -3.4);
    cairo_move_to(cr, 5.8, 0);
    cairo_line_to(cr, 8.2, 0.8);
    cairo_restore(cr);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    iso.QuadL(0.84, 0.19, 0.25, 0, 7, WalnutDark, true);
}

void Badge(cairo_t* cr, double x, double y, double r)
{
    // A six-pointed star badge.
    for (int k = 0; k < 12; ++k) {
        const double a = -M_PI / 2 + k * M_PI / 6;
        const double rr = k % 2 ? r * 0.55 : r;
        const double px = x + rr * std::cos(a);
        const double py = y + rr * std::sin(a);
        if (k == 0) {
            cairo_move_to(cr, px, py);
        } else {
            cairo_line_to(cr, px, py);
        }
    }
    cairo_close_path(cr);
    FillStroke(cr, Gold, Darker(Gold, 0.55), 0.8);
    cairo_arc(cr, x, y, r * 0.3, 0, 2 * M_PI);
    SetColour(cr, GoldLight);
    cairo_fill(cr);
}

void BlueLamp(cairo_t* cr, double x, double y)
{
    cairo_rectangle(cr, x - 0.8, y, 1.6, 7);
    SetColour(cr, Outline);
    cairo_fill(cr);
    RoundedRect(cr, x - 3.5, y - 7, 7, 8, 1.5);
    FillStroke(cr, FromBytes(70, 140, 250), Outline, 0.9);
    cairo_rectangle(cr, x - 2, y - 5.5, 2, 5);
    SetColour(cr, FromBytes(200, 230, 255));
    cairo_fill(cr);
    cairo_rectangle(cr, x - 4.5, y - 8.5, 9, 2);
    FillStroke(cr, PoliceBlue, Outline, 0.7);
}

void PoliceStation(cairo_t* cr)
{
    Lot(cr, Ground::Pavement);
    Iso iso(cr, Top);
    const Rgb wall = FromBytes(170, 190, 216);
    iso.ShadowRect(0.2, 0.22, 0.8, 0.66, 0.1);
    iso.Box(0.2, 0.22, 0.8, 0.66, 0, 22, wall, Concrete);
    iso.WindowsL(0.66, 0.22, 0.78, 2, 22, 5, 2, Window);
    iso.WindowsR(0.8, 0.24, 0.64, 2, 22, 4, 2, Window);
    iso.QuadL(0.66, 0.2, 0.8, 22, 26, PoliceBlue, true);
    iso.QuadR(0.8, 0.22, 0.66, 22, 26, Darker(PoliceBlue, 0.3), true);
    iso.GroundRect(0.2, 0.22, 0.8, 0.66, 26);
    FillStroke(cr, ConcreteDark);
    iso.QuadL(0.66, 0.42, 0.56, 0, 11, GlassDark, true);
    // Badge over the door and the blue lamp beside it.
    cairo_save(cr);
    iso.FaceL(0.49, 0.66, 16.5);
    Badge(cr, 0, 0, 6);
    cairo_restore(cr);
    BlueLamp(cr, iso.Sx(0.34, 0.74), iso.Sy(0.34, 0.74) - 8);
    // A patrol car.
    Car(iso, 0.55, 0.76, FromBytes(240, 240, 246), true);
    iso.Box(0.6, 0.77, 0.67, 0.82, 8, 1.6, FromBytes(60, 120, 250), FromBytes(60, 120, 250));
}

void Prison(cairo_t* cr)
{
    Lot(cr, Ground::Pavement);
    Iso iso(cr, Top);
    const Rgb wall = FromBytes(150, 150, 148);
    // Outer wall, back sides.
    iso.Box(0.06, 0.06, 0.94, 0.12, 0, 12, wall, Lighter(wall, 0.2));
    iso.Box(0.06, 0.12, 0.12, 0.94, 0, 12, wall, Lighter(wall, 0.2));
    // Cell block with barred windows.
    iso.ShadowRect(0.26, 0.24, 0.74, 0.66, 0.1);
    iso.Box(0.26, 0.24, 0.74, 0.66, 0, 26, Concrete, ConcreteDark);
    for (int row = 0; row < 3; ++row) {
        const double z = 4 + row * 7.5;
        for (int k = 0; k < 5; ++k) {
            const double a = 0.29 + k * 0.09;
            iso.QuadL(0.66, a, a + 0.045, z, z + 4.5, FromBytes(40, 40, 46));
            for (int bar = 1; bar <= 2; ++bar) {
                const double b = a + 0.045 * bar / 3;
                iso.MoveTo(b, 0.66, z);
                iso.LineTo(b, 0.66, z + 4.5);
            }
        }
        for (int k = 0; k < 4; ++k) {
            const double a = 0.28 + k * 0.1;
            iso.QuadR(0.74, a, a + 0.045, z, z + 4.5, FromBytes(30, 30, 34));
        }
    }
    SetColour(cr, Lighter(Concrete, 0.35));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    // Front walls with the gate, and a watchtower on the left corner.
    iso.Box(0.88, 0.12, 0.94, 0.94, 0, 12, wall, Lighter(wall, 0.2));
    iso.Box(0.06, 0.8, 0.18, 0.94, 0, 28, wall, wall);
    iso.WindowsL(0.94, 0.07, 0.17, 20, 27, 1, 1, FromBytes(250, 230, 150), 0.7);
    iso.Box(0.04, 0.78, 0.2, 0.96, 28, 4, FromBytes(90, 90, 96), FromBytes(90, 90, 96));
    iso.HipRoof(0.04, 0.78, 0.2, 0.96, 32, 6, FromBytes(110, 60, 50));
    iso.Box(0.18, 0.88, 0.4, 0.94, 0, 12, wall, Lighter(wall, 0.2));
    iso.Box(0.6, 0.88, 0.88, 0.94, 0, 12, wall, Lighter(wall, 0.2));
    iso.QuadL(0.94, 0.4, 0.6, 0, 10, FromBytes(70, 70, 76), true);
    for (int k = 1; k < 7; ++k) {
        const double b = 0.4 + 0.2 * k / 7;
        iso.MoveTo(b, 0.94, 0);
        iso.LineTo(b, 0.94, 10);
    }
    SetColour(cr, FromBytes(170, 170, 176));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
}

// A red cross centred on (x, y) of the current drawing plane, arms s long; the path is filled and
// outlined after the caller restores the plain matrix, so the line keeps its width.
void RedCrossPath(cairo_t* cr, double x, double y, double s)
{
    const double a = s / 2;
    const double b = s * 0.17;
    cairo_move_to(cr, x - b, y - a);
    cairo_line_to(cr, x + b, y - a);
    cairo_line_to(cr, x + b, y - b);
    cairo_line_to(cr, x + a, y - b);
    cairo_line_to(cr, x + a, y + b);
    cairo_line_to(cr, x + b, y + b);
    cairo_line_to(cr, x + b, y + a);
    cairo_line_to(cr, x - b, y + a);
    cairo_line_to(cr, x - b, y + b);
    cairo_line_to(cr, x - a, y + b);
    cairo_line_to(cr, x - a, y - b);
    cairo_line_to(cr, x - b, y - b);
    cairo_close_path(cr);
}

void Hospital(cairo_t* cr)
{
    Lot(cr, Ground::Grass);
    Iso iso(cr, Top);
    Path(iso, 0.2, 0.7, 0.95, 0.9);
    iso.ShadowRect(0.2, 0.22, 0.82, 0.68, 0.1);
    const double h = 26;
    iso.Box(0.2, 0.22, 0.82, 0.68, 0, h, WhiteWall, Lighter(Concrete, 0.3));
    iso.WindowsL(0.68, 0.22, 0.8, 3, h, 6, 3, FromBytes(120, 170, 210), 0.6);
    iso.WindowsR(0.82, 0.24, 0.66, 3, h, 4, 3, FromBytes(120, 170, 210), 0.6);
    iso.QuadL(0.68, 0.2, 0.82, h - 2, h, CrossRed);
    // A white landing square with a red cross painted on the roof.
    cairo_save(cr);
    iso.GroundMatrix(h);
    cairo_rectangle(cr, 0.35, 0.29, 0.32, 0.32);
    cairo_restore(cr);
    FillStroke(cr, WhiteWall, Darker(Concrete, 0.1), 0.8);
    cairo_save(cr);
    iso.GroundMatrix(h);
    RedCrossPath(cr, 0.51, 0.45, 0.26);
    cairo_restore(cr);
    FillStroke(cr, CrossRed, Darker(CrossRed, 0.45), 0.7);
    // A sign with the cross on the front wall, over the entrance.
    iso.QuadL(0.68, 0.37, 0.55, 10, 22, WhiteWall, true);
    cairo_save(cr);
    iso.FaceL(0.37, 0.68, 22);
    RedCrossPath(cr, 0.09 * 72, 6, 10);
    cairo_restore(cr);
    FillStroke(cr, CrossRed, Darker(CrossRed, 0.45), 0.7);
    // The same sign on the side wall.
    iso.QuadR(0.82, 0.52, 0.38, 10, 22, Darker(WhiteWall, 0.12), true);
    cairo_save(cr);
    iso.FaceR(0.82, 0.52, 22);
    RedCrossPath(cr, 0.07 * 72, 6, 10);
    cairo_restore(cr);
    FillStroke(cr, Darker(CrossRed, 0.15), Darker(CrossRed, 0.5), 0.7);
    iso.Box(0.3, 0.7, 0.62, 0.8, 8, 2, CrossRed, Lighter(CrossRed, 0.2));
    iso.QuadL(0.68, 0.38, 0.54, 0, 8, GlassDark, true);
    // Ambulance at the door.
    Car(iso, 0.66, 0.76, WhiteWall, true);
    iso.Box(0.7, 0.77, 0.74, 0.82, 8, 1.5, CrossRed, CrossRed);
}

void Scales(cairo_t* cr, double x, double y, double s)
{
    SetColour(cr, Gold);
    cairo_set_line_width(cr, 1.1);
    cairo_move_to(cr, x, y - s * 0.5);
    cairo_line_to(cr, x, y + s * 0.45);
    cairo_move_to(cr, x - s * 0.5, y - s * 0.35);
    cairo_line_to(cr, x + s * 0.5, y - s * 0.35);
    cairo_stroke(cr);
    for (const double side : {-1.0, 1.0}) {
        const double px = x + side * s * 0.5;
        cairo_move_to(cr, px, y - s * 0.35);
        cairo_line_to(cr, px - s * 0.18, y + s * 0.05);
        cairo_move_to(cr, px, y - s * 0.35);
        cairo_line_to(cr, px + s * 0.18, y + s * 0.05);
        cairo_stroke(cr);
        cairo_arc(cr, px, y + s * 0.05, s * 0.2, 0, M_PI);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x - s * 0.25, y + s * 0.42, s * 0.5, s * 0.1);
    cairo_fill(cr);
}

void Courthouse(cairo_t* cr)
{
    Lot(cr, Ground::Plaza);
    Iso iso(cr, Top);
    iso.ShadowRect(0.18, 0.18, 0.82, 0.8, 0.1);
    iso.Box(0.14, 0.14, 0.86, 0.9, 0, 3, StoneDark, Stone);
    iso.Box(0.2, 0.2, 0.8, 0.76, 3, 20, Stone, Lighter(Stone, 0.1));
    iso.WindowsL(0.76, 0.22, 0.78, 5, 21, 5, 2, Window, 0.4);
    iso.WindowsR(0.8, 0.22, 0.74, 5, 21, 4, 2, Window, 0.4);
    // Drum and dome over the middle of the roof, low enough that the spire stays inside the frame.
    const double cx = iso.Sx(0.5, 0.52);
    const double base = iso.Sy(0.5, 0.52, 23);
    const double r = 14;
    const double drum = 10;
    cairo_save(cr);
    cairo_translate(cr, cx, base);
    cairo_scale(cr, r + 2, (r + 2) * 2 / 3);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    FillStroke(cr, Lighter(Stone, 0.05));
    cairo_rectangle(cr, cx - r, base - drum, 2 * r, drum);
    LinearFill(cr, cx - r, 0, cx + r, 0, Lighter(Stone, 0.15), StoneDark);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, base);
    cairo_scale(cr, r, r / 3);
    cairo_arc(cr, 0, 0, 1, 0, M_PI);
    cairo_restore(cr);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - r, base);
    cairo_line_to(cr, cx - r, base - drum);
    cairo_move_to(cr, cx + r, base);
    cairo_line_to(cr, cx + r, base - drum);
    cairo_stroke(cr);
    for (int k = -2; k <= 2; ++k) {
        cairo_rectangle(cr, cx + k * 5.2 - 1, base - drum + 2.5 + std::abs(k) * 0.4, 2, 5);
    }
    SetColour(cr, Window);
    cairo_fill(cr);
    const double rim = base - drum;
    cairo_move_to(cr, cx - r - 1, rim);
    cairo_curve_to(cr, cx - r - 1, rim - 19, cx + r + 1, rim - 19, cx + r + 1, rim);
    cairo_curve_to(cr, cx + 7, rim + 3, cx - 7, rim + 3, cx - r - 1, rim);
    cairo_close_path(cr);
    LinearFill(cr, cx - 11, rim - 16, cx + 13, rim - 2, Lighter(Copper, 0.35), Darker(Copper, 0.3));
    cairo_fill_preserve(cr);
    SetColour(cr, Outline);
    cairo_stroke(cr);
    cairo_move_to(cr, cx, rim - 13);
    cairo_line_to(cr, cx, rim - 19);
    SetColour(cr, Gold);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_arc(cr, cx, rim - 19.3, 1.5, 0, 2 * M_PI);
    cairo_fill(cr);
    // The portico stands in front of the dome.
    Columns(iso, 0.83, 0.34, 0.66, 4, 3, 18);
    iso.Box(0.32, 0.74, 0.68, 0.88, 21, 3, StoneDark, Stone);
    iso.GableRoof(0.32, 0.74, 0.68, 0.88, 24, 6, false, FromBytes(150, 150, 150), Stone);
    // Scales of justice in the pediment.
    cairo_save(cr);
    iso.FaceL(0.5, 0.88, 26.5);
    Scales(cr, 0, 0, 7);
    cairo_restore(cr);
}

void PrisonZone(cairo_t* cr)
{
    PaintGround(cairo_get_target(cr), Ground::Asphalt, static_cast<int>(Top));
    ClipToDiamond(cairo_get_target(cr), static_cast<int>(Top));
    Iso iso(cr, Top);
    // Court lines painted on the yard.
    cairo_save(cr);
    iso.GroundMatrix();
    cairo_rectangle(cr, 0.22, 0.22, 0.56, 0.56);
    cairo_move_to(cr, 0.5, 0.22);
    cairo_line_to(cr, 0.5, 0.78);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.5, 0.5, 0.1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColour(cr, FromBytes(236, 230, 200));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // The fence stands a little inside the cell so that its back posts and wire stay inside the
    // frame. The mesh is drawn as wire, not as a tint: a thin tint would harden into patches where
    // two panels cross at a corner.
    const double e0 = 0.08;
    const double e1 = 0.92;
    const double h = 11;
    auto fence = [&](double x0, double y0, double x1, double y1) {
        cairo_save(cr);
        iso.MoveTo(x0, y0, 0);
        iso.LineTo(x1, y1, 0);
        iso.LineTo(x1, y1, h);
        iso.LineTo(x0, y0, h);
        cairo_close_path(cr);
        cairo_clip(cr);
        const int diamonds = 14;
        for (int k = -4; k <= diamonds + 4; ++k) {
            const double t0 = static_cast<double>(k) / diamonds;
            const double t1 = t0 + 4.0 / diamonds;
            iso.MoveTo(x0 + (x1 - x0) * t0, y0 + (y1 - y0) * t0, 0);
            iso.LineTo(x0 + (x1 - x0) * t1, y0 + (y1 - y0) * t1, h);
            iso.MoveTo(x0 + (x1 - x0) * t1, y0 + (y1 - y0) * t1, 0);
            iso.LineTo(x0 + (x1 - x0) * t0, y0 + (y1 - y0) * t0, h);
        }
        SetColour(cr, FromBytes(176, 180, 186));
        cairo_set_line_width(cr, 0.75);
        cairo_stroke(cr);
        cairo_restore(cr);
        for (int k = 0; k <= 6; ++k) {
            const double t = k / 6.0;
            iso.MoveTo(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, 0);
            iso.LineTo(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, h + 2);
        }
        SetColour(cr, FromBytes(90, 94, 100));
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
        iso.MoveTo(x0, y0, h);
        iso.LineTo(x1, y1, h);
        SetColour(cr, FromBytes(200, 204, 210));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        for (int k = 0; k < 12; ++k) {
            const double t = (k + 0.5) / 12.0;
            const double x = iso.Sx(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t);
            const double y = iso.Sy(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, h + 1.5);
            cairo_move_to(cr, x - 1.5, y - 1.5);
            cairo_line_to(cr, x + 1.5, y + 1.5);
            cairo_move_to(cr, x + 1.5, y - 1.5);
            cairo_line_to(cr, x - 1.5, y + 1.5);
        }
        SetColour(cr, FromBytes(150, 150, 156));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    };
    fence(e0, e0, e1, e0);
    fence(e0, e0, e0, e1);
    // A guard's bench and a hoop.
    Bench(iso, 0.6, 0.3);
    iso.Box(0.78, 0.48, 0.8, 0.5, 0, 16, FromBytes(90, 94, 100), FromBytes(90, 94, 100));
    iso.Box(0.76, 0.46, 0.8, 0.54, 14, 6, WhiteWall, WhiteWall);
    fence(e0, e1, e1, e1);
    fence(e1, e0, e1, e1);
}

void StreetSign(cairo_t* cr, double x, double y)
{
    cairo_rectangle(cr, x - 0.9, y - 24, 1.8, 24);
    FillStroke(cr, FromBytes(120, 124, 130), Outline, 0.6);
    // Two plates pointing along the streets.
    cairo_move_to(cr, x, y - 25);
    cairo_line_to(cr, x + 16, y - 25 + 10.7);
    cairo_line_to(cr, x + 16, y - 25 + 16.7);
    cairo_line_to(cr, x, y - 19);
    cairo_close_path(cr);
    FillStroke(cr, FromBytes(40, 120, 70), Outline, 0.8);
    cairo_move_to(cr, x, y - 21);
    cairo_line_to(cr, x - 16, y - 21 + 10.7);
    cairo_line_to(cr, x - 16, y - 21 + 16.7);
    cairo_line_to(cr, x, y - 15);
    cairo_close_path(cr);
    FillStroke(cr, FromBytes(40, 120, 70), Outline, 0.8);
    cairo_move_to(cr, x + 2, y - 22.5);
    cairo_line_to(cr, x + 13, y - 22.5 + 7.3);
    cairo_move_to(cr, x - 2, y - 18.5);
    cairo_line_to(cr, x - 13, y - 18.5 + 7.3);
    SetColour(cr, WhiteWall);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void Park(cairo_t* cr)
{
    Lot(cr, Ground::Grass);
    Iso iso(cr, Top);
    // A curving gravel path.
    cairo_save(cr);
    iso.GroundMatrix();
    cairo_move_to(cr, 0.0, 0.55);
    cairo_curve_to(cr, 0.35, 0.4, 0.6, 0.75, 1.0, 0.45);
    cairo_restore(cr);
    SetColour(cr, Sand);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    iso.Ellipse(0.3, 0.25, 0.12, 0.08);
    SetColour(cr, FromBytes(220, 120, 140));
    cairo_fill(cr);
    iso.Ellipse(0.3, 0.25, 0.07, 0.045);
    SetColour(cr, FromBytes(250, 210, 90));
    cairo_fill(cr);
    iso.Tree(0.2, 0.2, 7.5);
    iso.Tree(0.72, 0.22, 8.5);
    // The bench faces the path from behind it; the sign stands clear of both at the front.
    Bench(iso, 0.46, 0.41);
    iso.Tree(0.3, 0.78, 7);
    iso.Tree(0.86, 0.62, 6.5, FoliageLight);
    StreetSign(cr, iso.Sx(0.7, 0.88), iso.Sy(0.7, 0.88));
}

void Payment(cairo_t* cr)
{
    // Left hand holds out a bundle of notes; a right hand opens to take it.
    const Rgb sleeve = FromBytes(60, 70, 110);
    const Rgb note = FromBytes(140, 190, 120);
    cairo_move_to(cr, 0, 66);
    cairo_line_to(cr, 30, 58);
    cairo_line_to(cr, 34, 78);
    cairo_line_to(cr, 0, 88);
    cairo_close_path(cr);
    FillStroke(cr, sleeve);
    cairo_rectangle(cr, 28, 57, 8, 22);
    FillStroke(cr, WhiteWall);
    cairo_move_to(cr, 36, 58);
    cairo_curve_to(cr, 48, 52, 56, 54, 62, 58);
    cairo_line_to(cr, 64, 74);
    cairo_curve_to(cr, 56, 80, 44, 82, 36, 78);
    cairo_close_path(cr);
    FillStroke(cr, Skin);
    // The bundle.
    for (int k = 3; k >= 0; --k) {
        cairo_save(cr);
        cairo_translate(cr, 70 - k * 1.2, 52 + k * 1.5);
        cairo_rotate(cr, -0.18);
        RoundedRect(cr, -22, -13, 44, 24, 2);
        FillStroke(cr, k == 0 ? note : Darker(note, 0.08 * k), Darker(note, 0.55), 0.8);
        if (k == 0) {
            cairo_arc(cr, 0, -1, 6.5, 0, 2 * M_PI);
            SetColour(cr, Lighter(note, 0.4));
            cairo_fill(cr);
            TextStyle s;
            s.Size = 10;
            s.Colour = Darker(note, 0.6);
            DrawText(cr, "$", s, 0, -1);
            cairo_rectangle(cr, -4, -13, 8, 24);
            FillStroke(cr, FromBytes(236, 214, 140), Darker(note, 0.55), 0.7);
        }
        cairo_restore(cr);
    }
    // Thumb over the notes.
    cairo_move_to(cr, 50, 60);
    cairo_curve_to(cr, 56, 50, 64, 50, 66, 54);
    cairo_curve_to(cr, 62, 58, 58, 62, 54, 64);
    cairo_close_path(cr);
    FillStroke(cr, Skin);
    // The receiving hand from the right.
    cairo_move_to(cr, 144, 48);
    cairo_line_to(cr, 118, 44);
    cairo_line_to(cr, 114, 64);
    cairo_line_to(cr, 144, 70);
    cairo_close_path(cr);
    FillStroke(cr, FromBytes(130, 70, 50));
    cairo_rectangle(cr, 109, 43, 8, 22);
    FillStroke(cr, WhiteWall);
    cairo_move_to(cr, 109, 46);
    cairo_curve_to(cr, 100, 42, 94, 36, 90, 34);
    cairo_curve_to(cr, 86, 33, 84, 37, 88, 40);
    cairo_curve_to(cr, 90, 44, 94, 50, 96, 54);
    cairo_curve_to(cr, 92, 60, 96, 66, 109, 64);
    cairo_close_path(cr);
    FillStroke(cr, Darker(Skin, 0.1));
}

// ---- structures a player owns ----

void OwnedLot(cairo_t* cr, int p)
{
    Lot(cr, Ground::Earth);
    Iso iso(cr, Top);
    Fence(iso, WhiteWall, true);
    Random r(100 + p);
    for (int k = 0; k < 8; ++k) {
        iso.Ellipse(r.Range(0.2, 0.8), r.Range(0.2, 0.8), 0.02, 0.02);
        SetColour(cr, k % 2 ? StoneDark : GrassDark);
        cairo_fill(cr);
    }
    Flag(cr, iso, 0.45, 0.45, 36, p);
    Fence(iso, WhiteWall, false);
    OwnerMark(cr, p);
}

void House(const Iso& iso, double x0, double y0, double x1, double y1, const Rgb& roof, bool alongX)
{
    iso.ShadowRect(x0, y0, x1, y1, 0.06);
    iso.Box(x0, y0, x1, y1, 0, 11, Plaster, Plaster);
    iso.GableRoof(x0 - 0.01, y0 - 0.01, x1 + 0.01, y1 + 0.01, 11, 8, alongX, roof, Plaster);
    const double w = x1 - x0;
    iso.QuadL(y1, x0 + w * 0.4, x0 + w * 0.6, 0, 7, WalnutDark, true);
    iso.QuadL(y1, x0 + w * 0.1, x0 + w * 0.3, 3.5, 7.5, Window);
    iso.QuadL(y1, x0 + w * 0.7, x0 + w * 0.9, 3.5, 7.5, Window);
    const double d = y1 - y0;
    iso.QuadR(x1, y0 + d * 0.3, y0 + d * 0.65, 3.5, 7.5, Darker(Window, 0.2));
}

void Houses(cairo_t* cr, int p)
{
    Lot(cr, Ground::Grass);
    Iso iso(cr, Top);
    const Rgb roof = Player[p];
    Path(iso, 0.44, 0.3, 0.56, 1.0);
    House(iso, 0.1, 0.12, 0.38, 0.4, roof, true);
    House(iso, 0.56, 0.1, 0.86, 0.36, roof, false);
    iso.Tree(0.16, 0.62, 5.5);
    House(iso, 0.6, 0.5, 0.88, 0.76, roof, true);
    iso.Box(0.1, 0.88, 0.4, 0.92, 0, 3, Darker(Foliage, 0.1), Foliage);
    OwnerMark(cr, p);
}

// A street lamp: a dark post with a lit globe at the top.
void Lamp(cairo_t* cr, const Iso& iso, double gx, double gy, double h)
{
    const double x = iso.Sx(gx, gy);
    const double y = iso.Sy(gx, gy);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y - h);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    cairo_arc(cr, x, y - h - 1, 3.2, 0, 2 * M_PI);
    SetColour(cr, GoldLight, 0.45);
    cairo_fill(cr);
    cairo_arc(cr, x, y - h - 1, 1.8, 0, 2 * M_PI);
    FillStroke(cr, Lighter(WindowLit, 0.4), Darker(Gold, 0.4), 0.6);
}

// Text laid on a left face (gy = face) with its centre at gx = at, height z.
void FaceTextL(cairo_t* cr, const Iso& iso, const std::string& text, const TextStyle& style, double face,
               double at, double z)
{
    cairo_save(cr);
    iso.FaceL(at, face, z);
    DrawText(cr, text, style, 0, 0);
    cairo_restore(cr);
}

void Apartment(cairo_t* cr, int p)
{
    Lot(cr, Ground::Grass);
    Iso iso(cr, Top);
    const Rgb c = Player[p];
    Path(iso, 0.3, 0.8, 0.92, 0.9);
    Path(iso, 0.49, 0.72, 0.59, 0.8);
    const double x0 = 0.32;
    const double y0 = 0.36;
    const double x1 = 0.76;
    const double y1 = 0.72;
    const double h = 24; // four floors
    iso.ShadowRect(x0, y0, x1, y1, 0.1);
    iso.Box(x0, y0, x1, y1, 0, h, Plaster, Concrete);
    iso.WindowsL(y1, x0 + 0.02, x1 - 0.02, 0.5, h, 4, 4, Window, 0.5);
    iso.WindowsR(x1, y0 + 0.02, y1 - 0.02, 0.5, h, 3, 4, Window, 0.5);
    // Balcony bands in the owner's colour under every upper floor.
    for (int f = 1; f < 4; ++f) {
        const double z = f * h / 4 + 0.5;
        iso.MoveTo(x0, y1, z);
        iso.LineTo(x1, y1, z);
        iso.LineTo(x1, y1 + 0.05, z - 1);
        iso.LineTo(x0, y1 + 0.05, z - 1);
        cairo_close_path(cr);
        FillStroke(cr, Lighter(c, 0.25), Darker(c, 0.5), 0.8);
        iso.QuadL(y1 + 0.05, x0, x1, z - 3.2, z - 1, c, true);
    }
    iso.QuadL(y1, x0, x1, h - 2.5, h, c);
    iso.QuadR(x1, y0, y1, h - 2.5, h, Darker(c, 0.3));
    iso.Box(0.4, 0.44, 0.5, 0.53, h, 4, ConcreteDark, Concrete);
    iso.QuadL(y1, 0.49, 0.59, 0, 5, GlassDark, true);
    iso.Tree(0.14, 0.52, 6);
    iso.Tree(0.86, 0.22, 5.5);
    OwnerMark(cr, p);
}

void Skyscraper(cairo_t* cr, int p)
{
    Lot(cr, Ground::Plaza);
    Iso iso(cr, Top);
    const Rgb c = Player[p];
    // A slim shaft on a small plaza: narrower than the apartment block, taller than it.
    const double x0 = 0.5;
    const double x1 = 0.76;
    iso.Tree(0.22, 0.3, 6);
    iso.Tree(0.5, 0.2, 5.5);
    iso.Tree(0.24, 0.66, 5.5);
    iso.ShadowRect(x0, x0, x1, x1, 0.2);
    const double h = 46;
    // Glass shaft with vertical mullions and a gradient sheen.
    iso.Box(x0, x0, x1, x1, 0, h, Glass, GlassDark);
    iso.MoveTo(x0, x1, 0);
    iso.LineTo(x1, x1, 0);
    iso.LineTo(x1, x1, h);
    iso.LineTo(x0, x1, h);
    cairo_close_path(cr);
    LinearFill(cr, iso.Sx(x0, x1), iso.Sy(x0, x1, h), iso.Sx(x1, x1), iso.Sy(x1, x1, 0), Lighter(Glass, 0.35),
               Glass);
    cairo_fill(cr);
    iso.MoveTo(x1, x1, 0);
    iso.LineTo(x1, x0, 0);
    iso.LineTo(x1, x0, h);
    iso.LineTo(x1, x1, h);
    cairo_close_path(cr);
    LinearFill(cr, iso.Sx(x1, x1), iso.Sy(x1, x1, 0), iso.Sx(x1, x0), iso.Sy(x1, x0, h), GlassDark,
               Darker(Glass, 0.15));
    cairo_fill(cr);
    // A few lit panes.
    for (int f = 1; f < 9; ++f) {
        for (int k = 0; k < 4; ++k) {
            if (HashUnit(300 + p, f, k) < 0.3) {
                const double u = x0 + (x1 - x0) * k / 4;
                iso.QuadL(x1, u + 0.01, u + (x1 - x0) / 4 - 0.01, f * h / 9 + 0.8, (f + 1) * h / 9 - 0.8,
                          Lighter(WindowLit, 0.2));
            }
        }
    }
    for (int k = 1; k < 4; ++k) {
        const double t = x0 + (x1 - x0) * k / 4;
        iso.MoveTo(t, x1, 2);
        iso.LineTo(t, x1, h);
        iso.MoveTo(x1, t, 2);
        iso.LineTo(x1, t, h);
    }
    for (int f = 1; f < 9; ++f) {
        const double z = f * h / 9;
        iso.MoveTo(x0, x1, z);
        iso.LineTo(x1, x1, z);
        iso.LineTo(x1, x0, z);
    }
    SetColour(cr, Lighter(Glass, 0.55), 0.9);
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
    iso.MoveTo(x0, x1, 0);
    iso.LineTo(x0, x1, h);
    iso.LineTo(x1, x1, h);
    iso.LineTo(x1, x0, h);
    iso.LineTo(x1, x0, 0);
    iso.MoveTo(x1, x1, 0);
    iso.LineTo(x1, x1, h);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Crown in the owner's colour and an antenna with a red light.
    iso.Box(x0 - 0.01, x0 - 0.01, x1 + 0.01, x1 + 0.01, h, 3, c, Lighter(c, 0.25));
    iso.Box(x0 + 0.06, x0 + 0.06, x1 - 0.06, x1 - 0.06, h + 3, 4, Darker(c, 0.1), Lighter(c, 0.35));
    const double m = (x0 + x1) / 2;
    const double ax = iso.Sx(m, m);
    const double ay = iso.Sy(m, m, h + 7);
    cairo_move_to(cr, ax, ay);
    cairo_line_to(cr, ax, ay - 8);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_arc(cr, ax, ay - 8.5, 1.4, 0, 2 * M_PI);
    SetColour(cr, CrossRed);
    cairo_fill(cr);
    // Entrance canopy.
    iso.Box(0.56, x1, 0.7, x1 + 0.06, 6, 1.5, c, Lighter(c, 0.3));
    OwnerMark(cr, p);
}

// A striped awning sloping out from the left face by depth (cell units), dropping drop pixels.
void Awning(const Iso& iso, double gy, double a, double b, double z, const Rgb& c, double depth, double drop)
{
    const int stripes = 6;
    for (int k = 0; k < stripes; ++k) {
        const double u0 = a + (b - a) * k / stripes;
        const double u1 = a + (b - a) * (k + 1) / stripes;
        iso.MoveTo(u0, gy, z);
        iso.LineTo(u1, gy, z);
        iso.LineTo(u1, gy + depth, z - drop);
        iso.LineTo(u0, gy + depth, z - drop);
        cairo_close_path(iso.Cr);
        SetColour(iso.Cr, k % 2 ? WhiteWall : c);
        cairo_fill(iso.Cr);
    }
    iso.MoveTo(a, gy, z);
    iso.LineTo(b, gy, z);
    iso.LineTo(b, gy + depth, z - drop);
    iso.LineTo(a, gy + depth, z - drop);
    cairo_close_path(iso.Cr);
    SetColour(iso.Cr, Outline);
    cairo_set_line_width(iso.Cr, 0.9);
    cairo_stroke(iso.Cr);
}

// A shopping bag whose top edge is centred on (x, y), w wide: the stores' emblem.
void ShoppingBag(cairo_t* cr, double x, double y, double w, const Rgb& c)
{
    const double h = w * 0.9;
    cairo_arc(cr, x, y, w * 0.22, M_PI, 2 * M_PI);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_move_to(cr, x - w / 2, y);
    cairo_line_to(cr, x + w / 2, y);
    cairo_line_to(cr, x + w * 0.42, y + h);
    cairo_line_to(cr, x - w * 0.42, y + h);
    cairo_close_path(cr);
    FillStroke(cr, c, Outline, 0.8);
}

void Stores(cairo_t* cr, int p)
{
    Lot(cr, Ground::Pavement);
    Iso iso(cr, Top);
    const Rgb c = Player[p];
    // A street of four shop houses stepping up from one to four upper floors: a ground-floor shop
    // (lit window under an awning in the owner's colour) below 7-pixel floors of flats.
    const Rgb fronts[] = {FromBytes(230, 206, 160), FromBytes(200, 214, 220), FromBytes(236, 190, 170),
                          FromBytes(214, 224, 188)};
    const Rgb shopLight = Mix(WindowLit, Glass, 0.3);
    const double y0 = 0.24;
    const double y1 = 0.54;
    const double shop = 14;
    const double width = 0.205;
    iso.ShadowRect(0.12, y0, 0.94, y1, 0.06);
    double a = 0.12;
    for (int k = 0; k < 4; ++k, a += width) {
        const double b = a + width;
        const int floors = k + 1;
        const double h = shop + 7 * floors;
        const Rgb wall = fronts[k];
        iso.Box(a, y0, b, y1, 0, h, wall, Lighter(Concrete, 0.1));
        iso.QuadL(y1, a, b, h - 2, h, Darker(wall, 0.25));
        iso.QuadR(b, y0, y1, h - 2, h, Darker(wall, 0.45));
        iso.QuadL(y1, a + 0.015, b - 0.015, 0.5, 11, shopLight, true);
        iso.QuadL(y1, a + 0.085, a + 0.125, 0, 9, WalnutDark);
        iso.WindowsL(y1, a + 0.01, b - 0.01, shop, h - 2, 2, floors, Window, 0.5);
        Awning(iso, y1, a + 0.008, b - 0.008, 12.5, c, 0.04, 2.5);
    }
    const double corner = a;
    const double top = shop + 28;
    // The corner house shows a second shop window, two floors of flats and a large sign with a
    // shopping bag on the side street.
    iso.QuadR(corner, y0 + 0.04, y1 - 0.04, 0.5, 11, Darker(shopLight, 0.15), true);
    iso.QuadR(corner, y0 + 0.02, y1 - 0.02, 11.5, 13.5, Darker(c, 0.1), true);
    iso.WindowsR(corner, y0 + 0.02, y1 - 0.02, shop, shop + 14, 3, 2, Window, 0.5);
    const double sign0 = y1 - 0.03;
    const double sign1 = y0 + 0.03;
    iso.QuadR(corner, sign0, sign1, shop + 15, top - 3, Darker(c, 0.1), true);
    cairo_save(cr);
    iso.FaceR(corner, sign0, top - 3);
    ShoppingBag(cr, (sign0 - sign1) * 36, 3.2, 8, WhiteWall);
    cairo_restore(cr);
    // Lamps and planters on the pavement.
    for (const double gx : {0.18, 0.56}) {
        iso.Box(gx, 0.7, gx + 0.06, 0.74, 0, 3, WalnutLight, Foliage);
        iso.Ellipse(gx + 0.03, 0.72, 0.035, 0.025, 5);
        SetColour(cr, FromBytes(230, 90, 110));
        cairo_fill(cr);
    }
    Lamp(cr, iso, 0.38, 0.68, 15);
    Lamp(cr, iso, 0.76, 0.68, 15);
    OwnerMark(cr, p);
}

void ShoppingCentre(cairo_t* cr, int p)
{
    Lot(cr, Ground::Asphalt);
    Iso iso(cr, Top);
    const Rgb c = Player[p];
    // Parking bays in front.
    cairo_save(cr);
    iso.GroundMatrix();
    for (int k = 0; k < 9; ++k) {
        cairo_move_to(cr, 0.1 + k * 0.1, 0.7);
        cairo_line_to(cr, 0.1 + k * 0.1, 0.86);
    }
    cairo_restore(cr);
    SetColour(cr, LaneMark);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    // A wide hall over most of the cell, an upper floor set back on it and a glass atrium.
    const double x0 = 0.1;
    const double y0 = 0.1;
    const double x1 = 0.92;
    const double y1 = 0.6;
    iso.ShadowRect(x0, y0, x1, y1, 0.06);
    const Rgb wall = FromBytes(222, 214, 200);
    iso.Box(x0, y0, x1, y1, 0, 14, wall, Lighter(Concrete, 0.2));
    iso.QuadL(y1, x0, x1, 0, 2.5, Darker(wall, 0.15));
    iso.QuadL(y1, x0 + 0.04, 0.33, 2.5, 10, Glass, true);
    iso.QuadL(y1, 0.67, x1 - 0.04, 2.5, 10, Glass, true);
    iso.QuadR(x1, y0 + 0.05, y1 - 0.05, 3, 10, Darker(Glass, 0.25), true);
    iso.QuadL(y1, x0, x1, 12, 14, c);
    iso.QuadR(x1, y0, y1, 12, 14, Darker(c, 0.3));
    iso.Box(0.24, 0.18, 0.84, 0.5, 14, 10, Lighter(wall, 0.1), Lighter(Concrete, 0.3));
    iso.QuadL(0.5, 0.27, 0.81, 16.5, 21.5, Glass, true);
    iso.QuadR(0.84, 0.21, 0.47, 16.5, 21.5, Darker(Glass, 0.25), true);
    iso.HipRoof(0.36, 0.24, 0.64, 0.44, 24, 9, Lighter(Glass, 0.2));
    iso.Box(0.7, 0.24, 0.8, 0.34, 24, 3, ConcreteDark, Concrete);
    // The entrance hall in the owner's colour with the MALL sign.
    const double e0 = 0.32;
    const double e1 = 0.68;
    iso.Box(e0, 0.54, e1, 0.66, 0, 27, c, Lighter(c, 0.2));
    iso.QuadL(0.66, 0.43, 0.57, 0, 11, Lighter(Glass, 0.15), true);
    iso.QuadL(0.66, e0 + 0.015, e1 - 0.015, 14, 25, WhiteWall, true);
    TextStyle s;
    s.Family = "DejaVu Sans Condensed";
    s.Size = 10;
    s.Colour = Darker(c, 0.2);
    FaceTextL(cr, iso, "MALL", s, 0.66, (e0 + e1) / 2, 19.5);
    // Flags on the entrance roof.
    for (const double gx : {e0 + 0.04, e1 - 0.04}) {
        const double fx = iso.Sx(gx, 0.6);
        const double fy = iso.Sy(gx, 0.6, 27);
        cairo_move_to(cr, fx, fy);
        cairo_line_to(cr, fx, fy - 10);
        SetColour(cr, Outline);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        cairo_rectangle(cr, fx + 0.5, fy - 10, 5, 3.5);
        FillStroke(cr, Lighter(c, 0.1), Darker(c, 0.5), 0.6);
    }
    // Three cars parked apart, each in its own bay.
    Car(iso, 0.12, 0.72, FromBytes(200, 60, 60), false);
    Car(iso, 0.52, 0.72, FromBytes(240, 240, 240), false);
    Car(iso, 0.82, 0.72, FromBytes(60, 90, 160), false);
    Lamp(cr, iso, 0.4, 0.9, 14);
    OwnerMark(cr, p);
}

// A palm: a curved trunk and a crown of fronds.
void Palm(cairo_t* cr, const Iso& iso, double gx, double gy, double h)
{
    const double x = iso.Sx(gx, gy);
    const double y = iso.Sy(gx, gy);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 1, y - h * 0.4, x + 3, y - h * 0.7, x + 2, y - h);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, 2.6);
    cairo_stroke_preserve(cr);
    SetColour(cr, Trunk);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    for (int k = 0; k < 6; ++k) {
        const double a = k * M_PI / 3 + 0.3;
        const double ex = x + 2 + 7 * std::cos(a);
        const double ey = y - h + 3.5 * std::sin(a) + 2.5;
        cairo_move_to(cr, x + 2, y - h);
        cairo_curve_to(cr, x + 2 + 4 * std::cos(a), y - h - 3, ex, ey - 2, ex, ey);
    }
    SetColour(cr, Darker(FoliageLight, 0.2));
    cairo_set_line_width(cr, 2.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void Hotel(cairo_t* cr, int p)
{
    Lot(cr, Ground::Plaza);
    Iso iso(cr, Top);
    const Rgb c = Player[p];
    const Rgb wall = FromBytes(214, 196, 172);
    const Rgb lit = WindowLit; // one window scheme on every wall; the right faces come out darker
    // Two low wings wrap the back of the cell; the tower rises between them over the entrance.
    iso.ShadowRect(0.1, 0.1, 0.9, 0.9, 0.06);
    iso.Box(0.42, 0.1, 0.9, 0.4, 0, 20, wall, Lighter(Concrete, 0.25));
    iso.WindowsL(0.4, 0.8, 0.9, 2, 20, 1, 3, lit, 0.5);
    iso.WindowsR(0.9, 0.12, 0.38, 2, 20, 3, 3, lit, 0.5);
    iso.QuadR(0.9, 0.1, 0.4, 18, 20, Darker(Gold, 0.2));
    iso.GroundRect(0.5, 0.16, 0.84, 0.34, 20);
    FillStroke(cr, FoliageLight, Darker(Foliage, 0.3), 0.8);
    iso.Box(0.1, 0.42, 0.4, 0.9, 0, 20, wall, Lighter(Concrete, 0.25));
    iso.WindowsL(0.9, 0.12, 0.38, 2, 20, 3, 3, lit, 0.5);
    iso.QuadL(0.9, 0.1, 0.4, 18, 20, Gold);
    iso.GroundRect(0.16, 0.5, 0.34, 0.84, 20);
    FillStroke(cr, FoliageLight, Darker(Foliage, 0.3), 0.8);
    // Pool terrace on the right wing's front and palms.
    iso.GroundRect(0.8, 0.48, 0.96, 0.78);
    SetColour(cr, WhiteWall);
    cairo_fill(cr);
    iso.GroundRect(0.82, 0.5, 0.94, 0.76);
    SetColour(cr, FromBytes(90, 190, 220));
    cairo_fill(cr);
    // The tower.
    const double tx0 = 0.46;
    const double tx1 = 0.82;
    const double h = 46.5;
    iso.ShadowRect(tx0, tx0, tx1, tx1, 0.1);
    iso.Box(tx0, tx0, tx1, tx1, 0, h, wall, Lighter(Concrete, 0.25));
    iso.QuadL(tx1, tx0, tx1, 0, 9, Stone);
    iso.QuadR(tx1, tx0, tx1, 0, 9, Darker(Stone, 0.28));
    iso.QuadL(tx1, tx0 + 0.03, tx1 - 0.03, 1, 7, Mix(lit, Glass, 0.4), true);
    iso.QuadR(tx1, tx0 + 0.03, tx1 - 0.03, 1, 7, Darker(Mix(lit, Glass, 0.4), 0.22), true);
    iso.WindowsL(tx1, tx0 + 0.04, tx1 - 0.04, 10, h - 3, 4, 7, lit, 0.5);
    iso.WindowsR(tx1, tx0 + 0.04, tx1 - 0.04, 10, h - 3, 4, 7, lit, 0.5);
    // Corner piers in the owner's colour and a gold cornice.
    iso.QuadL(tx1, tx0, tx0 + 0.03, 9, h, c);
    iso.QuadL(tx1, tx1 - 0.025, tx1, 9, h, c);
    iso.QuadR(tx1, tx0 + 0.025, tx0, 9, h, Darker(c, 0.25));
    iso.Box(tx0 - 0.01, tx0 - 0.01, tx1 + 0.01, tx1 + 0.01, h, 2.5, Gold, GoldLight);
    iso.GroundRect(tx0 + 0.02, tx0 + 0.02, tx1 - 0.02, tx1 - 0.02, h + 2.5);
    FillStroke(cr, Lighter(Concrete, 0.2), Darker(Gold, 0.3), 0.8);
    // Entrance canopy with a row of lights.
    iso.Box(0.5, tx1, 0.72, tx1 + 0.1, 7, 1.8, c, Lighter(c, 0.3));
    for (int k = 0; k < 5; ++k) {
        const double gx = 0.52 + k * 0.045;
        cairo_arc(cr, iso.Sx(gx, tx1 + 0.1), iso.Sy(gx, tx1 + 0.1, 7.4), 0.9, 0, 2 * M_PI);
    }
    SetColour(cr, Lighter(WindowLit, 0.5));
    cairo_fill(cr);
    Palm(cr, iso, 0.94, 0.68, 17);
    Palm(cr, iso, 0.3, 0.94, 15);
    // Rooftop sign on the tower's front edge, in the plane of the front wall.
    const double sz = h + 2.5;
    for (const double gx : {0.5, 0.72}) {
        iso.Box(gx - 0.01, tx1 - 0.04, gx + 0.01, tx1 - 0.02, sz, 3, Outline, Outline);
    }
    iso.Box(0.44, tx1 - 0.02, 0.78, tx1, sz + 3, 12, Gold, GoldLight);
    iso.QuadL(tx1, 0.45, 0.77, sz + 4, sz + 14, c, true);
    TextStyle s;
    s.Family = "DejaVu Sans Condensed";
    s.Size = 8.5;
    s.Colour = PlayerInk[p];
    FaceTextL(cr, iso, "HOTEL", s, tx1, 0.61, sz + 9);
    OwnerMark(cr, p);
}

void Table1Frame(cairo_t* cr, int n)
{
    if (n <= 5) {
        Pawn(cr, n);
    } else if (n == 6 || n == 7) {
        Cursor(cr, n == 7);
    } else if (n == 9) {
        ForSale(cr);
    } else if (n == 10) {
        Treasury(cr);
    } else if (n == 11) {
        EmploymentOffice(cr);
    } else if (n == 12) {
        University(cr);
    } else if (n == 13) {
        PoliceStation(cr);
    } else if (n == 14) {
        Prison(cr);
    } else if (n == 15) {
        Hospital(cr);
    } else if (n == 16) {
        Courthouse(cr);
    } else if (n == 17) {
        PrisonZone(cr);
    } else if (n == 18) {
        Park(cr);
    } else if (n == 19) {
        Payment(cr);
    } else if (n >= 20 && n <= 23) {
        Arrow(cr, n - 20);
    } else if (n >= 24 && n % 8 != 7) {
        const int p = (n - 24) / 8;
        switch ((n - 24) % 8) {
        case 0:
            OwnedLot(cr, p);
            break;
        case 1:
            Houses(cr, p);
            break;
        case 2:
            Apartment(cr, p);
            break;
        case 3:
            Skyscraper(cr, p);
            break;
        case 4:
            Stores(cr, p);
            break;
        case 5:
            ShoppingCentre(cr, p);
            break;
        default:
            Hotel(cr, p);
            break;
        }
    }
}

Rgb MatteOf(int n)
{
    if (n <= 5 || (n >= 20 && n <= 23)) {
        return Asphalt; // pawns and arrows stand on the road
    }
    if (n == 19) {
        return Paper; // shown in dialogs
    }
    if (n == 17) {
        return Concrete; // only the fence's wire reaches beyond the yard
    }
    return Grass;
}

} // namespace

void DrawPawn(cairo_t* cr, int player)
{
    Pawn(cr, player);
}

Picture MakeTable1()
{
    SheetBuilder b(Pictures::Table1);
    for (int n = 0; n < 72; ++n) {
        b.Frame(
            n, [n](cairo_t* cr) { Table1Frame(cr, n); }, MatteOf(n));
    }
    return b.Finish();
}

} // namespace Art

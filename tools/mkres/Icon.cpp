// The program's icon: a red pawn on the street before a small hotel on its lot, drawn as vectors
// at the size asked for, with less detail where a pixel would not hold it.
#include "Icon.h"

#include "ArtKit.h"
#include "Pictures.h"

#include <cairo.h>

namespace Art {

namespace {

using namespace Palette;

// The lot is drawn in the board's cell units (a 144 x 96 diamond) magnified by this much in a
// 256-pixel design square.
constexpr double Magnify = 1.64;
// The diamond's top vertex in cell units, so that the lot ends near the square's bottom edge and
// the hotel's sign near its top.
constexpr double LotTop = 56;
constexpr int Owner = 0; // red, the first player's colour

void Lot(const Iso& iso, bool fine)
{
    cairo_t* cr = iso.Cr;
    iso.GroundRect(0, 0, 1, 1);
    LinearFill(cr, 0, LotTop, 0, LotTop + 96, GrassLight, GrassDark);
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(GrassDark, 0.35));
    cairo_set_line_width(cr, fine ? 1.2 : 2.2);
    cairo_stroke(cr);
    // The street along the front right, walked toward the viewer, with its kerb and lane mark.
    iso.GroundRect(0.74, 0, 1, 1);
    SetColour(cr, Asphalt);
    cairo_fill(cr);
    iso.GroundRect(0.7, 0, 0.74, 1);
    SetColour(cr, Kerb);
    cairo_fill(cr);
    for (int k = 0; k < (fine ? 4 : 2); ++k) {
        const double a = fine ? 0.06 + k * 0.25 : 0.1 + k * 0.5;
        iso.GroundRect(0.86, a, 0.885, a + (fine ? 0.13 : 0.26));
        SetColour(cr, LaneMark);
        cairo_fill(cr);
    }
    // The hotel's forecourt.
    iso.GroundRect(0.08, 0.1, 0.66, 0.9);
    SetColour(cr, Pavement);
    cairo_fill_preserve(cr);
    SetColour(cr, PavementDark);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

void Hotel(const Iso& iso, bool fine)
{
    cairo_t* cr = iso.Cr;
    const Rgb c = Player[Owner];
    const Rgb wall = FromBytes(214, 196, 172);
    const double x0 = 0.14;
    const double x1 = 0.56;
    const double y0 = 0.16;
    const double y1 = 0.64;
    const double h = 60;
    // Shadow cast toward the lower right.
    iso.GroundRect(x1, y0 + 0.06, x1 + 0.1, y1 + 0.08);
    SetColour(cr, Shadow, 0.45);
    cairo_fill(cr);
    iso.Box(x0, y0, x1, y1, 0, h, wall, Lighter(Concrete, 0.25));
    // Glass entrance, windows (fewer and larger at small sizes), corner piers in the owner's
    // colour and a gold cornice.
    iso.QuadL(y1, x0 + 0.12, x1 - 0.12, 0, 10, Mix(WindowLit, Glass, 0.4), true);
    const int cols = fine ? 4 : 2;
    const int rows = fine ? 6 : 3;
    iso.WindowsL(y1, x0 + 0.04, x1 - 0.04, 12, h - 3, cols, rows, WindowLit, fine ? 0.5 : 0.62);
    iso.WindowsR(x1, y0 + 0.04, y1 - 0.04, 12, h - 3, cols, rows, Darker(WindowLit, 0.22), fine ? 0.5 : 0.62);
    iso.QuadL(y1, x0, x0 + 0.045, 0, h, c);
    iso.QuadL(y1, x1 - 0.04, x1, 0, h, c);
    iso.QuadR(x1, y0, y0 + 0.045, 0, h, Darker(c, 0.25));
    iso.Box(x0 - 0.015, y0 - 0.015, x1 + 0.015, y1 + 0.015, h, 3.5, Gold, GoldLight);
    iso.GroundRect(x0 + 0.03, y0 + 0.03, x1 - 0.03, y1 - 0.03, h + 3.5);
    FillStroke(cr, Lighter(Concrete, 0.2), Darker(Gold, 0.3), 0.8);
    // The sign on the roof's front edge, in the owner's colour; its word only where it can be read.
    const double sz = h + 3.5;
    iso.Box(x0 + 0.05, y1 - 0.04, x1 - 0.05, y1 - 0.01, sz, 13, c, Lighter(c, 0.3));
    if (fine) {
        TextStyle s;
        s.Family = "DejaVu Sans Condensed";
        s.Size = 9;
        s.Colour = PlayerInk[Owner];
        // On the left face's plane (as Iso::FaceL, but within the icon's own scaling).
        const double at = (x0 + x1) / 2;
        cairo_save(cr);
        cairo_matrix_t face;
        cairo_matrix_init(&face, 1.0, 2.0 / 3.0, 0.0, 1.0, iso.Sx(at, y1 - 0.01),
                          iso.Sy(at, y1 - 0.01, sz + 6.5));
        cairo_transform(cr, &face);
        DrawText(cr, "HOTEL", s, 0, 0);
        cairo_restore(cr);
    }
}

} // namespace

void DrawIcon(cairo_t* cr, int size)
{
    const bool fine = size >= 96;
    cairo_save(cr);
    cairo_scale(cr, size / 256.0, size / 256.0);
    cairo_translate(cr, (256 - 144 * Magnify) / 2, 0);
    cairo_scale(cr, Magnify, Magnify);
    const Iso iso(cr, LotTop);
    Lot(iso, fine);
    if (fine)
        iso.Tree(0.12, 0.86, 13);
    Hotel(iso, fine);
    // The pawn on the street, larger than on the board so that it reads at the smallest size.
    const double pawnScale = fine ? 1.55 : 1.75;
    cairo_translate(cr, iso.Sx(0.87, 0.62), iso.Sy(0.87, 0.62));
    cairo_scale(cr, pawnScale, pawnScale);
    cairo_translate(cr, -72, -56);
    DrawPawn(cr, Owner);
    cairo_restore(cr);
}

bool WriteIcon(int size, const std::string& path)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(s);
    DrawIcon(cr, size);
    cairo_destroy(cr);
    const bool written = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return written;
}

} // namespace Art

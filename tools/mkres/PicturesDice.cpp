// The die ("dice"): tumbling in the air, then landing and settling on each face.
#include "Pictures.h"

#include <cmath>

namespace Art {

namespace {

using namespace Palette;

const Rgb Ivory = FromBytes(250, 246, 234);
const Rgb Edge = FromBytes(196, 188, 170);
const Rgb Pip = FromBytes(40, 32, 30);

// Pip positions of each face on a unit square centred on 0.
void Pips(cairo_t* cr, int face, double s, double alpha)
{
    static const double layouts[7][6][2] = {
        {},
        {{0, 0}},
        {{-1, -1}, {1, 1}},
        {{-1, -1}, {0, 0}, {1, 1}},
        {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}},
        {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}},
        {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}},
    };
    for (int k = 0; k < face; ++k) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, layouts[face][k][0] * s * 0.26, layouts[face][k][1] * s * 0.26,
                  s * (face == 1 ? 0.12 : 0.09), 0, 2 * M_PI);
    }
    SetColour(cr, Pip, alpha);
    cairo_fill(cr);
}

// One die seen from above at angle a (radians), its sides showing toward the lower right.
void Die(cairo_t* cr, double cx, double cy, double size, double a, int face, double alpha)
{
    const double depth = size * 0.14;
    cairo_save(cr);
    cairo_translate(cr, cx + depth * 0.5, cy + depth * 0.8);
    cairo_rotate(cr, a);
    RoundedRect(cr, -size / 2, -size / 2, size, size, size * 0.2);
    SetColour(cr, Darker(Edge, 0.15), alpha);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, a);
    RoundedRect(cr, -size / 2, -size / 2, size, size, size * 0.2);
    cairo_pattern_t* g = cairo_pattern_create_linear(-size / 2, -size / 2, size / 2, size / 2);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(g, 1, Ivory.R * 0.93, Ivory.G * 0.92, Ivory.B * 0.9, alpha);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill_preserve(cr);
    SetColour(cr, Outline, alpha);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    if (face > 0) {
        Pips(cr, face, size, alpha);
    }
    cairo_restore(cr);
}

void Tumble(cairo_t* cr, int k)
{
    // Faint exposures at neighbouring angles make a spinning blur; the pips are smeared into
    // short arcs so that no face can be read.
    const double base = 0.5 + k * 0.9;
    const double cx = 24;
    const double cy = 24 + std::sin(k * 0.9) * 3;
    for (int e = 3; e >= 0; --e) {
        Die(cr, cx - e * 1.2, cy - e * 0.5, 28 - e, base - e * 0.2, 0, e == 0 ? 1.0 : 0.45);
    }
    SetColour(cr, Mix(Pip, Ivory, 0.45));
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int d = 0; d < 4; ++d) {
        const double r = 4 + ((k + d) % 3) * 3.5;
        const double a = base + d * 1.7;
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r, a, a + 0.7);
        cairo_stroke(cr);
    }
}

void Settle(cairo_t* cr, int face, int k)
{
    static const double angle[7] = {0.7, 0.45, 0.26, 0.12, 0.05, 0.015, 0};
    static const double lift[7] = {-5, -1, -4, 0, -1.5, 0, 0};
    if (k < 2) {
        Die(cr, 25, 25 + lift[k], 28, angle[k] + 0.25, face, 0.5);
    }
    Die(cr, 23, 23 + lift[k], 30, angle[k], face, 1.0);
}

} // namespace

Picture MakeDice()
{
    SheetBuilder b(Pictures::Dice);
    for (int k = 0; k < 7; ++k) {
        b.Frame(
            k, [k](cairo_t* cr) { Tumble(cr, k); }, Grass);
    }
    for (int f = 1; f <= 6; ++f) {
        for (int k = 0; k < 7; ++k) {
            b.Frame(
                8 * f + k, [f, k](cairo_t* cr) { Settle(cr, f, k); }, Grass);
        }
    }
    return b.Finish();
}

} // namespace Art

// The main menu's background: the city at dusk, built from the board's own tiles, with the title.
#include "BitmapFile.h"
#include "Pictures.h"

#include <cmath>

namespace Art {

namespace {

using namespace Palette;

constexpr int MapSize = 26;

struct City
{
    int Kind[MapSize][MapSize] = {}; // 0 grass, 1 road, 2 building
    int Frame[MapSize][MapSize] = {};
};

bool IsRoad(const City& c, int x, int y)
{
    return x >= 0 && y >= 0 && x < MapSize && y < MapSize && c.Kind[y][x] == 1;
}

City Plan()
{
    City c;
    Random r(4242);
    for (int y = 0; y < MapSize; ++y) {
        for (int x = 0; x < MapSize; ++x) {
            if (x % 4 == 1 || y % 5 == 2) {
                c.Kind[y][x] = 1;
            }
        }
    }
    // Road pictures from the neighbours, as the editor's road tool picks them.
    static const int shape[16] = {9, 9, 10, 14, 9, 9, 11, 15, 10, 13, 10, 18, 12, 17, 16, 19};
    for (int y = 0; y < MapSize; ++y) {
        for (int x = 0; x < MapSize; ++x) {
            if (c.Kind[y][x] == 1) {
                const int bits = (IsRoad(c, x, y - 1) ? 1 : 0) | (IsRoad(c, x + 1, y) ? 2 : 0) |
                                 (IsRoad(c, x, y + 1) ? 4 : 0) | (IsRoad(c, x - 1, y) ? 8 : 0);
                c.Frame[y][x] = shape[bits];
                continue;
            }
            // Taller and richer toward the centre.
            const double d = std::hypot(x - MapSize / 2.0, y - MapSize / 2.0) / (MapSize / 2.0);
            const double roll = r.Uniform();
            c.Kind[y][x] = 2;
            if (roll < 0.08) {
                c.Frame[y][x] = 10 + static_cast<int>(r.Range(0, 8)); // a public building
            } else if (roll < 0.16) {
                c.Frame[y][x] = 18; // park
            } else {
                const int p = static_cast<int>(r.Range(0, 6));
                int level = static_cast<int>(r.Range(0, 3) + (1 - d) * 4.5);
                level = std::clamp(level, 1, 6);
                c.Frame[y][x] = 24 + 8 * p + level;
            }
        }
    }
    return c;
}

struct Lamp
{
    double X;
    double Y;
};

// Draws the city and returns where its street lamps stand (on junctions).
std::vector<Lamp> DrawCity(cairo_t* cr, const Picture& table0, const Picture& table1, int width, int height)
{
    std::vector<Lamp> lamps;
    const City city = Plan();
    std::vector<cairo_surface_t*> ground(32);
    std::vector<cairo_surface_t*> tall(72);
    for (int n = 0; n < 32; ++n) {
        ground[static_cast<std::size_t>(n)] = FrameSurface(table0, n);
    }
    for (int n = 0; n < 72; ++n) {
        tall[static_cast<std::size_t>(n)] = FrameSurface(table1, n);
    }
    // The same row order as the board view: centres every 48 rows, alternate rows shifted by 72.
    const int cx = MapSize / 2;
    const int cy = MapSize / 2;
    const int ta = width / 144 + 1;
    const int td = height / 96 + 2;
    int rx = (2 * cx + 1 - td - ta) / 2;
    int ry = (2 * cy + 1 - td + ta) / 2;
    int ox = 0;
    for (int py = 0; py <= height + 96; py += 48) {
        int x = rx;
        int y = ry;
        for (int px = ox; px <= width + 72; px += 144, ++x, --y) {
            const double left = px - 72;
            const double top = py - 48;
            if (x < 0 || y < 0 || x >= MapSize || y >= MapSize) {
                continue;
            }
            if (city.Kind[y][x] == 1 && city.Frame[y][x] >= 15) {
                lamps.push_back({static_cast<double>(px), static_cast<double>(py)});
            }
            if (city.Kind[y][x] == 2) {
                cairo_set_source_surface(cr, tall[static_cast<std::size_t>(city.Frame[y][x])], left, top - 9);
            } else {
                const int f = city.Kind[y][x] == 1 ? city.Frame[y][x] : 0;
                cairo_set_source_surface(cr, ground[static_cast<std::size_t>(f)], left, top);
            }
            cairo_paint(cr);
        }
        if (ox == 0) {
            ++rx;
            ox = 72;
        } else {
            ++ry;
            ox = 0;
        }
    }
    for (cairo_surface_t* s : ground) {
        cairo_surface_destroy(s);
    }
    for (cairo_surface_t* s : tall) {
        cairo_surface_destroy(s);
    }
    return lamps;
}

void Dusk(cairo_t* cr, int width, int height, const std::vector<Lamp>& lamps)
{
    // Evening light: a violet wash deepening toward the top, a warm glow low on the horizon side.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.10, 0.08, 0.22, 0.78);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 0.20, 0.14, 0.32, 0.5);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.45, 0.22, 0.24, 0.38);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    // Street lamps light the junctions.
    Random r(77);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (const Lamp& l : lamps) {
        const double x = l.X + r.Range(-20, 20);
        const double y = l.Y + r.Range(-10, 10);
        const double rad = r.Range(40, 64);
        cairo_pattern_t* lamp = cairo_pattern_create_radial(x, y, 0, x, y, rad);
        cairo_pattern_add_color_stop_rgba(lamp, 0, 1.0, 0.75, 0.4, 0.35);
        cairo_pattern_add_color_stop_rgba(lamp, 1, 1.0, 0.75, 0.4, 0);
        cairo_set_source(cr, lamp);
        cairo_arc(cr, x, y, rad, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(lamp);
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    // Vignette.
    cairo_pattern_t* v = cairo_pattern_create_radial(width / 2.0, height * 0.55, height * 0.35, width / 2.0,
                                                     height * 0.55, width * 0.65);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0.03, 0.02, 0.06, 0.6);
    cairo_set_source(cr, v);
    cairo_paint(cr);
    cairo_pattern_destroy(v);
}

// A soft dark veil behind a column of menu buttons, so they stand on calm ground.
void Veil(cairo_t* cr, double x, double y, double w, double h)
{
    for (int k = 0; k < 12; ++k) {
        const double grow = 26 - k * 2.2;
        RoundedRect(cr, x - grow, y - grow, w + 2 * grow, h + 2 * grow, 24 + grow);
        cairo_set_source_rgba(cr, 0.06, 0.04, 0.10, 0.055);
        cairo_fill(cr);
    }
}

void Title(cairo_t* cr, int width)
{
    cairo_pattern_t* band = cairo_pattern_create_linear(0, 0, 0, 250);
    cairo_pattern_add_color_stop_rgba(band, 0, 0.04, 0.03, 0.08, 0.75);
    cairo_pattern_add_color_stop_rgba(band, 1, 0.04, 0.03, 0.08, 0);
    cairo_set_source(cr, band);
    cairo_rectangle(cr, 0, 0, width, 250);
    cairo_fill(cr);
    cairo_pattern_destroy(band);
    TextStyle s;
    s.Family = "Liberation Serif";
    s.Size = 168;
    const double cx = width / 2.0;
    const double cy = 128;
    // Shadow, dark rim, then gold lettering lit from above.
    TextPath(cr, "Tarnhollow", s, cx + 6, cy + 8);
    cairo_set_source_rgba(cr, 0.02, 0.01, 0.04, 0.6);
    cairo_fill(cr);
    TextPath(cr, "Tarnhollow", s, cx, cy);
    SetColour(cr, Darker(BrassDark, 0.45));
    cairo_set_line_width(cr, 9);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, cy - 70, 0, cy + 60);
    cairo_pattern_add_color_stop_rgb(gold, 0, 1.0, 0.93, 0.66);
    cairo_pattern_add_color_stop_rgb(gold, 0.45, 0.95, 0.76, 0.33);
    cairo_pattern_add_color_stop_rgb(gold, 0.55, 0.80, 0.58, 0.2);
    cairo_pattern_add_color_stop_rgb(gold, 1, 0.98, 0.82, 0.45);
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    // Thin ornamental rules either side of a small diamond under the title.
    SetColour(cr, BrassLight, 0.85);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, cx - 330, 222);
    cairo_line_to(cr, cx - 24, 222);
    cairo_move_to(cr, cx + 24, 222);
    cairo_line_to(cr, cx + 330, 222);
    cairo_stroke(cr);
    cairo_move_to(cr, cx, 212);
    cairo_line_to(cr, cx + 12, 222);
    cairo_line_to(cr, cx, 232);
    cairo_line_to(cr, cx - 12, 222);
    cairo_close_path(cr);
    cairo_fill(cr);
}

} // namespace

Picture MakeMenuBackground(const Picture& table0, const Picture& table1)
{
    const int w = Pictures::MMBack.Width;
    const int h = Pictures::MMBack.Height;
    return Whole(Pictures::MMBack, [&](cairo_t* cr) {
        SetColour(cr, WaterDeep);
        cairo_paint(cr);
        const auto lamps = DrawCity(cr, table0, table1, w, h);
        Dusk(cr, w, h, lamps);
        Veil(cr, 0.2 * w, 0.24 * h, 0.26 * w, 0.61 * h);
        Veil(cr, 0.54 * w, 0.24 * h, 0.26 * w, 0.61 * h);
        Title(cr, w);
    });
}

} // namespace Art

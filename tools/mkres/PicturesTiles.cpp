// Board ground tiles: the water beyond the map ("blank") and the ground and road pieces ("table0").
#include "Pictures.h"

#include <cmath>

namespace Art {

namespace {

using namespace Palette;

constexpr double RoadHalf = 0.19;  // asphalt half-width in cell units
constexpr double KerbHalf = 0.205; // light kerb stone just outside the asphalt
constexpr double WalkHalf = 0.28;  // pavement half-width

enum Side
{
    Up = 1,
    Right = 2,
    Down = 4,
    Left = 8,
};

// The source stays locked to frame pixels whatever matrix the shapes are built in.
void PaintSource(cairo_t* cr, cairo_surface_t* texture)
{
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, texture, 0, 0);
}

// The road band of half-width w toward the given sides, in cell coordinates (ground matrix set).
// Bands run past the cell's edges; the diamond clip cuts them exactly at the edge.
void BandPath(cairo_t* cr, int sides, double w)
{
    const double lo = 0.5 - w;
    if (sides & Up) {
        cairo_rectangle(cr, lo, -0.3, 2 * w, 0.8);
    }
    if (sides & Down) {
        cairo_rectangle(cr, lo, 0.5, 2 * w, 0.8);
    }
    if (sides & Left) {
        cairo_rectangle(cr, -0.3, lo, 0.8, 2 * w);
    }
    if (sides & Right) {
        cairo_rectangle(cr, 0.5, lo, 0.8, 2 * w);
    }
    cairo_rectangle(cr, lo, lo, 2 * w, 2 * w);
}

bool IsCorner(int sides, double& cx, double& cy)
{
    switch (sides) {
    case Right | Down:
        cx = 1, cy = 1;
        return true;
    case Down | Left:
        cx = 0, cy = 1;
        return true;
    case Up | Left:
        cx = 0, cy = 0;
        return true;
    case Up | Right:
        cx = 1, cy = 0;
        return true;
    default:
        return false;
    }
}

// Fills the road shape of half-width w with the current source.
void FillRoadShape(cairo_t* cr, const Iso& iso, int sides, double w, bool dead)
{
    cairo_save(cr);
    iso.GroundMatrix();
    double cx = 0;
    double cy = 0;
    if (IsCorner(sides, cx, cy)) {
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, 0.5 + w, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, 0.5 - w, 0, 2 * M_PI);
        cairo_fill(cr);
    } else {
        BandPath(cr, sides, w);
        cairo_fill(cr);
        if (dead) {
            // A turning circle at the closed end.
            cairo_new_sub_path(cr);
            cairo_arc(cr, 0.5, 0.5, w * 1.55, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

// Dashed centre line on the arms of a road (dash phase shared by all pieces so they join).
void LaneMarks(cairo_t* cr, const Iso& iso, int sides, bool junction)
{
    cairo_save(cr);
    iso.GroundMatrix();
    SetColour(cr, LaneMark);
    const double t = 0.014;
    double cx = 0;
    double cy = 0;
    if (IsCorner(sides, cx, cy)) {
        // Two dashes along the arc, each 0.1 from a cell edge like the straight pieces.
        const double a0 = std::atan2(0.5 - cy, 0.5 - cx);
        double start = std::atan2(0.5 - cy, (cx == 1 ? 1.0 : 0.0) - cx);
        double end = std::atan2((cy == 1 ? 1.0 : 0.0) - cy, 0.5 - cx);
        (void)a0;
        double span = end - start;
        if (span > M_PI) {
            span -= 2 * M_PI;
        }
        if (span < -M_PI) {
            span += 2 * M_PI;
        }
        const double len = std::fabs(span) * 0.5;
        for (const double d : {0.1, len - 0.3}) {
            const double s0 = start + span * d / len;
            const double s1 = start + span * (d + 0.2) / len;
            cairo_new_sub_path(cr);
            if (span > 0) {
                cairo_arc(cr, cx, cy, 0.5 + t, s0, s1);
                cairo_arc_negative(cr, cx, cy, 0.5 - t, s1, s0);
            } else {
                cairo_arc_negative(cr, cx, cy, 0.5 + t, s0, s1);
                cairo_arc(cr, cx, cy, 0.5 - t, s1, s0);
            }
            cairo_close_path(cr);
            cairo_fill(cr);
        }
        cairo_restore(cr);
        return;
    }
    const double stop = junction ? 0.5 - WalkHalf : 0.5;
    const double far = junction ? 0.5 + WalkHalf : 0.5;
    auto dashes = [&](bool alongX, double from, double to) {
        for (const double d0 : {0.1, 0.6}) {
            const double a = std::max(d0, from);
            const double b = std::min(d0 + 0.2, to);
            if (b <= a) {
                continue;
            }
            if (alongX) {
                cairo_rectangle(cr, a, 0.5 - t, b - a, 2 * t);
            } else {
                cairo_rectangle(cr, 0.5 - t, a, 2 * t, b - a);
            }
        }
    };
    if (sides & Left) {
        dashes(true, 0, stop);
    }
    if (sides & Right) {
        dashes(true, far, 1);
    }
    if (sides & Up) {
        dashes(false, 0, stop);
    }
    if (sides & Down) {
        dashes(false, far, 1);
    }
    cairo_fill(cr);
    if (junction) {
        // Give-way lines across each arm at the junction box.
        SetColour(cr, Lighter(LaneMark, 0.3));
        const double a = 0.5 - RoadHalf;
        const double b = 0.5 + RoadHalf;
        if (sides & Left) {
            cairo_rectangle(cr, 0.5 - WalkHalf - 0.03, a, 0.022, b - a);
        }
        if (sides & Right) {
            cairo_rectangle(cr, 0.5 + WalkHalf + 0.008, a, 0.022, b - a);
        }
        if (sides & Up) {
            cairo_rectangle(cr, a, 0.5 - WalkHalf - 0.03, b - a, 0.022);
        }
        if (sides & Down) {
            cairo_rectangle(cr, a, 0.5 + WalkHalf + 0.008, b - a, 0.022);
        }
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

struct Textures
{
    cairo_surface_t* Grass;
    cairo_surface_t* Pavement;
    cairo_surface_t* Asphalt;
    cairo_surface_t* Water;
    cairo_surface_t* Sand;
    Textures()
        : Grass(GroundSurface(Ground::Grass, 144, 96, 0)),
          Pavement(GroundSurface(Ground::Pavement, 144, 96, 0)),
          Asphalt(GroundSurface(Ground::Asphalt, 144, 96, 0)),
          Water(GroundSurface(Ground::Water, 144, 96, 0)), Sand(GroundSurface(Ground::Sand, 144, 96, 0))
    {
    }
    ~Textures()
    {
        for (cairo_surface_t* s : {Grass, Pavement, Asphalt, Water, Sand}) {
            cairo_surface_destroy(s);
        }
    }
    Textures(const Textures&) = delete;
    Textures& operator=(const Textures&) = delete;
};

void PaintTexture(cairo_t* cr, cairo_surface_t* t)
{
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, t, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}

void RoadLayers(cairo_t* cr, const Textures& tx, int sides, bool dead)
{
    Iso iso(cr, 0);
    PaintSource(cr, tx.Pavement);
    FillRoadShape(cr, iso, sides, WalkHalf, dead);
    SetColour(cr, Kerb);
    FillRoadShape(cr, iso, sides, KerbHalf, dead);
    PaintSource(cr, tx.Asphalt);
    FillRoadShape(cr, iso, sides, RoadHalf, dead);
}

// Ground at the map's edge: sand and water along the outward sides, matching the water beyond.
void Shore(cairo_t* cr, int outward)
{
    cairo_surface_t* s = cairo_get_target(cr);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < 96; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < 144; ++x) {
            const double px = x + 0.5 - 72.0;
            const double py = y + 0.5;
            const double gx = (px / 72.0 + py / 48.0) / 2.0;
            const double gy = (py / 48.0 - px / 72.0) / 2.0;
            double d = 9;
            auto side = [&](double dist, double along) {
                const double wave =
                    0.025 * std::sin(2 * M_PI * 2 * along) + 0.012 * std::sin(2 * M_PI * 5 * along);
                d = std::min(d, dist - wave);
            };
            if (outward & Up) {
                side(gy, gx);
            }
            if (outward & Right) {
                side(1 - gx, gy);
            }
            if (outward & Down) {
                side(1 - gy, gx);
            }
            if (outward & Left) {
                side(gx, gy);
            }
            Rgb c;
            if (d < 0.15) {
                c = GroundColour(Ground::Water, x, y);
                if (d > 0.115) {
                    c = Mix(c, Foam, 0.75);
                } else if (d > 0.08) {
                    c = Mix(c, WaterLight, 0.35 * (d - 0.08) / 0.035);
                }
            } else if (d < 0.30) {
                c = GroundColour(Ground::Sand, x, y);
                if (d < 0.18) {
                    c = Darker(c, 0.12);
                }
            } else if (d < 0.33) {
                c = Mix(GroundColour(Ground::Sand, x, y), GroundColour(Ground::Grass, x, y),
                        (d - 0.30) / 0.03);
            } else {
                continue;
            }
            row[x] = 0xFF000000u | (static_cast<std::uint32_t>(std::lround(c.R * 255)) << 16) |
                     (static_cast<std::uint32_t>(std::lround(c.G * 255)) << 8) |
                     static_cast<std::uint32_t>(std::lround(c.B * 255));
        }
    }
    cairo_surface_mark_dirty(s);
}

void Zebra(cairo_t* cr, bool alongY)
{
    Iso iso(cr, 0);
    cairo_save(cr);
    iso.GroundMatrix();
    SetColour(cr, Lighter(LaneMark, 0.4));
    const int stripes = 5;
    const double span = 2 * RoadHalf - 0.04;
    const double step = span / stripes;
    for (int k = 0; k < stripes; ++k) {
        const double a = 0.5 - RoadHalf + 0.02 + k * step + step * 0.2;
        if (alongY) {
            cairo_rectangle(cr, a, 0.38, step * 0.6, 0.24);
        } else {
            cairo_rectangle(cr, 0.38, a, 0.24, step * 0.6);
        }
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

void Roundabout(cairo_t* cr, const Textures& tx)
{
    Iso iso(cr, 0);
    RoadLayers(cr, tx, Up | Right | Down | Left, false);
    cairo_save(cr);
    iso.GroundMatrix();
    cairo_arc(cr, 0.5, 0.5, 0.42, 0, 2 * M_PI);
    cairo_restore(cr);
    PaintSource(cr, tx.Pavement);
    cairo_fill(cr);
    cairo_save(cr);
    iso.GroundMatrix();
    cairo_arc(cr, 0.5, 0.5, 0.36, 0, 2 * M_PI);
    cairo_restore(cr);
    PaintSource(cr, tx.Asphalt);
    cairo_fill(cr);
    // Ring marks and the island.
    cairo_save(cr);
    iso.GroundMatrix();
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    for (int k = 0; k < 8; ++k) {
        const double a0 = k * M_PI / 4 + 0.12;
        const double a1 = a0 + 0.4;
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0.5, 0.5, 0.275, a0, a1);
        cairo_arc_negative(cr, 0.5, 0.5, 0.26, a1, a0);
        cairo_close_path(cr);
    }
    SetColour(cr, LaneMark);
    cairo_fill(cr);
    cairo_arc(cr, 0.5, 0.5, 0.18, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColour(cr, Kerb);
    cairo_fill(cr);
    cairo_save(cr);
    iso.GroundMatrix();
    cairo_arc(cr, 0.5, 0.5, 0.16, 0, 2 * M_PI);
    cairo_restore(cr);
    PaintSource(cr, tx.Grass);
    cairo_fill(cr);
}

void Plaza(cairo_t* cr, const Textures& tx)
{
    Iso iso(cr, 0);
    cairo_surface_t* plaza = GroundSurface(Ground::Plaza, 144, 96, 0);
    PaintTexture(cr, plaza);
    cairo_surface_destroy(plaza);
    // A ring of darker setts and a small fountain in the middle.
    cairo_save(cr);
    iso.GroundMatrix();
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_arc(cr, 0.5, 0.5, 0.33, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.5, 0.5, 0.29, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColour(cr, PavementDark);
    cairo_fill(cr);
    (void)tx;
}

void Fountain(cairo_t* cr)
{
    Iso iso(cr, 0);
    iso.Ellipse(0.5, 0.5, 0.13, 0.13);
    FillStroke(cr, StoneDark);
    iso.Ellipse(0.5, 0.5, 0.13, 0.13, 3);
    FillStroke(cr, Stone);
    iso.Ellipse(0.5, 0.5, 0.105, 0.105, 3);
    SetColour(cr, Water);
    cairo_fill(cr);
    cairo_rectangle(cr, iso.Sx(0.5, 0.5) - 1.5, iso.Sy(0.5, 0.5, 11), 3, 8);
    FillStroke(cr, Stone);
    cairo_arc(cr, iso.Sx(0.5, 0.5), iso.Sy(0.5, 0.5, 13), 3.2, 0, 2 * M_PI);
    FillStroke(cr, Lighter(WaterLight, 0.4));
}

void Canal(cairo_t* cr, const Textures& tx, bool roadAlongY)
{
    Iso iso(cr, 0);
    // Embankment and water across the road.
    cairo_save(cr);
    iso.GroundMatrix();
    if (roadAlongY) {
        cairo_rectangle(cr, -0.3, 0.28, 1.6, 0.44);
    } else {
        cairo_rectangle(cr, 0.28, -0.3, 0.44, 1.6);
    }
    cairo_restore(cr);
    SetColour(cr, StoneDark);
    cairo_fill(cr);
    cairo_save(cr);
    iso.GroundMatrix();
    if (roadAlongY) {
        cairo_rectangle(cr, -0.3, 0.33, 1.6, 0.34);
    } else {
        cairo_rectangle(cr, 0.33, -0.3, 0.34, 1.6);
    }
    cairo_restore(cr);
    PaintSource(cr, tx.Water);
    cairo_fill(cr);
    // Shaded inner wall on the far side of the canal.
    cairo_save(cr);
    iso.GroundMatrix();
    if (roadAlongY) {
        cairo_rectangle(cr, -0.3, 0.33, 1.6, 0.05);
    } else {
        cairo_rectangle(cr, 0.33, -0.3, 0.05, 1.6);
    }
    cairo_restore(cr);
    SetColour(cr, Darker(StoneDark, 0.35));
    cairo_fill(cr);
}

void BridgeDeck(cairo_t* cr, const Textures& tx, bool alongY)
{
    Iso iso(cr, 0);
    const int sides = alongY ? (Up | Down) : (Left | Right);
    RoadLayers(cr, tx, sides, false);
    LaneMarks(cr, iso, sides, false);
    // Parapets along both edges of the deck over the water.
    const double a = 0.5 - KerbHalf - 0.035;
    const double b = 0.5 + KerbHalf + 0.005;
    for (const double e : {a, b}) {
        if (alongY) {
            iso.Box(e, 0.27, e + 0.03, 0.73, 0, 5, Stone, Lighter(Stone, 0.2));
        } else {
            iso.Box(0.27, e, 0.73, e + 0.03, 0, 5, Stone, Lighter(Stone, 0.2));
        }
    }
}

void Trees(cairo_t* cr, bool alongY)
{
    Iso iso(cr, 0);
    const double lo = 0.5 - WalkHalf - 0.1;
    const double hi = 0.5 + WalkHalf + 0.1;
    if (alongY) {
        for (const double t : {0.3, 0.8}) {
            iso.Tree(lo, t, 7);
        }
        for (const double t : {0.2, 0.7}) {
            iso.Tree(hi, t, 7);
        }
    } else {
        for (const double t : {0.3, 0.8}) {
            iso.Tree(t, lo, 7);
        }
        for (const double t : {0.2, 0.7}) {
            iso.Tree(t, hi, 7);
        }
    }
}

// Side masks of road pieces 9 to 19 and the dead ends 20 to 23.
constexpr int RoadSides[] = {Up | Down,
                             Left | Right,
                             Right | Down,
                             Down | Left,
                             Up | Left,
                             Up | Right,
                             Up | Right | Down,
                             Right | Down | Left,
                             Up | Down | Left,
                             Up | Right | Left,
                             Up | Right | Down | Left};
constexpr int DeadEnds[] = {Up, Right, Down, Left};

void Table0Frame(cairo_t* cr, const Textures& tx, int n)
{
    PaintTexture(cr, tx.Grass);
    if (n >= 1 && n <= 8) {
        constexpr int edges[] = {0, Left | Up, Down | Left, Right | Down, Up | Right, Up, Left, Right, Down};
        Shore(cr, edges[n]);
    } else if (n >= 9 && n <= 19) {
        const int sides = RoadSides[n - 9];
        RoadLayers(cr, tx, sides, false);
        const int count = __builtin_popcount(static_cast<unsigned>(sides));
        LaneMarks(cr, Iso(cr, 0), sides, count > 2);
    } else if (n >= 20 && n <= 23) {
        RoadLayers(cr, tx, DeadEnds[n - 20], true);
        LaneMarks(cr, Iso(cr, 0), DeadEnds[n - 20], true);
    } else if (n == 24 || n == 25) {
        const int sides = n == 24 ? (Up | Down) : (Left | Right);
        RoadLayers(cr, tx, sides, false);
        LaneMarks(cr, Iso(cr, 0), sides, false);
        Zebra(cr, n == 24);
    } else if (n == 26) {
        Roundabout(cr, tx);
    } else if (n == 27) {
        Plaza(cr, tx);
    } else if (n == 28 || n == 29) {
        const int sides = n == 28 ? (Up | Down) : (Left | Right);
        RoadLayers(cr, tx, sides, false);
        LaneMarks(cr, Iso(cr, 0), sides, false);
    } else if (n == 30 || n == 31) {
        Canal(cr, tx, n == 30);
    }
    ClipToDiamond(cairo_get_target(cr), 0);
    // Things that stand up are drawn after the clip: they may rise over the cells behind.
    if (n == 27) {
        Fountain(cr);
    } else if (n == 28 || n == 29) {
        Trees(cr, n == 28);
    } else if (n == 30 || n == 31) {
        BridgeDeck(cr, tx, n == 30);
        ClipToDiamond(cairo_get_target(cr), 0);
    }
}

} // namespace

Picture MakeBlank()
{
    SheetBuilder b(Pictures::Blank);
    b.Frame(
        0,
        [](cairo_t* cr) {
            PaintGround(cairo_get_target(cr), Ground::Water, 0);
            ClipToDiamond(cairo_get_target(cr), 0);
        },
        Water);
    return b.Finish();
}

Picture MakeTable0()
{
    Textures tx;
    SheetBuilder b(Pictures::Table0);
    for (int n = 0; n < 32; ++n) {
        b.Frame(
            n, [&](cairo_t* cr) { Table0Frame(cr, tx, n); }, Grass);
    }
    return b.Finish();
}

} // namespace Art

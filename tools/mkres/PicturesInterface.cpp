// Interface pictures: panel backgrounds, dialog paper, the editor strip, score cards, portraits,
// buttons, check box and combo box.
#include "Pictures.h"

#include <cmath>
#include <string>

namespace Art {

namespace {

using namespace Palette;

double Noise(double x, double y, double scale, std::uint64_t seed)
{
    const double fx = x / scale;
    const double fy = y / scale;
    const double ix = std::floor(fx);
    const double iy = std::floor(fy);
    auto at = [&](double a, double b) {
        return HashUnit(seed, static_cast<std::uint64_t>(a + 100000), static_cast<std::uint64_t>(b + 100000));
    };
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = smooth(fx - ix);
    const double ty = smooth(fy - iy);
    const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
    const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

std::uint32_t Pack(const Rgb& c)
{
    auto v = [](double x) { return static_cast<std::uint32_t>(std::lround(std::clamp(x, 0.0, 1.0) * 255)); };
    return 0xFF000000u | (v(c.R) << 16) | (v(c.G) << 8) | v(c.B);
}

enum class Material
{
    Felt,
    Walnut,
    Paper,
    Newsprint,
};

Rgb MaterialColour(Material m, double x, double y, std::uint64_t seed)
{
    switch (m) {
    case Material::Felt: {
        const double n = 0.6 * Noise(x, y, 24, seed) + 0.4 * Noise(x, y, 5, seed + 1);
        const double g = HashUnit(seed + 2, static_cast<std::uint64_t>(x), static_cast<std::uint64_t>(y));
        return Mix(FeltDark, FeltLight, 0.25 + 0.45 * n + 0.12 * (g - 0.5));
    }
    case Material::Walnut: {
        const double warp = 6 * Noise(x, y, 40, seed);
        const double ring = std::sin((y + warp + 3 * Noise(x, y, 9, seed + 1)) * 0.9 + x * 0.015);
        const double n = Noise(x * 0.2, y * 3, 6, seed + 2);
        return Mix(WalnutDark, WalnutLight, 0.35 + 0.2 * ring + 0.3 * n);
    }
    case Material::Paper: {
        const double n = 0.7 * Noise(x, y, 30, seed) + 0.3 * Noise(x, y, 3, seed + 1);
        return Mix(PaperDark, Paper, 0.55 + 0.45 * n);
    }
    case Material::Newsprint: {
        const double n = 0.5 * Noise(x, y, 20, seed) + 0.5 * Noise(x, y, 2, seed + 1);
        return Mix(Darker(Newsprint, 0.06), Newsprint, 0.4 + 0.6 * n);
    }
    }
    return Paper;
}

// Fills the clip area of cr (the whole surface if unclipped) with a material.
void Fill(cairo_t* cr, Material m, std::uint64_t seed)
{
    cairo_surface_t* target = cairo_get_target(cr);
    const int w = cairo_image_surface_get_width(target);
    const int h = cairo_image_surface_get_height(target);
    cairo_surface_t* tex = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    unsigned char* data = cairo_image_surface_get_data(tex);
    const int stride = cairo_image_surface_get_stride(tex);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            row[x] = Pack(MaterialColour(m, x, y, seed));
        }
    }
    cairo_surface_mark_dirty(tex);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, tex, 0, 0);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_destroy(tex);
}

// A bevelled frame: light on the upper left, dark on the lower right.
void Bevel(cairo_t* cr, double x, double y, double w, double h, double t, const Rgb& light, const Rgb& dark)
{
    cairo_move_to(cr, x, y + h);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x + w, y);
    cairo_line_to(cr, x + w - t, y + t);
    cairo_line_to(cr, x + t, y + t);
    cairo_line_to(cr, x + t, y + h - t);
    cairo_close_path(cr);
    SetColour(cr, light, 0.55);
    cairo_fill(cr);
    cairo_move_to(cr, x + w, y);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_line_to(cr, x + t, y + h - t);
    cairo_line_to(cr, x + w - t, y + h - t);
    cairo_line_to(cr, x + w - t, y + t);
    cairo_close_path(cr);
    SetColour(cr, dark, 0.55);
    cairo_fill(cr);
}

// Walnut frame with a brass inner line around a panel of the top strip.
void PanelFrame(cairo_t* cr, int w, int h, std::uint64_t seed)
{
    const double t = 6;
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_rectangle(cr, t, t, w - 2 * t, h - 2 * t);
    Fill(cr, Material::Walnut, seed);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    Bevel(cr, 0, 0, w, h, 2, WalnutLight, WalnutDark);
    cairo_rectangle(cr, t - 0.5, t - 0.5, w - 2 * t + 1, h - 2 * t + 1);
    SetColour(cr, Brass);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
}

void FeltPanel(cairo_t* cr, int w, int h, std::uint64_t seed)
{
    cairo_rectangle(cr, 0, 0, w, h);
    Fill(cr, Material::Felt, seed);
    // Soft vignette.
    cairo_pattern_t* g = cairo_pattern_create_radial(w / 2.0, h / 2.0, h * 0.3, w / 2.0, h / 2.0, w * 0.7);
    cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.35);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    PanelFrame(cr, w, h, seed + 7);
}

void PaperCard(cairo_t* cr, double x, double y, double w, double h, std::uint64_t seed)
{
    RoundedRect(cr, x + 2, y + 3, w, h, 3);
    SetColour(cr, Outline, 0.45);
    cairo_fill(cr);
    RoundedRect(cr, x, y, w, h, 3);
    Fill(cr, Material::Paper, seed);
    RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 3);
    SetColour(cr, Darker(PaperDark, 0.25));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

Picture Scores()
{
    return Whole(Pictures::BScores, [](cairo_t* cr) { FeltPanel(cr, 384, 173, 101); });
}

Picture PlayerInfo()
{
    return Whole(Pictures::BPlayerInfo, [](cairo_t* cr) {
        FeltPanel(cr, 346, 173, 111);
        PaperCard(cr, 10, 10, 326, 153, 112);
        // Recessed frame for the portrait.
        cairo_rectangle(cr, 13, 14, 100, 80);
        SetColour(cr, Darker(PaperDark, 0.35));
        cairo_fill(cr);
        Bevel(cr, 13, 14, 100, 80, 3, Darker(PaperDark, 0.5), Lighter(Paper, 0.6));
        // Faint rules under the text lines.
        SetColour(cr, PaperDark);
        cairo_set_line_width(cr, 1);
        for (const double y : {91.5, 158.5}) {
            cairo_move_to(cr, 18, y + 34);
            cairo_line_to(cr, 328, y + 34);
        }
        cairo_stroke(cr);
    });
}

void OpenCard(cairo_t* cr, int w, int h)
{
    FeltPanel(cr, w, h, 121);
    // The card reaches nearly to the top of the panel: the game writes the deed's title at 0.005
    // of the screen's height below the panel's top, and it must sit on the band, not on the felt.
    const double x = 10;
    const double y = 3;
    const double cw = w - 20;
    const double ch = h - 11;
    PaperCard(cr, x, y, cw, ch, 122);
    // Coloured band along the top of the left page, and the table's header band on the right.
    cairo_rectangle(cr, x + 4, y + 2, cw / 2 - 10, 19);
    LinearFill(cr, 0, y, 0, y + 21, FromBytes(110, 150, 190), FromBytes(80, 120, 164));
    cairo_fill(cr);
    cairo_rectangle(cr, x + cw / 2 + 6, y + 3, cw / 2 - 10, 3);
    SetColour(cr, FromBytes(80, 120, 164));
    cairo_fill(cr);
    // Spine.
    cairo_pattern_t* g = cairo_pattern_create_linear(x + cw / 2 - 8, 0, x + cw / 2 + 8, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 0.25, 0.18, 0.1, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0);
    cairo_rectangle(cr, x + cw / 2 - 8, y, 16, ch);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_move_to(cr, x + cw / 2 + 0.5, y + 1);
    cairo_line_to(cr, x + cw / 2 + 0.5, y + ch - 1);
    SetColour(cr, Darker(PaperDark, 0.3));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Picture frame on the left page and ruled lines of the table on the right.
    cairo_rectangle(cr, 22.5, 25.5, 110, 64);
    SetColour(cr, Darker(PaperDark, 0.15));
    cairo_stroke(cr);
    SetColour(cr, PaperDark);
    for (int r = 0; r < 7; ++r) {
        const double ry = 28.5 + r * 17.3;
        cairo_move_to(cr, x + cw / 2 + 16, ry);
        cairo_line_to(cr, x + cw - 8, ry);
    }
    cairo_stroke(cr);
}

void Folder(cairo_t* cr, int w, int h, bool computer)
{
    FeltPanel(cr, w, h, computer ? 131 : 141);
    const Rgb manila = FromBytes(226, 196, 132);
    const double x = 40;
    const double y = 14;
    const double fw = w - 80;
    const double fh = h - 28;
    // Back cover with its tab, then the front cover.
    cairo_move_to(cr, x + 4, y + 8);
    cairo_line_to(cr, x + 30, y + 8);
    cairo_line_to(cr, x + 36, y);
    cairo_line_to(cr, x + 120, y);
    cairo_line_to(cr, x + 126, y + 8);
    cairo_line_to(cr, x + fw - 4, y + 8);
    cairo_line_to(cr, x + fw - 4, y + fh);
    cairo_line_to(cr, x + 4, y + fh);
    cairo_close_path(cr);
    FillStroke(cr, Darker(manila, 0.15), Darker(manila, 0.55));
    RoundedRect(cr, x + 2, y + 16, fw, fh - 12, 3);
    SetColour(cr, Outline, 0.4);
    cairo_fill(cr);
    RoundedRect(cr, x, y + 13, fw, fh - 12, 3);
    LinearFill(cr, x, y, x + fw, y + fh, Lighter(manila, 0.2), manila);
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(manila, 0.5));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Label plate for the caption, a strap and clasp.
    RoundedRect(cr, w / 2.0 - 110, y + 16, 220, 30, 3);
    FillStroke(cr, Lighter(Paper, 0.3), Darker(manila, 0.45));
    cairo_rectangle(cr, x + fw - 70, y + 13, 22, fh - 12);
    LinearFill(cr, x + fw - 70, 0, x + fw - 48, 0, Darker(Walnut, 0.1), WalnutLight);
    cairo_fill(cr);
    cairo_arc(cr, x + fw - 59, y + fh / 2 + 12, 7, 0, 2 * M_PI);
    FillStroke(cr, Brass, BrassDark);
    cairo_arc(cr, x + fw - 59, y + fh / 2 + 12, 3, 0, 2 * M_PI);
    SetColour(cr, BrassLight);
    cairo_fill(cr);
    if (computer) {
        // Embossed monitor emblem.
        const double cx = w / 2.0;
        const double cy = y + fh / 2 + 22;
        RoundedRect(cr, cx - 34, cy - 26, 68, 46, 4);
        FillStroke(cr, Darker(manila, 0.25), Darker(manila, 0.55), 1.5);
        RoundedRect(cr, cx - 27, cy - 20, 54, 33, 2);
        SetColour(cr, FromBytes(60, 90, 80));
        cairo_fill(cr);
        cairo_arc(cr, cx - 10, cy - 6, 3.5, 0, 2 * M_PI);
        cairo_arc(cr, cx + 10, cy - 6, 3.5, 0, 2 * M_PI);
        SetColour(cr, FromBytes(140, 240, 190));
        cairo_fill(cr);
        cairo_arc(cr, cx, cy - 2, 10, 0.3 * M_PI, 0.7 * M_PI);
        SetColour(cr, FromBytes(140, 240, 190));
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
        cairo_rectangle(cr, cx - 8, cy + 20, 16, 6);
        cairo_rectangle(cr, cx - 18, cy + 26, 36, 3);
        SetColour(cr, Darker(manila, 0.4));
        cairo_fill(cr);
    }
}

Picture News()
{
    return Whole(Pictures::BNews, [](cairo_t* cr) {
        FeltPanel(cr, 384, 173, 151);
        cairo_rectangle(cr, 12, 11, 362, 155);
        SetColour(cr, Outline, 0.4);
        cairo_fill(cr);
        cairo_rectangle(cr, 9, 8, 364, 156);
        Fill(cr, Material::Newsprint, 152);
        // Masthead rules.
        SetColour(cr, Ink);
        cairo_rectangle(cr, 16, 12, 350, 2.5);
        cairo_rectangle(cr, 16, 16.5, 350, 1);
        cairo_fill(cr);
        for (int k = 0; k < 3; ++k) {
            cairo_arc(cr, 192 + (k - 1) * 10, 21.5, 1.6, 0, 2 * M_PI);
        }
        cairo_fill(cr);
        cairo_rectangle(cr, 16, 45, 350, 1);
        cairo_rectangle(cr, 16, 66, 350, 0.8);
        cairo_fill(cr);
        // Column rule and faint print lines at the foot.
        cairo_rectangle(cr, 191.5, 68, 1, 90);
        SetColour(cr, Darker(Newsprint, 0.3));
        cairo_fill(cr);
        cairo_rectangle(cr, 16, 159, 350, 1);
        SetColour(cr, Ink);
        cairo_fill(cr);
    });
}

Picture Buttons()
{
    return Whole(Pictures::BButtons, [](cairo_t* cr) {
        cairo_rectangle(cr, 0, 0, 154, 173);
        Fill(cr, Material::Walnut, 161);
        Bevel(cr, 0, 0, 154, 173, 3, WalnutLight, WalnutDark);
        cairo_rectangle(cr, 5.5, 5.5, 143, 162);
        SetColour(cr, BrassDark);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    });
}

void Ornament(cairo_t* cr, double cx, double cy, double s, double rot)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, rot);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, s * 0.6, -s * 0.1, s * 0.9, s * 0.5, s * 0.45, s * 0.6);
    cairo_curve_to(cr, s * 0.2, s * 0.65, s * 0.2, s * 0.35, s * 0.42, s * 0.35);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, -s * 0.1, s * 0.6, s * 0.5, s * 0.9, s * 0.6, s * 0.45);
    cairo_restore(cr);
}

Picture Dialog()
{
    return Whole(Pictures::BDialog, [](cairo_t* cr) {
        cairo_rectangle(cr, 0, 0, 600, 600);
        Fill(cr, Material::Paper, 171);
        // Faint double border and corner flourishes.
        const Rgb line = Mix(PaperDark, Brass, 0.35);
        SetColour(cr, line);
        cairo_set_line_width(cr, 2);
        cairo_rectangle(cr, 14, 14, 572, 572);
        cairo_stroke(cr);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, 20.5, 20.5, 559, 559);
        cairo_stroke(cr);
        const double c[4][3] = {{20, 20, 0}, {580, 20, M_PI / 2}, {580, 580, M_PI}, {20, 580, 1.5 * M_PI}};
        for (const auto& k : c) {
            Ornament(cr, k[0], k[1], 34, k[2]);
        }
        SetColour(cr, line);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
        cairo_pattern_t* g = cairo_pattern_create_radial(300, 300, 200, 300, 300, 430);
        cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.35, 0.25, 0.1, 0.12);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    });
}

Picture EditorStrip()
{
    return Whole(Pictures::PanelEditor, [](cairo_t* cr) {
        cairo_rectangle(cr, 0, 0, 1920, 54);
        Fill(cr, Material::Walnut, 181);
        Bevel(cr, 0, 0, 1920, 54, 3, WalnutLight, WalnutDark);
        cairo_rectangle(cr, 0, 50, 1920, 1.5);
        SetColour(cr, Brass);
        cairo_fill(cr);
    });
}

// ---- score cards and portraits ----

Picture ScoreCards()
{
    SheetBuilder b(Pictures::PScores);
    for (int p = 0; p < 6; ++p) {
        b.Frame(
            p,
            [p](cairo_t* cr) {
                const Rgb c = Player[p];
                RoundedRect(cr, 1.5, 1.5, 157, 61, 7);
                LinearFill(cr, 0, 0, 0, 64, Lighter(c, 0.15), Darker(c, 0.2));
                cairo_fill_preserve(cr);
                SetColour(cr, Outline);
                cairo_set_line_width(cr, 1.2);
                cairo_stroke(cr);
                // Pale writing area for the name and cash.
                RoundedRect(cr, 42, 5, 112, 54, 4);
                LinearFill(cr, 0, 5, 0, 59, Lighter(c, 0.88), Lighter(c, 0.72));
                cairo_fill_preserve(cr);
                SetColour(cr, Darker(c, 0.35));
                cairo_set_line_width(cr, 1);
                cairo_stroke(cr);
                cairo_move_to(cr, 48, 32.5);
                cairo_line_to(cr, 148, 32.5);
                SetColour(cr, Lighter(c, 0.5));
                cairo_stroke(cr);
                // Round badge for the held-turns counter.
                cairo_arc(cr, 22, 23, 15, 0, 2 * M_PI);
                FillStroke(cr, Lighter(c, 0.85), Darker(c, 0.45), 1.5);
                cairo_arc(cr, 22, 23, 12, 0, 2 * M_PI);
                SetColour(cr, Lighter(c, 0.6));
                cairo_set_line_width(cr, 0.8);
                cairo_stroke(cr);
                // Slot mark.
                TextStyle s;
                s.Size = 12;
                s.Colour = PlayerInk[p];
                DrawText(cr, std::to_string(p + 1), s, 22, 50);
            },
            Felt);
    }
    return b.Finish();
}

struct Person
{
    bool LongHair;
    Rgb Hair;
    Rgb SkinTone;
    bool Glasses;
};

void Portrait(cairo_t* cr, int p)
{
    static const Person people[6] = {
        {false, FromBytes(70, 44, 30), FromBytes(236, 192, 156), false},
        {true, FromBytes(40, 30, 26), FromBytes(214, 160, 120), false},
        {false, FromBytes(190, 150, 90), FromBytes(242, 204, 172), true},
        {true, FromBytes(150, 70, 40), FromBytes(240, 200, 166), false},
        {false, FromBytes(36, 30, 30), FromBytes(150, 100, 70), false},
        {true, FromBytes(220, 190, 120), FromBytes(236, 190, 150), true},
    };
    const Person& who = people[p];
    const Rgb c = Player[p];
    LinearFill(cr, 0, 0, 0, 80, Lighter(c, 0.65), Lighter(c, 0.3));
    cairo_paint(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(30, 28, 5, 36, 40, 50);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    if (who.LongHair) {
        cairo_move_to(cr, 19, 62);
        cairo_curve_to(cr, 14, 30, 22, 12, 36, 12);
        cairo_curve_to(cr, 50, 12, 58, 30, 53, 62);
        cairo_close_path(cr);
        FillStroke(cr, who.Hair);
    }
    // Shoulders in the player's colour.
    cairo_move_to(cr, 4, 80);
    cairo_curve_to(cr, 6, 62, 18, 56, 36, 56);
    cairo_curve_to(cr, 54, 56, 66, 62, 68, 80);
    cairo_close_path(cr);
    LinearFill(cr, 4, 56, 68, 80, Lighter(c, 0.15), Darker(c, 0.3));
    cairo_fill_preserve(cr);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_move_to(cr, 29, 57);
    cairo_line_to(cr, 36, 68);
    cairo_line_to(cr, 43, 57);
    SetColour(cr, WhiteWall);
    cairo_fill(cr);
    cairo_rectangle(cr, 31.5, 46, 9, 11);
    FillStroke(cr, Darker(who.SkinTone, 0.1));
    // Head.
    cairo_save(cr);
    cairo_translate(cr, 36, 34);
    cairo_scale(cr, 13, 15.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    LinearFill(cr, 24, 22, 48, 48, Lighter(who.SkinTone, 0.15), Darker(who.SkinTone, 0.12));
    cairo_fill_preserve(cr);
    SetColour(cr, Outline);
    cairo_stroke(cr);
    // Hair on top.
    cairo_move_to(cr, 22.5, 33);
    cairo_curve_to(cr, 21, 18, 30, 15, 37, 16);
    cairo_curve_to(cr, 46, 16, 52, 22, 49.5, 33);
    cairo_curve_to(cr, 44, 26, 34, 24, 22.5, 33);
    cairo_close_path(cr);
    FillStroke(cr, who.Hair);
    // Face.
    SetColour(cr, Ink);
    cairo_arc(cr, 31, 36, 1.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, 41, 36, 1.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, 36, 40, 6, 0.25 * M_PI, 0.75 * M_PI);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    if (who.Glasses) {
        cairo_arc(cr, 31, 36, 4, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 41, 36, 4, 0, 2 * M_PI);
        cairo_move_to(cr, 35, 36);
        cairo_line_to(cr, 37, 36);
        SetColour(cr, Outline);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    // Slot digit on the chest.
    cairo_arc(cr, 58, 70, 7, 0, 2 * M_PI);
    FillStroke(cr, Darker(c, 0.2), Lighter(c, 0.6), 1.2);
    TextStyle s;
    s.Size = 10;
    s.Colour = PlayerInk[p];
    DrawText(cr, std::to_string(p + 1), s, 58, 70);
    cairo_rectangle(cr, 0.5, 0.5, 71, 79);
    SetColour(cr, Darker(c, 0.45));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void RobotPortrait(cairo_t* cr, int p)
{
    const Rgb c = Player[p];
    LinearFill(cr, 0, 0, 0, 80, FromBytes(60, 66, 78), FromBytes(36, 40, 50));
    cairo_paint(cr);
    // Grid of faint circuit lines behind.
    SetColour(cr, Lighter(c, 0.2), 0.25);
    cairo_set_line_width(cr, 1);
    for (int k = 0; k < 6; ++k) {
        cairo_move_to(cr, 0, 8 + k * 13.5);
        cairo_line_to(cr, 72, 8 + k * 13.5);
    }
    cairo_stroke(cr);
    // Body and neck.
    RoundedRect(cr, 10, 60, 52, 26, 6);
    LinearFill(cr, 10, 60, 62, 80, Lighter(c, 0.2), Darker(c, 0.3));
    cairo_fill_preserve(cr);
    SetColour(cr, Outline);
    cairo_stroke(cr);
    cairo_rectangle(cr, 31, 52, 10, 9);
    FillStroke(cr, FromBytes(150, 156, 166));
    // Monitor head with a friendly face.
    const double tilt = (p % 2 ? 1 : -1) * 0.04;
    cairo_save(cr);
    cairo_translate(cr, 36, 32);
    cairo_rotate(cr, tilt);
    RoundedRect(cr, -25, -21, 50, 38, 6);
    LinearFill(cr, -25, -21, 25, 17, Lighter(c, 0.35), Darker(c, 0.15));
    cairo_fill_preserve(cr);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    RoundedRect(cr, -19, -15, 38, 26, 4);
    SetColour(cr, FromBytes(24, 40, 44));
    cairo_fill(cr);
    const Rgb glow = FromBytes(140, 246, 200);
    SetColour(cr, glow);
    const int eyes = p % 3;
    for (const double ex : {-8.0, 8.0}) {
        if (eyes == 0) {
            cairo_arc(cr, ex, -5, 3.4, 0, 2 * M_PI);
            cairo_fill(cr);
        } else if (eyes == 1) {
            cairo_arc(cr, ex, -3, 4, M_PI * 1.1, M_PI * 1.9);
            cairo_set_line_width(cr, 2.2);
            cairo_stroke(cr);
        } else {
            cairo_rectangle(cr, ex - 3.5, -7, 7, 4.5);
            cairo_fill(cr);
        }
    }
    cairo_arc(cr, 0, 0, 8, 0.2 * M_PI, 0.8 * M_PI);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Antenna.
    cairo_move_to(cr, 36, 11);
    cairo_line_to(cr, 36, 4);
    SetColour(cr, FromBytes(170, 176, 186));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_arc(cr, 36, 4, 2.6, 0, 2 * M_PI);
    FillStroke(cr, Lighter(c, 0.3), Outline, 0.8);
    // Slot digit on the chest plate.
    RoundedRect(cr, 28, 64, 16, 13, 3);
    FillStroke(cr, Lighter(c, 0.85), Darker(c, 0.4), 1);
    TextStyle s;
    s.Size = 10;
    s.Colour = Darker(c, 0.45);
    DrawText(cr, std::to_string(p + 1), s, 36, 70.5);
}

Picture Portraits(bool computer)
{
    SheetBuilder b(computer ? Pictures::PPlayerC : Pictures::PPlayerH);
    for (int p = 0; p < 6; ++p) {
        b.Frame(p, [p, computer](cairo_t* cr) {
            if (computer) {
                RobotPortrait(cr, p);
            } else {
                Portrait(cr, p);
            }
        });
    }
    return b.Finish();
}

// ---- buttons ----

// State 0 normal, 1 under the pointer (lighter), 2 pressed (darker, one pixel lower and right).
Rgb StateShade(const Rgb& c, int state)
{
    return state == 1 ? Lighter(c, 0.28) : state == 2 ? Darker(c, 0.22) : c;
}

void BrassDisc(cairo_t* cr, double cx, double cy, double r, int state)
{
    cairo_arc(cr, cx + 1, cy + 2, r, 0, 2 * M_PI);
    SetColour(cr, Outline, 0.55);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
    const Rgb a = StateShade(BrassLight, state);
    const Rgb b = StateShade(BrassDark, state);
    cairo_pattern_add_color_stop_rgb(g, 0, a.R, a.G, a.B);
    cairo_pattern_add_color_stop_rgb(g, 1, b.R, b.G, b.B);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill_preserve(cr);
    SetColour(cr, Outline);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r - 4, 0, 2 * M_PI);
    g = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
    cairo_pattern_add_color_stop_rgb(g, 0, b.R, b.G, b.B);
    cairo_pattern_add_color_stop_rgb(g, 1, a.R, a.G, a.B);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill(cr);
}

void IconArrow(cairo_t* cr, double cx, double cy, bool left)
{
    const double d = left ? -1 : 1;
    cairo_move_to(cr, cx + d * 9, cy);
    cairo_line_to(cr, cx - d * 3, cy - 10);
    cairo_line_to(cr, cx - d * 3, cy - 4.5);
    cairo_line_to(cr, cx - d * 9, cy - 4.5);
    cairo_line_to(cr, cx - d * 9, cy + 4.5);
    cairo_line_to(cr, cx - d * 3, cy + 4.5);
    cairo_line_to(cr, cx - d * 3, cy + 10);
    cairo_close_path(cr);
    FillStroke(cr, WalnutDark, Outline, 1);
}

void IconMagnifier(cairo_t* cr, double cx, double cy)
{
    cairo_move_to(cr, cx + 3, cy + 3);
    cairo_line_to(cr, cx + 9, cy + 9);
    SetColour(cr, WalnutDark);
    cairo_set_line_width(cr, 4.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_arc(cr, cx - 2.5, cy - 2.5, 7, 0, 2 * M_PI);
    FillStroke(cr, FromBytes(200, 226, 240), WalnutDark, 2.6);
    cairo_arc(cr, cx - 4.5, cy - 4.5, 2.5, M_PI, 1.5 * M_PI);
    SetColour(cr, WhiteWall);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
}

void IconCoin(cairo_t* cr, double cx, double cy)
{
    cairo_arc(cr, cx + 1, cy + 1, 9, 0, 2 * M_PI);
    SetColour(cr, Darker(Gold, 0.5));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 9, 0, 2 * M_PI);
    FillStroke(cr, GoldLight, Darker(Gold, 0.55), 1.2);
    cairo_arc(cr, cx, cy, 6.5, 0, 2 * M_PI);
    SetColour(cr, Gold);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    TextStyle s;
    s.Size = 11;
    s.Colour = Darker(Gold, 0.6);
    DrawText(cr, "$", s, cx, cy);
}

Picture RoundButton(const PictureInfo& item, int icon)
{
    SheetBuilder b(item);
    for (int state = 0; state < 3; ++state) {
        b.Frame(
            state,
            [state, icon](cairo_t* cr) {
                const double o = state == 2 ? 1 : 0;
                BrassDisc(cr, 23 + o, 23 + o, 20, state);
                switch (icon) {
                case 0:
                    IconArrow(cr, 23 + o, 23 + o, true);
                    break;
                case 1:
                    IconArrow(cr, 23 + o, 23 + o, false);
                    break;
                case 2:
                    IconMagnifier(cr, 23 + o, 23 + o);
                    break;
                default:
                    IconCoin(cr, 23 + o, 23 + o);
                    break;
                }
            },
            Paper);
    }
    return b.Finish();
}

void WalnutFace(cairo_t* cr, int w, int h, int state, std::uint64_t seed)
{
    cairo_rectangle(cr, 0, 0, w, h);
    Fill(cr, Material::Walnut, seed);
    if (state == 1) {
        SetColour(cr, BrassLight, 0.22);
        cairo_paint(cr);
    } else if (state == 2) {
        SetColour(cr, Outline, 0.3);
        cairo_paint(cr);
    }
    if (state == 2) {
        Bevel(cr, 0, 0, w, h, 4, WalnutDark, WalnutLight);
    } else {
        Bevel(cr, 0, 0, w, h, 4, Lighter(WalnutLight, 0.3), WalnutDark);
    }
    cairo_rectangle(cr, 5.5, 5.5, w - 11, h - 11);
    SetColour(cr, state == 1 ? BrassLight : BrassDark, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

Picture BackButton(const PictureInfo& item)
{
    const int w = item.FrameWidth;
    SheetBuilder b(item);
    for (int state = 0; state < 3; ++state) {
        b.Frame(state, [state, w](cairo_t* cr) { WalnutFace(cr, w, 64, state, 191); });
    }
    return b.Finish();
}

void ToolIcon(cairo_t* cr, int column, bool bright)
{
    const Rgb ink = bright ? FromBytes(255, 236, 170) : BrassLight;
    const Rgb edge = Outline;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (column) {
    case 0: // minimise: a window with a bar at the bottom
        RoundedRect(cr, 9, 10, 30, 24, 2);
        FillStroke(cr, Darker(ink, 0.25), edge, 1.4);
        cairo_rectangle(cr, 9, 10, 30, 6);
        FillStroke(cr, ink, edge, 1.2);
        cairo_rectangle(cr, 14, 36, 20, 5);
        FillStroke(cr, ink, edge, 1.4);
        break;
    case 1: // quit: a door ajar with an arrow
        cairo_rectangle(cr, 10, 8, 20, 32);
        FillStroke(cr, Darker(ink, 0.5), edge, 1.4);
        cairo_move_to(cr, 10, 8);
        cairo_line_to(cr, 22, 12);
        cairo_line_to(cr, 22, 44);
        cairo_line_to(cr, 10, 40);
        cairo_close_path(cr);
        FillStroke(cr, ink, edge, 1.4);
        cairo_arc(cr, 19, 27, 1.5, 0, 2 * M_PI);
        SetColour(cr, edge);
        cairo_fill(cr);
        cairo_move_to(cr, 28, 24);
        cairo_line_to(cr, 36, 24);
        cairo_line_to(cr, 36, 19);
        cairo_line_to(cr, 43, 26);
        cairo_line_to(cr, 36, 33);
        cairo_line_to(cr, 36, 28);
        cairo_line_to(cr, 28, 28);
        cairo_close_path(cr);
        FillStroke(cr, ink, edge, 1.2);
        break;
    case 2: { // help: a question mark
        cairo_arc(cr, 24, 24, 17, 0, 2 * M_PI);
        FillStroke(cr, Darker(ink, 0.15), edge, 1.4);
        TextStyle s;
        s.Family = "DejaVu Serif";
        s.Size = 26;
        s.Colour = WalnutDark;
        DrawText(cr, "?", s, 24, 24.5);
        break;
    }
    case 3: // main menu: a house
        cairo_move_to(cr, 6, 24);
        cairo_line_to(cr, 24, 7);
        cairo_line_to(cr, 42, 24);
        cairo_line_to(cr, 37, 24);
        cairo_line_to(cr, 37, 41);
        cairo_line_to(cr, 11, 41);
        cairo_line_to(cr, 11, 24);
        cairo_close_path(cr);
        FillStroke(cr, ink, edge, 1.4);
        cairo_rectangle(cr, 20, 28, 8, 13);
        FillStroke(cr, WalnutDark, edge, 1);
        break;
    default: { // dice: two dice
        for (int k = 0; k < 2; ++k) {
            cairo_save(cr);
            cairo_translate(cr, k ? 30 : 17, k ? 29 : 19);
            cairo_rotate(cr, k ? 0.25 : -0.2);
            RoundedRect(cr, -10, -10, 20, 20, 4);
            FillStroke(cr, FromBytes(250, 246, 234), edge, 1.3);
            SetColour(cr, FromBytes(40, 32, 30));
            const int face = k ? 5 : 3;
            const double pos[5][2] = {{-5, -5}, {5, 5}, {0, 0}, {5, -5}, {-5, 5}};
            for (int d = 0; d < face; ++d) {
                cairo_new_sub_path(cr);
                cairo_arc(cr, pos[d][0], pos[d][1], 1.9, 0, 2 * M_PI);
            }
            cairo_fill(cr);
            cairo_restore(cr);
        }
        break;
    }
    }
}

Picture ToolIcons()
{
    SheetBuilder b(Pictures::ButtonImages0);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 5; ++col) {
            b.Frame(
                row * 5 + col, [col, row](cairo_t* cr) { ToolIcon(cr, col, row == 1); }, Walnut);
        }
    }
    return b.Finish();
}

Picture PlayButton()
{
    SheetBuilder b(Pictures::PlayButton);
    for (int state = 0; state < 3; ++state) {
        b.Frame(
            state,
            [state](cairo_t* cr) {
                const double o = state == 2 ? 1 : 0;
                RoundedRect(cr, 4, 5, 88, 42, 21);
                SetColour(cr, Outline, 0.5);
                cairo_fill(cr);
                RoundedRect(cr, 2 + o, 2 + o, 88, 42, 21);
                const Rgb g0 = StateShade(FromBytes(120, 200, 100), state);
                const Rgb g1 = StateShade(FromBytes(40, 120, 50), state);
                LinearFill(cr, 0, 2, 0, 44, g0, g1);
                cairo_fill_preserve(cr);
                SetColour(cr, Outline);
                cairo_set_line_width(cr, 1.3);
                cairo_stroke(cr);
                RoundedRect(cr, 8 + o, 5 + o, 76, 14, 7);
                SetColour(cr, WhiteWall, 0.3);
                cairo_fill(cr);
                cairo_move_to(cr, 38 + o, 12 + o);
                cairo_line_to(cr, 60 + o, 23 + o);
                cairo_line_to(cr, 38 + o, 34 + o);
                cairo_close_path(cr);
                FillStroke(cr, FromBytes(252, 250, 236), Darker(g1, 0.3), 1.2);
            },
            Paper);
    }
    return b.Finish();
}

Picture MenuButton()
{
    SheetBuilder b(Pictures::MMBackButton);
    for (int state = 0; state < 3; ++state) {
        b.Frame(state, [state](cairo_t* cr) {
            // Frames sit on the dusk background: dark plate, brass rim, glow under the pointer.
            SetColour(cr, FromBytes(30, 26, 40));
            cairo_paint(cr);
            if (state == 2) {
                RoundedRect(cr, 3, 3, 186, 74, 12);
                LinearFill(cr, 0, 0, 0, 80, FromBytes(90, 90, 88), FromBytes(58, 58, 58));
                cairo_fill_preserve(cr);
                SetColour(cr, FromBytes(120, 120, 114));
                cairo_set_line_width(cr, 2.5);
                cairo_stroke(cr);
                return;
            }
            if (state == 1) {
                for (int k = 6; k >= 1; --k) {
                    RoundedRect(cr, 3 - k * 0.4, 3 - k * 0.4, 186 + k * 0.8, 74 + k * 0.8, 12 + k * 0.4);
                    SetColour(cr, FromBytes(255, 200, 90), 0.08);
                    cairo_fill(cr);
                }
            }
            RoundedRect(cr, 3, 3, 186, 74, 12);
            cairo_save(cr);
            cairo_clip_preserve(cr);
            Fill(cr, Material::Walnut, 201);
            cairo_restore(cr);
            cairo_new_path(cr);
            RoundedRect(cr, 3, 3, 186, 74, 12);
            cairo_pattern_t* g = cairo_pattern_create_linear(0, 3, 0, 77);
            cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, state == 1 ? 0.22 : 0.12);
            cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, 0);
            cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.25);
            cairo_set_source(cr, g);
            cairo_pattern_destroy(g);
            cairo_fill_preserve(cr);
            SetColour(cr, state == 1 ? GoldLight : Brass);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            RoundedRect(cr, 9, 9, 174, 62, 8);
            SetColour(cr, state == 1 ? Brass : BrassDark);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        });
    }
    return b.Finish();
}

Picture DialogButton()
{
    SheetBuilder b(Pictures::DlgButton);
    for (int state = 0; state < 3; ++state) {
        b.Frame(
            state,
            [state](cairo_t* cr) {
                const double o = state == 2 ? 1 : 0;
                RoundedRect(cr, 4, 6, 121, 39, 8);
                SetColour(cr, Outline, 0.5);
                cairo_fill(cr);
                RoundedRect(cr, 2 + o, 3 + o, 122, 40, 8);
                const Rgb top = StateShade(Lighter(Paper, 0.4), state);
                const Rgb bottom = StateShade(Mix(Paper, Brass, 0.45), state);
                LinearFill(cr, 0, 3, 0, 43, top, bottom);
                cairo_fill_preserve(cr);
                SetColour(cr, state == 1 ? Brass : BrassDark);
                cairo_set_line_width(cr, 2);
                cairo_stroke(cr);
                RoundedRect(cr, 6 + o, 7 + o, 114, 32, 5);
                SetColour(cr, state == 1 ? BrassLight : Lighter(Brass, 0.3), 0.8);
                cairo_set_line_width(cr, 1);
                cairo_stroke(cr);
            },
            Paper);
    }
    return b.Finish();
}

Picture CheckBox()
{
    SheetBuilder b(Pictures::CheckBox);
    for (int state = 0; state < 4; ++state) {
        b.Frame(
            state,
            [state](cairo_t* cr) {
                const bool hover = state % 2 == 1;
                const bool checked = state >= 2;
                RoundedRect(cr, 4, 5, 25, 25, 4);
                SetColour(cr, Outline, 0.45);
                cairo_fill(cr);
                RoundedRect(cr, 3, 3, 25, 25, 4);
                LinearFill(cr, 0, 3, 0, 28, hover ? FromBytes(255, 252, 236) : Lighter(Paper, 0.5),
                           hover ? Lighter(Brass, 0.55) : PaperDark);
                cairo_fill_preserve(cr);
                SetColour(cr, hover ? Brass : BrassDark);
                cairo_set_line_width(cr, 2);
                cairo_stroke(cr);
                if (checked) {
                    cairo_move_to(cr, 8, 16);
                    cairo_line_to(cr, 14, 23);
                    cairo_line_to(cr, 25, 8);
                    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
                    SetColour(cr, Outline);
                    cairo_set_line_width(cr, 5);
                    cairo_stroke_preserve(cr);
                    SetColour(cr, FromBytes(40, 140, 60));
                    cairo_set_line_width(cr, 3);
                    cairo_stroke(cr);
                }
            },
            Paper);
    }
    return b.Finish();
}

Picture ComboBox()
{
    SheetBuilder b(Pictures::ComboBox);
    for (int state = 0; state < 3; ++state) {
        b.Frame(
            state,
            [state](cairo_t* cr) {
                RoundedRect(cr, 2, 2, 188, 28, 5);
                LinearFill(cr, 0, 2, 0, 30, state == 1 ? FromBytes(255, 252, 238) : Lighter(Paper, 0.55),
                           state == 2 ? PaperDark : Lighter(Paper, 0.1));
                cairo_fill_preserve(cr);
                SetColour(cr, state == 1 ? Brass : BrassDark);
                cairo_set_line_width(cr, 1.6);
                cairo_stroke(cr);
                // The arrow button at the right.
                const double o = state == 2 ? 1 : 0;
                RoundedRect(cr, 162, 4, 26, 24, 4);
                LinearFill(cr, 0, 4, 0, 28, StateShade(BrassLight, state), StateShade(BrassDark, state));
                cairo_fill_preserve(cr);
                SetColour(cr, Outline);
                cairo_set_line_width(cr, 1);
                cairo_stroke(cr);
                cairo_move_to(cr, 168 + o, 13 + o);
                cairo_line_to(cr, 182 + o, 13 + o);
                cairo_line_to(cr, 175 + o, 21 + o);
                cairo_close_path(cr);
                FillStroke(cr, WalnutDark, Outline, 1);
            },
            Paper);
    }
    return b.Finish();
}

} // namespace

std::vector<Picture> MakePanels()
{
    std::vector<Picture> out;
    out.push_back(Scores());
    out.push_back(PlayerInfo());
    out.push_back(Whole(Pictures::BCardOpen, [](cairo_t* cr) { OpenCard(cr, 653, 173); }));
    out.push_back(Whole(Pictures::BCardCloseH, [](cairo_t* cr) { Folder(cr, 653, 173, false); }));
    out.push_back(Whole(Pictures::BCardCloseC, [](cairo_t* cr) { Folder(cr, 653, 173, true); }));
    out.push_back(News());
    out.push_back(Buttons());
    out.push_back(Dialog());
    out.back().StoreAsPcx = true;
    out.push_back(EditorStrip());
    return out;
}

std::vector<Picture> MakeControls()
{
    std::vector<Picture> out;
    out.push_back(ScoreCards());
    out.push_back(Portraits(false));
    out.push_back(Portraits(true));
    out.push_back(RoundButton(Pictures::ButtonLast, 0));
    out.push_back(RoundButton(Pictures::ButtonNext, 1));
    out.push_back(RoundButton(Pictures::ButtonView, 2));
    out.push_back(RoundButton(Pictures::ButtonPay, 3));
    out.push_back(BackButton(Pictures::BackButton0));
    out.push_back(BackButton(Pictures::BackButton1));
    out.push_back(ToolIcons());
    out.push_back(PlayButton());
    out.push_back(MenuButton());
    out.push_back(DialogButton());
    out.push_back(CheckBox());
    out.push_back(ComboBox());
    return out;
}

} // namespace Art

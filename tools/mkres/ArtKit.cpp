// Drawing kit shared by every picture of mkres.
#include "ArtKit.h"

#include <algorithm>
#include <cmath>
#include <pango/pangocairo.h>

namespace Art {

FramePos FrameOrigin(const Picture& p, int n)
{
    switch (p.Layout) {
    case 1:
        return {(n % 8) * (p.FrameWidth + 1), (n / 8) * (p.FrameHeight + 1)};
    case 3:
        return {0, n * p.FrameHeight};
    case 4:
        return {(n % p.Columns) * p.FrameWidth, (n / p.Columns) * p.FrameHeight};
    default:
        return {0, 0};
    }
}

SheetBuilder::SheetBuilder(const PictureInfo& item)
{
    P.Name = std::string(item.Name);
    P.Layout = item.Layout;
    P.FrameCount = item.Frames;
    P.Columns = item.Across;
    P.Transparent = item.Transparent;
    P.Width = item.Width;
    P.Height = item.Height;
    // A whole picture is drawn as one frame of its own size.
    P.FrameWidth = item.Layout == 0 ? item.Width : item.FrameWidth;
    P.FrameHeight = item.Layout == 0 ? item.Height : item.FrameHeight;
    P.Pixels.assign(static_cast<std::size_t>(P.Width) * P.Height, 0);
}

void SheetBuilder::Frame(int n, const FrameFn& draw, const Rgb& matte)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, P.FrameWidth, P.FrameHeight);
    cairo_t* cr = cairo_create(s);
    draw(cr);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    if (P.Transparent) {
        Harden(s, matte);
    }
    const FramePos o = FrameOrigin(P, n);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < P.FrameHeight; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < P.FrameWidth; ++x) {
            P.Pixels[static_cast<std::size_t>(o.Y + y) * P.Width + o.X + x] = row[x] & 0xFFFFFFu;
        }
    }
    cairo_surface_destroy(s);
}

Picture SheetBuilder::Finish()
{
    return std::move(P);
}

Picture Whole(const PictureInfo& item, const FrameFn& draw)
{
    SheetBuilder b(item);
    b.Frame(0, draw);
    return b.Finish();
}

void Harden(cairo_surface_t* surface, const Rgb& matte)
{
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const double mr = matte.R * 255.0;
    const double mg = matte.G * 255.0;
    const double mb = matte.B * 255.0;
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];
            const unsigned a = p >> 24;
            if (a < 128) {
                row[x] = 0;
                continue;
            }
            const double rest = (255.0 - a) / 255.0;
            auto channel = [&](unsigned v, double m) {
                return static_cast<unsigned>(std::clamp(std::lround(v + rest * m), 0L, 255L));
            };
            unsigned r = channel((p >> 16) & 0xFF, mr);
            unsigned g = channel((p >> 8) & 0xFF, mg);
            unsigned b = channel(p & 0xFF, mb);
            if (r == 0 && g == 0 && b == 0) {
                r = g = b = 1;
            }
            row[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    cairo_surface_mark_dirty(surface);
}

bool InsideDiamond(int x, int y, int top)
{
    const double cx = x + 0.5 - 72.0;
    const double cy = y + 0.5 - top - 48.0;
    return std::fabs(cx) / 72.0 + std::fabs(cy) / 48.0 <= 1.0;
}

void ClipToDiamond(cairo_surface_t* surface, int top)
{
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            if (!InsideDiamond(x, y, top)) {
                row[x] = 0;
            }
        }
    }
    cairo_surface_mark_dirty(surface);
}

void SetColour(cairo_t* cr, const Rgb& c, double alpha)
{
    if (alpha >= 1.0) {
        cairo_set_source_rgb(cr, c.R, c.G, c.B);
    } else {
        cairo_set_source_rgba(cr, c.R, c.G, c.B, alpha);
    }
}

void FillStroke(cairo_t* cr, const Rgb& fill, const Rgb& line, double width)
{
    SetColour(cr, fill);
    cairo_fill_preserve(cr);
    SetColour(cr, line);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void LinearFill(cairo_t* cr, double x0, double y0, double x1, double y1, const Rgb& a, const Rgb& b)
{
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(g, 0, a.R, a.G, a.B);
    cairo_pattern_add_color_stop_rgb(g, 1, b.R, b.G, b.B);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
}

std::uint64_t Random::Next()
{
    State += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = State;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::Uniform()
{
    return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

std::uint64_t Hash(std::uint64_t a, std::uint64_t b, std::uint64_t c)
{
    Random r(a * 0x100000001B3ull ^ (b + 0x632BE59BD9B4E019ull) * 0x9E3779B97F4A7C15ull ^
             c * 0xD6E8FEB86659FD93ull);
    r.Next();
    return r.Next();
}

double HashUnit(std::uint64_t a, std::uint64_t b, std::uint64_t c)
{
    return static_cast<double>(Hash(a, b, c) >> 11) * (1.0 / 9007199254740992.0);
}

namespace {

double Smooth(double t)
{
    return t * t * (3 - 2 * t);
}

int Wrap(long v, int n)
{
    const long m = v % n;
    return static_cast<int>(m < 0 ? m + n : m);
}

} // namespace

double CellNoise(double x, double y, int octave, std::uint64_t seed)
{
    // Lattice coordinates: (x + 144, y) and (x + 72, y + 48) both add whole numbers.
    const double u = (x - 1.5 * y) / 144.0;
    const double v = y / 48.0;
    const int nu = 4 << octave;
    const int nv = 2 << octave;
    const double fu = u * nu;
    const double fv = v * nv;
    const long iu = static_cast<long>(std::floor(fu));
    const long iv = static_cast<long>(std::floor(fv));
    const double tu = Smooth(fu - iu);
    const double tv = Smooth(fv - iv);
    auto at = [&](long a, long b) { return HashUnit(seed * 31 + octave, Wrap(a, nu), Wrap(b, nv)); };
    const double top = at(iu, iv) + (at(iu + 1, iv) - at(iu, iv)) * tu;
    const double bottom = at(iu, iv + 1) + (at(iu + 1, iv + 1) - at(iu, iv + 1)) * tu;
    return top + (bottom - top) * tv;
}

double CellGrain(int x, int y, std::uint64_t seed)
{
    const int j = static_cast<int>(std::floor(y / 48.0));
    const int x0 = Wrap(x - 72L * j, 144);
    const int y0 = y - 48 * j;
    return HashUnit(seed, static_cast<std::uint64_t>(x0), static_cast<std::uint64_t>(y0));
}

Rgb GroundColour(Ground g, int x, int y)
{
    using namespace Palette;
    const double fx = x + 0.5;
    const double fy = y + 0.5;
    switch (g) {
    case Ground::Grass: {
        const double n = 0.6 * CellNoise(fx, fy, 0, 11) + 0.4 * CellNoise(fx, fy, 2, 12);
        Rgb c = Mix(GrassDark, GrassLight, 0.15 + 0.7 * n);
        const double grain = CellGrain(x, y, 13);
        if (grain > 0.93) {
            c = Lighter(c, 0.12);
        } else if (grain < 0.10) {
            c = Darker(c, 0.10);
        }
        return c;
    }
    case Ground::Earth: {
        const double n = 0.5 * CellNoise(fx, fy, 1, 21) + 0.5 * CellNoise(fx, fy, 2, 22);
        Rgb c = Mix(EarthDark, Earth, 0.3 + 0.7 * n);
        const double grain = CellGrain(x, y, 23);
        if (grain > 0.9) {
            c = Lighter(c, 0.15);
        } else if (grain < 0.12) {
            c = Darker(c, 0.12);
        }
        return c;
    }
    case Ground::Water: {
        const double n = CellNoise(fx, fy, 0, 31);
        Rgb c = Mix(WaterDeep, Water, 0.2 + 0.8 * n);
        const double ripple = std::fabs(CellNoise(fx, fy, 2, 32) - 0.5);
        if (ripple < 0.025) {
            c = Mix(c, WaterLight, 0.6 * (1 - ripple / 0.025));
        }
        return c;
    }
    case Ground::Asphalt: {
        const double n = CellNoise(fx, fy, 2, 51);
        Rgb c = Mix(Asphalt, AsphaltLight, 0.2 + 0.5 * n);
        const double grain = CellGrain(x, y, 52);
        if (grain > 0.9) {
            c = Lighter(c, 0.08);
        } else if (grain < 0.1) {
            c = Darker(c, 0.08);
        }
        return c;
    }
    case Ground::Sand: {
        const double n = CellNoise(fx, fy, 2, 61);
        Rgb c = Mix(Darker(Sand, 0.08), Sand, n);
        if (CellGrain(x, y, 62) > 0.9) {
            c = Darker(c, 0.1);
        }
        return c;
    }
    case Ground::Pavement:
    case Ground::Plaza: {
        // Slabs laid along the cell's axes.
        const double gx = ((fx - 72.0) / 72.0 + fy / 48.0) / 2.0;
        const double gy = (fy / 48.0 - (fx - 72.0) / 72.0) / 2.0;
        const double k = g == Ground::Plaza ? 6.0 : 8.0;
        const double ax = gx * k - std::floor(gx * k);
        const double ay = gy * k - std::floor(gy * k);
        Rgb base = g == Ground::Plaza ? Mix(Pavement, Sand, 0.35) : Pavement;
        const double tile = HashUnit(41, static_cast<std::uint64_t>(std::floor(gx * k) + 1000),
                                     static_cast<std::uint64_t>(std::floor(gy * k) + 1000));
        Rgb c = Mix(base, Lighter(base, 0.25), tile * 0.5);
        if (ax < 0.07 || ay < 0.07) {
            c = PavementDark;
        }
        return c;
    }
    }
    return Grass;
}

void PaintGround(cairo_surface_t* surface, Ground g, int top)
{
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            const Rgb c = GroundColour(g, x, y - top);
            row[x] = 0xFF000000u | (static_cast<std::uint32_t>(std::lround(c.R * 255)) << 16) |
                     (static_cast<std::uint32_t>(std::lround(c.G * 255)) << 8) |
                     static_cast<std::uint32_t>(std::lround(c.B * 255));
        }
    }
    cairo_surface_mark_dirty(surface);
}

cairo_surface_t* GroundSurface(Ground g, int width, int height, int top)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    PaintGround(s, g, top);
    return s;
}

void Iso::MoveTo(double gx, double gy, double z) const
{
    cairo_move_to(Cr, Sx(gx, gy), Sy(gx, gy, z));
}

void Iso::LineTo(double gx, double gy, double z) const
{
    cairo_line_to(Cr, Sx(gx, gy), Sy(gx, gy, z));
}

void Iso::GroundMatrix(double z) const
{
    cairo_matrix_t m;
    cairo_matrix_init(&m, 72.0, 48.0, -72.0, 48.0, 72.0, Top - z);
    cairo_set_matrix(Cr, &m);
}

void Iso::GroundRect(double x0, double y0, double x1, double y1, double z) const
{
    MoveTo(x0, y0, z);
    LineTo(x1, y0, z);
    LineTo(x1, y1, z);
    LineTo(x0, y1, z);
    cairo_close_path(Cr);
}

void Iso::Ellipse(double gx, double gy, double rx, double ry, double z) const
{
    cairo_save(Cr);
    GroundMatrix(z);
    cairo_translate(Cr, gx, gy);
    cairo_scale(Cr, rx, ry);
    cairo_new_sub_path(Cr);
    cairo_arc(Cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(Cr);
}

void Iso::Box(double x0, double y0, double x1, double y1, double z0, double h, const Rgb& wall,
              const Rgb& roof) const
{
    const double z1 = z0 + h;
    // Left face (facing the lower left).
    MoveTo(x0, y1, z0);
    LineTo(x1, y1, z0);
    LineTo(x1, y1, z1);
    LineTo(x0, y1, z1);
    cairo_close_path(Cr);
    FillStroke(Cr, wall);
    // Right face (facing the lower right, away from the light).
    MoveTo(x1, y1, z0);
    LineTo(x1, y0, z0);
    LineTo(x1, y0, z1);
    LineTo(x1, y1, z1);
    cairo_close_path(Cr);
    FillStroke(Cr, Palette::Darker(wall, 0.28));
    GroundRect(x0, y0, x1, y1, z1);
    FillStroke(Cr, roof);
}

void Iso::QuadL(double face, double a, double b, double za, double zb, const Rgb& c, bool outline) const
{
    MoveTo(a, face, za);
    LineTo(b, face, za);
    LineTo(b, face, zb);
    LineTo(a, face, zb);
    cairo_close_path(Cr);
    if (outline) {
        FillStroke(Cr, c);
    } else {
        SetColour(Cr, c);
        cairo_fill(Cr);
    }
}

void Iso::QuadR(double face, double a, double b, double za, double zb, const Rgb& c, bool outline) const
{
    MoveTo(face, a, za);
    LineTo(face, b, za);
    LineTo(face, b, zb);
    LineTo(face, a, zb);
    cairo_close_path(Cr);
    if (outline) {
        FillStroke(Cr, c);
    } else {
        SetColour(Cr, c);
        cairo_fill(Cr);
    }
}

void Iso::WindowsL(double face, double a, double b, double z0, double z1, int cols, int rows, const Rgb& c,
                   double fill) const
{
    const double du = (b - a) / cols;
    const double dz = (z1 - z0) / rows;
    for (int r = 0; r < rows; ++r) {
        for (int k = 0; k < cols; ++k) {
            const double u0 = a + du * (k + (1 - fill) / 2);
            const double za = z0 + dz * r + dz * 0.25;
            QuadL(face, u0, u0 + du * fill, za, za + dz * 0.55, c);
        }
    }
}

void Iso::WindowsR(double face, double a, double b, double z0, double z1, int cols, int rows, const Rgb& c,
                   double fill) const
{
    const double du = (b - a) / cols;
    const double dz = (z1 - z0) / rows;
    for (int r = 0; r < rows; ++r) {
        for (int k = 0; k < cols; ++k) {
            const double u0 = a + du * (k + (1 - fill) / 2);
            const double za = z0 + dz * r + dz * 0.25;
            QuadR(face, u0, u0 + du * fill, za, za + dz * 0.55, Palette::Darker(c, 0.22));
        }
    }
}

void Iso::GableRoof(double x0, double y0, double x1, double y1, double z, double rh, bool alongX,
                    const Rgb& roof, const Rgb& gable) const
{
    using Palette::Darker;
    using Palette::Lighter;
    if (alongX) {
        const double ym = (y0 + y1) / 2;
        MoveTo(x0, y0, z);
        LineTo(x1, y0, z);
        LineTo(x1, ym, z + rh);
        LineTo(x0, ym, z + rh);
        cairo_close_path(Cr);
        FillStroke(Cr, Lighter(roof, 0.12));
        MoveTo(x0, y1, z);
        LineTo(x1, y1, z);
        LineTo(x1, ym, z + rh);
        LineTo(x0, ym, z + rh);
        cairo_close_path(Cr);
        FillStroke(Cr, roof);
        MoveTo(x1, y0, z);
        LineTo(x1, y1, z);
        LineTo(x1, ym, z + rh);
        cairo_close_path(Cr);
        FillStroke(Cr, Darker(gable, 0.28));
    } else {
        const double xm = (x0 + x1) / 2;
        MoveTo(x0, y0, z);
        LineTo(x0, y1, z);
        LineTo(xm, y1, z + rh);
        LineTo(xm, y0, z + rh);
        cairo_close_path(Cr);
        FillStroke(Cr, Lighter(roof, 0.15));
        MoveTo(x1, y0, z);
        LineTo(x1, y1, z);
        LineTo(xm, y1, z + rh);
        LineTo(xm, y0, z + rh);
        cairo_close_path(Cr);
        FillStroke(Cr, Darker(roof, 0.25));
        MoveTo(x0, y1, z);
        LineTo(x1, y1, z);
        LineTo(xm, y1, z + rh);
        cairo_close_path(Cr);
        FillStroke(Cr, gable);
    }
}

void Iso::HipRoof(double x0, double y0, double x1, double y1, double z, double rh, const Rgb& roof) const
{
    const double xm = (x0 + x1) / 2;
    const double ym = (y0 + y1) / 2;
    MoveTo(x0, y0, z);
    LineTo(x1, y0, z);
    LineTo(xm, ym, z + rh);
    cairo_close_path(Cr);
    FillStroke(Cr, Palette::Lighter(roof, 0.18));
    MoveTo(x0, y0, z);
    LineTo(x0, y1, z);
    LineTo(xm, ym, z + rh);
    cairo_close_path(Cr);
    FillStroke(Cr, Palette::Lighter(roof, 0.08));
    MoveTo(x0, y1, z);
    LineTo(x1, y1, z);
    LineTo(xm, ym, z + rh);
    cairo_close_path(Cr);
    FillStroke(Cr, roof);
    MoveTo(x1, y0, z);
    LineTo(x1, y1, z);
    LineTo(xm, ym, z + rh);
    cairo_close_path(Cr);
    FillStroke(Cr, Palette::Darker(roof, 0.25));
}

void Iso::Tree(double gx, double gy, double size, const Rgb& leaves) const
{
    const double x = Sx(gx, gy);
    const double y = Sy(gx, gy);
    // Shadow toward the lower right.
    cairo_save(Cr);
    cairo_translate(Cr, x + size * 0.35, y + 1);
    cairo_scale(Cr, size * 0.75, size * 0.32);
    cairo_arc(Cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(Cr);
    SetColour(Cr, Palette::Shadow, 0.45);
    cairo_fill(Cr);
    cairo_rectangle(Cr, x - size * 0.1, y - size * 0.9, size * 0.2, size * 0.9);
    FillStroke(Cr, Palette::Trunk);
    const double cy = y - size * 1.25;
    cairo_arc(Cr, x, cy, size * 0.72, 0, 2 * M_PI);
    FillStroke(Cr, Palette::Darker(leaves, 0.08));
    cairo_arc(Cr, x - size * 0.16, cy - size * 0.16, size * 0.48, 0, 2 * M_PI);
    SetColour(Cr, Palette::Lighter(leaves, 0.18));
    cairo_fill(Cr);
    cairo_arc(Cr, x - size * 0.28, cy - size * 0.3, size * 0.2, 0, 2 * M_PI);
    SetColour(Cr, Palette::Lighter(leaves, 0.38));
    cairo_fill(Cr);
}

void Iso::FaceL(double gx, double gy, double z) const
{
    cairo_matrix_t m;
    cairo_matrix_init(&m, 1.0, 2.0 / 3.0, 0.0, 1.0, Sx(gx, gy), Sy(gx, gy, z));
    cairo_set_matrix(Cr, &m);
}

void Iso::FaceR(double gx, double gy, double z) const
{
    cairo_matrix_t m;
    cairo_matrix_init(&m, 1.0, -2.0 / 3.0, 0.0, 1.0, Sx(gx, gy), Sy(gx, gy, z));
    cairo_set_matrix(Cr, &m);
}

void Iso::ShadowRect(double x0, double y0, double x1, double y1, double reach) const
{
    cairo_save(Cr);
    MoveTo(0, 0);
    LineTo(1, 0);
    LineTo(1, 1);
    LineTo(0, 1);
    cairo_close_path(Cr);
    cairo_clip(Cr);
    GroundRect(x0, y0, std::min(x1 + reach, 1.0), y1);
    SetColour(Cr, Palette::Shadow, 0.38);
    cairo_fill(Cr);
    cairo_restore(Cr);
}

namespace {

PangoLayout* MakeLayout(cairo_t* cr, const std::string& text, const TextStyle& style)
{
    PangoLayout* layout = pango_cairo_create_layout(cr);
    cairo_font_options_t* opts = cairo_font_options_create();
    cairo_font_options_set_antialias(opts, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), opts);
    cairo_font_options_destroy(opts);
    pango_layout_context_changed(layout);
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, style.Family.c_str());
    pango_font_description_set_weight(desc, style.Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc, style.Italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(desc, style.Size * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout, text.c_str(), -1);
    return layout;
}

} // namespace

double DrawText(cairo_t* cr, const std::string& text, const TextStyle& style, double cx, double cy)
{
    PangoLayout* layout = MakeLayout(cr, text, style);
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    SetColour(cr, style.Colour);
    cairo_move_to(cr, cx - logical.width / 2.0, cy - (ink.y + ink.height / 2.0));
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
    cairo_new_path(cr); // no current point left behind for the next shape
    return logical.width;
}

double DrawTextLeft(cairo_t* cr, const std::string& text, const TextStyle& style, double x, double cy)
{
    PangoLayout* layout = MakeLayout(cr, text, style);
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    SetColour(cr, style.Colour);
    cairo_move_to(cr, x, cy - (ink.y + ink.height / 2.0));
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
    cairo_new_path(cr); // no current point left behind for the next shape
    return logical.width;
}

void TextPath(cairo_t* cr, const std::string& text, const TextStyle& style, double cx, double cy)
{
    PangoLayout* layout = MakeLayout(cr, text, style);
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    cairo_move_to(cr, cx - logical.width / 2.0, cy - (ink.y + ink.height / 2.0));
    pango_cairo_layout_path(cr, layout);
    g_object_unref(layout);
}

void SlotBadge(cairo_t* cr, int player, double cx, double cy, double radius)
{
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    FillStroke(cr, Palette::Player[player]);
    cairo_arc(cr, cx - radius * 0.25, cy - radius * 0.3, radius * 0.55, M_PI, 1.5 * M_PI);
    SetColour(cr, Palette::Lighter(Palette::Player[player], 0.45));
    cairo_set_line_width(cr, std::max(1.0, radius * 0.18));
    cairo_stroke(cr);
    TextStyle s;
    s.Size = radius * 1.55;
    s.Colour = Palette::PlayerInk[player];
    DrawText(cr, std::to_string(player + 1), s, cx, cy);
}

} // namespace Art

// One review sheet with every picture item: each frame numbered, each item named.
#include "ContactSheet.h"

#include "BitmapFile.h"

#include <algorithm>
#include <cmath>

namespace Art {

namespace {

constexpr int SheetWidth = 2000;
constexpr int Margin = 16;
constexpr int Header = 26;
constexpr int Label = 15;
constexpr int Gap = 6;

struct Placed
{
    const Picture* P;
    int Frame;
    double X;
    double Y;
    double Scale;
};

double ScaleOf(const Picture& p)
{
    if (p.Layout == 0) {
        return std::min(1.0, 620.0 / p.Width);
    }
    return p.FrameWidth <= 64 ? 2.0 : 1.0;
}

void Checker(cairo_t* cr, double x, double y, double w, double h)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0.80, 0.78, 0.84);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0.70, 0.68, 0.76);
    for (int j = 0; j * 8 < h; ++j) {
        for (int i = (j % 2); i * 8 < w; i += 2) {
            cairo_rectangle(cr, x + i * 8, y + j * 8, 8, 8);
        }
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace

bool WriteContactSheet(const std::vector<Picture>& pictures, const std::string& path)
{
    std::vector<Placed> placed;
    struct Title
    {
        const Picture* P;
        double X;
        double Y;
    };
    std::vector<Title> titles;
    // Items are blocks (title above a grid of frames) packed left to right on shelves.
    double shelfX = Margin;
    double shelfY = Margin;
    double shelfHeight = 0;
    double y = Margin;
    for (const Picture& p : pictures) {
        const double s = ScaleOf(p);
        const double fw = (p.Layout == 0 ? p.Width : p.FrameWidth) * s;
        const double fh = (p.Layout == 0 ? p.Height : p.FrameHeight) * s;
        const int maxAcross = std::max(1, static_cast<int>((SheetWidth - 2 * Margin + Gap) / (fw + Gap)));
        const int across = std::min(p.FrameCount, std::min(maxAcross, p.Layout == 1 ? 12 : maxAcross));
        const int rows = (p.FrameCount + across - 1) / across;
        const double blockWidth = std::max(across * (fw + Gap), 380.0);
        const double blockHeight = Header + rows * (fh + Label + Gap);
        if (shelfX + blockWidth > SheetWidth - Margin && shelfX > Margin) {
            shelfX = Margin;
            shelfY += shelfHeight + 12;
            shelfHeight = 0;
        }
        titles.push_back({&p, shelfX, shelfY});
        for (int n = 0; n < p.FrameCount; ++n) {
            placed.push_back({&p, n, shelfX + (n % across) * (fw + Gap),
                              shelfY + Header + (n / across) * (fh + Label + Gap) + Label, s});
        }
        shelfX += blockWidth + 24;
        shelfHeight = std::max(shelfHeight, blockHeight);
        y = shelfY + shelfHeight;
    }
    const int height = static_cast<int>(std::ceil(y + Margin));
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, SheetWidth, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.93, 0.92, 0.90);
    cairo_paint(cr);
    for (const Title& t : titles) {
        const Picture& p = *t.P;
        std::string text = p.Name + "  " + std::to_string(p.Width) + "x" + std::to_string(p.Height);
        if (p.Layout != 0) {
            text += " L" + std::to_string(p.Layout) + " " + std::to_string(p.FrameWidth) + "x" +
                    std::to_string(p.FrameHeight);
        }
        text += p.Transparent ? " T" : "";
        if (p.StoreAsPcx) {
            text += "  [PCX]";
        }
        TextStyle st;
        st.Size = 14;
        st.Colour = Palette::Ink;
        DrawTextLeft(cr, text, st, t.X, t.Y + 10);
    }
    for (const Placed& f : placed) {
        const Picture& p = *f.P;
        const double fw = (p.Layout == 0 ? p.Width : p.FrameWidth);
        const double fh = (p.Layout == 0 ? p.Height : p.FrameHeight);
        Checker(cr, f.X, f.Y, fw * f.Scale, fh * f.Scale);
        cairo_surface_t* fs = FrameSurface(p, f.Frame);
        cairo_save(cr);
        cairo_translate(cr, f.X, f.Y);
        cairo_scale(cr, f.Scale, f.Scale);
        cairo_set_source_surface(cr, fs, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), f.Scale > 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(fs);
        if (p.Layout != 0) {
            TextStyle st;
            st.Size = 11;
            st.Bold = false;
            st.Colour = Palette::Darker(Palette::Ink, 0.1);
            DrawText(cr, std::to_string(f.Frame), st, f.X + 8, f.Y - 7);
        }
    }
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(sheet, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(sheet);
    return ok;
}

} // namespace Art

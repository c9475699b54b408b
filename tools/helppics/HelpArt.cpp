// The help's pictures loaded from res00.dat with the game's layouts, and frames and canvases
// written as PNG files.
#include "HelpArt.h"

#include "graphics/PictureCatalog.h"

#include <algorithm>
#include <cairo.h>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

bool HelpArt::Load(const std::string& archive, std::string& missing)
{
    // Loaded with the catalogue's layouts, as the game's screens load them.
    const std::pair<Surface*, const PictureInfo*> sheets[] = {
        {&Blank, &Pictures::Blank},
        {&Table0, &Pictures::Table0},
        {&Table1, &Pictures::Table1},
        {&Dice, &Pictures::Dice},
        {&MenuBack, &Pictures::MMBack},
        {&MenuButton, &Pictures::MMBackButton},
        {&PanelEditor, &Pictures::PanelEditor},
        {&DialogButton, &Pictures::DlgButton},
        {&ComboFace, &Pictures::ComboBox},
        {&ScoresBack, &Pictures::BScores},
        {&ScoreCards, &Pictures::PScores},
        {&InfoBack, &Pictures::BPlayerInfo},
        {&Humans, &Pictures::PPlayerH},
        {&Computers, &Pictures::PPlayerC},
        {&CardOpen, &Pictures::BCardOpen},
        {&NewsBack, &Pictures::BNews},
        {&ButtonsBack, &Pictures::BButtons},
        {&ToolFace, &Pictures::BackButton0},
        {&ThrowFace, &Pictures::BackButton1},
        {&ToolIcons, &Pictures::ButtonImages0},
        {&CardLast, &Pictures::ButtonLast},
        {&CardNext, &Pictures::ButtonNext},
        {&CardView, &Pictures::ButtonView},
        {&CardPay, &Pictures::ButtonPay},
    };
    for (const auto& [surface, picture] : sheets) {
        surface->LoadImage(picture->Layout, picture->FrameWidth, std::string(picture->Name), archive,
                           picture->Transparent, picture->FrameHeight);
        if (surface->IsEmpty()) {
            missing = std::string(picture->Name);
            return false;
        }
    }
    return true;
}

namespace {

bool Write(cairo_surface_t* picture, const std::filesystem::path& file)
{
    const cairo_status_t status = cairo_surface_write_to_png(picture, file.string().c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "helppics: cannot write %s: %s\n", file.string().c_str(),
                     cairo_status_to_string(status));
        return false;
    }
    return true;
}

// The box of the pixels of picture (ARGB32) that are not fully transparent; empty when none is.
Rect DrawnBox(cairo_surface_t* picture)
{
    cairo_surface_flush(picture);
    const int width = cairo_image_surface_get_width(picture);
    const int height = cairo_image_surface_get_height(picture);
    const int stride = cairo_image_surface_get_stride(picture);
    const unsigned char* data = cairo_image_surface_get_data(picture);
    Rect box{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, data + y * stride + x * 4, 4);
            if ((pixel >> 24) != 0) {
                box = Rect{std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                           std::max(box.Bottom, y + 1)};
            }
        }
    }
    return box.Right > box.Left ? box : Rect{};
}

} // namespace

bool WriteFrame(const Surface& sheet, std::int32_t n, bool crop, const std::filesystem::path& file)
{
    const bool framed = sheet.FrameLayout != 0;
    Rect source = framed ? sheet.FrameSource(n) : Rect{0, 0, sheet.Width, sheet.Height};
    const std::int32_t width = source.Width();
    const std::int32_t height = source.Height();
    cairo_surface_t* frame = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(frame);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, sheet.CairoSurface(), -source.Left, -source.Top);
    cairo_paint(cr);
    cairo_destroy(cr);

    cairo_surface_t* out = frame;
    if (crop) {
        // A little room around the drawn part, so that a cut picture does not touch its edge.
        constexpr std::int32_t margin = 2;
        const Rect box = DrawnBox(frame);
        const Rect part{std::max(0, box.Left - margin), std::max(0, box.Top - margin),
                        std::min(width, box.Right + margin), std::min(height, box.Bottom + margin)};
        if (part.Width() > 0 && part.Height() > 0) {
            out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, part.Width(), part.Height());
            cairo_t* cut = cairo_create(out);
            cairo_set_operator(cut, CAIRO_OPERATOR_SOURCE);
            cairo_set_source_surface(cut, frame, -part.Left, -part.Top);
            cairo_paint(cut);
            cairo_destroy(cut);
        }
    }
    const bool written = Write(out, file);
    if (out != frame) {
        cairo_surface_destroy(out);
    }
    cairo_surface_destroy(frame);
    return written;
}

bool WriteCanvas(const Surface& canvas, const std::filesystem::path& file)
{
    return canvas.CairoSurface() != nullptr && Write(canvas.CairoSurface(), file);
}

std::unique_ptr<Surface> CanvasPart(const Surface& canvas, const Rect& part)
{
    auto piece = Surface::CreateCanvas(&canvas, part.Width(), part.Height());
    Surface::Blit(*piece, 0, 0, part, canvas);
    return piece;
}

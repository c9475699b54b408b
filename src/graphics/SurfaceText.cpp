// Text on a Surface: boxed text with alignment, word wrap, accelerators and measuring, and
// one-line text placed at a screen fraction.
#include "graphics/Font.h"
#include "graphics/Surface.h"

#include <algorithm>
#include <cmath>
#include <pango/pangocairo.h>
#include <string>
#include <vector>

namespace {

// Windows-1252 characters 0x80 to 0x9F; the rest of the upper half is Latin-1.
constexpr char32_t Cp1252High[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                     0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c)
{
    char buf[6];
    const int n = g_unichar_to_utf8(static_cast<gunichar>(c), buf);
    out.append(buf, static_cast<std::size_t>(n));
}

// The text up to its terminating zero as UTF-8. Its UTF-8 characters are kept as they are; each
// byte that is not part of one is read as the classic Western code page, so texts from old
// files still show and one stray byte does not turn the accented letters around it into others.
std::string ToUtf8(std::string_view text)
{
    const std::size_t end = text.find('\0');
    if (end != std::string_view::npos) {
        text = text.substr(0, end);
    }
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const gchar* valid = nullptr;
        const bool whole = g_utf8_validate(text.data(), static_cast<gssize>(text.size()), &valid);
        const auto good = static_cast<std::size_t>(valid - text.data());
        out.append(text.substr(0, good));
        if (whole) {
            break;
        }
        // Every byte below 0x80 but zero is UTF-8, and the zero is cut off above.
        const auto b = static_cast<unsigned char>(text[good]);
        AppendUtf8(out, b < 0x80 ? b : b < 0xA0 ? Cp1252High[b - 0x80] : b);
        text.remove_prefix(good + 1);
    }
    return out;
}

struct PreparedText
{
    std::string Text;
    // Byte ranges of the characters an "&" marks.
    std::vector<std::pair<int, int>> Underlined;
};

// Takes out the "&" accelerator marks ("&&" is an "&") unless noPrefix, and the line breaks a single
// line has not.
PreparedText Prepare(const std::string& utf8, bool singleLine, bool noPrefix)
{
    PreparedText out;
    out.Text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char c = utf8[i];
        if (c == '&' && !noPrefix) {
            ++i;
            if (i >= utf8.size()) {
                break;
            }
            if (utf8[i] == '&') {
                out.Text.push_back('&');
                ++i;
                continue;
            }
            const char* next = g_utf8_next_char(utf8.data() + i);
            const auto len = static_cast<std::size_t>(next - (utf8.data() + i));
            const int start = static_cast<int>(out.Text.size());
            out.Text.append(utf8, i, len);
            out.Underlined.emplace_back(start, static_cast<int>(out.Text.size()));
            i += len;
            continue;
        }
        if (c == '\r' || c == '\n') {
            if (singleLine) {
                out.Text.push_back(' ');
            } else if (!(c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')) {
                out.Text.push_back('\n');
            }
            ++i;
            continue;
        }
        out.Text.push_back(c);
        ++i;
    }
    return out;
}

void SetSourceColour(cairo_t* cr, Colour colour)
{
    cairo_set_source_rgb(cr, (colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                         ((colour >> 16) & 0xFF) / 255.0);
}

class Layout
{
public:
    Layout() : Handle(pango_layout_new(SharedTextContext())) {}
    ~Layout() { g_object_unref(Handle); }
    Layout(const Layout&) = delete;
    Layout& operator=(const Layout&) = delete;
    PangoLayout* Handle;
};

} // namespace

std::int32_t Surface::DrawTextInRect(Rect& rect, std::string_view text, std::uint32_t format, Colour colour,
                                     const Font* font)
{
    if (!font || !font->Description()) {
        return 0;
    }
    const bool measure = (format & TextFormat::CalcRect) != 0;
    if (!measure && !Cr) {
        return 0;
    }
    const bool singleLine = (format & TextFormat::SingleLine) != 0;
    const PreparedText prepared = Prepare(ToUtf8(text), singleLine, (format & TextFormat::NoPrefix) != 0);
    if (prepared.Text.empty()) {
        if (measure) {
            rect.Right = rect.Left;
            rect.Bottom = rect.Top;
        }
        return 0;
    }

    double scale = font->HorizontalScale() > 0 ? font->HorizontalScale() : 1.0;
    Layout layout;
    pango_layout_set_font_description(layout.Handle, font->Description());
    pango_layout_set_text(layout.Handle, prepared.Text.c_str(), static_cast<int>(prepared.Text.size()));
    if (!prepared.Underlined.empty()) {
        PangoAttrList* attrs = pango_attr_list_new();
        for (const auto& [start, end] : prepared.Underlined) {
            PangoAttribute* underline = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
            underline->start_index = static_cast<guint>(start);
            underline->end_index = static_cast<guint>(end);
            pango_attr_list_insert(attrs, underline);
        }
        pango_layout_set_attributes(layout.Handle, attrs);
        pango_attr_list_unref(attrs);
    }
    const PangoAlignment alignment = (format & TextFormat::Right)    ? PANGO_ALIGN_RIGHT
                                     : (format & TextFormat::Center) ? PANGO_ALIGN_CENTER
                                                                     : PANGO_ALIGN_LEFT;
    pango_layout_set_alignment(layout.Handle, alignment);
    // Wrapping happens at the unscaled width; the drawing is scaled afterwards.
    const bool wrap = (format & TextFormat::WordBreak) && !singleLine;
    if (wrap) {
        const double width = std::max(rect.Width(), 1) / scale;
        pango_layout_set_width(layout.Handle, static_cast<int>(width * PANGO_SCALE));
        pango_layout_set_wrap(layout.Handle, PANGO_WRAP_WORD);
    }

    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_extents(layout.Handle, &ink, &logical);
    double textWidth = logical.width * scale / PANGO_SCALE;
    if (singleLine && (format & TextFormat::ShrinkToFit) && rect.Width() > 0 && textWidth > rect.Width()) {
        scale *= rect.Width() / textWidth;
        textWidth = rect.Width();
    }
    const double textHeight = static_cast<double>(logical.height) / PANGO_SCALE;
    const auto height = static_cast<std::int32_t>(std::ceil(textHeight));
    if (measure) {
        rect.Right = rect.Left + static_cast<std::int32_t>(std::ceil(textWidth));
        rect.Bottom = rect.Top + height;
        return height;
    }

    // Where the layout's origin goes: a wrapped layout aligns its lines inside the box itself;
    // an unwrapped one is as wide as its longest line and is placed in the box here.
    double x = rect.Left;
    if (!wrap) {
        x -= logical.x * scale / PANGO_SCALE;
        if (alignment == PANGO_ALIGN_RIGHT) {
            x += rect.Width() - textWidth;
        } else if (alignment == PANGO_ALIGN_CENTER) {
            x += (rect.Width() - textWidth) / 2;
        }
    }
    double y = rect.Top;
    // Vertical placement needs a single line, as with the classic text-drawing flags.
    if (singleLine && (format & TextFormat::VCenter)) {
        y += (rect.Height() - textHeight) / 2;
    } else if (singleLine && (format & TextFormat::Bottom)) {
        y += rect.Height() - textHeight;
    }

    const double left = std::round(x);
    const double top = std::round(y);
    if (TextObserver) {
        const auto px = [](double units) { return units / PANGO_SCALE; };
        DrawnText drawn{prepared.Text, rect,
                        Rect{static_cast<std::int32_t>(std::floor(left + px(ink.x) * scale)),
                             static_cast<std::int32_t>(std::floor(top + px(ink.y))),
                             static_cast<std::int32_t>(std::ceil(left + px(ink.x + ink.width) * scale)),
                             static_cast<std::int32_t>(std::ceil(top + px(ink.y + ink.height)))},
                        format};
        TextObserver(drawn);
    }

    cairo_save(Cr);
    if (!(format & TextFormat::NoClip)) {
        cairo_rectangle(Cr, rect.Left, rect.Top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
        cairo_clip(Cr);
    }
    cairo_set_operator(Cr, CAIRO_OPERATOR_OVER);
    SetSourceColour(Cr, colour);
    cairo_translate(Cr, left, top);
    // Scaling the drawing, not the layout: updating the layout to a scaled matrix spreads the
    // letters apart.
    cairo_scale(Cr, scale, 1.0);
    pango_cairo_show_layout(Cr, layout.Handle);
    cairo_restore(Cr);
    return height;
}

namespace {

// A box of width w at x (from it, ending at it, or centred on it by align) with the flags of
// the alignment.
std::uint32_t PlaceBox(Rect& box, std::int32_t x, std::int32_t w, std::int32_t align)
{
    std::uint32_t format = TextFormat::SingleLine | TextFormat::NoClip;
    box.Left = x;
    box.Right = x + w;
    if (align == 1) {
        box.Left = x - w;
        box.Right = x;
        format |= TextFormat::Right;
    } else if (align == 2) {
        box.Left = x - w / 2;
        box.Right = x + w / 2;
        format |= TextFormat::Center;
    }
    return format;
}

// Far-off positions are kept far off without overflowing the box arithmetic.
constexpr std::int32_t FarLimit = 1 << 29;

std::int32_t FracToPixels(float frac, std::int32_t size)
{
    return std::clamp(Round(static_cast<double>(frac) * size), -FarLimit, FarLimit);
}

} // namespace

void Surface::DrawTextAt(std::string_view text, const Font* font, float xFrac, float yFrac,
                         std::int32_t align)
{
    if (!font) {
        return;
    }
    const std::int32_t x = FracToPixels(xFrac, ScreenSize.Width);
    const std::int32_t y = FracToPixels(yFrac, ScreenSize.Height);
    // A box surely wider than the text: every character as wide as the font is high.
    const std::string utf8 = ToUtf8(text);
    const auto characters =
        static_cast<std::int64_t>(g_utf8_strlen(utf8.c_str(), static_cast<gssize>(utf8.size())));
    const std::int64_t w = std::min<std::int64_t>(characters * font->PixelHeight(), 1 << 28);
    Rect box{x, y, x, y + font->PixelHeight()};
    const std::uint32_t format = PlaceBox(box, x, static_cast<std::int32_t>(w), align);
    DrawTextInRect(box, utf8, format, font->Color, font);
}

void Surface::DrawTextAt(std::string_view text, const Font* font, float xFrac, float yFrac,
                         std::int32_t align, float widthFrac)
{
    if (!font) {
        return;
    }
    const std::int32_t x = FracToPixels(xFrac, ScreenSize.Width);
    const std::int32_t y = FracToPixels(yFrac, ScreenSize.Height);
    Rect box{x, y, x, y + font->PixelHeight()};
    const std::uint32_t format = PlaceBox(
        box, x, std::clamp(Round(static_cast<double>(widthFrac) * ScreenSize.Width), 0, FarLimit), align);
    DrawTextInRect(box, text, format | TextFormat::ShrinkToFit, font->Color, font);
}

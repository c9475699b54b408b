// Writing pictures as 24-bit Windows bitmap file images.
#include "BitmapFile.h"

namespace Art {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v)
{
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v)
{
    Put16(out, at, v & 0xFFFF);
    Put16(out, at + 2, v >> 16);
}

} // namespace

std::vector<std::uint8_t> EncodeBitmapFile(const Picture& picture)
{
    const std::size_t stride = (static_cast<std::size_t>(picture.Width) * 3 + 3) / 4 * 4;
    const std::size_t imageSize = stride * static_cast<std::size_t>(picture.Height);
    std::vector<std::uint8_t> out(54 + imageSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<std::uint32_t>(out.size()));
    Put32(out, 10, 54);
    Put32(out, 14, 40);
    Put32(out, 18, static_cast<std::uint32_t>(picture.Width));
    Put32(out, 22, static_cast<std::uint32_t>(picture.Height));
    Put16(out, 26, 1);
    Put16(out, 28, 24);
    Put32(out, 34, static_cast<std::uint32_t>(imageSize));
    Put32(out, 38, 2835); // 72 dots per inch
    Put32(out, 42, 2835);
    for (int y = 0; y < picture.Height; ++y) {
        std::uint8_t* row = out.data() + 54 + stride * static_cast<std::size_t>(picture.Height - 1 - y);
        for (int x = 0; x < picture.Width; ++x) {
            const std::uint32_t p = picture.At(x, y);
            row[3 * x] = static_cast<std::uint8_t>(p);
            row[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(p >> 16);
        }
    }
    return out;
}

cairo_surface_t* PictureSurface(const Picture& picture)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.Width, picture.Height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < picture.Height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < picture.Width; ++x) {
            row[x] = picture.At(x, y);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

bool WritePng(const Picture& picture, const std::string& path)
{
    Picture whole = picture;
    whole.Layout = 0;
    cairo_surface_t* s = FrameSurface(whole, 0);
    const bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

cairo_surface_t* FrameSurface(const Picture& p, int n)
{
    const int w = p.Layout == 0 ? p.Width : p.FrameWidth;
    const int h = p.Layout == 0 ? p.Height : p.FrameHeight;
    const FramePos o = FrameOrigin(p, n);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            const int sx = o.X + x;
            const int sy = o.Y + y;
            if (sx >= p.Width || sy >= p.Height) {
                row[x] = 0;
                continue;
            }
            const std::uint32_t v = p.At(sx, sy);
            row[x] = (p.Transparent && v == 0) ? 0 : (0xFF000000u | v);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

} // namespace Art

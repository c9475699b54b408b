// Image form of a Surface decoded from a Windows bitmap file image held in memory.
#include "graphics/Surface.h"

#include <cairo.h>
#include <cstring>

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;
// Rows start right after the headers (24 and 32 bits) or after a full 256-entry colour table.
constexpr std::size_t DirectRowsAt = FileHeaderSize + InfoHeaderSize;
constexpr std::size_t PaletteEntries = 256;
constexpr std::size_t IndexedRowsAt = DirectRowsAt + PaletteEntries * 4;
constexpr std::int64_t MaxSide = 32767;

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

struct BitmapLayout
{
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool TopDown = false;
    std::uint32_t Bits = 0;
    std::size_t RowsAt = 0;
    std::size_t Stride = 0;
};

// Checks the headers and that every row lies inside the bytes.
bool ReadLayout(std::span<const std::uint8_t> bytes, BitmapLayout& out)
{
    if (bytes.size() < DirectRowsAt || bytes[0] != 'B' || bytes[1] != 'M') {
        return false;
    }
    // Rows are read at fixed places, which only the plain 40-byte info header agrees with.
    if (U32(bytes, FileHeaderSize) != InfoHeaderSize) {
        return false;
    }
    const auto width = static_cast<std::int32_t>(U32(bytes, 18));
    const auto height = static_cast<std::int32_t>(U32(bytes, 22));
    const std::uint32_t planes = U16(bytes, 26);
    const std::uint32_t bits = U16(bytes, 28);
    const std::uint32_t compression = U32(bytes, 30);
    if (planes != 1 || compression != 0) {
        return false;
    }
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        return false;
    }
    const std::int64_t absHeight = height < 0 ? -static_cast<std::int64_t>(height) : height;
    if (width <= 0 || width > MaxSide || absHeight == 0 || absHeight > MaxSide) {
        return false;
    }
    out.Width = width;
    out.Height = static_cast<std::int32_t>(absHeight);
    out.TopDown = height < 0;
    out.Bits = bits;
    out.RowsAt = bits <= 8 ? IndexedRowsAt : DirectRowsAt;
    out.Stride = static_cast<std::size_t>((static_cast<std::int64_t>(width) * bits + 31) / 32 * 4);
    return out.RowsAt + out.Stride * static_cast<std::size_t>(out.Height) <= bytes.size();
}

// One row of the bitmap as native 0x00RRGGBB pixels.
void DecodeRow(const std::uint8_t* row, const BitmapLayout& layout, const std::uint32_t* palette,
               std::uint32_t* out)
{
    switch (layout.Bits) {
    case 32:
        for (std::int32_t x = 0; x < layout.Width; ++x) {
            const std::uint8_t* p = row + static_cast<std::size_t>(x) * 4;
            out[x] = p[0] | (p[1] << 8) | (p[2] << 16);
        }
        break;
    case 24:
        for (std::int32_t x = 0; x < layout.Width; ++x) {
            const std::uint8_t* p = row + static_cast<std::size_t>(x) * 3;
            out[x] = p[0] | (p[1] << 8) | (p[2] << 16);
        }
        break;
    case 8:
        for (std::int32_t x = 0; x < layout.Width; ++x) {
            out[x] = palette[row[x]];
        }
        break;
    default: {
        // 1, 2 and 4 bits: the leftmost pixel in the highest bits of each byte.
        const std::uint32_t bits = layout.Bits;
        const std::uint32_t mask = (1u << bits) - 1;
        const std::uint32_t perByte = 8 / bits;
        for (std::int32_t x = 0; x < layout.Width; ++x) {
            const std::uint32_t byte = row[static_cast<std::uint32_t>(x) / perByte];
            const std::uint32_t shift = 8 - bits * (static_cast<std::uint32_t>(x) % perByte + 1);
            out[x] = palette[(byte >> shift) & mask];
        }
        break;
    }
    }
}

} // namespace

bool Surface::LoadBitmapImage(std::span<const std::uint8_t> bytes, std::int32_t layout,
                              std::int32_t frameWidth, bool transparent, std::int32_t frameHeight)
{
    Release();
    FrameLayout = layout;
    FrameWidth = frameWidth;
    FrameHeight = frameHeight;
    Transparent = transparent;
    KeyColour = 0;

    BitmapLayout bmp;
    if (!ReadLayout(bytes, bmp)) {
        return false;
    }
    std::uint32_t palette[PaletteEntries] = {};
    if (bmp.Bits <= 8) {
        for (std::size_t i = 0; i < PaletteEntries; ++i) {
            const std::size_t at = DirectRowsAt + i * 4;
            palette[i] = bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16);
        }
    }

    // Transparent images carry the key-colour mask as alpha, built once here.
    cairo_surface_t* pixels = cairo_image_surface_create(
        transparent ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, bmp.Width, bmp.Height);
    if (cairo_surface_status(pixels) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(pixels);
        return false;
    }
    const std::uint32_t key = ((KeyColour & 0xFF) << 16) | (KeyColour & 0xFF00) | ((KeyColour >> 16) & 0xFF);
    cairo_surface_flush(pixels);
    std::uint8_t* data = cairo_image_surface_get_data(pixels);
    const std::size_t stride = static_cast<std::size_t>(cairo_image_surface_get_stride(pixels));
    for (std::int32_t y = 0; y < bmp.Height; ++y) {
        const std::size_t fileRow =
            bmp.TopDown ? static_cast<std::size_t>(y) : static_cast<std::size_t>(bmp.Height - 1 - y);
        auto* out = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        DecodeRow(bytes.data() + bmp.RowsAt + fileRow * bmp.Stride, bmp, palette, out);
        for (std::int32_t x = 0; x < bmp.Width; ++x) {
            out[x] = transparent && out[x] == key ? 0 : out[x] | 0xFF000000u;
        }
    }
    cairo_surface_mark_dirty(pixels);
    Adopt(pixels);
    if (transparent) {
        FindOpaqueRuns();
    }
    if (FrameLayout == ImageLayout::Grid) {
        FramesAcross = FrameWidth != 0 ? Width / FrameWidth : 0;
        FramesDown = FrameHeight != 0 ? Height / FrameHeight : 0;
    }
    return true;
}

void Surface::FindOpaqueRuns()
{
    RunStarts.assign(static_cast<std::size_t>(Height) + 1, 0);
    Runs.clear();
    const std::uint8_t* data = cairo_image_surface_get_data(Pixels);
    const std::size_t stride = static_cast<std::size_t>(cairo_image_surface_get_stride(Pixels));
    for (std::int32_t y = 0; y < Height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        std::int32_t x = 0;
        while (x < Width) {
            while (x < Width && row[x] == 0) {
                ++x;
            }
            const std::int32_t begin = x;
            while (x < Width && row[x] != 0) {
                ++x;
            }
            if (x > begin) {
                Runs.push_back(begin);
                Runs.push_back(x);
            }
        }
        RunStarts[static_cast<std::size_t>(y) + 1] = static_cast<std::int32_t>(Runs.size());
    }
}

std::span<const std::int32_t> Surface::OpaqueRuns(std::int32_t y) const
{
    if (y < 0 || static_cast<std::size_t>(y) + 1 >= RunStarts.size()) {
        return {};
    }
    const auto begin = static_cast<std::size_t>(RunStarts[static_cast<std::size_t>(y)]);
    const auto end = static_cast<std::size_t>(RunStarts[static_cast<std::size_t>(y) + 1]);
    return std::span<const std::int32_t>(Runs).subspan(begin, end - begin);
}

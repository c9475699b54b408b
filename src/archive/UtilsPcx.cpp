// PCX encoding of 256-colour pictures, the form in which the archive stores kind-1 items.
#include "archive/UtilsPcx.h"

#include <unordered_map>

namespace {

void Put16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

constexpr std::int32_t MaxSide = 65536;
constexpr int MaxRun = 63;

} // namespace

std::optional<std::vector<std::uint8_t>> EncodePcx(std::int32_t width, std::int32_t height,
                                                   std::span<const std::uint8_t> pixels,
                                                   const PcxPalette& palette)
{
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide ||
        pixels.size() / static_cast<std::size_t>(width) < static_cast<std::size_t>(height)) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> out(128, 0);
    out[0] = 10; // manufacturer
    out[1] = 5;  // version with a 256-colour palette
    out[2] = 1;  // run-length encoding
    out[3] = 8;  // bits per pixel
    Put16(&out[8], static_cast<std::uint32_t>(width - 1));
    Put16(&out[10], static_cast<std::uint32_t>(height - 1));
    Put16(&out[12], 72);
    Put16(&out[14], 72);
    out[65] = 1; // planes
    Put16(&out[66], static_cast<std::uint32_t>(width));
    Put16(&out[68], 1); // palette holds colours

    const auto w = static_cast<std::size_t>(width);
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        const std::uint8_t* line = pixels.data() + y * w;
        std::size_t x = 0;
        while (x < w) {
            const std::uint8_t value = line[x];
            std::size_t run = 1;
            while (x + run < w && run < MaxRun && line[x + run] == value) {
                ++run;
            }
            if (run > 1 || value >= 192) {
                out.push_back(static_cast<std::uint8_t>(192 | run));
            }
            out.push_back(value);
            x += run;
        }
    }
    out.push_back(12);
    out.insert(out.end(), palette.begin(), palette.end());
    return out;
}

std::optional<std::vector<std::uint8_t>> EncodePcxFromColours(std::int32_t width, std::int32_t height,
                                                              std::span<const std::uint32_t> colours)
{
    if (width < 1 || height < 1 ||
        colours.size() / static_cast<std::size_t>(width) < static_cast<std::size_t>(height)) {
        return std::nullopt;
    }
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    PcxPalette palette{};
    std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
    std::vector<std::uint8_t> pixels(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t colour = colours[i] & 0xFFFFFFu;
        auto it = indexOf.find(colour);
        if (it == indexOf.end()) {
            if (indexOf.size() == 256) {
                return std::nullopt;
            }
            const auto index = static_cast<std::uint8_t>(indexOf.size());
            palette[3 * index] = static_cast<std::uint8_t>(colour);
            palette[3 * index + 1] = static_cast<std::uint8_t>(colour >> 8);
            palette[3 * index + 2] = static_cast<std::uint8_t>(colour >> 16);
            it = indexOf.emplace(colour, index).first;
        }
        pixels[i] = it->second;
    }
    return EncodePcx(width, height, pixels, palette);
}

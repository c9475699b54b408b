// Fuzz target: decoding bitmap file images, then drawing frames of the result.
#include "graphics/Surface.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto canvas = Surface::CreateCanvas(nullptr, 64, 64);
    Surface image;
    const bool transparent = size > 0 && (data[size - 1] & 1);
    image.LoadBitmapImage(std::span(data, size), 4, 16, transparent, 16);
    Surface::DrawFrame(*canvas, 3, 5, 1, image);
    Surface::StretchBlit(*canvas, {0, 0, 64, 64}, image, true, {0, 0, image.Width, image.Height});
    return 0;
}

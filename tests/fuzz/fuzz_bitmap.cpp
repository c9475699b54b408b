// Fuzz target: decoding bitmap file images into surfaces and drawing their frames.
#include "graphics/Surface.h"

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    // The first byte picks the load options; the rest is the bitmap file image.
    const std::uint8_t options = data[0];
    const std::span<const std::uint8_t> bytes(data + 1, size - 1);
    static const std::unique_ptr<Surface> canvas = Surface::CreateCanvas(nullptr, 64, 64);

    Surface image;
    const std::int32_t layout = options & 7;
    const std::int32_t frame = (options >> 3) & 7;
    const bool transparent = (options & 0x80) != 0;
    if (!image.LoadBitmapImage(bytes, layout, frame, transparent, frame + 1)) {
        if (!image.IsEmpty()) {
            __builtin_trap();
        }
    }
    for (std::int32_t n = 0; n < 3; ++n) {
        Surface::DrawFrame(*canvas, 1, 2, n, image);
    }
    Surface::DrawImage(*canvas, -3, 5, nullptr, image);
    if (!image.IsEmpty()) {
        const Rect src{0, 0, image.Width, image.Height};
        Surface::StretchBlit(*canvas, Rect{0, 0, 17, 9}, image, true, src);
        (void)image.PixelAt(image.Width - 1, image.Height - 1);
    }
    return 0;
}

// uishot's list of shots and the capture of the screen into a PNG.
#include "Shots.h"

#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "platform/Window.h"

#include <cairo.h>
#include <cstdio>

namespace {

std::vector<Shot>& List()
{
    static std::vector<Shot> shots;
    return shots;
}

} // namespace

bool AddShots(std::vector<Shot> shots)
{
    for (Shot& shot : shots)
        List().push_back(std::move(shot));
    return true;
}

const std::vector<Shot>& AllShots()
{
    return List();
}

bool ShotContext::Capture()
{
    TestHooks::Pump(App);
    const ScreenSizeRecord size = App.DisplaySize();
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.Width, size.Height);
    cairo_surface_flush(image);
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(image));
    const int stride = cairo_image_surface_get_stride(image) / 4;
    for (std::int32_t y = 0; y < size.Height; ++y) {
        for (std::int32_t x = 0; x < size.Width; ++x) {
            const Colour c = TestHooks::ScreenPixel(App, x, y);
            data[y * stride + x] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
        }
    }
    cairo_surface_mark_dirty(image);
    const cairo_status_t status = cairo_surface_write_to_png(image, OutFile.string().c_str());
    cairo_surface_destroy(image);
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "uishot: cannot write %s: %s\n", OutFile.string().c_str(),
                     cairo_status_to_string(status));
        return false;
    }
    Written = true;
    return true;
}

void ShotContext::CaptureModal(const std::function<void()>& show, int result)
{
    Window* captured = nullptr;
    TestHooks::SetModalHook(App, [this, &captured, result](Window& window) {
        if (captured == nullptr) {
            captured = &window;
            Capture();
        }
        window.ModalResult = result;
    });
    show();
    TestHooks::SetModalHook(App, nullptr);
}

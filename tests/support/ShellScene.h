// Headless scenes for the layers above the shell: the real main window (skins loaded from the game
// folder), a recording screen made current, pixel sampling on the screen, and PNG snapshots for
// review (written when TARNHOLLOW_SCENES names a folder).
#pragma once

#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "shell/MainWnd.h"
#include "shell/WinProcedure.h"

#include <cairo.h>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// A screen that records the commands it gets and paints a plain colour or its background.
class SceneScreen : public TWinProcedure
{
    CONTROL_CLASS(SceneScreen, TWinProcedure);
    explicit SceneScreen(TMainWnd& owner) : TWinProcedure(owner) {}
    int Command(int source, int code) override
    {
        Commands.push_back(code);
        Sources.push_back(source);
        if (OnCommand)
            OnCommand(code);
        return code;
    }
    void Redraw() override
    {
        Surface* back = MainWnd().BackBuffer.get();
        if (back == nullptr)
            return;
        if (Background != nullptr && !Background->IsEmpty())
            Surface::StretchBlit(*back, Rect{0, 0, back->Width, back->Height}, *Background, true,
                                 Rect{0, 0, Background->Width, Background->Height});
        else
            back->Clear(Fill);
        Show(nullptr);
    }
    std::vector<int> Commands;
    std::vector<int> Sources;
    std::function<void(int)> OnCommand;
    Colour Fill = 0x00404040;
};

inline int ChannelDistance(Colour a, Colour b)
{
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        worst = std::max(worst, d < 0 ? -d : d);
    }
    return worst;
}

inline int Brightness(Colour c)
{
    return static_cast<int>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF));
}

class ShellScene : public ::testing::Test
{
protected:
    void SetUp() override { StartAt(1024, 768); }
    void TearDown() override { Stop(); }

    void StartAt(std::int32_t width, std::int32_t height)
    {
        // The main window loads its skins from res00.dat in the current folder.
        Previous = std::filesystem::current_path();
        std::filesystem::current_path(TARNHOLLOW_GAME_DIR);
        App = std::make_unique<Application>();
        TestHooks::ForceScreenSize(*App, width, height);
        TestHooks::SetManualTimers(*App, true);
        Main = std::make_unique<TMainWnd>(*App, Factory);
        App->SetMainWindow(Main.get());
        Main->Show();
        Pump();
        Screen = std::make_unique<SceneScreen>(*Main);
        Screen->Activate();
        Pump();
    }
    void Stop()
    {
        Screen.reset();
        Main.reset();
        App.reset();
        if (!Previous.empty())
            std::filesystem::current_path(Previous);
        Previous.clear();
    }
    void Pump() { TestHooks::Pump(*App); }
    Colour Pixel(std::int32_t x, std::int32_t y) { return TestHooks::ScreenPixel(*App, x, y); }
    Colour Pixel(Point p) { return Pixel(p.X, p.Y); }
    // What the screen shows in r, row by row.
    std::vector<Colour> Capture(const Rect& r)
    {
        std::vector<Colour> pixels;
        for (std::int32_t y = r.Top; y < r.Bottom; ++y)
            for (std::int32_t x = r.Left; x < r.Right; ++x)
                pixels.push_back(Pixel(x, y));
        return pixels;
    }
    // Pixels within r of the screen at most `limit` in brightness (text in dark ink).
    int DarkPixels(const Rect& r, int limit = 150)
    {
        int n = 0;
        for (std::int32_t y = r.Top; y < r.Bottom; ++y)
            for (std::int32_t x = r.Left; x < r.Right; ++x)
                n += Brightness(Pixel(x, y)) <= limit ? 1 : 0;
        return n;
    }
    // Pixels within r of the screen near colour c.
    int PixelsNear(const Rect& r, Colour c, int tolerance = 24)
    {
        int n = 0;
        for (std::int32_t y = r.Top; y < r.Bottom; ++y)
            for (std::int32_t x = r.Left; x < r.Right; ++x)
                n += ChannelDistance(Pixel(x, y), c) <= tolerance ? 1 : 0;
        return n;
    }
    // The screen at the fraction (fx, fy) of area against the skin's frame at the same fraction.
    int SkinDistance(const Rect& area, const Surface& skin, std::int32_t frame, double fx, double fy)
    {
        const Rect src =
            skin.FrameLayout != 0 ? skin.FrameSource(frame) : Rect{0, 0, skin.Width, skin.Height};
        const Colour expected = skin.PixelAt(src.Left + static_cast<std::int32_t>(fx * src.Width()),
                                             src.Top + static_cast<std::int32_t>(fy * src.Height()));
        const Colour seen = Pixel(area.Left + static_cast<std::int32_t>(fx * area.Width()),
                                  area.Top + static_cast<std::int32_t>(fy * area.Height()));
        return ChannelDistance(expected, seen);
    }
    // Saves what the screen shows as name.png in the folder TARNHOLLOW_SCENES names, if any.
    void Snapshot(const std::string& name)
    {
        const char* folder = std::getenv("TARNHOLLOW_SCENES");
        if (folder == nullptr || *folder == '\0')
            return;
        const ScreenSizeRecord size = App->DisplaySize();
        cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.Width, size.Height);
        auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(image));
        const int stride = cairo_image_surface_get_stride(image) / 4;
        for (std::int32_t y = 0; y < size.Height; ++y) {
            for (std::int32_t x = 0; x < size.Width; ++x) {
                const Colour c = Pixel(x, y);
                data[y * stride + x] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
            }
        }
        cairo_surface_mark_dirty(image);
        const std::string path = std::string(folder) + "/" + name + ".png";
        cairo_surface_write_to_png(image, path.c_str());
        cairo_surface_destroy(image);
    }

    // What the main window builds beyond its own (set before StartAt): none by default.
    ShellFactory Factory;
    std::unique_ptr<Application> App;
    std::unique_ptr<TMainWnd> Main;
    std::unique_ptr<SceneScreen> Screen;
    std::filesystem::path Previous;
};

// A picture from the game's res00.dat.
inline std::unique_ptr<Surface> GamePicture(const PictureInfo& picture)
{
    return LoadPicture(picture, std::string(TARNHOLLOW_GAME_DIR) + "/" + Pictures::Archive);
}

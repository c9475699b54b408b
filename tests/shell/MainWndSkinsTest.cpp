// The main window's shared skins: loaded from res00.dat in the start folder on activation, with
// their frame layouts; empty when the archive lacks them.
#include "archive/ArchiveWriter.h"
#include "archive/UtilsPcx.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "shell/MainWnd.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

// A flat picture with a black (key colour) top-left pixel.
std::vector<std::uint8_t> Picture(std::int32_t width, std::int32_t height, std::uint32_t colour)
{
    std::vector<std::uint32_t> colours(static_cast<std::size_t>(width * height), colour);
    colours[0] = 0;
    return EncodePcxFromColours(width, height, colours).value();
}

class MainWndSkins : public ::testing::Test
{
protected:
    void SetUp() override { Previous = std::filesystem::current_path(); }
    void TearDown() override
    {
        Main.reset();
        App.reset();
        std::filesystem::current_path(Previous);
    }

    // Starts the main window in a start folder holding the given archive, and activates it.
    void StartIn(const std::vector<std::uint8_t>& archive)
    {
        Dir.Write("res00.dat", archive);
        std::filesystem::current_path(Dir.Path);
        App = std::make_unique<Application>();
        TestHooks::ForceScreenSize(*App, 1024, 768);
        TestHooks::SetManualTimers(*App, true);
        Main = std::make_unique<TMainWnd>(*App, ShellFactory{});
        App->SetMainWindow(Main.get());
        Main->Show();
        TestHooks::Pump(*App);
        ASSERT_EQ(Main->ScreenState, ShellState::Ready);
    }

    TempDir Dir;
    std::filesystem::path Previous;
    std::unique_ptr<Application> App;
    std::unique_ptr<TMainWnd> Main;
};

// The skin has the picture's size and the catalogue's frames and transparency.
void ExpectSkin(const Surface* skin, std::int32_t width, std::int32_t height, const PictureInfo& picture)
{
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->Width, width);
    EXPECT_EQ(skin->Height, height);
    EXPECT_EQ(skin->FrameLayout, picture.Layout);
    EXPECT_EQ(skin->FrameWidth, picture.FrameWidth);
    EXPECT_EQ(skin->FrameHeight, picture.FrameHeight);
    EXPECT_EQ(skin->Transparent, picture.Transparent);
}

} // namespace

TEST_F(MainWndSkins, ActivationLoadsTheFourSkinsWithTheirFrames)
{
    ArchiveWriter writer;
    ASSERT_TRUE(writer.Add("BDialog", 1, Picture(60, 40, 0x204060)));
    ASSERT_TRUE(writer.Add("dlgbutton", 1, Picture(128, 3 * 48, 0x808080)));
    ASSERT_TRUE(writer.Add("CheckBox", 1, Picture(32, 2 * 32, 0xFFFFFF)));
    ASSERT_TRUE(writer.Add("ComboBox", 1, Picture(192, 2 * 32, 0x00FF00)));
    StartIn(writer.Image());

    ExpectSkin(DialogSkin.get(), 60, 40, Pictures::BDialog);
    ExpectSkin(DialogButtonSkin.get(), 128, 144, Pictures::DlgButton);
    ExpectSkin(CheckBoxSkin.get(), 32, 64, Pictures::CheckBox);
    ExpectSkin(ComboBoxSkin.get(), 192, 64, Pictures::ComboBox);
    EXPECT_EQ(DialogSkin->PixelAt(5, 5), 0x204060u);
    EXPECT_EQ(DialogButtonSkin->FrameSource(2), (Rect{0, 96, 128, 144}));

    // The dialog background is opaque: its black pixel draws; a button's black pixel does not.
    auto canvas = Surface::CreateCanvas(nullptr, 4, 4);
    canvas->Clear(0x0000FF);
    Surface::DrawImage(*canvas, 0, 0, nullptr, *DialogSkin);
    EXPECT_EQ(canvas->PixelAt(0, 0), 0u);
    canvas->Clear(0x0000FF);
    Surface::DrawFrame(*canvas, 0, 0, 0, *DialogButtonSkin);
    EXPECT_EQ(canvas->PixelAt(0, 0), 0x0000FFu);
}

TEST_F(MainWndSkins, SkinsMissingFromTheArchiveStayEmpty)
{
    ArchiveWriter writer;
    ASSERT_TRUE(writer.Add("CheckBox", 1, Picture(32, 32, 0xFFFFFF)));
    StartIn(writer.Image());
    ExpectSkin(DialogSkin.get(), 0, 0, Pictures::BDialog);
    ExpectSkin(DialogButtonSkin.get(), 0, 0, Pictures::DlgButton);
    ExpectSkin(CheckBoxSkin.get(), 32, 32, Pictures::CheckBox);
    EXPECT_TRUE(ComboBoxSkin->IsEmpty());
}

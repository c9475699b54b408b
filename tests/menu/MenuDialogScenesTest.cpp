// Every dialog of the main menu shown at 1024 x 768 and 1920 x 1080: on the screen where it belongs,
// its texts inside their boxes and drawn, written as PNG files when TARNHOLLOW_SCENES names a
// folder.
#include "controls/SLabel.h"
#include "graphics/Font.h"
#include "menu/AboutDlg.h"
#include "menu/FileDlg.h"
#include "menu/MenuDialogFixture.h"
#include "menu/NewGameDlg.h"
#include "menu/OptionsDlg.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// The size of text on one line in font.
Rect TextSize(std::string_view text, const Font* font, std::uint32_t format = TextFormat::SingleLine)
{
    Rect r{0, 0, 10000, 0};
    Surface measure;
    measure.DrawTextInRect(r, text, format | TextFormat::CalcRect, 0, font);
    return r;
}

} // namespace

class MenuDialogScenesTest : public MenuDialogTest, public ::testing::WithParamInterface<ScreenSizeRecord>
{
protected:
    void SetUp() override
    {
        StartMenuAt(GetParam().Width, GetParam().Height);
        Main->StartDir = Dir.Path.string();
        Dir.WriteText("Board1.brd", "board");
        Dir.WriteText("Harbour.brd", "board");
        std::filesystem::create_directory(Dir.Path / "SAVES");
        for (const char* name : {"Sunday game", "Zoë against the computer", "game1", "game2", "last week"})
            Dir.WriteText(std::string("SAVES/") + name + ".sav", "saved");
        HumanPictures = GamePicture(Pictures::PPlayerH);
        ComputerPictures = GamePicture(Pictures::PPlayerC);
    }
    void TearDown() override
    {
        HumanPictures.reset();
        ComputerPictures.reset();
        MenuDialogTest::TearDown();
    }
    std::string SceneName(const std::string& dialog) const
    {
        return "menu-" + dialog + "-" + std::to_string(GetParam().Width) + "x" +
               std::to_string(GetParam().Height);
    }
    // Every text drawn on dialog from now on is kept for ExpectTextsInside.
    void Observe(TModalDialog& dialog)
    {
        dialog.TextObserver = [this, &dialog](const DrawnText& text) {
            Texts.push_back({text, Rect{0, 0, dialog.Width(), dialog.Height()}});
        };
    }
    // The glyphs of every text drawn lie inside the box it was given (unless it may overflow it)
    // and inside the dialog: no text is cut by its button, label or the dialog's edge.
    void ExpectTextsInside()
    {
        EXPECT_FALSE(Texts.empty());
        for (const auto& [text, client] : Texts) {
            if (text.Ink.Width() <= 0)
                continue;
            if ((text.Format & TextFormat::NoClip) == 0) {
                EXPECT_GE(text.Ink.Left, text.Box.Left) << text.Text;
                EXPECT_GE(text.Ink.Top, text.Box.Top) << text.Text;
                EXPECT_LE(text.Ink.Right, text.Box.Right) << text.Text;
                EXPECT_LE(text.Ink.Bottom, text.Box.Bottom) << text.Text;
            }
            EXPECT_GE(text.Ink.Left, client.Left) << text.Text;
            EXPECT_GE(text.Ink.Top, client.Top) << text.Text;
            EXPECT_LE(text.Ink.Right, client.Right) << text.Text;
            EXPECT_LE(text.Ink.Bottom, client.Bottom) << text.Text;
        }
        Texts.clear();
    }
    // Shows dialog, lets look check it once it is drawn, and writes the scene.
    void Look(TModalDialog& dialog, const std::string& name, const std::function<void()>& prepare,
              const std::function<void()>& look)
    {
        Observe(dialog);
        bool looked = false;
        Run(dialog, [&](int n) {
            if (n == 1 && prepare) {
                prepare();
                return;
            }
            if (looked)
                return;
            looked = true;
            Pump();
            // The whole dialog lies on the screen.
            const Rect outer = dialog.OuterRect();
            EXPECT_GE(outer.Left, 0);
            EXPECT_GE(outer.Top, 0);
            EXPECT_LE(outer.Right, GetParam().Width);
            EXPECT_LE(outer.Bottom, GetParam().Height);
            look();
            Snapshot(SceneName(name));
            dialog.ModalResult = ModalResult::Cancel;
        });
        dialog.TextObserver = nullptr;
        ExpectTextsInside();
    }
    // A caption on one line inside its control, with room to spare at the sides.
    void ExpectCaptionFits(const Control& control)
    {
        const Rect size = TextSize(control.Caption(), control.GetFont());
        EXPECT_LE(size.Width(), control.Width() * 9 / 10) << control.Caption();
        EXPECT_LE(size.Height(), control.Height()) << control.Caption();
    }
    // A word-wrapped label holds all its lines.
    void ExpectWrappedFits(const TSLabel& label)
    {
        Rect r{0, 0, label.Width(), 0};
        Surface measure;
        measure.DrawTextInRect(r, label.Caption(), TextFormat::WordBreak | TextFormat::CalcRect, 0,
                               label.GetFont());
        EXPECT_LE(r.Height(), label.Height()) << label.Caption();
    }
    // Some ink in r of the screen: the text is drawn, not only placed.
    void ExpectInk(const Rect& r, const std::string& what) { EXPECT_GT(DarkPixels(r), 15) << what; }

    TempDir Dir;
    // The texts drawn on the dialogs observed, each with the dialog's client area.
    std::vector<std::pair<DrawnText, Rect>> Texts;
};

TEST_P(MenuDialogScenesTest, TheNewGameDialog)
{
    TNewGameDlg dialog(*Screen);
    PlayerHuman = {1, 0, 1, 0, 0, 0};
    SetPlayerName(2, "Ångström");
    Look(dialog, "newgame", nullptr, [&] {
        ExpectCaptionFits(dialog.NewButton);
        ExpectCaptionFits(dialog.CancelButton);
        for (std::size_t i = 0; i < PlayerSlots; ++i) {
            ExpectCaptionFits(*dialog.KindButtons[i]);
            const Edit& name = *dialog.NameEdits[i];
            EXPECT_LE(TextSize(name.Text(), name.GetFont()).Width(), name.Width() - 6) << name.Text();
            ExpectInk(OnScreen(name), name.Text());
            ExpectInk(OnScreen(*dialog.KindButtons[i]), dialog.KindButtons[i]->Caption());
        }
        // The widest name the edit takes still shows whole.
        EXPECT_LE(TextSize("MMMMMMMMMMMMMMM", dialog.GetFont()).Width(),
                  dialog.NameEdits[0]->Width() * 3 / 2);
        // "Board:" ends left of the board box and starts inside the dialog.
        const Rect board = TextSize("Board:", dialog.GetFont());
        const Rect combo = OnScreen(dialog.BoardBox);
        const std::int32_t right = dialog.ClientToScreen(Point{Round(0.08 * GetParam().Width), 0}).X;
        EXPECT_LE(right, combo.Left);
        EXPECT_GE(right - board.Width(), dialog.ClientToScreen(Point{0, 0}).X);
        ExpectInk(Rect{right - board.Width(), combo.Top, right, combo.Bottom}, "Board:");
        ExpectInk(combo, dialog.BoardBox.Caption());
        // The pictures: a human's and a computer's frame of their slot, in the frames' shape (as
        // the check boxes), whatever the screen's.
        EXPECT_LE(SkinDistance(OnScreen(*dialog.Pictures[2]), *HumanPictures, 2, 0.08, 0.5), 40);
        EXPECT_LE(SkinDistance(OnScreen(*dialog.Pictures[3]), *ComputerPictures, 3, 0.08, 0.5), 40);
        const Rect picture = OnScreen(*dialog.Pictures[0]);
        EXPECT_NEAR(picture.Width() * static_cast<double>(Pictures::PPlayerH.FrameHeight) /
                        Pictures::PPlayerH.FrameWidth,
                    picture.Height(), 1.5);
        const Rect box = OnScreen(*dialog.InGameBoxes[0]);
        EXPECT_NEAR(box.Width(), box.Height(), 1);
    });
}

TEST_P(MenuDialogScenesTest, TheFileDialogInBothModes)
{
    TFileDlg dialog(*Screen);
    for (const std::int32_t mode : {FileMode::Load, FileMode::Save}) {
        dialog.Open(mode, SavedGames::Folder, SavedGames::Extension, 0.5f, 0.5f);
        Look(
            dialog, mode == FileMode::Load ? "load" : "save",
            [&] {
                dialog.FileList.SetItemIndex(4);
                dialog.NameEdit.SetText(dialog.FileList.ItemText(4));
            },
            [&] {
                ExpectCaptionFits(dialog.ConfirmButton);
                ExpectCaptionFits(dialog.CancelButton);
                EXPECT_EQ(dialog.FileList.Count(), 5);
                // Every name is whole in the list.
                for (const std::string& item : dialog.FileList.Items())
                    EXPECT_LE(TextSize(item, dialog.GetFont(), TextFormat::SingleLine | TextFormat::NoPrefix)
                                  .Width(),
                              dialog.FileList.ItemRect(0).Width() - 4)
                        << item;
                ExpectInk(OnScreen(dialog.NameEdit), "the name");
                ExpectInk(OnScreen(dialog.FileList), "the files");
                // "Name:" and "Files:" above their fields.
                for (const Control* field : {static_cast<const Control*>(&dialog.NameEdit),
                                             static_cast<const Control*>(&dialog.FileList)}) {
                    const Rect f = OnScreen(*field);
                    const std::int32_t h = dialog.GetFont()->PixelHeight();
                    ExpectInk(Rect{f.Left, f.Top - h - 2, f.Left + f.Width() / 3, f.Top},
                              "the caption above");
                }
            });
    }
}

TEST_P(MenuDialogScenesTest, TheOptionsAndTheCredits)
{
    TOptionsDlg options(*Screen);
    Look(options, "options", nullptr, [&] {
        ExpectCaptionFits(options.OkButton);
        ExpectCaptionFits(options.CancelButton);
        for (const TSLabel* label : {&options.SoundLabel, &options.AutoMoveLabel, &options.AutosaveLabel,
                                     &options.ComputersPlayLabel, &options.SpeedLabel, &options.CashLabel}) {
            ExpectCaptionFits(*label);
            ExpectInk(OnScreen(*label), label->Caption());
        }
        ExpectInk(OnScreen(options.CashEdit), "the cash");
        EXPECT_LE(TextSize("1000000", options.GetFont()).Width(), options.CashEdit.Width() - 6);
        // The label ends before the edit, the rows do not overlap, the buttons lie below them.
        ExpectCaptionFits(options.SpeedBox);
        EXPECT_LE(options.CashLabel.PixelArea.Right, options.CashEdit.Left());
        EXPECT_LE(options.SpeedLabel.PixelArea.Right, options.SpeedBox.PixelArea.Left);
        EXPECT_LE(options.SoundLabel.PixelArea.Bottom, options.AutoMoveLabel.PixelArea.Top);
        EXPECT_LE(options.AutoMoveLabel.PixelArea.Bottom, options.AutosaveLabel.PixelArea.Top);
        EXPECT_LE(options.AutosaveLabel.PixelArea.Bottom, options.ComputersPlayLabel.PixelArea.Top);
        EXPECT_LE(options.ComputersPlayLabel.PixelArea.Bottom, options.SpeedBox.PixelArea.Top);
        EXPECT_LE(options.SpeedBox.PixelArea.Bottom, options.CashEdit.Top());
        EXPECT_LE(options.CashEdit.Top() + options.CashEdit.Height(), options.OkButton.PixelArea.Top);
    });
    TAboutDlg about(*Screen);
    Look(about, "credits", nullptr, [&] {
        ExpectCaptionFits(about.OkButton);
        ExpectCaptionFits(about.Label);
        ExpectWrappedFits(about.MoreLabel);
        ExpectInk(OnScreen(about.Label), about.Label.Caption());
        ExpectInk(OnScreen(about.MoreLabel), about.MoreLabel.Caption());
        EXPECT_LE(about.MoreLabel.PixelArea.Bottom, about.OkButton.PixelArea.Top);
    });
}

TEST_P(MenuDialogScenesTest, TheExitQuestionTheErrorAndTheQuestion)
{
    Look(*CloseDlg, "exit", nullptr, [&] {
        ExpectCaptionFits(CloseDlg->YesButton);
        ExpectCaptionFits(CloseDlg->NoButton);
        ExpectWrappedFits(CloseDlg->Label);
        ExpectInk(OnScreen(CloseDlg->Label), CloseDlg->Label.Caption());
    });
    // The reports the file dialog gives, at their real length.
    const std::string missing = Text(TextGroup::ShellDialogs, ShellText::TheFile) +
                                Dir.File("SAVES/last month.sav") +
                                Text(TextGroup::LongestMessages, LongestText::CannotRead);
    Observe(*ErrorDlg);
    TestHooks::SetModalHook(*App, [&](Window& w) {
        ASSERT_EQ(&w, static_cast<Window*>(ErrorDlg));
        Pump();
        ExpectCaptionFits(ErrorDlg->OkButton);
        ExpectWrappedFits(ErrorDlg->Label);
        ExpectInk(OnScreen(ErrorDlg->Label), ErrorDlg->Label.Caption());
        EXPECT_LE(ErrorDlg->Label.PixelArea.Bottom, ErrorDlg->OkButton.PixelArea.Top);
        Snapshot(SceneName("error"));
        w.ModalResult = ModalResult::Ok;
    });
    ErrorDlg->ShowError(missing);
    ErrorDlg->TextObserver = nullptr;
    ExpectTextsInside();
    Observe(*AskDlg);
    TestHooks::SetModalHook(*App, [&](Window& w) {
        ASSERT_EQ(&w, static_cast<Window*>(AskDlg));
        Pump();
        ExpectCaptionFits(AskDlg->YesButton);
        ExpectCaptionFits(AskDlg->NoButton);
        ExpectWrappedFits(AskDlg->Label);
        ExpectInk(OnScreen(AskDlg->Label), AskDlg->Label.Caption());
        Snapshot(SceneName("ask"));
        w.ModalResult = ModalResult::No;
    });
    AskDlg->Ask(Text(TextGroup::LongMessages, LongText::FileExists));
    TestHooks::SetModalHook(*App, nullptr);
    AskDlg->TextObserver = nullptr;
    ExpectTextsInside();
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, MenuDialogScenesTest,
                         ::testing::Values(ScreenSizeRecord{1024, 768}, ScreenSizeRecord{1920, 1080}),
                         [](const ::testing::TestParamInfo<ScreenSizeRecord>& info) {
                             return std::to_string(info.param.Width) + "x" +
                                    std::to_string(info.param.Height);
                         });

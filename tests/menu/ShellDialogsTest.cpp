// The shell's exit question, error report and yes/no question: their answers by key and by
// button, the focus, and texts that need more room than their label.
#include "menu/MenuDialogFixture.h"
#include "menu/MenuDialogParts.h"

#include <gmock/gmock.h>

TEST_F(MenuDialogTest, YAndNAnswerTheExitQuestionAndTheWindowClosesOnlyOnYes)
{
    ASSERT_NE(CloseDlg, nullptr);
    EXPECT_EQ(CloseDlg->Caption(), "Exit");
    EXPECT_EQ(CloseDlg->Label.Caption(), "Are you really sure you want to exit?");
    bool yesFocused = false;
    EXPECT_EQ(Run(*CloseDlg,
                  [&](int n) {
                      if (n == 1) {
                          yesFocused = CloseDlg->ActiveControl() == &CloseDlg->YesButton;
                          Letter('N');
                      }
                  }),
              ModalResult::No);
    EXPECT_TRUE(yesFocused);
    EXPECT_EQ(Run(*CloseDlg,
                  [&](int n) {
                      if (n == 1)
                          Letter('Y');
                  }),
              ModalResult::Yes);
    // Escape and Enter with nothing focused answer nothing; Enter on the focused "&Yes" does.
    EXPECT_EQ(Run(*CloseDlg,
                  [&](int n) {
                      if (n == 1) {
                          CloseDlg->SetFocus();
                          Key(Key::Escape);
                          Key(Key::Return);
                      } else if (n == 2) {
                          EXPECT_EQ(CloseDlg->ModalResult, 0);
                          CloseDlg->YesButton.SetFocus();
                          Key(Key::Return);
                      }
                  }),
              ModalResult::Yes);

    // The main window asks it when asked to close while a screen is current.
    bool asked = false;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        ASSERT_EQ(&w, static_cast<Window*>(CloseDlg));
        EXPECT_TRUE(Screen->Busy);
        if (!asked)
            Letter('N');
        asked = true;
    });
    EXPECT_FALSE(Main->FormCloseQuery());
    TestHooks::SetModalHook(*App, nullptr);
    EXPECT_FALSE(Screen->Busy);
}

TEST_F(MenuDialogTest, TheErrorReportShowsItsTextAsItIsAndEndsOnOk)
{
    ASSERT_NE(ErrorDlg, nullptr);
    int darkInLabel = -1;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        ASSERT_EQ(&w, static_cast<Window*>(ErrorDlg));
        EXPECT_EQ(w.Caption(), "Error");
        if (darkInLabel >= 0)
            return;
        Pump();
        darkInLabel = DarkPixels(OnScreen(ErrorDlg->Label));
        Letter('O');
    });
    ErrorDlg->ShowError("Tom & Jerry's game cannot be saved.");
    TestHooks::SetModalHook(*App, nullptr);
    EXPECT_EQ(ErrorDlg->Message, "Tom & Jerry's game cannot be saved.");
    // Shown with its "&", not as an accelerator mark.
    EXPECT_EQ(ErrorDlg->Label.Caption(), "Tom && Jerry's game cannot be saved.");
    EXPECT_GT(darkInLabel, 30);
    EXPECT_FALSE(ErrorDlg->Visible());
}

TEST_F(MenuDialogTest, AMessageLongerThanItsLabelMakesTheDialogTallerAndAShortOneGivesItsPlaceBack)
{
    const Rect shortPlace = ScreenRect(ErrorDlg->Placement);
    const Rect shortButton = ErrorDlg->OkButton.PixelArea;
    const std::string longText =
        "The file /home/player/games/Tarnhollow/SAVES/a-long-name-for-a-saved-game.sav "
        "does not exist or cannot be read. Please check the file name and access "
        "privileges. " +
        std::string(Text(TextGroup::LongestMessages, LongestText::FourWeeks)) + " " +
        std::string(Text(TextGroup::LongestMessages, LongestText::FourWeeks));
    Rect grown;
    Rect label;
    Rect button;
    int darkInLastLine = 0;
    TestHooks::SetModalHook(*App, [&](Window&) {
        Pump();
        grown = ScreenRect(ErrorDlg->Placement);
        label = ErrorDlg->Label.PixelArea;
        button = ErrorDlg->OkButton.PixelArea;
        const Rect onScreen = OnScreen(ErrorDlg->Label);
        darkInLastLine = DarkPixels(
            Rect{onScreen.Left, onScreen.Bottom - onScreen.Height() / 5, onScreen.Right, onScreen.Bottom});
        ErrorDlg->ModalResult = ModalResult::Ok;
    });
    ErrorDlg->ShowError(longText);
    EXPECT_GT(grown.Height(), shortPlace.Height());
    // Centred on the same middle, the text all inside its label, the button below it.
    EXPECT_NEAR((grown.Top + grown.Bottom) / 2.0, (shortPlace.Top + shortPlace.Bottom) / 2.0, 1.5);
    EXPECT_EQ(ExtraHeightFor(longText, ErrorDlg->Label.GetFont(),
                             MakeRelRect(0, 0, ErrorDlg->Label.Area.Right - ErrorDlg->Label.Area.Left,
                                         ErrorDlg->Label.Area.Bottom - ErrorDlg->Label.Area.Top)),
              0.0f);
    EXPECT_GE(button.Top, label.Bottom);
    EXPECT_EQ(button.Height(), shortButton.Height());
    EXPECT_LE(button.Bottom, grown.Height());
    EXPECT_GT(darkInLastLine, 10);

    ErrorDlg->ShowError("Short.");
    EXPECT_EQ(ScreenRect(ErrorDlg->Placement), shortPlace);
    EXPECT_EQ(ErrorDlg->OkButton.PixelArea, shortButton);
    TestHooks::SetModalHook(*App, nullptr);
}

TEST_F(MenuDialogTest, TheQuestionReturnsYesOrNoByItsKeysAndTitlesItselfWarning)
{
    ASSERT_NE(AskDlg, nullptr);
    std::vector<char> keys{'Y', 'N'};
    std::string title;
    bool sent = false;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        ASSERT_EQ(&w, static_cast<Window*>(AskDlg));
        title = w.Caption();
        // One key a question; a turn may follow the one that answered it.
        if (sent || keys.empty())
            return;
        Letter(keys.front());
        keys.erase(keys.begin());
        sent = true;
    });
    EXPECT_EQ(AskDlg->Ask("Replace it?"), ModalResult::Yes);
    sent = false;
    EXPECT_EQ(AskDlg->Ask(Text(TextGroup::LongMessages, LongText::FileExists)), ModalResult::No);
    TestHooks::SetModalHook(*App, nullptr);
    EXPECT_EQ(title, "Warning");
    EXPECT_EQ(AskDlg->Label.Caption(), "File already exist. Do you want to replace it?");
}

// The options dialog: reading the initial cash whatever is typed, Enter in the cash edit, applying
// and cancelling, the rows of autosave and of the computers who play by themselves, and the credits.
#include "menu/OptionsDlg.h"

#include "menu/AboutDlg.h"
#include "menu/MenuDialogFixture.h"

#include <gtest/gtest.h>

TEST(CashFromText, NumbersOfAnyLengthAndTextsThatAreNoNumbers)
{
    EXPECT_EQ(CashFromText("250", 100000), 250);
    EXPECT_EQ(CashFromText("1", 100000), 1);
    EXPECT_EQ(CashFromText("999999", 100000), 999999);
    EXPECT_EQ(CashFromText("1000000", 5), 1000000);
    EXPECT_EQ(CashFromText("2000000", 100000), 1000000);
    // Forty digits, and more digits than any integer holds: above 999999, not an overflow.
    EXPECT_EQ(CashFromText(std::string(40, '9'), 100000), 1000000);
    EXPECT_EQ(CashFromText("1" + std::string(300, '0'), 7), 1000000);
    EXPECT_EQ(CashFromText("18446744073709551617", 7), 1000000);
    // Leading zeros are still the number.
    EXPECT_EQ(CashFromText(std::string(38, '0') + "25", 7), 25);
    // Nothing above zero keeps the cash as it is.
    EXPECT_EQ(CashFromText("0", 4321), 4321);
    EXPECT_EQ(CashFromText("0000", 4321), 4321);
    // Not a number: a sign, spaces, letters, another kind of digit, a fraction, nothing at all.
    for (const char* text : {"-5", "+5", " 250", "250 ", "2 50", "25O", "abc", "1e6", "0x10", "٣", "2.5", ""})
        EXPECT_EQ(CashFromText(text, 4321), 4321) << '"' << text << '"';
    // A long number spoilt at its end is no number either.
    EXPECT_EQ(CashFromText(std::string(40, '9') + "x", 4321), 4321);
}

class OptionsDlgTest : public MenuDialogTest
{
protected:
    // Shows the dialog, types text into the cash edit, and ends with result.
    int TypeCash(TOptionsDlg& dialog, const std::string& text, int result)
    {
        return Run(dialog, [&](int n) {
            if (n == 1) {
                dialog.CashEdit.SetFocus();
                dialog.CashEdit.SetText("");
                Type(text);
            } else {
                dialog.ModalResult = result;
            }
        });
    }
};

TEST_F(OptionsDlgTest, TheInitialCashTypedIsStoredWhenItIsANumberFromOneToAMillion)
{
    TOptionsDlg dialog(*Screen);
    ASSERT_EQ(InitialCash, 100000);
    struct Case
    {
        const char* Typed;
        int Stored;
    };
    for (const Case c : {Case{"2000000", 1000000}, Case{"0", 1000000}, Case{"-5", 1000000}, Case{"250", 250},
                         Case{"12 000", 250}, Case{"99999999999999999999999999999999999999999", 1000000}}) {
        EXPECT_EQ(TypeCash(dialog, c.Typed, ModalResult::Ok), ModalResult::Ok);
        dialog.Apply();
        EXPECT_EQ(InitialCash, c.Stored) << c.Typed;
    }
}

TEST_F(OptionsDlgTest, EachShowingStartsFromTheOptionsAndCancelLeavesThemAsTheyWere)
{
    TOptionsDlg dialog(*Screen);
    ASSERT_EQ(dialog.Caption(), "Options");
    bool okFocused = false;
    std::string shownCash;
    int soundShown = -1;
    Run(dialog, [&](int n) {
        if (n == 1) {
            okFocused = dialog.ActiveControl() == &dialog.OkButton;
            shownCash = dialog.CashEdit.Text();
            soundShown = dialog.SoundBox.Checked;
            // Space on the focused box toggles it.
            dialog.SoundBox.SetFocus();
            Key(Key::Space);
            ClickOn(dialog.AutoMoveBox);
            dialog.CashEdit.SetText("777");
        } else {
            dialog.ModalResult = ModalResult::Cancel;
        }
    });
    EXPECT_TRUE(okFocused);
    EXPECT_EQ(shownCash, "100000");
    EXPECT_EQ(soundShown, 1);
    EXPECT_EQ(dialog.SoundBox.Checked, 0);
    EXPECT_EQ(dialog.AutoMoveBox.Checked, 0);
    // Cancelled: the main menu applies nothing, and the next showing is as before.
    EXPECT_EQ(SoundEffects, 1);
    Run(dialog, [&](int n) {
        if (n != 1)
            return;
        EXPECT_EQ(dialog.SoundBox.Checked, 1);
        EXPECT_EQ(dialog.AutoMoveBox.Checked, 1);
        EXPECT_EQ(dialog.CashEdit.Text(), "100000");
        dialog.SoundBox.Checked = 0;
        Letter('O');
    });
    dialog.Apply();
    EXPECT_EQ(SoundEffects, 0);
    EXPECT_EQ(AutoMove, 1);
    EXPECT_EQ(InitialCash, 100000);
}

TEST_F(OptionsDlgTest, EnterInTheCashEditShowsTheCashItGivesAndLeavesTheEditWithoutClosing)
{
    InitialCash = 5000;
    TOptionsDlg dialog(*Screen);
    std::vector<std::string> shown;
    const int result = Run(dialog, [&](int n) {
        switch (n) {
        case 1:
            dialog.CashEdit.SetFocus();
            dialog.CashEdit.SetText("");
            Type("lots");
            Key(Key::Return);
            break;
        case 2:
            shown.push_back(dialog.CashEdit.Text());
            // The focus went to "&Ok", so the letter now answers.
            EXPECT_EQ(dialog.ActiveControl(), &dialog.OkButton);
            EXPECT_EQ(dialog.ModalResult, 0);
            dialog.CashEdit.SetFocus();
            dialog.CashEdit.SetText("");
            Type(std::string(40, '7'));
            Key(Key::Return);
            break;
        case 3:
            shown.push_back(dialog.CashEdit.Text());
            // The edit showing a new value is no change of the option yet.
            EXPECT_EQ(InitialCash, 5000);
            dialog.CashEdit.SetFocus();
            dialog.CashEdit.SetText("-5");
            Key(Key::Return);
            break;
        case 4:
            shown.push_back(dialog.CashEdit.Text());
            Letter('C');
            break;
        default:
            break;
        }
    });
    EXPECT_EQ(result, ModalResult::Cancel);
    EXPECT_EQ(shown, (std::vector<std::string>{"5000", "1000000", "5000"}));
    EXPECT_EQ(InitialCash, 5000);
}

TEST_F(OptionsDlgTest, TheCreditsNameTheGameAndEndOnOk)
{
    TAboutDlg about(*Screen);
    EXPECT_EQ(about.Caption(), "Credits");
    EXPECT_EQ(about.Label.Caption(), "Velmar Tarnhollow Version 3.0");
    int dark = 0;
    EXPECT_EQ(Run(about,
                  [&](int n) {
                      if (n != 1)
                          return;
                      Pump();
                      dark = DarkPixels(OnScreen(about.Label));
                      Letter('O');
                  }),
              ModalResult::Ok);
    EXPECT_GT(dark, 30);
}

TEST_F(OptionsDlgTest, AutosaveComputersWhoPlayByThemselvesAndTheirSpeedAreShownAndApplied)
{
    // As the main window sets them at its start.
    ASSERT_EQ(Autosave, 1);
    ASSERT_EQ(ComputersPlay, 0);
    ASSERT_EQ(ComputerSpeed, ComputerSpeedNormal);
    TOptionsDlg dialog(*Screen);
    int autosaveShown = -1;
    int computersShown = -1;
    std::string speedShown;
    std::string speedChosen;
    const int result = Run(dialog, [&](int n) {
        switch (n) {
        case 1:
            autosaveShown = dialog.AutosaveBox.Checked;
            computersShown = dialog.ComputersPlayBox.Checked;
            speedShown = dialog.SpeedBox.Caption();
            ClickOn(dialog.AutosaveBox);
            ClickOn(dialog.ComputersPlayBox);
            ClickOn(dialog.SpeedBox);
            break;
        case 2:
            Key(Key::Down);
            Key(Key::Return);
            break;
        case 3:
            speedChosen = dialog.SpeedBox.Caption();
            dialog.OkButton.SetFocus();
            Letter('O');
            break;
        default:
            break;
        }
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(autosaveShown, 1);
    EXPECT_EQ(computersShown, 0);
    EXPECT_EQ(speedShown, "Normal");
    EXPECT_EQ(speedChosen, "Fast");
    // Nothing changes before the main menu applies the dialog.
    EXPECT_EQ(ComputersPlay, 0);
    dialog.Apply();
    EXPECT_EQ(Autosave, 0);
    EXPECT_EQ(ComputersPlay, 1);
    EXPECT_EQ(ComputerSpeed, ComputerSpeedFast);
    // The next showing starts from them.
    Run(dialog, [&](int n) {
        if (n != 1)
            return;
        EXPECT_EQ(dialog.AutosaveBox.Checked, 0);
        EXPECT_EQ(dialog.ComputersPlayBox.Checked, 1);
        EXPECT_EQ(dialog.SpeedBox.Caption(), "Fast");
        Letter('C');
    });
}

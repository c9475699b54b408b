// The editor's dialogs driven through the strip: the new board's size with its limits and
// fallbacks, renaming streets (cancelled, emptied, letters beyond ASCII), the board checker and
// "Try it".
#include "archive/Utf8.h"
#include "editor/BoardCheckDlg.h"
#include "editor/EditorScene.h"
#include "editor/NewBoardDlg.h"
#include "editor/StNamesDlg.h"
#include "editor/TryItDlg.h"
#include "platform/DropDownList.h"
#include "support/SmallBoards.h"
#include "texts/Texts.h"

#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::HasSubstr;

namespace {

TEST(ReadBoardSide, NumbersAreLimitedToEightToTwentyFourAndAnythingElseKeepsTheSide)
{
    EXPECT_EQ(ReadBoardSide("5", 16), 8);
    EXPECT_EQ(ReadBoardSide("30", 16), 24);
    EXPECT_EQ(ReadBoardSide("12", 16), 12);
    EXPECT_EQ(ReadBoardSide(" +12 ", 16), 12);
    EXPECT_EQ(ReadBoardSide("-3", 16), 8);
    // Forty digits are far above 24, not a number that wrapped round.
    EXPECT_EQ(ReadBoardSide(std::string(40, '9'), 16), 24);
    EXPECT_EQ(ReadBoardSide(std::string("1").append(39, '0'), 16), 24);
    EXPECT_EQ(ReadBoardSide(std::string("-").append(40, '9'), 16), 8);
    for (const char* text : {"", "abc", "12a", "1 2", "0x10", "--3", "+", "\xef\xbc\x91\xef\xbc\x92"})
        EXPECT_EQ(ReadBoardSide(text, 16), 16) << text;
    // A side outside the limits is limited too when it is kept.
    EXPECT_EQ(ReadBoardSide("x", 40), 24);
}

class EditorDialogsTest : public EditorScene
{
protected:
    // Clicks opener on the strip; step drives the dialog it shows.
    template <class Dialog>
    void In(Dialog& dialog, const Control& opener, const std::function<void(Dialog&, int)>& step)
    {
        WithDialogs(
            [&](Window& window, int turn) {
                ASSERT_EQ(&window, &dialog);
                step(dialog, turn);
            },
            [&] { Click(Centre(opener)); });
    }
    void InNewBoard(const std::function<void(TNewBoardDlg&, int)>& step)
    {
        In(*Editor->NewBoardDialog, Editor->NewButton, step);
    }
    void InStreetNames(const std::function<void(TStNamesDlg&, int)>& step)
    {
        In(*Editor->StreetNamesDialog, Editor->EditButton, step);
    }
    void Press(const Control& control)
    {
        const Point p = Centre(control);
        TestHooks::Click(*App, p.X, p.Y);
    }
    // A click on row n of the list.
    void ClickRow(ListBox& list, std::int32_t n)
    {
        list.SetTopIndex(n);
        const Rect row = list.ItemRect(n);
        const Point p = list.ClientToScreen(Point{row.Left + 5, (row.Top + row.Bottom) / 2});
        TestHooks::Click(*App, p.X, p.Y);
    }
    void MakeNewBoard(const std::string& width, const std::string& height)
    {
        InNewBoard([&](TNewBoardDlg& dialog, int turn) {
            if (turn == 1) {
                dialog.WidthEdit.SetText(width);
                dialog.HeightEdit.SetText(height);
                Press(dialog.OkButton);
            }
        });
    }
};

TEST_F(EditorDialogsTest, AWidthOfFiveAndAHeightOfThirtyGiveAnEightByTwentyFourBoard)
{
    std::string shownWidth;
    std::string shownHeight;
    InNewBoard([&](TNewBoardDlg& dialog, int turn) {
        if (turn == 1) {
            // The dialog starts from the board's size.
            shownWidth = dialog.WidthEdit.Text();
            shownHeight = dialog.HeightEdit.Text();
            dialog.WidthEdit.SetText("5");
            dialog.HeightEdit.SetText("30");
            Press(dialog.OkButton);
        }
    });
    EXPECT_EQ(shownWidth, std::to_string(22));
    EXPECT_EQ(shownHeight, std::to_string(18));
    EXPECT_EQ(Editor->Board.Width(), 8);
    EXPECT_EQ(Editor->Board.Height(), 24);
}

TEST_F(EditorDialogsTest, LettersAsTheWidthOfASixteenCellBoardKeepSixteenAndCancelChangesNothing)
{
    MakeNewBoard("16", "12");
    ASSERT_EQ(Editor->Board.Width(), 16);
    MakeNewBoard("sixteen", "10");
    EXPECT_EQ(Editor->Board.Width(), 16);
    EXPECT_EQ(Editor->Board.Height(), 10);
    Editor->Board.At(3, 3).Kind = CellKind::LotForSale;
    InNewBoard([&](TNewBoardDlg& dialog, int turn) {
        if (turn == 1) {
            dialog.WidthEdit.SetText("9");
            Press(dialog.CancelButton);
        }
    });
    EXPECT_EQ(Editor->Board.Width(), 16);
    EXPECT_EQ(Editor->Board.At(3, 3).Kind, CellKind::LotForSale);
}

TEST_F(EditorDialogsTest, EnterInAnEditNeitherClosesTheDialogNorChangesTheEdits)
{
    std::string afterEnter;
    int resultAfterEnter = -1;
    bool okFocused = false;
    std::int32_t readWidth = 0;
    InNewBoard([&](TNewBoardDlg& dialog, int turn) {
        switch (turn) {
        case 1: {
            const Point edit = Centre(dialog.WidthEdit);
            TestHooks::Click(*App, edit.X, edit.Y);
            break;
        }
        case 2:
            ASSERT_TRUE(dialog.WidthEdit.Focused());
            for (int i = 0; i < 4; ++i)
                TestHooks::Key(*App, Key::Back);
            TestHooks::Text(*App, "5");
            TestHooks::Key(*App, Key::Return);
            break;
        case 3:
            afterEnter = dialog.WidthEdit.Text();
            resultAfterEnter = dialog.ModalResult;
            okFocused = dialog.OkButton.Focused();
            readWidth = dialog.BoardWidth;
            Press(dialog.CancelButton);
            break;
        default:
            break;
        }
    });
    EXPECT_EQ(afterEnter, "5");
    EXPECT_EQ(resultAfterEnter, 0);
    EXPECT_TRUE(okFocused);
    EXPECT_EQ(readWidth, 8);
    EXPECT_EQ(Editor->Board.Width(), 22);
}

TEST_F(EditorDialogsTest, RenamingStreetThreeAndCancellingKeepsTheOldNameInTheBoardAndTheList)
{
    const std::string old = Editor->Board.GetStreetName(2);
    std::string listed;
    InStreetNames([&](TStNamesDlg& dialog, int turn) {
        switch (turn) {
        case 1:
            EXPECT_EQ(dialog.NamesList.Count(), 32);
            EXPECT_EQ(dialog.NameEdit.Text(), "");
            ClickRow(dialog.NamesList, 2);
            break;
        case 2:
            EXPECT_EQ(dialog.NameEdit.Text(), old);
            EXPECT_TRUE(dialog.NameEdit.Focused());
            TestHooks::Text(*App, " West");
            TestHooks::Key(*App, Key::Return);
            break;
        case 3:
            listed = dialog.NamesList.ItemText(2);
            EXPECT_EQ(dialog.ModalResult, 0);
            Press(dialog.CancelButton);
            break;
        default:
            break;
        }
    });
    EXPECT_EQ(listed, Utf8Prefix(old + " West", 15));
    EXPECT_EQ(Editor->Board.GetStreetName(2), old);
    EXPECT_EQ(Editor->StreetList.List->ItemText(2), std::string("3- ").append(old));
    // The next showing starts again from the board.
    std::string again;
    InStreetNames([&](TStNamesDlg& dialog, int) {
        again = dialog.NamesList.ItemText(2);
        dialog.ModalResult = ModalResult::Cancel;
    });
    EXPECT_EQ(again, old);
}

TEST_F(EditorDialogsTest, AnEmptyNameOnAChosenStreetEmptiesItAndOkStoresEveryName)
{
    InStreetNames([&](TStNamesDlg& dialog, int turn) {
        switch (turn) {
        case 1:
            ClickRow(dialog.NamesList, 4);
            break;
        case 2:
            dialog.NameEdit.SetText("");
            TestHooks::Key(*App, Key::Return);
            break;
        case 3:
            EXPECT_EQ(dialog.NamesList.ItemText(4), "");
            ClickRow(dialog.NamesList, 0);
            break;
        case 4:
            dialog.NameEdit.SetText("Quay");
            TestHooks::Key(*App, Key::Return);
            break;
        case 5:
            Press(dialog.OkButton);
            break;
        default:
            break;
        }
    });
    EXPECT_EQ(Editor->Board.GetStreetName(4), "");
    EXPECT_EQ(Editor->Board.GetStreetName(0), "Quay");
    EXPECT_EQ(Editor->StreetList.List->ItemText(4), "5- ");
    EXPECT_EQ(Editor->StreetList.Caption(), "1- Quay");
}

TEST_F(EditorDialogsTest, NamesWithLettersBeyondAsciiStayWholeAndAreCutBetweenLetters)
{
    // Fifteen letters typed, nineteen bytes: the name's slot takes fourteen of them, up to the
    // last whole letter.
    const std::string typed = "\xc3\x86r\xc3\xb8 Stra\xc3\x9f"
                              "e \xc3\x96lstra\xc3\x9f"
                              "e";
    std::string inEdit;
    InStreetNames([&](TStNamesDlg& dialog, int turn) {
        switch (turn) {
        case 1:
            ClickRow(dialog.NamesList, 7);
            break;
        case 2:
            dialog.NameEdit.SetText("");
            TestHooks::Text(*App, typed);
            TestHooks::Key(*App, Key::Return);
            break;
        case 3:
            inEdit = dialog.NameEdit.Text();
            Press(dialog.OkButton);
            break;
        default:
            break;
        }
    });
    const std::string kept = "\xc3\x86r\xc3\xb8 Stra\xc3\x9f"
                             "e ";
    EXPECT_EQ(inEdit, kept);
    EXPECT_EQ(Editor->Board.GetStreetName(7), kept);
    EXPECT_EQ(Editor->StreetList.List->ItemText(7), std::string("8- ").append(kept));
    // Saved and read back, the name is the same bytes.
    Board again;
    ASSERT_TRUE(again.ReadFrom(Editor->Board.FileImage()));
    EXPECT_EQ(again.GetStreetName(7), kept);
}

TEST_F(EditorDialogsTest, TheCheckerSaysReadyToPlayForTheDefaultBoardAndShowsWhereABrokenOneFails)
{
    std::vector<std::string> drawn;
    TBoardCheckDlg& check = *Editor->CheckDialog;
    check.TextObserver = [&](const DrawnText& text) { drawn.push_back(text.Text); };
    auto runCheck = [&] {
        drawn.clear();
        WithDialogs(
            [&](Window& window, int) {
                ASSERT_EQ(&window, &check);
                window.ModalResult = ModalResult::Ok;
            },
            [&] { Click(Centre(Editor->CheckButton)); });
    };
    runCheck();
    EXPECT_TRUE(check.Problems.empty());
    EXPECT_FALSE(check.ProblemList.Visible());
    EXPECT_THAT(drawn, Contains("Ready to play"));

    // A road that leads nowhere, away from the middle of the view.
    Board& board = Editor->Board;
    std::int32_t roadX = -1;
    std::int32_t roadY = -1;
    for (std::int32_t y = 1; y < board.Height() - 1 && roadX < 0; ++y)
        for (std::int32_t x = 1; x < board.Width() - 1 && roadX < 0; ++x)
            if (IsRoadPiece(board.At(x, y).Kind) && (x != board.CenterX || y != board.CenterY)) {
                roadX = x;
                roadY = y;
            }
    ASSERT_GE(roadX, 0);
    board.At(roadX, roadY).Direction = 0;
    runCheck();
    ASSERT_FALSE(check.Problems.empty());
    EXPECT_TRUE(check.ProblemList.Visible());
    EXPECT_EQ(check.ProblemList.Count(), static_cast<std::int32_t>(check.Problems.size()));
    EXPECT_THAT(drawn, Contains("Problems found: " + std::to_string(check.Problems.size())));
    const std::string cell =
        std::string("(").append(std::to_string(roadX)).append(", ").append(std::to_string(roadY)).append(")");
    EXPECT_THAT(check.ProblemList.Items(), Contains(HasSubstr(cell)));
    // The first finding is chosen, written out in full, and its cell selected in the middle of the
    // board.
    EXPECT_EQ(check.ProblemList.ItemIndex(), 0);
    EXPECT_THAT(drawn, Contains(check.Problems[0].Text));
    EXPECT_EQ(board.CursorX, check.Problems[0].X);
    EXPECT_EQ(board.CursorY, check.Problems[0].Y);
    EXPECT_EQ(board.CenterX, check.Problems[0].X);
    EXPECT_EQ(board.CenterY, check.Problems[0].Y);
}

class TryItTest : public EditorDialogsTest
{
protected:
    void SetUp() override
    {
        EditorDialogsTest::SetUp();
        Editor->Board = SmallBoardB();
        Editor->Board.OnRedraw = [this] { Editor->View->Redraw(); };
        Editor->Board.EditMode = true;
    }
    // Opens "Try it" from the checker; step drives it (the checker is closed once it returns).
    void InTryIt(const std::function<void(TTryItDlg&, int)>& step)
    {
        TBoardCheckDlg& check = *Editor->CheckDialog;
        TTryItDlg& tryIt = *Editor->TryItDialog;
        int turn = 0;
        WithDialogs(
            [&](Window& window, int) {
                if (&window == &check) {
                    if (!tried) {
                        tried = true;
                        Press(check.TryButton);
                    } else {
                        window.ModalResult = ModalResult::Ok;
                    }
                    return;
                }
                ASSERT_EQ(&window, &tryIt);
                step(tryIt, ++turn);
            },
            [&] { Click(Centre(Editor->CheckButton)); });
    }
    bool tried = false;
};

TEST_F(TryItTest, TwoHundredComputerGamesArePlayedBehindTheProgressBarAndReported)
{
    std::vector<std::string> texts;
    bool sawButtons = false;
    InTryIt([&](TTryItDlg& dialog, int) {
        if (!dialog.Finished()) {
            EXPECT_TRUE(dialog.CancelButton.Visible());
            EXPECT_FALSE(dialog.OkButton.Visible());
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            TestHooks::FireTimer(*App);
            return;
        }
        sawButtons = dialog.OkButton.Visible() && !dialog.CancelButton.Visible() && dialog.OkButton.Focused();
        Pump();
        dialog.ModalResult = ModalResult::Ok;
    });
    const TTryItDlg& dialog = *Editor->TryItDialog;
    ASSERT_TRUE(dialog.Finished());
    EXPECT_TRUE(sawButtons);
    EXPECT_FALSE(dialog.Playing());
    const SimSummary& summary = dialog.Summary();
    EXPECT_FALSE(summary.Cancelled);
    EXPECT_EQ(summary.Games, Editor->TryItDialog->Games);
    std::int32_t ended = summary.TurnLimitGames + summary.NoWinner;
    for (std::int32_t wins : summary.Wins)
        ended += wins;
    EXPECT_EQ(ended, Editor->TryItDialog->Games);
    EXPECT_FALSE(summary.TopLots.empty());
    // The games were computer games of the next game's players, on the board as it was.
    EXPECT_THAT(dialog.Setup.Human, ::testing::Each(false));
    SimSummary expected;
    SimBatchOptions batch;
    batch.Games = Editor->TryItDialog->Games;
    Board board = SmallBoardB();
    RunSimBatch(board, dialog.Setup, SimGameOptions{}, batch, expected);
    EXPECT_EQ(summary.Wins, expected.Wins);
    EXPECT_EQ(summary.Throws, expected.Throws);
}

TEST_F(TryItTest, CancelStopsTheGamesAndClosesTheDialog)
{
    // More games than could be over before the button is seen.
    Editor->TryItDialog->Games = 1000000;
    InTryIt([&](TTryItDlg& dialog, int turn) {
        if (turn == 1)
            Press(dialog.CancelButton);
    });
    const TTryItDlg& dialog = *Editor->TryItDialog;
    EXPECT_FALSE(dialog.Playing());
    EXPECT_FALSE(dialog.Finished());
    EXPECT_TRUE(dialog.Summary().Cancelled);
    EXPECT_LT(dialog.Summary().Games, dialog.Games);
}

TEST(TryItReport, FiguresWinsAndLotsInTheGameTexts)
{
    SimSummary summary;
    summary.Games = 200;
    summary.Throws = 200 * 300;
    summary.ThrowsMedian = 290.5;
    summary.ThrowsMax = 900;
    summary.TurnLimitGames = 2;
    summary.Wins = {120, 0, 78, 0, 0, 0};
    summary.TopLots = {LotRent{4, 7, 2000000}, LotRent{9, 2, 10}};
    GameSetup setup;
    setup.InGame = {true, false, true, false, false, false};
    setup.Names = {"Ann", "", "", "", "", ""};
    const TryItReport report = MakeTryItReport(summary, setup);
    EXPECT_THAT(report.Figures, Contains("Games played: 200 (2 computer players)"));
    EXPECT_THAT(report.Figures, Contains("Throws a game: mean 300, median 291, longest 900"));
    EXPECT_THAT(report.Figures, Contains("Days a game: about 150"));
    EXPECT_THAT(report.Figures, Contains("Stopped at the turn limit without a winner: 2"));
    EXPECT_THAT(report.Figures, Contains("Ann: 120 (60%)"));
    EXPECT_THAT(report.Figures, Contains("Player 3: 78 (39%)"));
    EXPECT_THAT(report.Figures, ::testing::Not(Contains(HasSubstr("Player 2"))));
    ASSERT_EQ(report.Lots.size(), 3u);
    EXPECT_EQ(report.Lots[1], "(4, 7): $10000 a game");
    EXPECT_EQ(report.Lots[2], "(9, 2): $0 a game");
    summary.Cancelled = true;
    summary.TopLots.clear();
    const TryItReport stopped = MakeTryItReport(summary, setup);
    EXPECT_EQ(stopped.Figures.front(), Text(TextGroup::EditorReport, EditorReportText::Cancelled));
    EXPECT_EQ(stopped.Lots.back(), Text(TextGroup::EditorReport, EditorReportText::NoRent));
}

} // namespace

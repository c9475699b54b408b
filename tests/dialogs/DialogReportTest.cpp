// The report dialog at 1024 x 768 and 1920 x 1080 over a whole game of five players with long names:
// its texts fit their boxes and keep clear of each other, every player's line is drawn in his
// colour, the history lists every line of the game, and "Save report" writes the page beside the
// saved games or says in the error dialog why it cannot.
#include "dialogs/DialogReport.h"

#include "GameDialogScene.h"
#include "platform/Keys.h"
#include "report/PlayerColours.h"
#include "sim/SimGame.h"
#include "support/SmallBoards.h"
#include "support/TempDir.h"
#include "texts/Texts.h"

#include <filesystem>
#include <regex>

namespace {

// How near colour c is to want, channel by channel.
bool Near(Colour c, Colour want, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = static_cast<int>(c >> shift & 0xFF);
        const int b = static_cast<int>(want >> shift & 0xFF);
        if (std::abs(a - b) > tolerance)
            return false;
    }
    return true;
}

} // namespace

class DialogReportTest : public GameDialogScene, public ::testing::WithParamInterface<ScreenSizeRecord>
{
protected:
    void SetUp() override
    {
        StartAt(GetParam().Width, GetParam().Height);
        GameSetup setup;
        setup.InGame = {true, true, true, true, true, false};
        setup.Human = {};
        setup.Names = {"Wilhelmina Moss", "Bartholomew Kid", "Maximilian Wolf",
                       "Wendy McMurdo",   "HAL 9000 Deluxe", ""};
        setup.InitialCash = 2000000000; // sums of ten digits in every column
        SimGameOptions options;
        options.MaxThrows = 900;
        options.Finished = [this](const GameState& state, const Board& board) {
            Game = state;
            GameBoard = board;
        };
        ASSERT_EQ(PlaySimGame(SmallBoardA(), setup, 6, options).ExitCode, SimExit::Ok);
        ReportDialogScreen screen;
        screen.ShowError = [this](const std::string& text) { Errors.push_back(text); };
        Dialog = std::make_unique<TDialogReport>(*Screen, Game, GameBoard, screen);
        Dialog->TextObserver = [this](const DrawnText& drawn) { Texts.push_back({drawn, false}); };
        Dialog->Folder = Folder.File("SAVES");
    }
    void TearDown() override
    {
        Dialog.reset();
        GameDialogScene::TearDown();
    }

    GameState Game;
    Board GameBoard;
    std::unique_ptr<TDialogReport> Dialog;
    std::vector<std::string> Errors;
    TempDir Folder;
};

TEST_P(DialogReportTest, FiguresAndHistoryFitAndShowTheWholeGame)
{
    ASSERT_TRUE(Game.Running);
    bool looked = false;
    WhileShown(
        [&] { Dialog->ShowReport(); },
        [&](Window&) {
            looked = true;
            ExpectFits(*Dialog, "figures");
            // Every player's line in his colour on the chart.
            const Rect chart = Dialog->ChartArea();
            for (const ReportPlayer& p : Dialog->Report.Ranking) {
                int pixels = 0;
                for (std::int32_t y = chart.Top; y < chart.Bottom; ++y)
                    for (std::int32_t x = chart.Left; x < chart.Right; ++x)
                        pixels += Near(Dialog->Buffer->PixelAt(x, y),
                                       PlayerColours[static_cast<std::size_t>(p.Slot)], 24)
                                      ? 1
                                      : 0;
                EXPECT_GT(pixels, 40) << p.Name;
            }
            // The history instead of the figures, every line with its day, the newest last.
            Texts.clear();
            Dialog->ToggleHistory();
            Pump();
            ExpectFits(*Dialog, "history");
            const GameReport& report = Dialog->Report;
            ASSERT_TRUE(Dialog->HistoryList.Visible());
            ASSERT_EQ(Dialog->HistoryList.Count(), static_cast<std::int32_t>(report.History.size()));
            EXPECT_EQ(Dialog->HistoryList.ItemText(0), report.HistoryWhen(0) + "\t" + report.HistoryWhat(0));
            const std::size_t last = report.History.size() - 1;
            EXPECT_EQ(Dialog->HistoryList.ItemText(static_cast<std::int32_t>(last)),
                      report.HistoryWhen(last) + "\t" + report.HistoryWhat(last));
            EXPECT_EQ(Dialog->HistoryList.TopIndex() + Dialog->HistoryList.VisibleRows(),
                      Dialog->HistoryList.Count());
            EXPECT_EQ(Dialog->HistoryButton.Caption(), Text(TextGroup::Report, ReportText::FiguresButton));
            // And back, by its key.
            TestHooks::Key(*App, 'R');
            Pump();
            EXPECT_FALSE(Dialog->ShowingHistory);
            EXPECT_FALSE(Dialog->HistoryList.Visible());
            // Escape closes the report.
            TestHooks::Key(*App, Key::Escape);
            Pump();
            EXPECT_EQ(Dialog->ModalResult, ModalResult::Ok);
        });
    EXPECT_TRUE(looked);
    EXPECT_TRUE(Errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Screens, DialogReportTest,
                         ::testing::Values(ScreenSizeRecord{1024, 768}, ScreenSizeRecord{1920, 1080}),
                         [](const auto& info) {
                             return std::to_string(info.param.Width) + "x" +
                                    std::to_string(info.param.Height);
                         });

class DialogReportSaveTest : public DialogReportTest
{
protected:
    // Shows the report, presses "Save report" by its key and closes it; true when a page was saved.
    bool SaveByKey()
    {
        WhileShown([&] { Dialog->ShowReport(); },
                   [&](Window&) {
                       Texts.clear();
                       TestHooks::Key(*App, 'S');
                       Pump();
                   });
        return !Dialog->SavedFile.empty();
    }
};

TEST_P(DialogReportSaveTest, SaveReportWritesThePageOrSaysWhy)
{
    namespace fs = std::filesystem;
    // Named after the saved game, in the saved games' folder (made when missing), and said so.
    Dialog->GameName = "SAVES/Sunday evening.sav";
    ASSERT_TRUE(SaveByKey());
    const fs::path named = fs::path(Folder.File("SAVES")) / "Sunday evening-report.html";
    EXPECT_EQ(Dialog->SavedFile, named.string());
    EXPECT_TRUE(fs::is_regular_file(named));
    EXPECT_FALSE(Find(Text(TextGroup::Report, ReportText::Saved) + named.string()).empty());
    EXPECT_TRUE(Errors.empty());

    // A game never saved: named after the day and time.
    Dialog->GameName.clear();
    ASSERT_TRUE(SaveByKey());
    EXPECT_TRUE(std::regex_match(fs::path(Dialog->SavedFile).filename().string(),
                                 std::regex(R"(game-\d{4}-\d\d-\d\d-\d{4}-report\.html)")))
        << Dialog->SavedFile;

    // A folder that cannot be made: the error dialog gets the reason, nothing is said saved.
    std::ofstream(Folder.File("taken")) << "a file where the folder would be";
    Dialog->Folder = Folder.File("taken/SAVES");
    EXPECT_FALSE(SaveByKey());
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].rfind(Text(TextGroup::Report, ReportText::NotSaved), 0), 0u) << Errors[0];
    EXPECT_NE(Errors[0].find("taken"), std::string::npos) << Errors[0];
}

INSTANTIATE_TEST_SUITE_P(Screen, DialogReportSaveTest, ::testing::Values(ScreenSizeRecord{1024, 768}),
                         [](const auto&) { return std::string("1024x768"); });

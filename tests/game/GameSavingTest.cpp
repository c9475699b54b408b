// Saving and loading on the game screen: a game saved at any tick goes on as the one never saved,
// a whole game between two computers played on the screen ends as the simulator's, and a loaded
// game shows its own players and its current pawn.
#include "controls/SToolButton.h"
#include "dialogs/DialogReport.h"
#include "game/ButtonsPanel.h"
#include "game/GameImages.h"
#include "game/NewsPanel.h"
#include "game/ScoresPanel.h"
#include "sim/SimGame.h"
#include "support/GameScreenScene.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

class GameSavingTest : public GameScreenScene
{
protected:
    // One tick of play: the die thrown whenever the game waits for it, then the tick.
    void Advance()
    {
        if (Game->State.Running && Game->State.Turn.Phase == TurnPhase::AwaitingThrow)
            Press(Key::Space);
        Tick();
    }
};

TEST_F(GameSavingTest, GameSavedAtAnyTickGoesOnAsTheUninterruptedOne)
{
    // Silent: waiting for the sounds would only cost time.
    SoundEffects = 0;
    Play(SmallBoard('a'), 0b11, 0b01, 21);
    for (int turn = 0; turn < 4; ++turn)
        PlayTurn();
    TempDir dir;
    // The game played on, saved before every tick of its next turns.
    constexpr int Ticks = 80;
    constexpr int After = 45;
    std::vector<GameSnapshot> played;
    std::vector<std::string> files;
    std::vector<TurnPhase> phases;
    for (int tick = 0; tick < Ticks && Game->State.Running; ++tick) {
        files.push_back(dir.File("tick" + std::to_string(tick) + ".sav"));
        phases.push_back(Game->State.Turn.Phase);
        ASSERT_EQ(Game->SaveGame(files.back()), "") << tick;
        Advance();
        played.emplace_back(*Game);
    }
    // Every phase of a turn was saved at least once.
    for (TurnPhase phase : {TurnPhase::AwaitingThrow, TurnPhase::Rolling, TurnPhase::Walking})
        EXPECT_NE(std::find(phases.begin(), phases.end(), phase), phases.end());

    for (std::size_t from = 0; from < files.size(); ++from) {
        ASSERT_EQ(Game->LoadGame(files[from]), "") << from;
        for (std::size_t tick = from; tick < played.size() && tick < from + After; ++tick) {
            Advance();
            ASSERT_TRUE(GameSnapshot(*Game) == played[tick])
                << "saved before tick " << from << ", tick " << tick;
        }
    }
}

TEST_F(GameSavingTest, WholeGameOfTwoComputersEndsAsTheSimulatorsGame)
{
    constexpr std::uint32_t Seed = 9;
    constexpr std::int32_t Cash = 3000;
    GameSetup setup;
    setup.InGame = {true, true, false, false, false, false};
    setup.Human = {};
    setup.InitialCash = Cash;
    Board board;
    ASSERT_EQ(board.LoadFile(SmallBoard('a')), BoardSource::File);
    SimGameResult simulated;
    GameRecord simulatedRecord;
    SimGameOptions options;
    options.Finished = [&](const GameState& state, const Board&) { simulatedRecord = state.Record; };
    ASSERT_EQ(PlaySimGame(board, setup, Seed, options, nullptr, &simulated).ExitCode, SimExit::Ok);
    ASSERT_EQ(simulated.TurnLimit, false);

    SoundEffects = 0;
    Play(SmallBoard('a'), 0b11, 0b00, Seed, Cash);
    int ticks = 0;
    while (Game->State.Running && ticks < 100000) {
        Advance();
        ++ticks;
    }
    EXPECT_FALSE(Game->Running());
    EXPECT_EQ(Game->State.Throws, simulated.Throws);
    EXPECT_EQ(Game->State.Winner(), simulated.Winner);
    EXPECT_EQ(Game->State.Current, simulated.Winner) << "the winner is shown as the current player";
    for (std::int32_t slot = 0; slot < 2; ++slot)
        EXPECT_EQ(Game->State.Players[static_cast<std::size_t>(slot)].Cash,
                  simulated.Cash[static_cast<std::size_t>(slot)])
            << slot;
    // The screen's game kept the same story, and its report followed the game-over dialog.
    EXPECT_FALSE(simulatedRecord.History.empty());
    EXPECT_TRUE(Game->State.Record == simulatedRecord);
    ASSERT_GE(Dialogs.size(), 2u);
    EXPECT_EQ(Dialogs[Dialogs.size() - 2], "TDialogOk Winner");
    EXPECT_EQ(Dialogs.back(), std::string("TDialogReport ") + Text(TextGroup::Report, ReportText::Title));
}

TEST_F(GameSavingTest, LoadedGameShowsItsOwnPlayersAndTheCurrentPawn)
{
    AutoMove = 0;
    SetPlayerName(0, "Ann");
    SetPlayerName(1, "Bob");
    Play(SmallBoard('a'), 0b11, 0b00, 3);
    for (int turn = 0; turn < 3; ++turn)
        PlayTurn();
    TempDir dir;
    const std::string file = dir.File("ann and bob.sav");
    ASSERT_EQ(Game->SaveGame(file), "");
    const Player saved = Game->State.CurrentPlayer();

    // Another game with other names, its view scrolled away.
    SetPlayerName(0, "Xavier");
    SetPlayerName(1, "Yolanda");
    Play(SmallBoard('b'), 0b11, 0b00, 4);
    Game->Map.CenterX = 1;
    Game->Map.CenterY = 1;
    std::vector<std::string> drawn;
    Main->BackBuffer->TextObserver = [&](const DrawnText& text) { drawn.push_back(text.Text); };
    ASSERT_EQ(Game->LoadGame(file), "");
    EXPECT_EQ(Game->State.CurrentPlayer(), saved);
    EXPECT_EQ((Point{Game->Map.CenterX, Game->Map.CenterY}), (Point{saved.X, saved.Y}));
    EXPECT_EQ(Game->Map.CursorX, -1);
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "Ann"), drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "Bob"), drawn.end());
    EXPECT_EQ(std::find(drawn.begin(), drawn.end(), "Xavier"), drawn.end());
    EXPECT_EQ(Game->News->News[0], "ARE YOU READY TO GAMBLE?") << "the other game's news are gone";
    EXPECT_TRUE(Game->Buttons->ThrowButton->Visible());
    Main->BackBuffer->TextObserver = nullptr;
}

TEST_F(GameSavingTest, ReportKeyShowsTheGameSoFarAndItsPageIsNamedAfterTheSavedGame)
{
    Play(SmallBoard('a'), 0b11, 0b00, 5);
    for (int turn = 0; turn < 4; ++turn)
        PlayTurn();
    TempDir dir;
    Main->StartDir = dir.Path.string();
    const std::filesystem::path saves = dir.Path / SavedGames::Folder;
    int reports = 0;
    std::int32_t reportThrows = -1;
    std::size_t reportLines = 0;
    OnDialog = [&](Window& dialog) {
        if (auto* report = dynamic_cast<TDialogReport*>(&dialog)) {
            ++reports;
            reportThrows = report->Report.Throws;
            reportLines = report->Report.History.size();
            EXPECT_TRUE(report->SaveReportPage());
        }
        return false;
    };
    const KeyCode reportKey = Key::A + ('R' - 'A');
    const auto pages = [&] {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(saves))
            if (entry.path().extension() == ".html")
                names.push_back(entry.path().filename().string());
        return names;
    };

    // A new game's page is named after the time it was saved.
    Press(reportKey);
    ASSERT_EQ(reports, 1);
    EXPECT_EQ(reportThrows, Game->State.Throws);
    EXPECT_EQ(reportLines, Game->State.Record.History.size());
    ASSERT_EQ(pages().size(), 1u);
    EXPECT_EQ(pages()[0].rfind("game-", 0), 0u) << pages()[0];
    std::filesystem::remove_all(saves);

    // Saved, and loaded, the game names it.
    ASSERT_EQ(Game->SaveGame((saves / "ann and bob.sav").string()), "");
    Press(reportKey);
    EXPECT_EQ(pages(), std::vector<std::string>{"ann and bob-report.html"});
    std::filesystem::remove(saves / "ann and bob-report.html");
    Play(SmallBoard('b'), 0b11, 0b00, 6);
    ASSERT_EQ(Game->LoadGame((saves / "ann and bob.sav").string()), "");
    PlayTurn();
    Press(reportKey);
    EXPECT_EQ(pages(), std::vector<std::string>{"ann and bob-report.html"});
    EXPECT_EQ(reportThrows, Game->State.Throws) << "the loaded game's report goes on from the load";
    std::filesystem::remove(saves / "ann and bob-report.html");

    // A new game forgets the saved game's name.
    Play(SmallBoard('b'), 0b11, 0b00, 6);
    Press(reportKey);
    EXPECT_EQ(reports, 4);
    ASSERT_EQ(pages().size(), 1u);
    EXPECT_EQ(pages()[0].rfind("game-", 0), 0u) << pages()[0];
}

TEST_F(GameSavingTest, RefusedFileLeavesTheRunningGameAsItWas)
{
    Play(SmallBoard('a'), 0b11, 0b00, 3);
    PlayTurn();
    Press(Key::Space);
    Tick();
    TempDir dir;
    const std::string file = dir.File("damaged.sav");
    ASSERT_EQ(Game->SaveGame(file), "");
    std::vector<std::uint8_t> image = TempDir::Read(file);
    image[image.size() / 2] ^= 0x40;
    dir.Write("damaged.sav", image);
    const GameSnapshot before(*Game);
    const std::string reason = Game->LoadGame(file);
    EXPECT_NE(reason.find("damaged"), std::string::npos) << reason;
    EXPECT_TRUE(GameSnapshot(*Game) == before);
    EXPECT_EQ(Game->State.Turn.Phase, TurnPhase::Rolling);
    EXPECT_FALSE(Game->Buttons->ThrowButton->Visible());

    EXPECT_NE(Game->LoadGame(dir.File("missing.sav")), "");
    // With no game running there is nothing to save.
    Game->State.Running = false;
    EXPECT_NE(Game->SaveGame(dir.File("none.sav")), "");
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.sav")));
}

} // namespace

// Tests of saved games: the round trip, continuing a loaded game, safe saving, and refusing
// damaged files with a reason while the running game stays as it was.
#include "rules/SavedGame.h"

#include "rules/Rules.h"
#include "rules/ScriptHost.h"
#include "support/SmallBoards.h"
#include "support/TempDir.h"

#include <atomic>
#include <functional>
#include <thread>
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Where the fields lie in the image of a board of the given cell count.
struct Layout
{
    explicit Layout(std::size_t cells) : AfterBoard(12 + 528 + 5 * cells) {}
    std::size_t AfterBoard;
    std::size_t Jail() const { return AfterBoard; }
    std::size_t Week() const { return AfterBoard + 16; }
    std::size_t Day() const { return AfterBoard + 20; }
    std::size_t Current() const { return AfterBoard + 24; }
    std::size_t Throws() const { return AfterBoard + 28; }
    std::size_t TakingPart() const { return AfterBoard + 32; }
    std::size_t Player(int slot) const { return AfterBoard + 33 + 567 * static_cast<std::size_t>(slot); }
    std::size_t Random() const { return Player(6); }
    // The turn's section: its tag, size, then phase, dice, frame and delay.
    std::size_t TurnSection() const { return Random() + 8; }
    std::size_t TurnPhase() const { return TurnSection() + 8; }
    std::size_t Dice() const { return TurnPhase() + 1; }
    std::size_t DiceFrame() const { return Dice() + 4; }
    std::size_t StepDelay() const { return Dice() + 8; }
    // The record's section and its data: the day step, the points' count, the points, the figures
    // of each slot, the lots' count (of the fixture's game: one point, no lot, one line).
    std::size_t RecordSection() const { return TurnSection() + 8 + 13; }
    std::size_t RecordData() const { return RecordSection() + 8; }
    std::size_t Figures(int slot) const
    {
        return RecordData() + 8 + 80 + 108 * static_cast<std::size_t>(slot);
    }
    std::size_t FirstLine() const { return Figures(6) + 4 + 4; }
    // Field offsets within a player record.
    static constexpr std::size_t Name = 0, State = 16, HeldDays = 20, Human = 24, X = 25, Y = 29, Cash = 33,
                                 Education = 37, Job = 38, Salary = 39, PropertyCount = 43,
                                 MortgageCount = 47, CardIndex = 51, Properties = 55;
};

void Put32(Bytes& image, std::size_t at, std::int32_t value)
{
    for (int i = 0; i < 4; ++i) {
        image[at + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
    }
}

void FixCrc(Bytes& image)
{
    const std::uint32_t crc = Crc32(std::span(image).first(image.size() - 4));
    Put32(image, image.size() - 4, static_cast<std::int32_t>(crc));
}

class SavedGameTest : public ::testing::Test
{
protected:
    SavedGameTest() : host(state), rules(state, board, random, host)
    {
        board = SmallBoardA();
        setup.InGame = {true, true, false, true, false, false};
        setup.Human = {};
        setup.Names = {"Ann", "Zoë Ångström", "", "Bea"};
        rules.StartGame(setup);
        // Properties, a mortgage and a held player, so that every field has something to check.
        Give(0, 2, 2, 0);
        Give(0, 4, 2, 5);
        Give(3, 6, 2, 0);
        board.At(6, 2).Kind = CellKind::OwnedLot + 3;
        state.Players[1].State = 3;
        state.Players[1].HeldDays = 1;
        state.Players[0].Education = 2;
        state.Players[0].Job = 4;
        state.Players[0].Salary = 4100;
        state.Week = 9;
        state.Day = 6;
        state.Throws = 77;
        random.Seed(99);
    }
    void Give(int slot, int x, int y, int days)
    {
        Cell& cell = board.At(x, y);
        ASSERT_EQ(cell.Kind, CellKind::LotForSale);
        cell.Kind = CellKind::OwnedLot;
        cell.Owner = static_cast<std::uint8_t>(slot + 1);
        cell.Street = static_cast<std::uint8_t>(days);
        Player& p = state.Players[static_cast<std::size_t>(slot)];
        p.Properties[static_cast<std::size_t>(p.PropertyCount++)] = PropertyEntry{x, y};
        p.MortgageCount += days != 0 ? 1 : 0;
    }
    Layout Where() const { return Layout(board.Cells().size()); }
    // The game's image as an older version wrote it: without the sections from sections on.
    Bytes OlderImage(std::size_t sections, std::uint32_t version) const
    {
        Bytes image = SavedGameImage(state, board, random);
        image.erase(image.begin() + static_cast<std::ptrdiff_t>(sections), image.end() - 4);
        Put32(image, 8, static_cast<std::int32_t>(version));
        FixCrc(image);
        return image;
    }

    // Reads image into a game of its own; the reason when refused.
    static std::string Refusal(const Bytes& image)
    {
        GameState s;
        Board b;
        Random r;
        const SavedGameResult result = ReadSavedGame(image, s, b, r);
        return result.Ok ? std::string("accepted") : result.Reason;
    }

    GameSetup setup;
    Board board;
    GameState state;
    Random random;
    ScriptHost host;
    Rules rules;
};

TEST_F(SavedGameTest, ImageRoundTripRestoresTheWholeGame)
{
    const Bytes image = SavedGameImage(state, board, random);
    using namespace SavedGameFormat;
    const GameRecord& record = state.Record;
    EXPECT_EQ(image.size(),
              SizeWithoutCells + 5 * board.Cells().size() + record.Points.size() * RecordPointSize +
                  record.History.size() * RecordLineSize + record.RentByLot.size() * RecordLotSize);
    GameState loaded;
    Board loadedBoard;
    loadedBoard.OnRedraw = [] {};
    Random loadedRandom;
    const SavedGameResult result = ReadSavedGame(image, loaded, loadedBoard, loadedRandom);
    ASSERT_TRUE(result.Ok) << result.Reason;
    EXPECT_TRUE(loaded.Running);
    EXPECT_EQ(loaded.Players, state.Players);
    EXPECT_EQ(loaded.Week, 9);
    EXPECT_EQ(loaded.Day, 6);
    EXPECT_EQ(loaded.Current, state.Current);
    EXPECT_EQ(loaded.Throws, 77);
    EXPECT_EQ(loaded.TakingPart, 0b1011);
    EXPECT_TRUE(std::equal(board.Cells().begin(), board.Cells().end(), loadedBoard.Cells().begin(),
                           loadedBoard.Cells().end()));
    EXPECT_EQ(loadedBoard.FileImage(), board.FileImage());
    EXPECT_EQ(loadedBoard.ExitX, board.ExitX);
    EXPECT_EQ(loadedBoard.JailY, board.JailY);
    EXPECT_EQ(loadedBoard.CursorX, -1);
    EXPECT_TRUE(static_cast<bool>(loadedBoard.OnRedraw)); // the view's hook survives a load
    EXPECT_EQ(loadedRandom.State(), random.State());
    EXPECT_EQ(loaded.Record, state.Record);
    EXPECT_EQ(SavedGameImage(loaded, loadedBoard, loadedRandom), image);
}

TEST_F(SavedGameTest, LoadedGameContinuesExactlyAsTheOriginal)
{
    setup.Human[0] = true;
    board = SmallBoardA();
    rules.StartGame(setup);
    host.Answers = std::deque<bool>(1000, true);
    for (int i = 0; i < 120 && state.Running; ++i) {
        rules.PlayThrow();
    }
    ASSERT_TRUE(state.Running);
    GameState copy;
    Board copyBoard;
    Random copyRandom;
    ASSERT_TRUE(ReadSavedGame(SavedGameImage(state, board, random), copy, copyBoard, copyRandom).Ok);
    ScriptHost copyHost(copy);
    copyHost.Answers = host.Answers;
    Rules copyRules(copy, copyBoard, copyRandom, copyHost);
    host.Calls.clear();
    for (int i = 0; i < 300 && state.Running; ++i) {
        rules.PlayThrow();
        copyRules.PlayThrow();
    }
    EXPECT_EQ(copyHost.Calls, host.Calls);
    EXPECT_EQ(copy.Players, state.Players);
    EXPECT_EQ(copyBoard.FileImage(), board.FileImage());
    // The record went with it and goes on as the original's, its values worked out afresh.
    EXPECT_GT(state.Record.Points.size(), 50u);
    EXPECT_EQ(copy.Record, state.Record);
    EXPECT_EQ(copy.Record.Now(copy, copyBoard), WorthNow(state, board));
}

// A game saved at every point of a few turns (the die thrown, each step walked, the walk over but
// not settled) goes on from there as the game that was never saved.
TEST_F(SavedGameTest, GameSavedInTheMiddleOfATurnGoesOnExactly)
{
    setup.Human[0] = true;
    board = SmallBoardA();
    rules.StartGame(setup);
    host.Answers = std::deque<bool>(5000, true);
    for (int i = 0; i < 40 && state.Running; ++i) {
        rules.PlayThrow();
    }
    int saves = 0;
    for (int turn = 0; turn < 12 && state.Running; ++turn) {
        ASSERT_NE(rules.Throw(), 0);
        bool more = true;
        while (state.Running) {
            ++saves;
            GameState copy;
            Board copyBoard;
            Random copyRandom;
            const SavedGameResult read =
                ReadSavedGame(SavedGameImage(state, board, random), copy, copyBoard, copyRandom);
            ASSERT_TRUE(read.Ok) << read.Reason;
            EXPECT_EQ(copy.Turn, state.Turn);
            EXPECT_EQ(copy.Dice, state.Dice);
            // Both play the rest of this turn and three more.
            GameState original = state;
            Board originalBoard = board;
            Random originalRandom = random;
            ScriptHost originalHost(original);
            ScriptHost copyHost(copy);
            originalHost.Answers = copyHost.Answers = host.Answers;
            Rules originalRules(original, originalBoard, originalRandom, originalHost);
            Rules copyRules(copy, copyBoard, copyRandom, copyHost);
            for (int i = 0; i < 4; ++i) {
                originalRules.PlayThrow();
                copyRules.PlayThrow();
            }
            ASSERT_EQ(copyHost.Calls, originalHost.Calls);
            ASSERT_EQ(copy.Players, original.Players);
            ASSERT_EQ(copyBoard.FileImage(), originalBoard.FileImage());
            ASSERT_EQ(copyRandom.State(), originalRandom.State());
            if (!more) {
                break;
            }
            more = rules.Step();
        }
        EXPECT_EQ(state.Turn.Phase, TurnPhase::Settling);
        rules.SettleEvents();
        rules.EndTurn();
        EXPECT_EQ(state.Turn.Phase, TurnPhase::AwaitingThrow);
    }
    EXPECT_GT(saves, 30);
}

// A file of the first format (a game between two turns) still loads, waiting for the throw.
TEST_F(SavedGameTest, FileOfTheFirstFormatStillLoads)
{
    const Bytes image = OlderImage(Where().TurnSection(), 1);
    EXPECT_EQ(image.size(), SavedGameFormat::FixedSizeWithoutCells + 5 * board.Cells().size());
    GameState loaded;
    loaded.Dice = 4;
    loaded.Turn.Phase = TurnPhase::Walking;
    Board loadedBoard;
    Random loadedRandom;
    const SavedGameResult read = ReadSavedGame(image, loaded, loadedBoard, loadedRandom);
    ASSERT_TRUE(read.Ok) << read.Reason;
    EXPECT_EQ(loaded.Players, state.Players);
    EXPECT_EQ(loaded.Turn, TurnProgress{});
    EXPECT_EQ(loaded.Dice, 0);
    // With an empty record; written again, it is a file of this format.
    EXPECT_EQ(loaded.Record, GameRecord{});
    GameState unrecorded = state;
    unrecorded.Record = GameRecord{};
    EXPECT_EQ(SavedGameImage(loaded, loadedBoard, loadedRandom), SavedGameImage(unrecorded, board, random));
    // The first format has no sections: one after its random state is data it does not know.
    Bytes withTurn = SavedGameImage(state, board, random);
    Put32(withTurn, 8, 1);
    FixCrc(withTurn);
    EXPECT_EQ(Refusal(withTurn), "the file has unknown data at its end");
}

TEST_F(SavedGameTest, FileOfTheSecondFormatLoadsWithAnEmptyRecord)
{
    const Bytes image = OlderImage(Where().RecordSection(), 2);
    GameState loaded;
    Board loadedBoard;
    Random loadedRandom;
    const SavedGameResult read = ReadSavedGame(image, loaded, loadedBoard, loadedRandom);
    ASSERT_TRUE(read.Ok) << read.Reason;
    EXPECT_EQ(loaded.Players, state.Players);
    EXPECT_EQ(loaded.Record, GameRecord{});
    // The game goes on recording from there.
    ScriptHost loadedHost(loaded);
    Rules loadedRules(loaded, loadedBoard, loadedRandom, loadedHost);
    while (loaded.Running && loaded.Record.Points.empty()) {
        loadedRules.PlayThrow();
    }
    ASSERT_FALSE(loaded.Record.History.empty());
    EXPECT_EQ(loaded.Record.Points.back(), WorthNow(loaded, loadedBoard));
}

TEST_F(SavedGameTest, SaveMakesTheFolderAndReplacesTheFile)
{
    TempDir dir;
    const std::filesystem::path file = dir.Path / "SAVES" / "game.sav";
    SavedGameResult saved = SaveGame(file, state, board, random);
    ASSERT_TRUE(saved.Ok) << saved.Reason;
    EXPECT_EQ(TempDir::Read(file.string()), SavedGameImage(state, board, random));

    state.Week = 10;
    ASSERT_TRUE(SaveGame(file, state, board, random).Ok);
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".tmp"));
    GameState loaded;
    Board loadedBoard;
    Random loadedRandom;
    saved = LoadGame(file, loaded, loadedBoard, loadedRandom);
    ASSERT_TRUE(saved.Ok) << saved.Reason;
    EXPECT_EQ(loaded.Week, 10);
}

TEST_F(SavedGameTest, TwoGamesSavingToOneNameAtOnceLeaveOneWholeGame)
{
    // Two games autosaving into one folder at the same moment: every save succeeds, what is left is
    // one of the two games whole, and no temporary file stays behind.
    TempDir dir;
    const std::filesystem::path file = dir.Path / "SAVES" / "autosave.sav";
    GameState other = state;
    other.Week = 40;
    std::atomic<int> failures{0};
    const auto saveMany = [&](const GameState& game) {
        for (int i = 0; i < 40; ++i) {
            if (!SaveGame(file, game, board, random).Ok)
                ++failures;
        }
    };
    std::thread first(saveMany, std::cref(state));
    std::thread second(saveMany, std::cref(other));
    first.join();
    second.join();
    EXPECT_EQ(failures.load(), 0);
    GameState loaded;
    Board loadedBoard;
    Random loadedRandom;
    const SavedGameResult result = LoadGame(file, loaded, loadedBoard, loadedRandom);
    ASSERT_TRUE(result.Ok) << result.Reason;
    EXPECT_TRUE(loaded.Week == state.Week || loaded.Week == 40) << loaded.Week;
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(file.parent_path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST_F(SavedGameTest, FailedSaveLeavesTheEarlierFileAndSaysWhy)
{
    TempDir dir;
    // A name as long as the file system takes: the file fits, its temporary copy cannot be made.
    const std::string name = std::string(251, 'g') + ".sav";
    const std::filesystem::path file = dir.Path / name;
    dir.Write(name, SavedGameImage(state, board, random));
    const Bytes before = TempDir::Read(file.string());

    state.Week = 11;
    SavedGameResult saved = SaveGame(file, state, board, random);
    EXPECT_FALSE(saved.Ok);
    EXPECT_NE(saved.Reason.find("cannot be written"), std::string::npos) << saved.Reason;
    EXPECT_EQ(TempDir::Read(file.string()), before);

    // A folder that cannot be made.
    saved = SaveGame(dir.Path / "missing" / "SAVES" / "game.sav", state, board, random);
    EXPECT_FALSE(saved.Ok);
    EXPECT_NE(saved.Reason.find("folder"), std::string::npos) << saved.Reason;

    // No game, nothing to save.
    state.Running = false;
    saved = SaveGame(dir.Path / "other.sav", state, board, random);
    EXPECT_FALSE(saved.Ok);
    EXPECT_FALSE(std::filesystem::exists(dir.Path / "other.sav"));
}

TEST_F(SavedGameTest, FailedLoadChangesNothing)
{
    TempDir dir;
    const GameState stateBefore = state;
    const Bytes boardBefore = board.FileImage();
    const std::uint64_t randomBefore = random.State();
    auto unchanged = [&] {
        EXPECT_EQ(state.Players, stateBefore.Players);
        EXPECT_EQ(state.Week, stateBefore.Week);
        EXPECT_EQ(state.Current, stateBefore.Current);
        EXPECT_EQ(board.FileImage(), boardBefore);
        EXPECT_EQ(random.State(), randomBefore);
    };
    SavedGameResult result = LoadGame(dir.Path / "none.sav", state, board, random);
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Reason.find("cannot be opened"), std::string::npos);
    unchanged();

    // A good file of another game, damaged in its last byte.
    GameState other;
    Board otherBoard = SmallBoardB();
    Random otherRandom(5);
    {
        ScriptHost otherHost(other);
        Rules otherRules(other, otherBoard, otherRandom, otherHost);
        otherRules.StartGame(setup);
    }
    Bytes image = SavedGameImage(other, otherBoard, otherRandom);
    image.back() ^= 1;
    const std::string path = dir.Write("damaged.sav", image);
    result = LoadGame(path, state, board, random);
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Reason.find("checksum"), std::string::npos) << result.Reason;
    unchanged();
}

TEST_F(SavedGameTest, EveryShorterFileIsRefused)
{
    const Bytes image = SavedGameImage(state, board, random);
    for (std::size_t length = 0; length < image.size(); ++length) {
        const std::string why =
            Refusal(Bytes(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(length)));
        ASSERT_NE(why, "accepted") << length;
        ASSERT_FALSE(why.empty()) << length;
    }
}

TEST_F(SavedGameTest, EveryFlippedByteIsRefused)
{
    const Bytes image = SavedGameImage(state, board, random);
    for (std::size_t at = 0; at < image.size(); ++at) {
        for (std::uint8_t flip : {std::uint8_t{0x01}, std::uint8_t{0x80}}) {
            Bytes damaged = image;
            damaged[at] ^= flip;
            ASSERT_NE(Refusal(damaged), "accepted") << "byte " << at;
        }
    }
}

TEST_F(SavedGameTest, EachWrongFieldIsRefusedWithItsReason)
{
    const Layout at = Where();
    const std::size_t p0 = at.Player(0);
    const std::size_t p2 = at.Player(2);
    const std::size_t p3 = at.Player(3);
    const std::size_t cells = 20;
    const std::int32_t width = board.Width();
    auto cell = [&](int x, int y) { return cells + 5 * static_cast<std::size_t>(x + y * width); };
    struct Case
    {
        const char* Name;
        std::function<void(Bytes&)> Damage;
        const char* Reason;
    };
    const std::vector<Case> cases = {
        {"magic", [](Bytes& b) { b[1] = 'X'; }, "not a Tarnhollow saved game"},
        {"version", [](Bytes& b) { Put32(b, 8, 4); }, "another version"},
        {"version 0", [](Bytes& b) { Put32(b, 8, 0); }, "another version"},
        {"width zero", [](Bytes& b) { Put32(b, 12, 0); }, "size"},
        {"height too large", [](Bytes& b) { Put32(b, 16, 257); }, "size"},
        {"width larger than the cells", [&](Bytes& b) { Put32(b, 12, width + 1); }, "cut short"},
        {"extra data", [](Bytes& b) { b.insert(b.end() - 4, 0); }, "unknown data"},
        {"cell kind", [&](Bytes& b) { b[cell(0, 0)] = 99; }, "cells are not valid"},
        {"street name", [&](Bytes& b) { b[at.AfterBoard - 1] = 'x'; }, "street name"},
        {"jail", [&](Bytes& b) { Put32(b, at.Jail(), board.JailX + 1); }, "prison zone"},
        {"exit", [&](Bytes& b) { Put32(b, at.Jail() + 12, board.ExitY - 1); }, "prison zone"},
        {"week", [&](Bytes& b) { Put32(b, at.Week(), 0); }, "week"},
        {"day", [&](Bytes& b) { Put32(b, at.Day(), 7); }, "day"},
        {"current out of range", [&](Bytes& b) { Put32(b, at.Current(), 6); }, "turn"},
        {"current not in play", [&](Bytes& b) { Put32(b, at.Current(), 1); }, "turn"},
        {"throws", [&](Bytes& b) { Put32(b, at.Throws(), -1); }, "throws"},
        {"taking part", [&](Bytes& b) { b[at.TakingPart()] = 0x41; }, "taking part"},
        {"in play without taking part", [&](Bytes& b) { Put32(b, p2 + Layout::State, 1); },
         "did not take part"},
        {"name without end",
         [&](Bytes& b) { std::fill_n(b.begin() + static_cast<std::ptrdiff_t>(p0), 16, 'a'); }, "name"},
        {"state", [&](Bytes& b) { Put32(b, p0 + Layout::State, 7); }, "state"},
        {"held days", [&](Bytes& b) { Put32(b, at.Player(1) + Layout::HeldDays, 3); }, "days held"},
        {"days held while in play", [&](Bytes& b) { Put32(b, p3 + Layout::HeldDays, 1); }, "days held"},
        {"human", [&](Bytes& b) { b[p0 + Layout::Human] = 2; }, "human"},
        {"pawn off the board", [&](Bytes& b) { Put32(b, p0 + Layout::X, 300); }, "off the board"},
        {"pawn in play beside the board",
         [&](Bytes& b) {
             Put32(b, p0 + Layout::X, width);
             b[cell(board.StartX, board.StartY) + 4] &= 0xFE;
         },
         "player 1's pawn stands off the board"},
        {"turn section's tag", [&](Bytes& b) { b[at.TurnSection()] = 'X'; }, "unknown data"},
        {"turn section's size", [&](Bytes& b) { Put32(b, at.TurnSection() + 4, 14); }, "cut short"},
        {"turn phase", [&](Bytes& b) { b[at.TurnPhase()] = 4; }, "phase of the turn"},
        {"walking without a die", [&](Bytes& b) { b[at.TurnPhase()] = 2; }, "do not fit the phase"},
        {"die of 7",
         [&](Bytes& b) {
             b[at.TurnPhase()] = 2;
             Put32(b, at.Dice(), 7);
         },
         "do not fit the phase"},
        {"frame past the roll",
         [&](Bytes& b) {
             b[at.TurnPhase()] = 1;
             Put32(b, at.Dice(), 3);
             Put32(b, at.DiceFrame(), 15);
         },
         "do not fit the phase"},
        {"delay past a step",
         [&](Bytes& b) {
             b[at.TurnPhase()] = 2;
             Put32(b, at.Dice(), 3);
             Put32(b, at.StepDelay(), 7);
         },
         "do not fit the phase"},
        {"a die while waiting for the throw", [&](Bytes& b) { Put32(b, at.Dice(), 2); },
         "do not fit the phase"},
        {"cash", [&](Bytes& b) { Put32(b, p0 + Layout::Cash, -1); }, "cash"},
        {"education", [&](Bytes& b) { b[p0 + Layout::Education] = 4; }, "education"},
        {"job", [&](Bytes& b) { b[p0 + Layout::Job] = 8; }, "job"},
        {"salary", [&](Bytes& b) { Put32(b, p0 + Layout::Salary, 9000); }, "salary"},
        {"property count", [&](Bytes& b) { Put32(b, p0 + Layout::PropertyCount, 65); },
         "number of properties"},
        {"mortgage count", [&](Bytes& b) { Put32(b, p0 + Layout::MortgageCount, 3); }, "number of mortgages"},
        {"mortgages that do not match", [&](Bytes& b) { Put32(b, p0 + Layout::MortgageCount, 0); },
         "does not match"},
        {"card index", [&](Bytes& b) { Put32(b, p0 + Layout::CardIndex, 64); }, "shown property"},
        {"property on a road", [&](Bytes& b) { Put32(b, p0 + Layout::Properties + 4, 1); },
         "not a lot of his"},
        {"property of another player",
         [&](Bytes& b) {
             Put32(b, p0 + Layout::Properties, 6);
             Put32(b, p0 + Layout::Properties + 4, 2);
         },
         "not a lot of his"},
        {"property listed twice",
         [&](Bytes& b) {
             Put32(b, p0 + Layout::Properties + 8, 2);
             Put32(b, p0 + Layout::MortgageCount, 0);
         },
         "twice"},
        {"entry past the end", [&](Bytes& b) { Put32(b, p3 + Layout::Properties + 8, 1); }, "past its end"},
        {"out of the game with properties", [&](Bytes& b) { Put32(b, p3 + Layout::State, 0); },
         "out of the game"},
        {"owned lot on nobody's list",
         [&](Bytes& b) {
             b[cell(0, 0)] = CellKind::OwnedLot;
             b[cell(0, 0) + 1] = 1;
         },
         "on nobody's list"},
        {"mortgage too long", [&](Bytes& b) { b[cell(4, 2) + 3] = 29; }, "too long"},
        {"pawn bit elsewhere", [&](Bytes& b) { b[cell(1, 1) + 4] = 1; }, "pawn of player 1"},
        {"pawn bit missing", [&](Bytes& b) { b[cell(board.StartX, board.StartY) + 4] &= 0xFE; },
         "pawn is missing"},
        {"pawn bit of a slot out of the game",
         [&](Bytes& b) { b[cell(board.StartX, board.StartY) + 4] |= 4; }, "pawn of player 3"},
        {"record's size", [&](Bytes& b) { Put32(b, at.RecordSection() + 4, 900); }, "cut short"},
        {"record's day step", [&](Bytes& b) { Put32(b, at.RecordData(), 3); }, "day step"},
        {"record's points", [&](Bytes& b) { Put32(b, at.RecordData() + 4, 2); }, "more points"},
        {"record's point after today", [&](Bytes& b) { Put32(b, at.RecordData() + 8, 10); }, "not in order"},
        {"record's worth", [&](Bytes& b) { Put32(b, at.RecordData() + 16, -5); }, "negative"},
        {"record's sum", [&](Bytes& b) { b[at.Figures(3) + 7] = 0x80; }, "player 4 in the game's record"},
        {"ruin of a player in play", [&](Bytes& b) { Put32(b, at.Figures(0) + 96, 1); }, "ruin of player 1"},
        {"ruin without its day", [&](Bytes& b) { Put32(b, at.Figures(2) + 96, 1); }, "ruin of player 3"},
        {"history line's code", [&](Bytes& b) { b[at.FirstLine() + 12] = 99; },
         "line 1 of the game's history"},
        {"history line's slot", [&](Bytes& b) { b[at.FirstLine() + 14] = 6; },
         "line 1 of the game's history"},
        {"history line's cell", [&](Bytes& b) { Put32(b, at.FirstLine() + 8, 0x00030040); },
         "line 1 of the game's history"},
        {"history's count", [&](Bytes& b) { Put32(b, at.FirstLine() - 4, 2); }, "does not fit its size"},
    };
    const Bytes image = SavedGameImage(state, board, random);
    ASSERT_EQ(Refusal(image), "accepted");
    for (const Case& c : cases) {
        Bytes damaged = image;
        c.Damage(damaged);
        if (std::string(c.Name) != "magic") {
            FixCrc(damaged);
        }
        const std::string why = Refusal(damaged);
        EXPECT_NE(why.find(c.Reason), std::string::npos) << c.Name << ": " << why;
    }
}

} // namespace

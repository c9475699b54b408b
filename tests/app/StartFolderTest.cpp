// The start folder: chosen between the current folder, the program's own and, for an installed
// program, the player's folder beside the shared data folder; the player's folder made ready; a
// problem with it reported in the error dialog; and the real program started from another folder,
// with its data files beside it and without them.
#include "app/StartFolder.h"

#include "support/TempDir.h"
#include "support/ToolRun.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(StartFolder, TheCurrentFolderWinsThenTheProgramsFolderElseAnErrorNamesBoth)
{
    TempDir current;
    TempDir program;
    program.WriteText("res00.dat", "archive");
    EXPECT_EQ(ChooseStartFolder(current.Path.string(), program.Path.string()).Folder, program.Path.string());
    // The name is found without regard to letter case, as every data file is.
    current.WriteText("RES00.DAT", "archive");
    StartFolderChoice choice = ChooseStartFolder(current.Path.string(), program.Path.string());
    EXPECT_EQ(choice.Folder, current.Path.string());
    EXPECT_TRUE(choice.Error.empty());

    TempDir empty;
    fs::create_directory(empty.Path / "res00.dat"); // a folder of that name holds no pictures
    choice = ChooseStartFolder(empty.Path.string(), empty.Path.string() + "/nowhere");
    EXPECT_TRUE(choice.Folder.empty());
    EXPECT_NE(choice.Error.find("res00.dat"), std::string::npos);
    EXPECT_NE(choice.Error.find(empty.Path.string()), std::string::npos);
    EXPECT_NE(choice.Error.find(empty.Path.string() + "/nowhere"), std::string::npos);
    // An unknown program folder is not named.
    choice = ChooseStartFolder(empty.Path.string(), "");
    EXPECT_TRUE(choice.Folder.empty());
    EXPECT_EQ(choice.Error.find("program's folder"), std::string::npos);
}

TEST(StartFolder, AnInstalledProgramReadsItsSharedDataAndStartsInThePlayersFolder)
{
    TempDir root;
    const fs::path bin = root.Path / "prefix/bin";
    const fs::path data = root.Path / "prefix/share/tarnhollow";
    fs::create_directories(bin);
    fs::create_directories(data);
    EXPECT_EQ(InstalledDataFolder(bin.string()), data.string());
    const std::string players = (root.Path / "xdg/tarnhollow").string();
    TempDir current;

    // Before the data files are installed, the error names every folder looked in.
    StartFolderChoice choice = ChooseStartFolder(current.Path.string(), bin.string(), players);
    EXPECT_TRUE(choice.Folder.empty());
    EXPECT_NE(choice.Error.find(data.string()), std::string::npos) << choice.Error;

    std::ofstream(data / "res00.dat") << "archive";
    choice = ChooseStartFolder(current.Path.string(), bin.string(), players);
    EXPECT_EQ(choice.Folder, players);
    EXPECT_EQ(choice.DataFolder, data.string());
    EXPECT_TRUE(choice.PlayersFolder);
    // Without a folder of the player's own it plays from the data folder.
    choice = ChooseStartFolder(current.Path.string(), bin.string(), "");
    EXPECT_EQ(choice.Folder, data.string());
    EXPECT_TRUE(choice.PlayersFolder);

    // Data files in the current folder or beside the program win, as in the build folder.
    std::ofstream(bin / "res00.dat") << "archive";
    choice = ChooseStartFolder(current.Path.string(), bin.string(), players);
    EXPECT_EQ(choice.Folder, bin.string());
    EXPECT_EQ(choice.DataFolder, bin.string());
    EXPECT_FALSE(choice.PlayersFolder);
    current.WriteText("res00.dat", "archive");
    choice = ChooseStartFolder(current.Path.string(), bin.string(), players);
    EXPECT_EQ(choice.Folder, current.Path.string());
    EXPECT_EQ(choice.DataFolder, current.Path.string());
}

TEST(StartFolder, ThePlayersFolderFollowsXdgDataHomeElseHome)
{
    EXPECT_EQ(PlayersFolder("/data/home/", "/home/ann"), "/data/home/tarnhollow");
    // A relative XDG_DATA_HOME is ignored, as the desktop's rules say.
    EXPECT_EQ(PlayersFolder("relative/share", "/home/ann"), "/home/ann/.local/share/tarnhollow");
    EXPECT_EQ(PlayersFolder("", "/home/ann"), "/home/ann/.local/share/tarnhollow");
    EXPECT_EQ(PlayersFolder("", ""), "");
}

TEST(StartFolder, ThePlayersFolderIsMadeWithTheDefaultBoardAndKeepsThePlayersOwn)
{
    TempDir data;
    const std::string board = "board bytes";
    data.WriteText("Board1.brd", board);
    TempDir root;
    const fs::path players = root.Path / "a/b/tarnhollow";
    EXPECT_EQ(PreparePlayersFolder(players.string(), data.Path.string()), "");
    EXPECT_TRUE(fs::is_directory(players));
    EXPECT_EQ(TempDir::Read((players / "Board1.brd").string()), TempDir::Read(data.File("Board1.brd")));
    // Nothing but the board is left there (no probe file, no partial copy).
    EXPECT_EQ(std::distance(fs::directory_iterator(players), fs::directory_iterator()), 1);

    // A board the player changed stays as it is, and so does one named in other letter case.
    std::ofstream(players / "Board1.brd") << "edited";
    EXPECT_EQ(PreparePlayersFolder(players.string(), data.Path.string()), "");
    const auto edited = TempDir::Read((players / "Board1.brd").string());
    EXPECT_EQ(std::string(edited.begin(), edited.end()), "edited");
    fs::rename(players / "Board1.brd", players / "BOARD1.BRD");
    EXPECT_EQ(PreparePlayersFolder(players.string(), data.Path.string()), "");
    EXPECT_FALSE(fs::exists(players / "Board1.brd"));

    // A data folder without the board file still gives a usable folder (the built-in board serves).
    TempDir noBoard;
    EXPECT_EQ(PreparePlayersFolder((root.Path / "other").string(), noBoard.Path.string()), "");
}

TEST(StartFolder, AFolderThatCannotBeMadeIsNamedWithItsReason)
{
    TempDir data;
    data.WriteText("Board1.brd", "board");
    TempDir root;
    // Under a plain file no folder can be made, whoever runs the test.
    root.WriteText("file", "not a folder");
    const std::string folder = (root.Path / "file/share/tarnhollow").string();
    const std::string problem = PreparePlayersFolder(folder, data.Path.string());
    EXPECT_NE(problem.find(folder), std::string::npos) << problem;
    EXPECT_NE(problem.find("cannot be saved"), std::string::npos) << problem;
    EXPECT_NE(PreparePlayersFolder(root.File("file"), data.Path.string()), "");
    EXPECT_NE(PreparePlayersFolder("", data.Path.string()), "");
}

namespace {

const std::string GameDir = TARNHOLLOW_GAME_DIR;

// Runs the program in folder, headless, with its output in files of dir; one that does not end
// within a minute is stopped (status 124).
ToolRun RunProgram(const std::string& program, const std::string& folder, const TempDir& dir)
{
    return RunCommand(
        "cd " + ShellQuote(folder) + " && SDL_VIDEODRIVER=dummy timeout 60 " + ShellQuote(program), dir);
}

} // namespace

TEST(StartFolder, TheProgramWithoutItsDataFilesSaysWhereItLookedAndEndsWithStatusOne)
{
    TempDir programDir;
    TempDir elsewhere;
    const std::string program = programDir.File("tarnhollow");
    fs::copy_file(GameDir + "/tarnhollow", program);
    fs::permissions(program, fs::perms::owner_all);
    const ToolRun r = RunProgram(program, elsewhere.Path.string(), elsewhere);
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Err.find("res00.dat"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find(elsewhere.Path.string()), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find(programDir.Path.string()), std::string::npos) << r.Err;
}

TEST(StartFolder, TheProgramStartedFromAnotherFolderRunsInItsOwnFolder)
{
    TempDir elsewhere;
    // Only exec-safe calls in the child: everything it needs is made before the fork.
    const std::string program = GameDir + "/tarnhollow";
    const std::string folder = elsewhere.Path.string();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The test entry has chosen the dummy video driver for every child as well.
        if (chdir(folder.c_str()) != 0)
            _exit(120);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(121);
    }
    // The program runs until it is stopped: watch its current folder until it has left the one
    // it was started in, or it ends.
    const std::string procCwd = "/proc/" + std::to_string(child) + "/cwd";
    const fs::path wanted = fs::canonical(GameDir);
    fs::path seen;
    int status = 0;
    bool ended = false;
    for (int i = 0; i < 1000 && !ended; ++i) {
        std::error_code ec;
        seen = fs::read_symlink(procCwd, ec);
        if (!ec && seen == wanted)
            break;
        ended = waitpid(child, &status, WNOHANG) == child;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!ended) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    EXPECT_FALSE(ended) << "the program ended by itself with status " << WEXITSTATUS(status);
    EXPECT_EQ(seen, wanted);
}

// Saving flushes the file and then, after the rename, its folder to the disk: the C library's fsync
// is wrapped in this test program to see which files and folders were flushed, and in what order.
#include "rules/Rules.h"
#include "rules/SavedGame.h"
#include "support/SmallBoards.h"
#include "support/TempDir.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// What each fsync of this program flushed, by the path of its descriptor.
std::vector<std::string>& Flushed()
{
    static std::vector<std::string> paths;
    return paths;
}

std::string PathOf(int fd)
{
    char buffer[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = ::readlink(link.c_str(), buffer, sizeof(buffer) - 1);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

} // namespace

extern "C" int fsync(int fd)
{
    using Fsync = int (*)(int);
    static const auto real = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
    Flushed().push_back(PathOf(fd));
    return real(fd);
}

TEST(SavedGameFlushTest, SavingFlushesTheFileThenItsFolder)
{
    Board board = SmallBoardA();
    GameState state;
    Random random(3);
    QuietRulesHost host;
    Rules rules(state, board, random, host);
    rules.StartGame(GameSetup{});
    TempDir dir;
    const std::filesystem::path folder = std::filesystem::canonical(dir.Path) / "SAVES";
    const std::filesystem::path file = folder / "game.sav";
    Flushed().clear();
    const SavedGameResult saved = SaveGame(file, state, board, random);
    ASSERT_TRUE(saved.Ok) << saved.Reason;
    // The file's bytes before the rename, then the folder that holds the new name.
    ASSERT_EQ(Flushed().size(), 2u);
    EXPECT_EQ(Flushed()[0].rfind(file.string() + ".tmp", 0), 0u) << Flushed()[0];
    EXPECT_EQ(Flushed()[1], folder.string());
}

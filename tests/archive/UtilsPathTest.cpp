// Listing the files of a folder by extension, as the set-up dialogs list boards and saved games.
#include "archive/UtilsPath.h"

#include "support/TempDir.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(FileNamesWithExtension, OnlyRegularFilesOfTheExtensionInAnyCaseSortedWithoutRegardToCase)
{
    TempDir dir;
    dir.WriteText("game2.sav", "x");
    dir.WriteText("Game10.SAV", "x");
    dir.WriteText("alpha.sav", "x");
    dir.WriteText("Zoë.sav", "x");
    dir.WriteText("notes.txt", "x");
    dir.WriteText("sav", "x");             // no extension at all
    dir.WriteText(".sav", "x");            // nothing before it
    dir.WriteText("archive.sav.bak", "x"); // another extension
    dir.WriteText("twice.sav.sav", "x");   // only the last one is taken off
    std::filesystem::create_directory(dir.Path / "folder.sav");
    EXPECT_THAT(FileNamesWithExtension(dir.Path.string(), "sav"),
                ElementsAre("alpha", "Game10", "game2", "twice.sav", "Zoë"));
    EXPECT_THAT(FileNamesWithExtension(dir.Path.string(), "txt"), ElementsAre("notes"));
    EXPECT_THAT(FileNamesWithExtension((dir.Path / "missing").string(), "sav"), IsEmpty());
}

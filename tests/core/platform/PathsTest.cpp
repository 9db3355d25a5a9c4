#include "core/platform/Paths.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace lettrava;
using lettrava::test::TempDir;
namespace fs = std::filesystem;

// An installed program lives in PREFIX/games with its data in
// PREFIX/share/lettrava; a package may be unpacked under any prefix.
TEST(PathsInstalledData, FoundBesideTheExecutableUnderAnyPrefix)
{
    TempDir root;
    fs::create_directories(root / "opt/games");
    fs::create_directories(root / "opt/share/lettrava/dict");

    const fs::path found = Paths::installedDataFolder(root / "opt/games");
    std::error_code ec;
    EXPECT_TRUE(fs::equivalent(found, root / "opt/share/lettrava", ec)) << found;
    EXPECT_EQ(found, found.lexically_normal()) << "no .. left in the path";
}

TEST(PathsInstalledData, WithoutTheRelativeFolderTheBuiltInFolderIsUsed)
{
    TempDir root;
    fs::create_directories(root / "games");
    const fs::path found = Paths::installedDataFolder(root / "games");
    EXPECT_TRUE(found.is_absolute()) << found;
    EXPECT_NE(found.string().find("lettrava"), std::string::npos) << found;
    EXPECT_EQ(found.string().find(root.path().string()), std::string::npos) << found;
    EXPECT_EQ(Paths::installedDataFolder({}), found);
}

TEST(PathsInstalledProgram, ExecutableFolderWithoutDataIsAnInstalledProgram)
{
    TempDir root;
    fs::create_directories(root / "games");
    EXPECT_TRUE(Paths::isInstalledProgramFolder(root / "games", root / "games"));
    // The same folder spelt differently is still the same folder.
    EXPECT_TRUE(Paths::isInstalledProgramFolder(root / "games/.", root / "games"));
}

TEST(PathsInstalledProgram, BuildTreesHomesAndOtherFoldersAreNot)
{
    TempDir root;
    fs::create_directories(root / "bin/dict");
    fs::create_directories(root / "games");
    fs::create_directories(root / "home");
    // A build tree or unpacked copy: the data sits beside the executable.
    EXPECT_FALSE(Paths::isInstalledProgramFolder(root / "bin", root / "bin"));
    // A program folder other than the executable's own.
    EXPECT_FALSE(Paths::isInstalledProgramFolder(root / "home", root / "games"));
    // Folders that do not exist, or are not known.
    EXPECT_FALSE(Paths::isInstalledProgramFolder(root / "missing", root / "missing"));
    EXPECT_FALSE(Paths::isInstalledProgramFolder({}, root / "games"));
    EXPECT_FALSE(Paths::isInstalledProgramFolder(root / "games", {}));
}

// The test programs run from the build tree's program folder, which holds
// dict/: their writable files stay in a writable program folder.
TEST(PathsWritableFile, AWritableProgramFolderOfItsOwnKeepsTheFiles)
{
    TempDir home;
    const fs::path previous = Paths::programFolder();
    Paths::setProgramFolder(home.path());
    const fs::path file = Paths::writableFile("LTPlayers.dat");
    Paths::setProgramFolder(previous);
    EXPECT_EQ(file, home.path() / "LTPlayers.dat");
}

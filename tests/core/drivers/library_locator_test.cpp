#include "core/drivers/library_locator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "support/temp_folder.h"

namespace varden::testing {
namespace {

TEST(LibraryLocatorTest, TheFirstFolderHoldingTheFileWins) {
    TempFolder root;
    std::filesystem::create_directories(root.Path() / "first");
    std::filesystem::create_directories(root.Path() / "second");
    std::ofstream(root / "second/Tarsa-Comm.dll") << "x";
    const std::vector<std::string> folders{root / "first", root / "second"};

    EXPECT_EQ(LocateLibrary("Tarsa-Comm.dll", folders), root / "second/Tarsa-Comm.dll");
    std::ofstream(root / "first/Tarsa-Comm.dll") << "x";
    EXPECT_EQ(LocateLibrary("Tarsa-Comm.dll", folders), root / "first/Tarsa-Comm.dll");
    EXPECT_EQ(LocateLibrary("VardenComm.dll", folders), std::nullopt);
    // A folder of that name is not a library.
    std::filesystem::create_directories(root.Path() / "first/VardenComm.dll");
    EXPECT_EQ(LocateLibrary("VardenComm.dll", folders), std::nullopt);
}

TEST(LibraryLocatorTest, SearchPathIsTheProgramsFolderThenLdLibraryPathThenTheSystem) {
    const char* saved = std::getenv("LD_LIBRARY_PATH");
    const std::string previous = saved != nullptr ? saved : "";
    setenv("LD_LIBRARY_PATH", "/opt/a::/opt/b", 1);
    const std::vector<std::string> path = DefaultLibrarySearchPath();
    saved != nullptr ? setenv("LD_LIBRARY_PATH", previous.c_str(), 1)
                     : unsetenv("LD_LIBRARY_PATH");

    ASSERT_GE(path.size(), 5u);
    EXPECT_EQ(path[0], ExecutableDirectory());
    EXPECT_EQ(std::vector<std::string>(path.begin() + 1, path.begin() + 4),
              (std::vector<std::string>{"/opt/a", ".", "/opt/b"}));
    EXPECT_EQ(path[4], "/lib/x86_64-linux-gnu");
}

}  // namespace
}  // namespace varden::testing

#include "core/common/folder_argument.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace kolvane {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

TEST(FolderArgument, ChoosesTheProgramsFolderOrTheOneExistingFolderGiven) {
  ScratchFolder scratch;
  std::filesystem::create_directory(scratch.File("column"));
  WriteBytes(scratch.File("main.dat"), "");
  const std::string programFolder = "/opt/kolvane";

  const FolderChoice none = ChooseWorkingFolder({}, programFolder);
  EXPECT_TRUE(none.ok);
  EXPECT_EQ(none.folder, programFolder);

  const FolderChoice given = ChooseWorkingFolder({scratch.File("column") + "/"}, programFolder);
  EXPECT_TRUE(given.ok);
  EXPECT_EQ(given.folder, scratch.File("column"));

  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(scratch.Path());
  const FolderChoice relative = ChooseWorkingFolder({"./column/../column"}, programFolder);
  std::filesystem::current_path(before);
  EXPECT_TRUE(relative.ok);
  EXPECT_EQ(relative.folder, scratch.File("column"));  // absolute, so messages name it in full

  const struct {
    const char* name;
    std::vector<std::string> arguments;
    std::string error;
  } refused[] = {
      {"a missing folder", {scratch.File("nothing")}, scratch.File("nothing") + " is not an existing folder"},
      {"a file", {scratch.File("main.dat")}, scratch.File("main.dat") + " is not an existing folder"},
      {"two folders", {scratch.Path(), scratch.Path()}, "too many arguments: give at most one working folder"},
      {"an option", {"--verbose"}, "unknown option --verbose (a folder of that name can be given as ./--verbose)"},
  };
  for (const auto& r : refused) {
    const FolderChoice choice = ChooseWorkingFolder(r.arguments, programFolder);
    EXPECT_FALSE(choice.ok) << r.name;
    EXPECT_EQ(choice.error, r.error) << r.name;
  }
}

TEST(FolderArgument, HelpWhereverItStands) {
  EXPECT_TRUE(AsksForHelp({"--help"}));
  EXPECT_TRUE(AsksForHelp({"/tmp", "-h"}));
  EXPECT_FALSE(AsksForHelp({"/tmp"}));
  EXPECT_FALSE(AsksForHelp({"--helpful"}));
  EXPECT_NE(UsageText("kolvane").find("Usage: kolvane [FOLDER]"), std::string::npos);
}

}  // namespace
}  // namespace kolvane

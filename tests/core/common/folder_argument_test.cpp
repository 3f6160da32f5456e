#include "core/common/folder_argument.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/support/test_support.h"

namespace kolvane {

TEST(FolderArgument, ChoosesTheProgramsFolderOrTheOneExistingFolderGiven) {
  ScratchFolder scratch;
  std::filesystem::create_directory(scratch.File("column"));
  WriteBytes(scratch.File("main.dat"), "");
  EXPECT_EQ(ChooseWorkingFolder({}, "/opt/kolvane").Folder, "/opt/kolvane");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(scratch.Path());
  const FolderChoice relative = ChooseWorkingFolder({"./column/../column/"}, "/opt/kolvane");
  std::filesystem::current_path(before);
  EXPECT_TRUE(relative.Ok);
  EXPECT_EQ(relative.Folder, scratch.File("column"));  // absolute, so messages name it in full
  const std::pair<std::vector<std::string>, std::string> refused[] = {
      {{scratch.File("main.dat")}, scratch.File("main.dat") + " is not an existing folder"},
      {{scratch.Path(), scratch.Path()}, "too many arguments: give at most one working folder"},
      {{"--verbose"}, "unknown option --verbose (a folder of that name can be given as ./--verbose)"}};
  for (const auto& [arguments, error] : refused) {
    const FolderChoice choice = ChooseWorkingFolder(arguments, "/opt/kolvane");
    EXPECT_FALSE(choice.Ok) << error;
    EXPECT_EQ(choice.Error, error);
  }
  EXPECT_TRUE(AsksForHelp({"/tmp", "-h"}));
  EXPECT_FALSE(AsksForHelp({"--helpful"}));
}

}  // namespace kolvane

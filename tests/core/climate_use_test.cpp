#include "core/climate/climate_use.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace kolvane {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

// A climate is listed once, by the name its sets share, when at least one
// month's set of all five diagrams is there.
TEST(ClimateUse, ListsTheNamesOfTheCompleteSetsOnce) {
  ScratchFolder folder;
  const struct {
    const char* set;
    int kinds;  // files .dg1 to .dg<kinds>
  } files[] = {{"Turin-07", 5}, {"Turin-08", 5}, {"Rome-03", 4}, {"Oslo-13", 5},
               {"Oslo-00", 5},  {"Bern-7", 5},   {"summer", 5},  {"a-b-12", 5}};
  for (const auto& file : files)
    for (int kind = 1; kind <= file.kinds; ++kind)
      WriteBytes(folder.File(std::string(file.set) + ".dg" + std::to_string(kind)), "");
  EXPECT_EQ(ListClimateNames(Workspace(folder.Path())), (std::vector<std::string>{"a-b", "Turin"}));  // as listed
}

}  // namespace
}  // namespace kolvane

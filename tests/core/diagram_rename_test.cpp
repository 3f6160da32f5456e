#include "core/diagrams/diagram_rename.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kolvane {
namespace {

TEST(DiagramRename, AsksOnlyWhenANewNameMatchesAnotherListedDiagram) {
  const std::vector<std::string> listed = {"April", "June", "july"};
  EXPECT_TRUE(RenameOverwritesAnother("July", "June", listed));     // another diagram, case aside
  EXPECT_TRUE(RenameOverwritesAnother("april", "", listed));        // a new diagram onto an old one
  EXPECT_FALSE(RenameOverwritesAnother("JUNE", "June", listed));    // its own name in another case
  EXPECT_FALSE(RenameOverwritesAnother("August", "June", listed));  // a free name
  EXPECT_FALSE(RenameOverwritesAnother("Jun", "June", listed));     // a prefix is another name
}

}  // namespace
}  // namespace kolvane

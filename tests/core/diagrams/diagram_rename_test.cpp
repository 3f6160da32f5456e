#include "core/diagrams/diagram_rename.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kolvane {

TEST(DiagramRename, AsksOnlyWhenAnotherDiagramHasExactlyTheNewName) {
  const std::vector<std::string> listed = {"April", "June", "july", "test1", "winter"};
  const struct {
    const char* Proposed;
    const char* Current;
    bool Overwrites;
  } cases[] = {
      {"april", "", false},        // a new diagram beside one that differs in case: a file of its own
      {"April", "", true},         // a new diagram onto an old one
      {"Winter", "test1", false},  // renamed beside "winter": creates "Winter"
      {"winter", "test1", true},   // renamed onto "winter"
      {"JUNE", "June", false},     // its own name in another case: a rename
  };
  for (const auto& c : cases)
    EXPECT_EQ(RenameOverwritesAnother(c.Proposed, c.Current, listed), c.Overwrites)
        << c.Proposed << " from '" << c.Current << "'";
}

}  // namespace kolvane

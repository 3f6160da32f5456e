#include "core/diagrams/diagram_name.h"

#include <gtest/gtest.h>

#include <string>

namespace kolvane {

TEST(DiagramName, RefusesNamesThatCannotBeAFileInTheWorkingFolder) {
  // clang-format off
  const std::pair<std::string, bool> cases[] = {
      {"June", true}, {"  clear summer day ", true}, {"summer.2024", true}, {"M\u00E4rz", true}, {"...", true},
      {std::string(247, 'a'), true}, {std::string(248, 'a'), false}, {"a\\b", false}, {"../main", false},
      {"/", false}, {"a:b", false}, {"a*", false}, {"a?", false}, {"<a>", false}, {"a|b", false}, {"\"a\"", false},
      {".", false}, {"..", false}, {" .. ", false}, {"", false}, {"   ", false}, {"a\nb", false}, {"a\tb", false},
      {"a\r", false}, {"a\xff", false}};
  // clang-format on
  for (const auto& [name, valid] : cases) EXPECT_EQ(IsValidDiagramName(name), valid) << name;
  EXPECT_EQ(TrimmedDiagramName("  clear summer day "), "clear summer day");
  // An existing diagram keeps its own name, whatever rule it was made under; a new one is always checked.
  const struct {
    const char *Name, *Original;
    bool Accepted;
  } kept[] = {{"a:b", "a:b", true},  {" a:b ", "a:b", true}, {"a\xff", "a\xff", true}, {"a:c", "a:b", false},
              {"fine", "a:b", true}, {"a:b", "", false},     {"   ", "   ", false}};
  for (const auto& c : kept) EXPECT_EQ(IsAcceptedDiagramName(c.Name, c.Original), c.Accepted) << c.Name;
}

}  // namespace kolvane

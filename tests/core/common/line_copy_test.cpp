#include "core/common/line_copy.h"

#include <gtest/gtest.h>

namespace kolvane {

TEST(LineCopy, ChosenLinesOnceInListOrderAndNotMoreThanASheet) {
  const auto numbered = [](std::int64_t index) { return "line " + std::to_string(index); };
  const std::pair<std::vector<LineRange>, std::string> cases[] = {
      {{{2, 2}}, "line 2"},                                                // one line: no line end
      {{{5, 6}, {1, 1}}, "line 1\r\nline 5\r\nline 6"},                    // chosen last, listed first
      {{{1, 3}, {2, 4}, {4, 4}}, "line 1\r\nline 2\r\nline 3\r\nline 4"},  // overlaps once
      {{{6, 12}, {-3, 0}}, "line 0\r\nline 6\r\nline 7"},                  // outside the list: left out
      {{{3, 2}}, "line 2\r\nline 3"}};                                     // either way round
  for (const auto& [ranges, text] : cases) EXPECT_EQ(CopyLines(ranges, 8, numbered).Text, text);

  std::int64_t made = 0;
  const auto line = [&made](std::int64_t) {
    ++made;
    return std::string("x");
  };
  const CopiedLines atLimit = CopyLines({{0, kMaxCopiedLines - 1}}, 3'000'000, line);
  EXPECT_FALSE(atLimit.Refused);
  EXPECT_EQ(atLimit.Text.size(), static_cast<std::size_t>(3 * kMaxCopiedLines - 2));
  made = 0;
  const CopiedLines over = CopyLines({{0, 9}, {100, 100 + kMaxCopiedLines - 10}}, 3'000'000, line);
  EXPECT_TRUE(over.Refused);
  EXPECT_EQ(made, 0);  // refused before any line is made
  EXPECT_EQ(over.Message,
            "The 1048577 lines chosen are too many to copy: at most 1048576 lines can be copied at once. "
            "Save Report writes the whole report to a file.");
}

}  // namespace kolvane

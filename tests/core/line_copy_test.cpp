// Lines of a results list copied as text, and what Save Report says.
#include "core/common/line_copy.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/common/report_file.h"

namespace kolvane {
namespace {

std::string Numbered(std::int64_t index) { return "line " + std::to_string(index); }

TEST(LineCopy, ChosenLinesOnceInListOrderWithCrLfBetween) {
  struct Case {
    std::vector<LineRange> ranges;
    std::string text;
  } const cases[] = {
      {{{2, 2}}, "line 2"},  // one line: no line end
      {{{0, 2}}, "line 0\r\nline 1\r\nline 2"},
      {{{5, 6}, {1, 1}}, "line 1\r\nline 5\r\nline 6"},                    // chosen last, listed first
      {{{1, 3}, {2, 4}, {4, 4}}, "line 1\r\nline 2\r\nline 3\r\nline 4"},  // overlaps once
      {{{6, 12}, {-3, 0}}, "line 0\r\nline 6\r\nline 7"},                  // outside the list: left out
      {{{3, 2}}, "line 2\r\nline 3"},                                      // either way round
      {{}, ""},
      {{{9, 12}}, ""},
  };
  for (const Case& c : cases) {
    const CopiedLines copied = CopyLines(c.ranges, 8, Numbered);
    EXPECT_FALSE(copied.Refused);
    EXPECT_EQ(copied.Text, c.text);
  }
}

TEST(LineCopy, MoreThanASheetOfLinesIsRefusedBeforeAnyIsMade) {
  std::int64_t made = 0;
  auto line = [&made](std::int64_t) {
    ++made;
    return std::string("x");
  };
  const CopiedLines atLimit = CopyLines({{0, kMaxCopiedLines - 1}}, 3'000'000, line);
  EXPECT_FALSE(atLimit.Refused);
  EXPECT_EQ(made, kMaxCopiedLines);
  EXPECT_EQ(atLimit.Text.size(), static_cast<std::size_t>(3 * kMaxCopiedLines - 2));

  made = 0;
  // Two ranges that together pass the limit by one line.
  const CopiedLines over = CopyLines({{0, 9}, {100, 100 + kMaxCopiedLines - 10}}, 3'000'000, line);
  EXPECT_TRUE(over.Refused);
  EXPECT_EQ(made, 0);
  EXPECT_TRUE(over.Text.empty());
  EXPECT_EQ(over.Message,
            "The 1048577 lines chosen are too many to copy: at most 1048576 lines can be copied at once. "
            "Save Report writes the whole report to a file.");
}

TEST(ReportMessages, SaidWithTheFullPathOfTheFile) {
  EXPECT_EQ(ReportSavedMessage("Creep.txt", "/home/ann/tower/Creep.txt"),
            "Creep.txt was saved successfully.\r\n/home/ann/tower/Creep.txt");
  EXPECT_EQ(ReportNotSavedMessage("Elastic.txt", "/home/ann/tower/Elastic.txt", "Permission denied"),
            "Elastic.txt could not be saved: Permission denied\r\n/home/ann/tower/Elastic.txt");
  // A folder named from where the program started is shown from the root.
  const std::string full = (std::filesystem::current_path() / "tower" / "Creep.txt").lexically_normal().string();
  EXPECT_EQ(ReportSavedMessage("Creep.txt", "./tower/Creep.txt"), "Creep.txt was saved successfully.\r\n" + full);
}

}  // namespace
}  // namespace kolvane

#pragma once
// Lines of a results list copied as text for other programs: in list order,
// separated by CR LF as the reports are.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kolvane {

// Lines First to Last of a list, both included, counted from 0.
struct LineRange {
  std::int64_t First = 0;
  std::int64_t Last = 0;
};

// The most lines copied at once: as many as a spreadsheet's sheet has rows.
// More would not paste anywhere useful, and making a million lines takes
// about a second while the window waits; Save Report writes any number.
inline constexpr std::int64_t kMaxCopiedLines = 1'048'576;

struct CopiedLines {
  bool Refused = false;
  std::string Text;     // UTF-8, no line end after the last line
  std::string Message;  // why a refused copy was refused, for an "Error"
};

// The lines of `ranges` among `lineCount` lines, each once however the ranges
// overlap or are ordered, read from `line`. More than kMaxCopiedLines are
// refused before any is made.
CopiedLines CopyLines(std::vector<LineRange> ranges, std::int64_t lineCount,
                      const std::function<std::string(std::int64_t index)>& line);

}  // namespace kolvane

#include "core/common/line_copy.h"

#include <algorithm>

#include "core/common/number_text.h"

namespace kolvane {

namespace {

// Sorted, inside 0..lineCount - 1, overlapping and touching ranges joined.
std::vector<LineRange> Disjoint(std::vector<LineRange> ranges, std::int64_t lineCount) {
  std::vector<LineRange> kept;
  for (LineRange range : ranges) {
    if (range.First > range.Last) std::swap(range.First, range.Last);
    range.First = std::max<std::int64_t>(range.First, 0);
    range.Last = std::min(range.Last, lineCount - 1);
    if (range.First <= range.Last) kept.push_back(range);
  }
  std::sort(kept.begin(), kept.end(), [](const LineRange& a, const LineRange& b) { return a.First < b.First; });
  std::vector<LineRange> joined;
  for (const LineRange& range : kept) {
    if (!joined.empty() && range.First <= joined.back().Last + 1)
      joined.back().Last = std::max(joined.back().Last, range.Last);
    else
      joined.push_back(range);
  }
  return joined;
}

}  // namespace

CopiedLines CopyLines(std::vector<LineRange> ranges, std::int64_t lineCount,
                      const std::function<std::string(std::int64_t index)>& line) {
  const std::vector<LineRange> chosen = Disjoint(std::move(ranges), lineCount);
  std::int64_t count = 0;
  for (const LineRange& range : chosen) count += range.Last - range.First + 1;
  CopiedLines copied;
  if (count > kMaxCopiedLines) {
    copied.Refused = true;
    copied.Message = "The " + NumberText(static_cast<double>(count)) + " lines chosen are too many to copy: at most " +
                     NumberText(static_cast<double>(kMaxCopiedLines)) +
                     " lines can be copied at once. Save Report writes the whole report to a file.";
    return copied;
  }
  bool first = true;
  for (const LineRange& range : chosen)
    for (std::int64_t index = range.First; index <= range.Last; ++index) {
      if (!first) copied.Text.append("\r\n");
      first = false;
      copied.Text.append(line(index));
    }
  return copied;
}

}  // namespace kolvane

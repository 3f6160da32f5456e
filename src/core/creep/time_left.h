#pragma once
// How long a running creep solution still needs, judged from the days done so
// far: days of one run take about the same time, so the pace holds.

#include <cstdint>
#include <string>

namespace kolvane {

// "About 2 min 05 s left", "About 1 h 20 min left", "Less than a second left";
// empty until a day is done and time has passed, when there is no pace yet.
std::string TimeLeftText(double elapsedSeconds, std::int64_t daysDone, std::int64_t dayCount);

}  // namespace kolvane

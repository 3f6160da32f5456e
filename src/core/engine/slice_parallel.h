#pragma once
// Slices are independent within a stage, so long stages spread them over the
// machine's cores. Each slice is still computed exactly as alone, so results
// do not depend on the number of threads.

#include <cstdint>
#include <functional>

namespace kolvane {

// Calls work(first, last) for disjoint ranges of slices [first, last] that
// together cover 1..sliceCount, on up to `threads` threads (0: one per core).
// Falls back to the calling thread alone if no thread can be started.
void ForSliceRanges(std::int32_t sliceCount, unsigned threads,
                    const std::function<void(std::int32_t first, std::int32_t last)>& work);

}  // namespace kolvane

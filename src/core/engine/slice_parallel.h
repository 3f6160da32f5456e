#pragma once
// Slices are independent within a stage, so long stages spread them over the
// machine's cores. Each slice is still computed exactly as alone, so results
// do not depend on the number of threads.

#include <cstdint>
#include <functional>

namespace kolvane {

// The cores this process may run on (its affinity, which taskset and container
// limits narrow), at least 1.
unsigned UsableCores();

// Calls work(first, last) for disjoint ranges of slices [first, last] that
// together cover 1..sliceCount, on up to `threads` threads (0: one per usable
// core); the calling thread takes the last range. The helper threads are kept
// between calls; a call that cannot have them (from inside a range, or while
// another thread's call holds them) starts threads of its own, and without any
// thread to be had the calling thread does all. Returns when every range is
// done; an exception thrown by a range is then thrown here (the first, if
// several threw).
void ForSliceRanges(std::int32_t sliceCount, unsigned threads,
                    const std::function<void(std::int32_t first, std::int32_t last)>& work);

}  // namespace kolvane

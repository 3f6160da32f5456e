#include "core/engine/slice_parallel.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace kolvane {

void ForSliceRanges(std::int32_t sliceCount, unsigned threads,
                    const std::function<void(std::int32_t, std::int32_t)>& work) {
  if (sliceCount <= 0) return;
  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
  threads = std::min<unsigned>(threads, static_cast<unsigned>(sliceCount));

  std::vector<std::thread> started;
  std::int32_t next = 1;
  for (unsigned t = 0; t < threads; ++t) {
    const std::int32_t share = (sliceCount - next + 1) / static_cast<std::int32_t>(threads - t);
    const std::int32_t first = next;
    const std::int32_t last = first + share - 1;
    next = last + 1;
    if (t + 1 == threads) {
      work(first, last);  // the calling thread takes the last share
      break;
    }
    try {
      started.emplace_back(work, first, last);
    } catch (...) {
      work(first, sliceCount);  // no thread to be had: the rest here
      break;
    }
  }
  for (auto& thread : started) thread.join();
}

}  // namespace kolvane

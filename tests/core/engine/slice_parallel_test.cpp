#include "core/engine/slice_parallel.h"

#include <gtest/gtest.h>

#include <sched.h>
#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

namespace kolvane {
namespace {

// Every slice once, also when a range spreads slices of its own (the kept
// threads are busy then) and after a range threw: the exception reaches the
// caller once every range is done, instead of ending the program.
TEST(SliceRanges, EverySliceOnceNestedCallsAndFailuresComeBack) {
  for (unsigned threads : {1u, 2u, 3u, 7u}) {
    for (std::int32_t slices : {1, 5, 64}) {
      SCOPED_TRACE(::testing::Message() << threads << " threads, " << slices << " slices");
      std::vector<std::atomic<int>> visits(static_cast<std::size_t>(slices) * 3);
      ForSliceRanges(slices, threads, [&](std::int32_t first, std::int32_t last) {
        ForSliceRanges(3, threads, [&](std::int32_t from, std::int32_t to) {
          for (std::int32_t k = first; k <= last; ++k)
            for (std::int32_t part = from; part <= to; ++part)
              ++visits[static_cast<std::size_t>((k - 1) * 3 + part - 1)];
        });
      });
      for (const auto& count : visits) EXPECT_EQ(count, 1);

      std::atomic<int> done{0};
      EXPECT_THROW(ForSliceRanges(slices, threads,
                                  [&](std::int32_t first, std::int32_t last) {
                                    if (first == 1) throw std::runtime_error("range failed");
                                    done += last - first + 1;
                                  }),
                   std::runtime_error);
      EXPECT_EQ(done + slices / static_cast<std::int32_t>(std::min<unsigned>(threads, slices)), slices);
    }
  }
}

// The cores follow the process's affinity (taskset, a container's cpuset).
TEST(SliceRanges, ThreadsFollowTheCoresTheProcessMayUse) {
  cpu_set_t all, one;
  ASSERT_EQ(sched_getaffinity(0, sizeof all, &all), 0);
  EXPECT_EQ(UsableCores(), static_cast<unsigned>(CPU_COUNT(&all)));
  CPU_ZERO(&one);
  for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
    if (CPU_ISSET(cpu, &all)) {
      CPU_SET(cpu, &one);
      break;
    }
  ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
  std::mutex mutex;
  std::set<std::thread::id> used;
  ForSliceRanges(16, 0, [&](std::int32_t, std::int32_t) {
    const std::lock_guard lock(mutex);
    used.insert(std::this_thread::get_id());
  });
  const unsigned cores = UsableCores();
  sched_setaffinity(0, sizeof all, &all);
  EXPECT_EQ(cores, 1u);
  EXPECT_EQ(used, std::set<std::thread::id>{std::this_thread::get_id()});
}

}  // namespace
}  // namespace kolvane

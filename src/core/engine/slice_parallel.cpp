#include "core/engine/slice_parallel.h"

#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace kolvane {

namespace {

using SliceWork = std::function<void(std::int32_t, std::int32_t)>;

struct SliceRange {
  std::int32_t First, Last;
};

// 1..sliceCount in `threads` ranges as even as whole slices allow.
std::vector<SliceRange> SplitSlices(std::int32_t sliceCount, unsigned threads) {
  std::vector<SliceRange> ranges;
  std::int32_t next = 1;
  for (unsigned t = 0; t < threads; ++t) {
    const std::int32_t share = (sliceCount - next + 1) / static_cast<std::int32_t>(threads - t);
    ranges.push_back({next, next + share - 1});
    next += share;
  }
  return ranges;
}

// Runs ranges and keeps the first exception one of them throws, to be thrown
// on the calling thread once every range is done: an exception must not
// leave a thread (that would end the program).
class RangeRunner {
 public:
  explicit RangeRunner(const SliceWork& work) : work_(work) {}

  void Run(SliceRange range) noexcept {
    try {
      work_(range.First, range.Last);
    } catch (...) {
      const std::lock_guard lock(mutex_);
      if (!failure_) failure_ = std::current_exception();
    }
  }

  void RethrowFailure() const {
    if (failure_) std::rethrow_exception(failure_);
  }

 private:
  const SliceWork& work_;
  std::mutex mutex_;
  std::exception_ptr failure_;
};

// Set on the pool's threads, and on a thread while its call holds the pool:
// a call from there must not wait for the pool it is part of.
thread_local bool tHoldsPool = false;

// Threads kept between calls: starting them costs tens of microseconds, and
// the creep run spreads its work over the cores several times a day.
class SlicePool {
 public:
  // Runs every range but the last on kept threads and the last on the calling
  // thread; false, without running anything, when the pool cannot be had.
  bool TryRun(const std::vector<SliceRange>& ranges, RangeRunner& runner) {
    // In a forked child the kept threads do not exist.
    if (tHoldsPool || getpid() != owner_) return false;
    std::unique_lock use(use_, std::try_to_lock);
    if (!use.owns_lock() || !KeepThreads(ranges.size() - 1)) return false;
    tHoldsPool = true;
    {
      const std::lock_guard lock(mutex_);
      ranges_ = &ranges;
      runner_ = &runner;
      helpers_ = pending_ = ranges.size() - 1;
      ++generation_;
    }
    wake_.notify_all();
    runner.Run(ranges.back());
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return pending_ == 0; });
    helpers_ = 0;  // a thread that wakes only now has nothing to do
    tHoldsPool = false;
    return true;
  }

 private:
  static constexpr std::size_t kMostKeptThreads = 256;

  bool KeepThreads(std::size_t count) {
    if (count > kMostKeptThreads) return false;
    try {
      while (threads_.size() < count) {
        std::uint64_t current;
        {
          const std::lock_guard lock(mutex_);
          current = generation_;
        }
        threads_.emplace_back(&SlicePool::Serve, this, threads_.size(), current);
      }
    } catch (const std::system_error&) {
      return false;
    }
    return true;
  }

  // Thread `index` runs range `index` of every call that has one.
  void Serve(std::size_t index, std::uint64_t seen) {
    tHoldsPool = true;
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return generation_ != seen; });
      seen = generation_;
      if (index >= helpers_) continue;  // this call needs fewer threads
      const SliceRange range = (*ranges_)[index];
      RangeRunner& runner = *runner_;
      lock.unlock();
      runner.Run(range);
      lock.lock();
      if (--pending_ == 0) done_.notify_one();
    }
  }

  const pid_t owner_ = getpid();
  std::mutex use_;  // held by the call that has the pool
  std::vector<std::thread> threads_;
  std::mutex mutex_;  // guards what follows
  std::condition_variable wake_, done_;
  std::uint64_t generation_ = 0;  // one more for every call
  const std::vector<SliceRange>* ranges_ = nullptr;
  RangeRunner* runner_ = nullptr;
  std::size_t helpers_ = 0;  // kept threads the current call uses
  std::size_t pending_ = 0;  // kept threads still at their ranges
};

SlicePool& Pool() {
  // Never destroyed: its threads wait for work until the process ends, and
  // joining them at exit would hang a forked child, which has none of them.
  static SlicePool* pool = new SlicePool;
  return *pool;
}

// Threads of its own for every range but the last; the calling thread takes
// what no thread could be started for.
void RunOnNewThreads(const std::vector<SliceRange>& ranges, RangeRunner& runner) {
  std::vector<std::thread> started;
  std::size_t r = 0;
  for (; r + 1 < ranges.size(); ++r) {
    try {
      started.emplace_back(&RangeRunner::Run, &runner, ranges[r]);
    } catch (const std::system_error&) {
      break;
    }
  }
  for (; r < ranges.size(); ++r) runner.Run(ranges[r]);
  for (auto& thread : started) thread.join();
}

}  // namespace

unsigned UsableCores() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0) return static_cast<unsigned>(std::max(1, CPU_COUNT(&set)));
  return std::max(1u, std::thread::hardware_concurrency());  // more processors than a cpu_set_t holds
}

void ForSliceRanges(std::int32_t sliceCount, unsigned threads, const SliceWork& work) {
  if (sliceCount <= 0) return;
  if (threads == 0) threads = UsableCores();
  threads = std::min<unsigned>(threads, static_cast<unsigned>(sliceCount));
  if (threads == 1) {
    work(1, sliceCount);
    return;
  }
  const std::vector<SliceRange> ranges = SplitSlices(sliceCount, threads);
  RangeRunner runner(work);
  if (!Pool().TryRun(ranges, runner)) RunOnNewThreads(ranges, runner);
  runner.RethrowFailure();
}

}  // namespace kolvane

// The memory a run may count on: the least of what the machine, the cgroup and
// the process limits allow.
#include "core/common/memory.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include "core/support/test_support.h"

namespace kolvane {
namespace {

constexpr std::uint64_t kGB = 1ull << 30;

// Each row: the machine's free memory, the cgroup limits from the process's
// own up to the root, the address space limit and use, the data limit and use.
TEST(AvailableMemory, IsTheLeastOfEveryLimitThatIsSet) {
  const std::pair<MemoryReadings, std::uint64_t> cases[] = {
      // clang-format off
      {{}, 0}, {{8 * kGB, {"2147483648\n"}, {}, {}, {}, {}}, 2 * kGB}, {{8 * kGB, {"max"}, {}, {}, {}, {}}, 8 * kGB},
      {{8 * kGB, {"9223372036854771712"}, {}, {}, {}, {}}, 8 * kGB},
      {{8 * kGB, {"max", "4294967296", "1073741824"}, {}, {}, {}, {}}, kGB},  // a parent's limit is lower
      {{8 * kGB, {"", "garbage"}, {}, {}, {}, {}}, 8 * kGB}, {{{}, {"3221225472"}, {}, {}, {}, {}}, 3 * kGB},
      {{8 * kGB, {}, 6 * kGB, kGB, 3 * kGB, 2 * kGB}, kGB},
      {{8 * kGB, {}, kGB, 2 * kGB, {}, {}}, 1},  // a limit already used up leaves one byte, not "unknown"
      {{kGB, {"4294967296"}, 6 * kGB, kGB, {}, {}}, kGB}};
  // clang-format on
  for (const auto& [readings, expected] : cases) EXPECT_EQ(LeastAvailableMemory(readings), expected);
}

bool LimitAddressSpace(std::uint64_t bytes) {
  const struct rlimit limit { bytes, bytes };
  return ::setrlimit(RLIMIT_AS, &limit) == 0;
}

// In a child process, as under `ulimit -v 2000000`: the figure lies within
// the limit, and a limit just above what the process maps caps it, whatever
// the machine has free.
TEST(AvailableMemory, AnAddressSpaceLimitCapsTheFigure) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer maps terabytes of shadow memory: no address space limit can hold";
#endif
  constexpr std::uint64_t kLimit = 2000000ull * 1024;
  constexpr std::uint64_t kHeadroom = 64ull << 20;
  const std::string answer = testing::InChildProcess([] {
    if (!LimitAddressSpace(kLimit)) return std::string("could not set the limit");
    const std::uint64_t available = AvailableMemoryBytes();
    if (available == 0 || available > kLimit) return "available " + std::to_string(available) + " under the limit";
    const std::uint64_t used = ReadMemoryReadings().AddressSpaceUsed.value_or(0);
    if (used == 0 || !LimitAddressSpace(used + kHeadroom)) return std::string("could not lower the limit");
    const std::uint64_t capped = AvailableMemoryBytes();
    if (capped == 0 || capped > kHeadroom) return "available " + std::to_string(capped) + " above the headroom";
    return std::string("capped");
  });
  EXPECT_EQ(answer, "capped");
}

}  // namespace
}  // namespace kolvane

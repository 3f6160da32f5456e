#pragma once
// How much memory this process can still get. Large reads and allocations are
// checked against it up front, so that they are refused with a message
// instead of ending in a crash, a failed allocation part-way or a swap storm.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kolvane {

// What the system says about memory, as read (injected in tests).
struct MemoryReadings {
  std::optional<std::uint64_t> MachineAvailable;  // MemAvailable of /proc/meminfo
  // The texts of every memory.max (cgroup v2) or memory.limit_in_bytes (v1)
  // of the process's cgroup and its ancestors: a number of bytes, or "max"
  // for none.
  std::vector<std::string> CgroupLimits;
  // RLIMIT_AS and RLIMIT_DATA (nothing: unlimited) with the address space and
  // data the process already uses (VmSize, VmData).
  std::optional<std::uint64_t> AddressSpaceLimit, AddressSpaceUsed;
  std::optional<std::uint64_t> DataLimit, DataUsed;
};

// The least of the machine's available memory, the cgroup limits and what the
// process limits leave (limit minus what is already used, at least 1 byte);
// 0 when none of them can be told.
std::uint64_t LeastAvailableMemory(const MemoryReadings& readings);

MemoryReadings ReadMemoryReadings();

// LeastAvailableMemory of what the system says now.
unsigned long long AvailableMemoryBytes();

}  // namespace kolvane

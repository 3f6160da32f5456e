#include "core/common/memory.h"

#include <sys/resource.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace kolvane {
namespace {

// cgroup v1 writes "no limit" as a page-rounded 2^63 - 1.
constexpr std::uint64_t kNoLimitAbove = std::uint64_t{1} << 60;

std::optional<std::uint64_t> CgroupLimit(const std::string& text) {
  const std::size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string::npos || text.compare(start, 3, "max") == 0) return std::nullopt;
  if (text[start] < '0' || text[start] > '9') return std::nullopt;
  const std::uint64_t bytes = std::strtoull(text.c_str() + start, nullptr, 10);
  if (bytes >= kNoLimitAbove) return std::nullopt;
  return bytes;
}

// What a process limit leaves: never 0, which would read as "unknown".
std::optional<std::uint64_t> Headroom(const std::optional<std::uint64_t>& limit,
                                      const std::optional<std::uint64_t>& used) {
  if (!limit) return std::nullopt;
  const std::uint64_t inUse = used.value_or(0);
  return *limit > inUse ? *limit - inUse : 1;
}

std::optional<std::uint64_t> KilobytesAfter(const std::string& file, const std::string& key) {
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line))
    if (line.compare(0, key.size(), key) == 0) return std::strtoull(line.c_str() + key.size(), nullptr, 10) * 1024ULL;
  return std::nullopt;
}

std::optional<std::string> FileText(const std::string& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  std::string text;
  std::getline(in, text);
  return text;
}

bool NamesMemoryController(const std::string& controllers) {
  const std::string list = "," + controllers + ",";
  return list.find(",memory,") != std::string::npos;
}

// The limit file `name` under `mount` for the cgroup `path` and every cgroup
// above it: a parent's limit binds its children too.
void ReadLimitsUpTheTree(const std::string& mount, std::string path, const std::string& name,
                         std::vector<std::string>& limits) {
  while (true) {
    if (const auto text = FileText(mount + (path == "/" ? "" : path) + "/" + name)) limits.push_back(*text);
    const std::size_t slash = path.rfind('/');
    if (path.empty() || path == "/" || slash == std::string::npos) return;
    path.resize(slash);
  }
}

// The limits of the process's cgroup, for v2 (unified, possibly beside v1)
// and for v1's memory controller.
std::vector<std::string> ReadCgroupLimits() {
  std::vector<std::string> limits;
  std::ifstream cgroups("/proc/self/cgroup");
  std::string line;
  while (std::getline(cgroups, line)) {  // "hierarchy:controllers:path"
    const std::size_t first = line.find(':');
    const std::size_t second = first == std::string::npos ? first : line.find(':', first + 1);
    if (second == std::string::npos) continue;
    const std::string controllers = line.substr(first + 1, second - first - 1);
    const std::string path = line.substr(second + 1);
    if (controllers.empty()) {
      for (const char* mount : {"/sys/fs/cgroup", "/sys/fs/cgroup/unified"})
        ReadLimitsUpTheTree(mount, path, "memory.max", limits);
    } else if (NamesMemoryController(controllers)) {
      ReadLimitsUpTheTree("/sys/fs/cgroup/memory", path, "memory.limit_in_bytes", limits);
    }
  }
  return limits;
}

std::optional<std::uint64_t> ProcessLimit(int resource) {
  struct rlimit limit;
  if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
  return static_cast<std::uint64_t>(limit.rlim_cur);
}

}  // namespace

std::uint64_t LeastAvailableMemory(const MemoryReadings& readings) {
  std::optional<std::uint64_t> least = readings.MachineAvailable;
  auto take = [&least](const std::optional<std::uint64_t>& bytes) {
    if (bytes) least = least ? std::min(*least, *bytes) : *bytes;
  };
  for (const std::string& text : readings.CgroupLimits) take(CgroupLimit(text));
  take(Headroom(readings.AddressSpaceLimit, readings.AddressSpaceUsed));
  take(Headroom(readings.DataLimit, readings.DataUsed));
  return least.value_or(0);
}

MemoryReadings ReadMemoryReadings() {
  MemoryReadings readings;
  readings.MachineAvailable = KilobytesAfter("/proc/meminfo", "MemAvailable:");
  readings.CgroupLimits = ReadCgroupLimits();
  readings.AddressSpaceLimit = ProcessLimit(RLIMIT_AS);
  readings.DataLimit = ProcessLimit(RLIMIT_DATA);
  if (readings.AddressSpaceLimit) readings.AddressSpaceUsed = KilobytesAfter("/proc/self/status", "VmSize:");
  if (readings.DataLimit) readings.DataUsed = KilobytesAfter("/proc/self/status", "VmData:");
  return readings;
}

unsigned long long AvailableMemoryBytes() { return LeastAvailableMemory(ReadMemoryReadings()); }

}  // namespace kolvane

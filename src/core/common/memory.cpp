#include "core/common/memory.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace kolvane {

unsigned long long AvailableMemoryBytes() {
  std::ifstream meminfo("/proc/meminfo");
  std::string line;
  const std::string key = "MemAvailable:";
  while (std::getline(meminfo, line))
    if (line.compare(0, key.size(), key) == 0) return std::strtoull(line.c_str() + key.size(), nullptr, 10) * 1024ULL;  // in kB
  return 0;
}

}  // namespace kolvane

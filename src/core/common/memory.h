#pragma once

namespace kolvane {

// Bytes of memory the machine can still hand out (MemAvailable), or 0 when
// that cannot be told. Large reads and allocations are checked against it
// up front, so that they are refused with a message instead of ending in a
// crash or a swap storm.
unsigned long long AvailableMemoryBytes();

}  // namespace kolvane

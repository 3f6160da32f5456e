#pragma once
// Exit statuses of kolvane-batch.

namespace kolvane::batch {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;    // the report could not be written
inline constexpr int kExitRefused = 2;   // bad arguments, data, diagrams, report target or grid
inline constexpr int kExitDoubtful = 3;  // the report was written, but its results are not all finite or reliable
// Interrupted by a signal while the report was written: 128 + the signal
// (see interruption.h).

}  // namespace kolvane::batch

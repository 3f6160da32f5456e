#pragma once
// How a run ended, for the thermo-elastic and the creep run and the daily orbit alike.

namespace kolvane {

enum class RunEnd {
  Refused,    // an input check or the grid size: nothing ran; Message says why
  Completed,  // the results are there
  Cancelled,  // the caller's feedback said stop
  Stopped,    // a diagram could not be used (its incident was reported): ended as a cancel
};

}  // namespace kolvane

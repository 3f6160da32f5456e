#pragma once
// How a creep run walks through a day: equal steps from 0:00, each computed
// for its middle hour, and the step's interval in years since the start.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kolvane {

// The step lengths a creep run offers, in hours.
inline constexpr double kOfferedTimeSteps[] = {0.25, 0.5, 1, 2, 3, 4};
bool IsOfferedTimeStep(double hours);

// The offered steps as the lists and messages show them ("0.25", "0.5", "1"...).
std::vector<std::string> OfferedTimeStepTexts();
// All of them in one line, ", " between them and `lastJoint` before the last:
// "0.25, 0.5, 1, 2, 3 or 4" for " or ".
std::string OfferedTimeStepsText(std::string_view lastJoint);
// The same joining for any list of texts (the steps with a note on one).
std::string JoinedTexts(const std::vector<std::string>& texts, std::string_view lastJoint);

// The middle hour of every step of a day: T = 0, T + step, ... while
// T <= 24 - step, T accumulated by repeated addition; each hour is T + step / 2.
// Nothing for a step that is not positive.
std::vector<double> StepHoursOfDay(double timeStep);

// Start and end of the step around `hour` of day `dayNumber` (1 for the first
// day), in years of 8766 hours since 0:00 of the first day.
struct StepYears {
  double Start = 0;
  double End = 0;
};
StepYears YearsOfStep(std::int32_t dayNumber, double hour, double timeStep);

}  // namespace kolvane

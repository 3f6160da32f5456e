#include "core/creep/time_steps.h"

namespace kolvane {

bool IsOfferedTimeStep(double hours) {
  for (double offered : kOfferedTimeSteps)
    if (hours == offered) return true;
  return false;
}

std::vector<double> StepHoursOfDay(double timeStep) {
  std::vector<double> hours;
  if (!(timeStep > 0)) return hours;
  for (double t = 0; t <= 24 - timeStep; t = t + timeStep) hours.push_back(t + timeStep / 2);
  return hours;
}

StepYears YearsOfStep(std::int32_t dayNumber, double hour, double timeStep) {
  const double dayStart = static_cast<double>((dayNumber - 1) * 24);
  return {(dayStart + hour - timeStep / 2) / 8766, (dayStart + hour + timeStep / 2) / 8766};
}

}  // namespace kolvane

#include "core/creep/time_steps.h"

#include <sstream>

namespace kolvane {

bool IsOfferedTimeStep(double hours) {
  for (double offered : kOfferedTimeSteps)
    if (hours == offered) return true;
  return false;
}

std::vector<std::string> OfferedTimeStepTexts() {
  std::vector<std::string> texts;
  for (double step : kOfferedTimeSteps) {
    std::ostringstream text;  // the shortest form with its leading 0: "0.25", "1"
    text << step;
    texts.push_back(text.str());
  }
  return texts;
}

std::string OfferedTimeStepsText(std::string_view lastJoint) { return JoinedTexts(OfferedTimeStepTexts(), lastJoint); }

std::string JoinedTexts(const std::vector<std::string>& texts, std::string_view lastJoint) {
  std::string line;
  for (std::size_t n = 0; n < texts.size(); ++n) {
    if (n > 0) line += n + 1 == texts.size() ? lastJoint : std::string_view(", ");
    line += texts[n];
  }
  return line;
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

#include "core/common/rounding.h"

#include <cmath>
#include <cstdint>

namespace kolvane {

double RoundedValue(double value, int digits) {
  const double sign = value > 0 ? 1.0 : (value < 0 ? -1.0 : 0.0);
  const double magnitude = std::fabs(value);
  // The scale is a whole number, as the section plots' labels were computed with.
  const auto scale = static_cast<std::int32_t>(std::lround(std::pow(10.0, digits)));
  const double p = static_cast<double>(scale);
  return sign * std::trunc((0.5 / p + magnitude) * p) / p;
}

}  // namespace kolvane

#pragma once

namespace kolvane {

// value rounded half away from zero to the given number of decimals
// (0 to 9): 2.5 -> 3, -2.5 -> -3, 2.4999 -> 2 with 0 digits.
double RoundedValue(double value, int digits);

}  // namespace kolvane

#pragma once
// The one way any number becomes report text.
//
// Up to 15 significant digits, trailing zeros dropped, "." as the decimal
// point, no zero before the point below 1 (.5, -.25), and exponent form
// (1E-05, 1.5E+20) when the decimal exponent is below -4 or above 14. The
// untrimmed form keeps a blank in the sign position of a value that is not
// negative; the trimmed form drops it.

#include <cstdint>
#include <string>

namespace kolvane {

std::string NumberText(double value, bool trim = true);

// The same for a single-precision value, to its 7 significant digits (exponent
// form above an exponent of 6): plot ticks counted in single precision read
// .3 rather than .300000011920929, and 0.000001 reads 1E-06.
std::string SingleNumberText(float value, bool trim = true);

// Whole numbers that come in as integers (ring, sector and slice counts).
std::string NumberText(std::int32_t value, bool trim = true);

}  // namespace kolvane

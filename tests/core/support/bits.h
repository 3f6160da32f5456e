#pragma once
// Doubles compared and read back to the last bit.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace kolvane::testing {

inline std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// The double a text reads as; the whole text must be the number.
inline double ReadBack(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  EXPECT_EQ(*end, '\0') << text;
  return value;
}

}  // namespace kolvane::testing

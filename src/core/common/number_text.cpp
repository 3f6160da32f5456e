#include "core/common/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kolvane {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSingleSignificantDigits = 7;

std::string SignPosition(bool negative, bool trim) {
  if (negative) return "-";
  return trim ? "" : " ";
}

// The significant digits of |value| rounded to `places` places, without
// trailing zeros, and the decimal exponent of the first digit.
template <typename Real>
void SignificantDigits(Real magnitude, int places, std::string& digits, int& exponent) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, places - 1);
  std::string text(buffer, result.ptr);  // d.dddddddddddddde+XX
  std::size_t e = text.find('e');
  exponent = std::atoi(text.c_str() + e + 1);
  digits.clear();
  for (std::size_t i = 0; i < e; ++i)
    if (text[i] != '.') digits.push_back(text[i]);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

std::string ExponentForm(const std::string& digits, int exponent) {
  std::string text(1, digits[0]);
  if (digits.size() > 1) text.append(".").append(digits, 1);
  text.append(exponent < 0 ? "E-" : "E+");
  const int power = std::abs(exponent);
  if (power < 10) text.push_back('0');  // at least two exponent digits
  return text.append(std::to_string(power));
}

std::string PlainForm(const std::string& digits, int exponent) {
  std::string text;
  if (exponent < 0) return text.append(".").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
  const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= integerDigits) return text.append(digits).append(integerDigits - digits.size(), '0');
  return text.append(digits, 0, integerDigits).append(".").append(digits, integerDigits);
}

template <typename Real>
std::string NumberTextOf(Real value, int places, bool trim) {
  if (std::isnan(value)) return SignPosition(false, trim) + "NaN";
  const bool negative = value < 0;  // -0 is written as 0
  if (std::isinf(value)) return SignPosition(negative, trim) + "Infinity";
  if (value == 0) return SignPosition(false, trim) + "0";

  std::string digits;
  int exponent = 0;
  SignificantDigits(std::fabs(value), places, digits, exponent);
  const bool exponentForm = exponent < -4 || exponent > places - 1;
  std::string text = SignPosition(negative, trim);
  return text.append(exponentForm ? ExponentForm(digits, exponent) : PlainForm(digits, exponent));
}

}  // namespace

std::string NumberText(double value, bool trim) { return NumberTextOf(value, kSignificantDigits, trim); }

std::string SingleNumberText(float value, bool trim) { return NumberTextOf(value, kSingleSignificantDigits, trim); }

std::string NumberText(std::int32_t value, bool trim) {
  return SignPosition(value < 0, trim) + std::to_string(std::abs(static_cast<std::int64_t>(value)));
}

}  // namespace kolvane

#include "core/common/numeric_reading.h"

#include <locale.h>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace kolvane {
namespace {

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string WithoutIgnored(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (!IsIgnored(c)) s.push_back(c);
  return s;
}

// Digits of the given base after an "&H" or "&O" prefix, as a whole number.
std::optional<double> ReadRadixInteger(const std::string& s, std::size_t pos, int base) {
  double value = 0;
  for (; pos < s.size(); ++pos) {
    char c = Upper(s[pos]);
    int digit;
    if (IsDigit(c))
      digit = c - '0';
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      break;
    if (digit >= base) break;
    value = value * base + digit;
  }
  if (value > std::numeric_limits<double>::max()) return std::nullopt;
  return value;
}

// The C locale, so that the host program's locale (a desktop toolkit sets the
// user's) never changes what a "." means.
locale_t CLocale() {
  static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

// The 15-digit text of the largest doubles, 1.79769313486232E+308, lies just
// beyond the range; it must read back to what was written, not fail.
std::optional<double> LargestDoubleWrittenAs15Digits(const std::string& number) {
  const long double wide = strtold_l(number.c_str(), nullptr, CLocale());
  const long double largestText = 1.79769313486232E+308L;
  if (wide >= -largestText && wide <= largestText)
    return wide < 0 ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
  return std::nullopt;
}

// Digits from `pos` on; returns the position after them.
std::size_t SkipDigits(std::string_view s, std::size_t pos) {
  while (pos < s.size() && IsDigit(s[pos])) ++pos;
  return pos;
}

// True when the whole text has the form the reading takes as one decimal
// number: [sign] digits [. digits] [E|D [sign] digits], with a digit somewhere
// before the exponent.
bool IsWholeDecimalNumber(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t integerStart = i;
  i = SkipDigits(s, i);
  bool anyDigit = i > integerStart;
  if (i < s.size() && s[i] == '.') {
    const std::size_t fractionStart = ++i;
    i = SkipDigits(s, i);
    anyDigit = anyDigit || i > fractionStart;
  }
  if (!anyDigit) return false;
  if (i < s.size() && (Upper(s[i]) == 'E' || Upper(s[i]) == 'D')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t exponentStart = i;
    i = SkipDigits(s, i);
    if (i == exponentStart) return false;
  }
  return i == s.size();
}

}  // namespace

std::optional<double> TryNumericValue(std::string_view text) {
  const std::string s = WithoutIgnored(text);
  if (s.size() >= 2 && s[0] == '&') {
    char prefix = Upper(s[1]);
    if (prefix == 'H') return ReadRadixInteger(s, 2, 16);
    if (prefix == 'O') return ReadRadixInteger(s, 2, 8);
  }

  // Collect the longest leading part of the form [sign] digits [. digits] [E [sign] digits].
  std::string number;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
  bool anyDigit = false;
  while (i < s.size() && IsDigit(s[i])) {
    number.push_back(s[i++]);
    anyDigit = true;
  }
  if (i < s.size() && s[i] == '.') {
    number.push_back(s[i++]);
    while (i < s.size() && IsDigit(s[i])) {
      number.push_back(s[i++]);
      anyDigit = true;
    }
  }
  if (!anyDigit) return 0.0;
  if (i < s.size() && (Upper(s[i]) == 'E' || Upper(s[i]) == 'D')) {
    std::size_t j = i + 1;
    std::string exponent = "E";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
    std::size_t digitsStart = j;
    while (j < s.size() && IsDigit(s[j])) exponent.push_back(s[j++]);
    if (j > digitsStart) number += exponent;  // an "E" without digits is not part of the number
  }

  errno = 0;
  double value = strtod_l(number.c_str(), nullptr, CLocale());
  if (errno == ERANGE && (value == HUGE_VAL || value == -HUGE_VAL)) return LargestDoubleWrittenAs15Digits(number);
  return value;  // an underflow reads as the nearest tiny value or zero
}

double NumericValue(std::string_view text) {
  if (auto value = TryNumericValue(text)) return *value;
  const std::string s = WithoutIgnored(text);
  const double largest = std::numeric_limits<double>::max();
  return (!s.empty() && s[0] == '-') ? -largest : largest;
}

std::optional<double> TryWholeNumericValue(std::string_view text) {
  // The form is checked first; the value is then the one reading's, so both
  // readings agree on every text both take.
  if (!IsWholeDecimalNumber(text)) return std::nullopt;
  return TryNumericValue(text);
}

}  // namespace kolvane

// Numeric reading and number text on arbitrary bytes.
//
// Checked for every input:
//  - neither reading ever gives a NaN or an infinity;
//  - TryNumericValue fails exactly where NumericValue saturates, to the largest
//    finite double with the sign the text starts with, and otherwise both agree
//    to the bit;
//  - a comma ends the number, and a blank, tab or line feed inserted anywhere
//    changes nothing;
//  - the whole-text reading takes a text only when the one reading takes it,
//    with the same value, and never one holding a blank, a comma or a letter
//    other than the exponent's;
//  - a minus put in front of a text that starts with a digit or a point negates
//    the value (and an out-of-range text stays out of range);
//  - the number text of the value read, and of the input's first eight bytes
//    taken as a double, reads back to the value within 15-digit rounding, and
//    printing that again gives the same text.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "fuzz_support.h"

using namespace kolvane;
using namespace kolvane::fuzz;

namespace {

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The first character that counts, or 0 when there is none.
char FirstCounting(std::string_view text) {
  for (const char c : text)
    if (!IsIgnored(c)) return c;
  return 0;
}

void CheckReadsBack(double value, std::string_view input) {
  if (!std::isfinite(value)) return;
  const std::string text = NumberText(value);
  const std::optional<double> back = TryNumericValue(text);
  KOLVANE_FUZZ_CHECK(back.has_value(), "the number text " + CLiteral(text) + " of " + Exact(value) +
                                           " does not read back (input " + CLiteral(input) + ")");
  // Fifteen significant digits: the text is within half a unit of the 15th
  // digit, the value read within half an ulp of the text.
  KOLVANE_FUZZ_CHECK(*back == value || std::fabs(*back - value) <= 5.2e-15 * std::fabs(value),
                     CLiteral(text) + " reads back as " + Exact(*back) + ", too far from " + Exact(value));
  const std::string again = NumberText(*back);
  KOLVANE_FUZZ_CHECK(again == text, "printing " + Exact(value) + " gives " + CLiteral(text) +
                                        " but printing what that reads back as gives " + CLiteral(again));
  const std::string untrimmed = NumberText(value, false);
  KOLVANE_FUZZ_CHECK(untrimmed == (value < 0 ? text : " " + text),
                     "untrimmed " + CLiteral(untrimmed) + " against trimmed " + CLiteral(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = AsText(data, size);
  const std::optional<double> tried = TryNumericValue(input);
  const double value = NumericValue(input);

  KOLVANE_FUZZ_CHECK(std::isfinite(value), CLiteral(input) + " reads as " + Exact(value));
  if (tried) {
    KOLVANE_FUZZ_CHECK(std::isfinite(*tried), CLiteral(input) + " reads as " + Exact(*tried));
    KOLVANE_FUZZ_CHECK(SameBits(tried, value),
                       CLiteral(input) + ": TryNumericValue " + Exact(tried) + ", NumericValue " + Exact(value));
  } else {
    const double saturated = FirstCounting(input) == '-' ? -DBL_MAX : DBL_MAX;
    KOLVANE_FUZZ_CHECK(value == saturated, CLiteral(input) + " is out of range but NumericValue gives " + Exact(value) +
                                               " instead of " + Exact(saturated));
  }

  if (const std::optional<double> whole = TryWholeNumericValue(input)) {
    KOLVANE_FUZZ_CHECK(SameBits(whole, tried), CLiteral(input) + " reads whole as " + Exact(whole) + " but as " +
                                                   Exact(tried) + " by the one reading");
    KOLVANE_FUZZ_CHECK(input.find_first_not_of("0123456789+-.EeDd") == std::string_view::npos,
                       CLiteral(input) + " is taken whole though it holds more than a number");
  }

  if (const std::size_t comma = input.find(','); comma != std::string_view::npos) {
    const std::optional<double> before = TryNumericValue(input.substr(0, comma));
    KOLVANE_FUZZ_CHECK(SameBits(before, tried), CLiteral(input) + " reads as " + Exact(tried) +
                                                    " but the part before its first comma as " + Exact(before));
  }

  {
    const std::size_t at = size == 0 ? 0 : data[0] % (size + 1);
    const char blank = " \t\n"[size == 0 ? 0 : data[size - 1] % 3];
    std::string spaced(input);
    spaced.insert(at, 1, blank);
    const std::optional<double> withBlank = TryNumericValue(spaced);
    KOLVANE_FUZZ_CHECK(SameBits(withBlank, tried), CLiteral(input) + " reads as " + Exact(tried) + " but " +
                                                       CLiteral(spaced) + " as " + Exact(withBlank));
  }

  if (const char first = FirstCounting(input); (first >= '0' && first <= '9') || first == '.') {
    const std::string negated = std::string("-").append(input);  // not "-" + ...: GCC 12's false -Wrestrict
    const std::optional<double> minus = TryNumericValue(negated);
    KOLVANE_FUZZ_CHECK(
        minus.has_value() == tried.has_value() && (!minus || *minus == -*tried),
        CLiteral(input) + " reads as " + Exact(tried) + " but " + CLiteral(negated) + " as " + Exact(minus));
  }

  CheckReadsBack(value, input);
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    CheckReadsBack(raw, input);
  }
  return 0;
}

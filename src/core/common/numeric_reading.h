#pragma once
// The one way any text becomes a number in this program.
//
// Reads the longest leading part of the text that forms a number: blanks, tabs
// and line feeds anywhere are ignored; then an optional sign, digits, an
// optional "." with digits, and an optional exponent (E or D, optional sign,
// digits). "&H" and "&O" read a hexadecimal or octal whole number. A text with
// no number in front reads as 0; a comma is not a decimal point.

#include <optional>
#include <string_view>

namespace kolvane {

// The value, or nothing when the number lies beyond the range of a double
// (such as 1E400): callers with a failure path (file loaders) stop there.
std::optional<double> TryNumericValue(std::string_view text);

// The value for callers without a failure path (fields): a number beyond the
// range of a double saturates to the largest finite double of its sign, so it
// fails every range check instead of travelling on as an infinity.
double NumericValue(std::string_view text);

// The value when the whole text is one decimal number and nothing else:
// an optional sign, digits with an optional "." and digits (at least one
// digit in all), and an optional exponent (E or D, optional sign, digits). No
// blank, comma, letter or "&H" form is allowed, and a number beyond the range
// of a double is nothing too. For command lines, where "12,5" or "14abc" is a
// typing mistake rather than 12 or 14.
std::optional<double> TryWholeNumericValue(std::string_view text);

}  // namespace kolvane

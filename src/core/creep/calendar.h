#pragma once
// Calendar dates of the creep solution: the Gregorian leap-year rule, month
// lengths and names, the text form d/m/yyyy and the walk from one day to the
// next.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kolvane {

inline constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                            "May",       "June",     "July",     "August",
                                                            "September", "October",  "November", "December"};

// February holds 28; leap years are DaysInMonth's business.
inline constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

struct CalendarDate {
  std::int32_t Day = 1;
  std::int32_t Month = 1;
  std::int32_t Year = 2000;
  bool operator==(const CalendarDate&) const = default;
};

// A date chosen part by part, as the creep window's day, month and year lists
// give it: a part not chosen yet is nothing.
struct DateChoice {
  std::optional<std::int32_t> Day;
  std::optional<std::int32_t> Month;
  std::optional<std::int32_t> Year;
  // The date, once all three parts are chosen.
  std::optional<CalendarDate> Date() const;
};

// A date with every part chosen.
DateChoice ChoiceOf(const CalendarDate& date);

// Gregorian: every fourth year, but not whole centuries unless divisible by
// 400. Year 0 is a leap year.
bool IsLeapYear(std::int32_t year);

// The length of the month (1..12) in that year; 0 for a month outside 1..12.
std::int32_t DaysInMonth(std::int32_t month, std::int32_t year);

// "5/3/2001": day, month and year without leading zeros or blanks.
std::string FormatDate(std::int32_t day, std::int32_t month, std::int32_t year);
std::string FormatDate(const CalendarDate& date);

// True for a date that exists (year, month 1..12, day 1..days in month).
bool IsValidDate(const CalendarDate& date);

// The day after `date`: the first of the next month after a month's last day,
// 1 January after 31 December.
CalendarDate NextDate(const CalendarDate& date);

// Earlier, equal or later, by year, then month, then day.
bool IsEarlier(const CalendarDate& a, const CalendarDate& b);

// Days from `first` to `last`, both counted; 0 when last is earlier.
std::int64_t DaysFromTo(const CalendarDate& first, const CalendarDate& last);

}  // namespace kolvane

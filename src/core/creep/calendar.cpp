#include "core/creep/calendar.h"

namespace kolvane {

std::optional<CalendarDate> DateChoice::Date() const {
  if (!Day || !Month || !Year) return std::nullopt;
  return CalendarDate{*Day, *Month, *Year};
}

DateChoice ChoiceOf(const CalendarDate& date) { return {date.Day, date.Month, date.Year}; }

bool IsLeapYear(std::int32_t year) {
  if (year % 4 != 0) return false;
  if (year % 100 == 0 && year % 400 != 0) return false;
  return true;
}

std::int32_t DaysInMonth(std::int32_t month, std::int32_t year) {
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kMonthDays[static_cast<std::size_t>(month - 1)];
}

std::string FormatDate(std::int32_t day, std::int32_t month, std::int32_t year) {
  return std::to_string(day) + "/" + std::to_string(month) + "/" + std::to_string(year);
}

std::string FormatDate(const CalendarDate& date) { return FormatDate(date.Day, date.Month, date.Year); }

bool IsValidDate(const CalendarDate& date) {
  return date.Month >= 1 && date.Month <= 12 && date.Day >= 1 && date.Day <= DaysInMonth(date.Month, date.Year);
}

CalendarDate NextDate(const CalendarDate& date) {
  CalendarDate next = date;
  if (next.Day < DaysInMonth(next.Month, next.Year)) {
    ++next.Day;
    return next;
  }
  next.Day = 1;
  if (next.Month < 12) {
    ++next.Month;
  } else {
    next.Month = 1;
    ++next.Year;
  }
  return next;
}

bool IsEarlier(const CalendarDate& a, const CalendarDate& b) {
  if (a.Year != b.Year) return a.Year < b.Year;
  if (a.Month != b.Month) return a.Month < b.Month;
  return a.Day < b.Day;
}

namespace {

// Days since a fixed origin, for valid dates of years 0 and later.
std::int64_t DayIndex(const CalendarDate& date) {
  const std::int64_t years = date.Year;
  // Leap years among 0 .. year - 1 (year 0 is one).
  std::int64_t leapYears = 0;
  if (years > 0) leapYears = (years - 1) / 4 - (years - 1) / 100 + (years - 1) / 400 + 1;
  std::int64_t index = years * 365 + leapYears;
  for (std::int32_t month = 1; month < date.Month; ++month) index += DaysInMonth(month, date.Year);
  return index + date.Day - 1;
}

}  // namespace

std::int64_t DaysFromTo(const CalendarDate& first, const CalendarDate& last) {
  if (IsEarlier(last, first)) return 0;
  return DayIndex(last) - DayIndex(first) + 1;
}

}  // namespace kolvane

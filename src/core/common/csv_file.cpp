#include "core/common/csv_file.h"

#include <charconv>
#include <cstdio>

namespace kolvane {

std::string CsvNumber(double value) {
  char buffer[64];
  // Without a format, to_chars gives the shortest round-trip text, in the "C"
  // locale's form.
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string CsvDate(std::int32_t day, std::int32_t month, std::int32_t year) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", static_cast<int>(year), static_cast<int>(month),
                static_cast<int>(day));
  return buffer;
}

std::string CsvRow(const std::vector<std::string>& fields) {
  std::string row;
  for (std::size_t n = 0; n < fields.size(); ++n) {
    if (n > 0) row += ',';
    row += fields[n];
  }
  return row;
}

WriteResult SaveCsvFile(const std::string& path, const std::vector<std::string>& lines) {
  return WriteLinesAtomically(path, lines);
}

}  // namespace kolvane

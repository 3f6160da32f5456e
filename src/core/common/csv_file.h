#pragma once
// Tables for spreadsheets and scripts: comma-separated, a header line, CR LF
// line ends, ASCII only, "." as the decimal point, numbers as the shortest
// text that reads back to the same double (every bit survives), dates as
// YYYY-MM-DD. Written as the reports are: through a temporary file that is
// renamed over the old one only once it is complete.

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/text_file.h"

namespace kolvane {

// The shortest text that reads back to exactly `value` ("0.1", "-2.5e-05"),
// whatever the user's locale.
std::string CsvNumber(double value);

// "2001-03-05".
std::string CsvDate(std::int32_t day, std::int32_t month, std::int32_t year);

// One row: the fields joined by commas.
std::string CsvRow(const std::vector<std::string>& fields);

// Writes the lines (header first) with CR LF through a temporary file.
WriteResult SaveCsvFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace kolvane

#pragma once
// "main.dat": the eleven field texts, one per line, CR LF, in field order.

#include <string>

#include "core/common/text_file.h"
#include "core/maindata/main_data.h"

namespace kolvane {

inline constexpr const char* kMainDataFileName = "main.dat";

struct MainDataLoadResult {
  ReadStatus status = ReadStatus::Ok;  // Missing: no file; Failed: stopped at a bad or missing item
  int fieldsLoaded = 0;                // fields filled before loading stopped
};

// Fills the field texts from the file, item by item (an item ends at a line end
// or a comma; leading blanks are skipped; quotes around an item are dropped),
// each as the number text of its value: absolute for the measures, the whole
// part of the absolute value for the counts, signed for the reference
// temperature. Loading stops silently at the first failure (no file, too few
// items, a number beyond the range of a double); the fields filled before it
// keep their new texts and the others keep theirs.
MainDataLoadResult LoadMainDataFile(const std::string& path, MainDataTexts& texts);

// Writes the texts verbatim, one per line. A failed write leaves the old file.
WriteResult SaveMainDataFile(const std::string& path, const MainDataTexts& texts);

}  // namespace kolvane

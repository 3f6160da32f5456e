#pragma once
// "main.dat": the eleven field texts, one per line, CR LF, in field order.

#include <optional>
#include <string>

#include "core/common/text_file.h"
#include "core/maindata/main_data.h"

namespace kolvane {

inline constexpr const char* kMainDataFileName = "main.dat";
// Where the original bytes of a main.dat that was not read completely are kept
// before the file is replaced: BackupPathOf(main.dat).
inline constexpr const char* kMainDataBackupFileName = "main.dat.bak";

// How main.dat was read. Only a Complete reading may be computed on or
// replaced without first keeping the original: the others mean the file holds
// something the fields do not show.
enum class MainDataReading {
  Complete,    // all eleven fields, and nothing after them
  Missing,     // no file: nothing to lose
  Unreadable,  // the file exists but its bytes could not be read (permission, a folder...)
  Incomplete,  // fewer than eleven valid fields (a short, binary or UTF-16 file)
  OverFull,    // more values than fields: a decimal comma ("3,5") shifts every later field
};

struct MainDataLoadResult {
  ReadStatus Status = ReadStatus::Ok;  // Ok only when Complete; Missing: no file; Failed otherwise
  int FieldsLoaded = 0;                // fields filled before loading stopped
  MainDataReading Reading = MainDataReading::Complete;
  std::string Reason;  // why the bytes could not be read, when Unreadable
};

// Fills the field texts from the file, item by item (an item ends at a line end
// or a comma; leading blanks are skipped; quotes around an item are dropped),
// each as the number text of its value: absolute for the measures, the whole
// part of the absolute value for the counts, signed for the reference
// temperature. Loading stops at the first failure (no file, too few items, a
// number beyond the range of a double); the fields filled before it keep their
// new texts and the others keep theirs. A file holding a NUL byte (binary
// data, UTF-16 text) has no field read. A file whose eleven fields are
// followed by another value that is not blank is OverFull: its fields are
// filled but are not to be trusted.
MainDataLoadResult LoadMainDataFile(const std::string& path, MainDataTexts& texts);

// What to tell the user at start about a main.dat that was not read
// completely (a "Notice"); nothing for a Complete or Missing one.
std::optional<std::string> MainDataReadingNotice(const MainDataLoadResult& loaded);

// Writes the texts verbatim, one per line. A failed write leaves the old file.
// When the file was not read completely (`howItWasRead` neither Complete nor
// Missing), its original bytes are first kept as main.dat.bak beside it; if
// they cannot be read or kept, main.dat is not replaced and the reason says why.
WriteResult SaveMainDataFile(const std::string& path, const MainDataTexts& texts,
                             MainDataReading howItWasRead = MainDataReading::Complete);

}  // namespace kolvane

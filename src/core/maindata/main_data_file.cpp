#include "core/maindata/main_data_file.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"

namespace kolvane {
namespace {

// Reads comma- and line-separated items the way the file has always been read.
class ItemReader {
 public:
  explicit ItemReader(std::string_view text) : text_(text) {}

  std::optional<std::string> Next() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    if (pos_ >= text_.size()) return std::nullopt;
    std::string item;
    if (text_[pos_] == '"') {
      std::size_t close = text_.find('"', pos_ + 1);
      if (close == std::string_view::npos) close = text_.size();
      item = std::string(text_.substr(pos_ + 1, close - pos_ - 1));
      pos_ = close;
      while (pos_ < text_.size() && !IsDelimiter(text_[pos_])) ++pos_;  // anything after the quote is dropped
    } else {
      std::size_t start = pos_;
      while (pos_ < text_.size() && !IsDelimiter(text_[pos_])) ++pos_;
      item = std::string(text_.substr(start, pos_ - start));
    }
    SkipDelimiter();
    return item;
  }

 private:
  static bool IsDelimiter(char c) { return c == ',' || c == '\r' || c == '\n'; }

  void SkipDelimiter() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
      pos_ += 2;
    else
      ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

bool IsBlank(const std::string& item) { return item.find_first_not_of(" \t") == std::string::npos; }

// After the eleven fields, anything but blank items is a value the fields
// cannot hold.
bool HoldsMoreValues(ItemReader& reader) {
  while (std::optional<std::string> item = reader.Next())
    if (!IsBlank(*item)) return true;
  return false;
}

std::string LoadedFieldText(MainField field, double value) {
  if (field == MainField::RefTemp) return NumberText(value);
  if (IsCountField(field)) return NumberText(std::trunc(std::fabs(value)));
  return NumberText(std::fabs(value));
}

}  // namespace

MainDataLoadResult LoadMainDataFile(const std::string& path, MainDataTexts& texts) {
  MainDataLoadResult result;
  TextFileContent file = ReadWholeFile(path);
  if (file.Status != ReadStatus::Ok) {
    result.Status = file.Status;
    result.Reading = file.Status == ReadStatus::Missing ? MainDataReading::Missing : MainDataReading::Unreadable;
    result.Reason = file.Reason;
    return result;
  }
  // A NUL byte means binary data or UTF-16 text, whose items would read as
  // numbers nobody wrote.
  if (file.Bytes.find('\0') != std::string::npos) {
    result.Status = ReadStatus::Failed;
    result.Reading = MainDataReading::Incomplete;
    return result;
  }
  ItemReader reader(file.Bytes);
  for (int index = 0; index < kMainFieldCount; ++index) {
    std::optional<std::string> item = reader.Next();
    std::optional<double> value = item ? TryNumericValue(*item) : std::nullopt;
    if (!value) {
      result.Status = ReadStatus::Failed;
      result.Reading = MainDataReading::Incomplete;
      return result;
    }
    texts[index] = LoadedFieldText(static_cast<MainField>(index), *value);
    result.FieldsLoaded = index + 1;
  }
  if (HoldsMoreValues(reader)) {
    result.Status = ReadStatus::Failed;
    result.Reading = MainDataReading::OverFull;
  }
  return result;
}

std::optional<std::string> MainDataReadingNotice(const MainDataLoadResult& loaded) {
  const std::string name = kMainDataFileName;
  const std::string fields = std::to_string(kMainFieldCount);
  const std::string kept =
      " When the main data is saved, the original file is first kept as " + std::string(kMainDataBackupFileName) + ".";
  switch (loaded.Reading) {
    case MainDataReading::Complete:
    case MainDataReading::Missing:
      return std::nullopt;
    case MainDataReading::Unreadable:
      return name + " could not be read (" + loaded.Reason + "): none of its " + fields +
             " fields were read. It will not be replaced unless it can be kept as " + kMainDataBackupFileName + ".";
    case MainDataReading::Incomplete:
      return name + " could not be read completely: " + std::to_string(loaded.FieldsLoaded) + " of its " + fields +
             " fields were read; the others show 0." + kept;
    case MainDataReading::OverFull:
      return name + " could not be read completely: it holds more values than its " + fields +
             " fields (a decimal comma ends a value), so the fields may be shifted." + kept;
  }
  return std::nullopt;
}

WriteResult SaveMainDataFile(const std::string& path, const MainDataTexts& texts, MainDataReading howItWasRead) {
  if (howItWasRead != MainDataReading::Complete && howItWasRead != MainDataReading::Missing) {
    const TextFileContent original = ReadWholeFile(path);
    if (original.Status == ReadStatus::Failed)
      return {false, "the original file could not be read (" + original.Reason + "), so it was not replaced"};
    if (original.Status == ReadStatus::Ok) {
      const WriteResult kept = WriteBytesAtomically(BackupPathOf(path), original.Bytes);
      if (!kept.Ok)
        return {false, "the original file could not be kept as " + std::string(kMainDataBackupFileName) + " (" +
                           kept.Reason + "), so it was not replaced"};
    }
  }
  return WriteLinesAtomically(path, std::vector<std::string>(texts.begin(), texts.end()));
}

}  // namespace kolvane

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
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') pos_ += 2;
    else ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

std::string LoadedFieldText(MainField field, double value) {
  if (field == MainField::RefTemp) return NumberText(value);
  if (IsCountField(field)) return NumberText(std::trunc(std::fabs(value)));
  return NumberText(std::fabs(value));
}

}  // namespace

MainDataLoadResult LoadMainDataFile(const std::string& path, MainDataTexts& texts) {
  MainDataLoadResult result;
  TextFileContent file = ReadWholeFile(path);
  if (file.status != ReadStatus::Ok) {
    result.status = file.status;
    return result;
  }
  ItemReader reader(file.bytes);
  for (int index = 0; index < kMainFieldCount; ++index) {
    std::optional<std::string> item = reader.Next();
    std::optional<double> value = item ? TryNumericValue(*item) : std::nullopt;
    if (!value) {
      result.status = ReadStatus::Failed;
      return result;
    }
    texts[index] = LoadedFieldText(static_cast<MainField>(index), *value);
    result.fieldsLoaded = index + 1;
  }
  return result;
}

WriteResult SaveMainDataFile(const std::string& path, const MainDataTexts& texts) {
  return WriteLinesAtomically(path, std::vector<std::string>(texts.begin(), texts.end()));
}

}  // namespace kolvane

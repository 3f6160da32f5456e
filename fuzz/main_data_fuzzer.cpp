// The main data file loader on arbitrary file content.
//
// Checked for every input:
//  - the loader stops cleanly: 0 to 11 fields loaded, status Ok exactly when
//    all eleven were, Failed otherwise (the file exists, so never Missing);
//  - every field it filled holds the number text of a finite number: the text
//    reads back, printing that value again gives the same text, the measures
//    are not negative, the counts are whole and not negative;
//  - the fields it did not reach keep the text they had;
//  - what was loaded survives saving and loading again unchanged;
//  - turning the texts into engine values and validating them is safe.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/maindata/main_data.h"
#include "core/maindata/main_data_file.h"
#include "core/maindata/validation.h"
#include "fuzz_support.h"

using namespace kolvane;
using namespace kolvane::fuzz;

namespace {

// Reads as 0 (no number in front) and is never the number text of anything,
// so a field that was overwritten cannot pass for one that was not.
constexpr const char* kNotLoaded = "not loaded";

MainDataTexts NotLoadedTexts() {
  MainDataTexts texts;
  texts.fill(kNotLoaded);
  return texts;
}

void CheckLoadedField(int index, const std::string& text, const std::string& input) {
  const auto field = static_cast<MainField>(index);
  const auto where = [&] {
    return "field " + std::to_string(index) + " loaded from " + CLiteral(input) + " as " + CLiteral(text);
  };
  const std::optional<double> value = TryNumericValue(text);
  KOLVANE_FUZZ_CHECK(value.has_value(), where() + " does not read back");
  KOLVANE_FUZZ_CHECK(std::isfinite(*value), where() + " reads back as " + Exact(*value));
  KOLVANE_FUZZ_CHECK(NumberText(*value) == text, where() + " is not the number text of " + Exact(*value));
  if (field != MainField::RefTemp)
    KOLVANE_FUZZ_CHECK(!std::signbit(*value), where() + ": a measure or count must not be negative");
  if (IsCountField(field)) KOLVANE_FUZZ_CHECK(std::trunc(*value) == *value, where() + ": a count must be whole");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(AsText(data, size));
  const std::string path = ScratchFolder() + "/" + kMainDataFileName;
  WriteFileBytes(path, input);

  MainDataTexts texts = NotLoadedTexts();
  const MainDataLoadResult loaded = LoadMainDataFile(path, texts);
  const int count = loaded.FieldsLoaded;
  KOLVANE_FUZZ_CHECK(count >= 0 && count <= kMainFieldCount,
                     CLiteral(input) + " loaded " + std::to_string(count) + " fields");
  // Eleven fields followed by more values are read but not complete.
  const bool overFull = loaded.Reading == MainDataReading::OverFull;
  KOLVANE_FUZZ_CHECK(!overFull || count == kMainFieldCount,
                     CLiteral(input) + ": over-full after " + std::to_string(count) + " fields");
  const ReadStatus expected = count == kMainFieldCount && !overFull ? ReadStatus::Ok : ReadStatus::Failed;
  KOLVANE_FUZZ_CHECK(loaded.Status == expected, CLiteral(input) + ": status " +
                                                    std::to_string(static_cast<int>(loaded.Status)) + " with " +
                                                    std::to_string(count) + " fields loaded");

  for (int i = 0; i < kMainFieldCount; ++i) {
    if (i < count) {
      CheckLoadedField(i, texts[i], input);
    } else {
      KOLVANE_FUZZ_CHECK(texts[i] == kNotLoaded, CLiteral(input) + ": field " + std::to_string(i) +
                                                     " was not loaded but changed to " + CLiteral(texts[i]));
    }
  }

  // The window saves its boxes verbatim at closing; the next start must show
  // the same texts. The fields not loaded read as 0 and are not compared.
  const WriteResult saved = SaveMainDataFile(path, texts);
  KOLVANE_FUZZ_CHECK(saved.Ok, "saving main.dat failed: " + saved.Reason);
  MainDataTexts again = NotLoadedTexts();
  const MainDataLoadResult reloaded = LoadMainDataFile(path, again);
  KOLVANE_FUZZ_CHECK(reloaded.FieldsLoaded == kMainFieldCount && reloaded.Reading == MainDataReading::Complete,
                     CLiteral(input) + ": after saving what it loaded, only " + std::to_string(reloaded.FieldsLoaded) +
                         " fields load");
  for (int i = 0; i < count; ++i)
    KOLVANE_FUZZ_CHECK(again[i] == texts[i], CLiteral(input) + ": field " + std::to_string(i) + " loaded as " +
                                                 CLiteral(texts[i]) + ", after saving and loading as " +
                                                 CLiteral(again[i]));

  const MainData values = MainDataFromTexts(texts);
  for (const std::int32_t countValue : {values.I, values.J, values.K})
    KOLVANE_FUZZ_CHECK(countValue >= 0, CLiteral(input) + ": a count became " + std::to_string(countValue));
  (void)ValidateMainData(texts);
  return 0;
}

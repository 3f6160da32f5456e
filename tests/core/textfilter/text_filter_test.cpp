#include "core/textfilter/text_filter.h"

#include <gtest/gtest.h>

#include "core/maindata/main_data_fields.h"

namespace kolvane {
namespace {

TextFilterSettings Settings(InputMode mode, std::int32_t maxDigits = 0, bool allowNothing = false) {
  TextFilterSettings settings;
  settings.Mode = mode;
  settings.MaxDigits = maxDigits;
  settings.AllowNothing = allowNothing;
  return settings;
}

TextFilterSettings FieldSettings(MainField field) {
  return Settings(MainFieldTable(field).Mode, MainFieldTable(field).MaxDigits);
}

// The fields of the program, as their windows set them up.
const TextFilterSettings kHeight = FieldSettings(MainField::Height);
const TextFilterSettings kCount = FieldSettings(MainField::I);
const TextFilterSettings kRefTemp = FieldSettings(MainField::RefTemp);
const TextFilterSettings kName = Settings(InputMode::FileName, 40);
const TextFilterSettings kPointX = Settings(InputMode::UnsignedDecimal, 15, true);
const TextFilterSettings kSigned = Settings(InputMode::SignedInteger);
const TextFilterSettings kHex = Settings(InputMode::Hexadecimal);
constexpr char32_t kNo = kKeyRefused;

struct Key {
  TextFilterSettings Settings;
  std::string Text;
  std::int32_t Start, Length;
  char32_t Key, Expected;
};

// Each row: the box, its text, the selection, the key, what the box takes.
TEST(TextFilter, FiltersEachKeyByTheModeRules) {
  // clang-format off
  const Key cases[] = {
    // Unsigned decimal: a comma becomes a point, one point, ten characters unless typed over a selection.
    {kHeight, "12", 2, 0, U'5', U'5'}, {kHeight, "12", 2, 0, U',', U'.'}, {kHeight, "12.5", 4, 0, U'.', kNo},
    {kHeight, "", 0, 0, U'-', kNo}, {kHeight, "1", 1, 0, U'e', kNo}, {kHeight, "1.5", 2, 1, U'.', kNo},
    {kHeight, "1.5", 1, 2, U'.', U'.'}, {kHeight, "1234567.89", 10, 0, U'1', kNo},
    {kHeight, "1234567.89", 0, 1, U'9', U'9'},
    {kHeight, "12345678901", 11, 0, U'1', U'1'},  // a text already beyond the limit does not block
    // Unsigned integer.
    {kCount, "1234", 4, 0, U'5', kNo}, {kCount, "12", 2, 0, U'.', kNo}, {kCount, "12", 2, 0, U',', kNo},
    // Signed decimal: a minus only at the start, nothing in front of it; the sign counts towards the limit.
    {kRefTemp, "5", 0, 0, U'-', U'-'}, {kRefTemp, "5", 1, 0, U'-', kNo}, {kRefTemp, "-5", 0, 0, U'-', kNo},
    {kRefTemp, "-5", 0, 1, U'-', U'-'}, {kRefTemp, "-5", 0, 0, U'3', kNo}, {kRefTemp, "-5", 1, 0, U'3', U'3'},
    {kRefTemp, "-5", 0, 1, U'3', U'3'}, {kRefTemp, "-12.34", 6, 0, U'5', kNo}, {kSigned, "", 0, 0, U'-', U'-'},
    {kRefTemp, "-1", 2, 0, U',', U'.'}, {kSigned, "1", 1, 0, U'.', kNo}, {kSigned, "-1", 0, 0, U'2', kNo},
    // Hexadecimal (upper-cased, two digits) and octal (one digit).
    {kHex, "", 0, 0, U'f', U'F'}, {kHex, "", 0, 0, U'g', kNo}, {kHex, "FF", 1, 1, U'1', U'1'},
    {Settings(InputMode::Hexadecimal, 8), "FF", 2, 0, U'1', kNo},
    {Settings(InputMode::OctalDigit), "", 0, 0, U'8', kNo}, {Settings(InputMode::OctalDigit), "7", 1, 0, U'1', kNo},
    // File name: no path or shell characters; 40 characters, or 256 without a limit of its own.
    {kName, "Sun", 3, 0, U' ', U' '}, {kName, "Sun", 3, 0, U'.', U'.'}, {kName, "Sommer", 6, 0, U'\u00FC', U'\u00FC'},
    {kName, std::string(40, 'a'), 40, 0, U'b', kNo},
    {Settings(InputMode::FileName), std::string(256, 'a'), 256, 0, U'b', kNo},
    {kCount, "1", 1, 0, 2, kNo},  // a control key other than the editing ones
    // Any text, unfiltered modes, and a position before the text (clamped).
    {Settings(InputMode::AnyText, 3), "abc", 3, 0, U'd', kNo},
    {Settings(InputMode::Unfiltered, 2), "abc", 3, 0, U'/', U'/'}, {kRefTemp, "5", -3, 0, U'-', U'-'}};
  // clang-format on
  int row = 0;
  for (const Key& c : cases) {
    EXPECT_EQ(FilterKey(c.Settings, c.Text, c.Start, c.Length, c.Key), c.Expected) << "row " << row;
    ++row;
  }
  for (const char32_t refused : std::u32string_view(U"/:*?<>|\"\\"))
    EXPECT_EQ(FilterKey(kName, "a", 1, 0, refused), kNo) << static_cast<std::uint32_t>(refused);
  // The editing keys and the clipboard's always pass, in a full box too.
  for (const char32_t key :
       {kKeyBackspace, kKeyEnter, kKeyEscape, kKeyPaste, kKeyCopy, kKeyCut, kKeySelectAll, kKeyUndo, kKeyRedo})
    EXPECT_EQ(FilterKey(kCount, "1234", 4, 0, key), key) << static_cast<std::uint32_t>(key);
}

TEST(TextFilter, UpperCaseAndAdditionalRestraint) {
  TextFilterSettings settings = Settings(InputMode::AnyText);
  settings.UCase = true;
  settings.AdditionalRestraint = "Q#";
  EXPECT_EQ(FilterKey(settings, "", 0, 0, U'\u00E9'), U'\u00C9');  // é to É
  EXPECT_EQ(FilterKey(settings, "", 0, 0, U'\u00F7'), U'\u00F7');  // the division sign has no case
  EXPECT_EQ(FilterKey(settings, "", 0, 0, U'q'), kNo);             // upper-cased first, then restrained
  settings.UCase = false;
  EXPECT_EQ(FilterKey(settings, "", 0, 0, U'q'), U'q');  // the restraint matches letter case exactly
  settings.Mode = InputMode::FileName;
  EXPECT_EQ(FilterKey(settings, "", 0, 0, U'#'), kNo);
  // The restraint belongs to the text modes; numeric modes have their own sets.
  TextFilterSettings decimal = Settings(InputMode::UnsignedDecimal);
  decimal.AdditionalRestraint = "5";
  EXPECT_EQ(FilterKey(decimal, "", 0, 0, U'5'), U'5');
}

TEST(TextFilter, FiltersSeveralKeysTypedAtOnce) {
  EXPECT_EQ(FilterTypedText(kHeight, "", 0, 0, "1.2.3"), "1.23");
  EXPECT_EQ(FilterTypedText(kRefTemp, "", 0, 0, "-1-2"), "-12");  // each key typed after the last
  EXPECT_EQ(FilterTypedText(kCount, "1234", 1, 2, "567"), "56");  // over a selection, then up to the limit
  EXPECT_EQ(FilterTypedText(Settings(InputMode::AnyText), "", 0, 0, "a\tb\x7f"), "ab");  // control keys are not text
  EXPECT_EQ(FilterTypedText(kName, "", 0, 0, "Z\u00FCr/ich"), "Z\u00FCrich");
}

// A paste is typed whole or refused whole, with what the field takes.
TEST(TextFilter, TakesAPasteWholeOrRefusesItSayingWhy) {
  const struct {
    TextFilterSettings Settings;
    std::string Text;
    std::int32_t Start, Length;
    std::string Pasted, Inserted, Refusal;
  } cases[] = {
      {kHeight, "", 0, 0, "152,5", "152.5", ""},
      {kHeight, "0", 0, 1, " 12.5\t\r\n", "12.5", ""},  // a spreadsheet cell's blanks and line end
      {kHeight, "", 0, 0, "abc12,5xyz", "",
       "\"abc12,5xyz\" cannot be pasted here: the field takes one number of 0 or more."},
      {kHeight, "1234567", 7, 0, "8.2", "8.2", ""},  // just fits
      {kRefTemp, "5", 0, 0, "-", "-", ""},
      {kRefTemp, "5", 1, 0, "-3", "", "\"-3\" cannot be pasted here: the field takes one number."},
      {kCount, "", 0, 0, "1e3", "", "\"1e3\" cannot be pasted here: the field takes a whole number of 0 or more."},
      {kName, "", 0, 0, "Summer 2024\n", "Summer 2024", ""},
      {kName, "", 0, 0, "a/b", "",
       "\"a/b\" cannot be pasted here: the field takes a file name of one line without \\ / : * ? < > | or \"."},
      {kName, "", 0, 0, "two\nlines", "",
       "\"two lines\" cannot be pasted here: the field takes a file name of one line without \\ / : * ? < > | or \"."},
      {kHeight, "", 0, 0, std::string(30, '7'), "",
       "\"" + std::string(20, '7') + "...\" cannot be pasted here: the field holds at most 10 characters."},
      {kHeight, "1", 1, 0, " \r\n", "", "There is no text to paste."},
  };
  for (const auto& c : cases) {
    const PasteResult result = FilterPastedText(c.Settings, c.Text, c.Start, c.Length, c.Pasted);
    EXPECT_EQ(result.Inserted, c.Inserted) << c.Pasted;
    EXPECT_EQ(result.Refusal, c.Refusal) << c.Pasted;
  }
}

TEST(TextFilter, NormalisesNumericFieldsOnFocusLossAndLeavesTextFieldsAlone) {
  struct Case {
    TextFilterSettings Settings;
    const char* Text;
    const char* Expected;
  };
  // clang-format off
  const Case cases[] = {
      {kHeight, ".5", "0.5"}, {kRefTemp, "-.25", "-0.25"}, {kHeight, "", "0"}, {kPointX, "", ""}, {kPointX, " ", "0"},
      {kHeight, "3.14159265358979", "3.14159265"}, {kHeight, "123456789.5", "123456789"},
      {kHeight, "0.000012345678", "1.2345E-05"}, {kCount, "12345", "12345"}, {kHeight, "1234567890.5", "1234567890"},
      {kCount, "1E20", "1E+20"}, {kHeight, "123456789012345678", "1.2345E+17"}, {kCount, "1.5", "1.5"}};
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(NormaliseOnFocusLoss(c.Settings, c.Text), c.Expected) << c.Text;
  for (InputMode mode : {InputMode::AnyText, InputMode::Hexadecimal, InputMode::OctalDigit, InputMode::FileName,
                         InputMode::Unfiltered, static_cast<InputMode>(42)})
    EXPECT_EQ(NormaliseOnFocusLoss(Settings(mode, 2), " .50 abc"), " .50 abc") << static_cast<int>(mode);
}

}  // namespace
}  // namespace kolvane

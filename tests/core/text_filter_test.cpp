#include "core/textfilter/text_filter.h"

#include <gtest/gtest.h>

#include "core/common/utf8.h"
#include "core/diagrams/diagram_name.h"

namespace kolvane {
namespace {

TextFilterSettings Settings(InputMode mode, std::int32_t maxDigits = 0, bool allowNothing = false) {
  TextFilterSettings settings;
  settings.Mode = mode;
  settings.MaxDigits = maxDigits;
  settings.AllowNothing = allowNothing;
  return settings;
}

// The fields of the program, as their windows set them up.
const TextFilterSettings kHeight = Settings(InputMode::UnsignedDecimal, 10);
const TextFilterSettings kCount = Settings(InputMode::UnsignedInteger, 4);
const TextFilterSettings kRefTemp = Settings(InputMode::SignedDecimal, 6);
const TextFilterSettings kName = Settings(InputMode::FileName, 40);
const TextFilterSettings kPointX = Settings(InputMode::UnsignedDecimal, 15, true);

struct KeyCase {
  const char* name;
  TextFilterSettings settings;
  std::string text;
  std::int32_t start, length;
  char32_t key;
  char32_t expected;
};

TEST(TextFilter, FiltersEachKeyByTheModeRules) {
  const KeyCase cases[] = {
      // Unsigned decimal (height and the other measures).
      {"digit", kHeight, "12", 2, 0, U'5', U'5'},
      {"comma becomes a point", kHeight, "12", 2, 0, U',', U'.'},
      {"second point refused", kHeight, "12.5", 4, 0, U'.', kKeyRefused},
      {"second comma refused as a point", kHeight, "12.5", 4, 0, U',', kKeyRefused},
      {"minus refused", kHeight, "", 0, 0, U'-', kKeyRefused},
      {"letter refused", kHeight, "1", 1, 0, U'e', kKeyRefused},
      {"point over the digit 5 of 1.5 refused", kHeight, "1.5", 2, 1, U'.', kKeyRefused},
      {"point over .5 of 1.5 accepted", kHeight, "1.5", 1, 2, U'.', U'.'},
      {"ten characters with a point refuse a digit", kHeight, "1234567.89", 10, 0, U'1', kKeyRefused},
      {"ten characters refuse a point", kHeight, "1234567890", 10, 0, U'.', kKeyRefused},
      {"typing over a selection at the limit", kHeight, "1234567.89", 0, 1, U'9', U'9'},
      {"a text already beyond the limit does not block", kHeight, "12345678901", 11, 0, U'1', U'1'},
      // Unsigned integer (rings, sectors, slices).
      {"fifth digit refused", kCount, "1234", 4, 0, U'5', kKeyRefused},
      {"fifth digit over a selected digit", kCount, "1234", 3, 1, U'5', U'5'},
      {"point refused in a count", kCount, "12", 2, 0, U'.', kKeyRefused},
      {"comma refused in a count", kCount, "12", 2, 0, U',', kKeyRefused},
      // Signed decimal (reference temperature).
      {"minus at the start", kRefTemp, "5", 0, 0, U'-', U'-'},
      {"minus after the start", kRefTemp, "5", 1, 0, U'-', kKeyRefused},
      {"second minus at the start", kRefTemp, "-5", 0, 0, U'-', kKeyRefused},
      {"minus over the old sign", kRefTemp, "-5", 0, 1, U'-', U'-'},
      {"minus over the whole text", kRefTemp, "-5", 0, 2, U'-', U'-'},
      {"minus with a selection not at the start", kRefTemp, "-5", 1, 1, U'-', kKeyRefused},
      {"digit in front of the sign", kRefTemp, "-5", 0, 0, U'3', kKeyRefused},
      {"point in front of the sign", kRefTemp, "-5", 0, 0, U'.', kKeyRefused},
      {"digit after the sign", kRefTemp, "-5", 1, 0, U'3', U'3'},
      {"digit over the selected sign", kRefTemp, "-5", 0, 1, U'3', U'3'},
      {"the sign counts towards the limit", kRefTemp, "-12.34", 6, 0, U'5', kKeyRefused},
      {"comma becomes a point in a signed decimal", kRefTemp, "-1", 2, 0, U',', U'.'},
      // Signed integer.
      {"signed integer minus", Settings(InputMode::SignedInteger), "", 0, 0, U'-', U'-'},
      {"signed integer point", Settings(InputMode::SignedInteger), "1", 1, 0, U'.', kKeyRefused},
      {"signed integer digit before sign", Settings(InputMode::SignedInteger), "-1", 0, 0, U'2', kKeyRefused},
      // Hexadecimal and octal.
      {"hex upper-cases", Settings(InputMode::Hexadecimal), "", 0, 0, U'f', U'F'},
      {"hex refuses g", Settings(InputMode::Hexadecimal), "", 0, 0, U'g', kKeyRefused},
      {"hex holds two", Settings(InputMode::Hexadecimal, 8), "FF", 2, 0, U'1', kKeyRefused},
      {"hex over a selection", Settings(InputMode::Hexadecimal), "FF", 1, 1, U'1', U'1'},
      {"octal refuses 8", Settings(InputMode::OctalDigit), "", 0, 0, U'8', kKeyRefused},
      {"octal holds one", Settings(InputMode::OctalDigit), "7", 1, 0, U'1', kKeyRefused},
      // File name.
      {"name letter", kName, "Sun", 3, 0, U'x', U'x'},
      {"name blank", kName, "Sun", 3, 0, U' ', U' '},
      {"name point", kName, "Sun", 3, 0, U'.', U'.'},
      {"name slash", kName, "a", 1, 0, U'/', kKeyRefused},
      {"name colon", kName, "a", 1, 0, U':', kKeyRefused},
      {"name star", kName, "a", 1, 0, U'*', kKeyRefused},
      {"name question mark", kName, "a", 1, 0, U'?', kKeyRefused},
      {"name less than", kName, "a", 1, 0, U'<', kKeyRefused},
      {"name greater than", kName, "a", 1, 0, U'>', kKeyRefused},
      {"name bar", kName, "a", 1, 0, U'|', kKeyRefused},
      {"name double quote", kName, "a", 1, 0, U'"', kKeyRefused},
      {"name backslash", kName, "a", 1, 0, U'\\', kKeyRefused},
      {"name non-ASCII letter", kName, "Sommer", 6, 0, U'\u00FC', U'\u00FC'},
      {"name stops at 40", kName, std::string(40, 'a'), 40, 0, U'b', kKeyRefused},
      {"an unlimited name stops at 256", Settings(InputMode::FileName), std::string(256, 'a'), 256, 0, U'b',
       kKeyRefused},
      {"256 characters counted, not bytes", Settings(InputMode::FileName), "\u00FC\u00FC", 2, 0, U'b', U'b'},
      // Keys that always pass, and control codes that do not.
      {"backspace at the limit", kCount, "1234", 4, 0, kKeyBackspace, kKeyBackspace},
      {"enter in a count", kCount, "1", 1, 0, kKeyEnter, kKeyEnter},
      {"escape in a hex box", Settings(InputMode::Hexadecimal), "FF", 2, 0, kKeyEscape, kKeyEscape},
      {"paste refused in a decimal", kHeight, "1", 1, 0, kKeyPaste, kKeyRefused},
      {"copy refused in a count", kCount, "1", 1, 0, kKeyCopy, kKeyRefused},
      {"cut refused in a signed decimal", kRefTemp, "1", 1, 0, kKeyCut, kKeyRefused},
      {"paste passes in a name", kName, "a", 1, 0, kKeyPaste, kKeyPaste},
      {"copy passes in any text", Settings(InputMode::AnyText, 5), "a", 1, 0, kKeyCopy, kKeyCopy},
      {"paste refused by a full name box", kName, std::string(40, 'a'), 40, 0, kKeyPaste, kKeyRefused},
      // Any text, and modes outside 0 to 7.
      {"any text with a limit", Settings(InputMode::AnyText, 3), "abc", 3, 0, U'd', kKeyRefused},
      {"unfiltered", Settings(InputMode::Unfiltered, 2), "abc", 3, 0, U'/', U'/'},
      {"mode 8 unfiltered", Settings(static_cast<InputMode>(8), 1), "-", 1, 0, U'-', U'-'},
      // Positions beyond the text (a window reporting nonsense) are clamped.
      {"selection beyond the text", kRefTemp, "5", 9, 9, U'-', kKeyRefused},
      {"negative selection start", kRefTemp, "5", -3, 0, U'-', U'-'},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(FilterKey(c.settings, c.text, c.start, c.length, c.key), c.expected) << c.name;
  }
}

TEST(TextFilter, UpperCaseAndAdditionalRestraint) {
  TextFilterSettings settings = Settings(InputMode::AnyText);
  settings.UCase = true;
  settings.AdditionalRestraint = "Q#";
  EXPECT_EQ(FilterKey(settings, "", 0, 0, U'a'), U'A');
  EXPECT_EQ(FilterKey(settings, "", 0, 0, U'\u00E9'), U'\u00C9');  // é to É
  EXPECT_EQ(FilterKey(settings, "", 0, 0, U'\u00F7'), U'\u00F7');  // the division sign has no case
  EXPECT_EQ(FilterKey(settings, "", 0, 0, U'q'), kKeyRefused);     // upper-cased first, then restrained
  EXPECT_EQ(FilterKey(settings, "", 0, 0, U'#'), kKeyRefused);
  settings.UCase = false;
  EXPECT_EQ(FilterKey(settings, "", 0, 0, U'q'), U'q');  // the restraint matches letter case exactly
  settings.Mode = InputMode::FileName;
  EXPECT_EQ(FilterKey(settings, "", 0, 0, U'#'), kKeyRefused);
  // The restraint belongs to the text modes; numeric modes have their own sets.
  TextFilterSettings decimal = Settings(InputMode::UnsignedDecimal);
  decimal.AdditionalRestraint = settings.AdditionalRestraint + "5";
  EXPECT_EQ(FilterKey(decimal, "", 0, 0, U'5'), U'5');
}

struct TypingCase {
  const char* name;
  TextFilterSettings settings;
  const char* text;
  std::int32_t start, length;
  const char* typed;
  const char* accepted;
};

TEST(TextFilter, FiltersSeveralKeysTypedAtOnce) {
  const TypingCase cases[] = {
      {"1, 2, comma, 5 into a height", kHeight, "", 0, 0, "12,5", "12.5"},
      {"a second point among them", kHeight, "", 0, 0, "1.2.3", "1.23"},
      {"minus only in front", kRefTemp, "", 0, 0, "-1-2", "-12"},
      {"over a selection", kCount, "1234", 1, 2, "567", "56"},
      {"the limit counts what was typed", kCount, "12", 2, 0, "345", "34"},
      {"name refusals dropped", kName, "", 0, 0, "a/b:c", "abc"},
      {"control characters are keys, not text", Settings(InputMode::AnyText), "", 0, 0, "a\tb\x7f", "ab"},
      {"non-ASCII text", kName, "", 0, 0, "Z\u00FCrich", "Z\u00FCrich"},
  };
  for (const TypingCase& c : cases) {
    EXPECT_EQ(FilterTypedText(c.settings, c.text, c.start, c.length, c.typed), c.accepted) << c.name;
  }
}

struct NormalCase {
  const char* name;
  TextFilterSettings settings;
  const char* text;
  const char* expected;
};

TEST(TextFilter, NormalisesNumericFieldsOnFocusLoss) {
  const NormalCase cases[] = {
      {"a zero before the point", kHeight, ".5", "0.5"},
      {"leading zeros", kHeight, "007", "7"},
      {"trailing point", kHeight, "12.", "12"},
      {"trailing zeros", kHeight, "12.500", "12.5"},
      {"lone minus", kRefTemp, "-", "0"},
      {"negative fraction", kRefTemp, "-.25", "-0.25"},
      {"minus zero", kRefTemp, "-0", "0"},
      {"empty becomes 0", kHeight, "", "0"},
      {"empty stays empty when allowed", kPointX, "", ""},
      {"blank is not empty", kPointX, " ", "0"},
      {"count with leading zeros", kCount, "0042", "42"},
      {"letters read as 0", kHeight, "abc", "0"},
      {"a number in front of letters", kHeight, "12.5 m", "12.5"},
      {"fraction digits cut to the limit", kHeight, "3.14159265358979", "3.14159265"},
      {"a point left at the end of a cut is dropped", kHeight, "123456789.5", "123456789"},
      {"small values keep their exponent", kHeight, "0.00001", "1E-05"},
      {"a long mantissa is shortened, not the exponent", kHeight, "0.000012345678", "1.2345E-05"},
      {"a negative exponent form within the sign's limit", kRefTemp, "-0.00001", "-1E-05"},
      {"a whole part beyond the limit stays whole", kCount, "12345", "12345"},
      {"a whole part that just fits", kHeight, "1234567890.5", "1234567890"},
      {"an exponent that cannot fit stays whole", kCount, "1E20", "1E+20"},
      {"large values in exponent form", kHeight, "123456789012345678", "1.2345E+17"},
      {"decimals in a count box are kept", kCount, "1.5", "1.5"},
  };
  for (const NormalCase& c : cases) {
    EXPECT_EQ(NormaliseOnFocusLoss(c.settings, c.text), c.expected) << c.name;
  }
}

TEST(TextFilter, LeavesTextFieldsAloneOnFocusLoss) {
  for (InputMode mode : {InputMode::AnyText, InputMode::Hexadecimal, InputMode::OctalDigit, InputMode::FileName,
                         InputMode::Unfiltered, static_cast<InputMode>(42)}) {
    EXPECT_EQ(NormaliseOnFocusLoss(Settings(mode, 2), " .50 abc"), " .50 abc") << static_cast<int>(mode);
    EXPECT_EQ(NormaliseOnFocusLoss(Settings(mode, 2), ""), "") << static_cast<int>(mode);
  }
}

struct NameCase {
  const char* name;
  std::string text;
  bool valid;
};

TEST(DiagramName, RefusesNamesThatCannotBeAFileInTheWorkingFolder) {
  const NameCase cases[] = {
      {"plain", "June", true},
      {"blanks inside and around", "  clear summer day ", true},
      {"points inside", "summer.2024", true},
      {"non-ASCII", "M\u00E4rz", true},
      {"backslash", "a\\b", false},
      {"the longest that fits with its extension", std::string(251, 'a'), true},
      {"one byte too long", std::string(252, 'a'), false},
      {"slash", "../main", false},
      {"slash alone", "/", false},
      {"colon", "a:b", false},
      {"star", "a*", false},
      {"question mark", "a?", false},
      {"angle brackets", "<a>", false},
      {"bar", "a|b", false},
      {"double quote", "\"a\"", false},
      {"dot", ".", false},
      {"dot dot", "..", false},
      {"dot dot with blanks", " .. ", false},
      {"three dots are a name", "...", true},
      {"empty", "", false},
      {"blanks only", "   ", false},
      {"line feed", "a\nb", false},
      {"tab", "a\tb", false},
      {"carriage return", "a\r", false},
      {"not UTF-8", "a\xff", false},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(IsValidDiagramName(c.text), c.valid) << c.name;
  }
  EXPECT_EQ(TrimmedDiagramName("  clear summer day "), "clear summer day");
}

TEST(DiagramName, AnExistingDiagramKeepsItsOwnNameWhateverRuleItWasMadeUnder) {
  struct Case {
    const char* name;
    const char* original;
    bool accepted;
  } cases[] = {
      {"a:b", "a:b", true},                             // unchanged
      {" a:b ", "a:b", true},                           // the same once trimmed
      {"a\xff", "a\xff", true},                         // a file name that is not UTF-8, unchanged
      {"a:c", "a:b", false},                            // changed to another refused name
      {"a\\b", "ab", false},    {"fine", "a:b", true},  // changed to a valid name
      {"a:b", "", false},                               // a new diagram is always checked
      {"", "", false},          {"   ", "   ", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsAcceptedDiagramName(c.name, c.original), c.accepted) << c.name << " from " << c.original;
  EXPECT_EQ(TrimmedDiagramName("   "), "");
}

TEST(Utf8, DecodesEncodesAndJudgesWellFormedness) {
  const std::string text = "a\u00B3\u20AC\U0001F600";
  EXPECT_EQ(DecodeUtf8(text), U"a\u00B3\u20AC\U0001F600");
  EXPECT_EQ(EncodeUtf8(DecodeUtf8(text)), text);
  EXPECT_TRUE(IsValidUtf8(text));
  // The first and last character of each length.
  EXPECT_EQ(EncodeUtf8(U"\u007F\u0080\u07FF\u0800\uFFFF\U00010000"),
            "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80");
  const struct {
    const char* name;
    std::string bytes;
  } malformed[] = {
      {"stray continuation", "\x80"},          {"truncated", "\xE2\x82"},
      {"overlong slash", "\xC0\xAF"},          {"surrogate", "\xED\xA0\x80"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
  };
  for (const auto& m : malformed) {
    EXPECT_FALSE(IsValidUtf8(m.bytes)) << m.name;
    EXPECT_EQ(DecodeUtf8(m.bytes).front(), kReplacementCharacter) << m.name;
  }
}

}  // namespace
}  // namespace kolvane

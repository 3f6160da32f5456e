#include "core/textfilter/text_filter.h"

#include <algorithm>

#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/common/utf8.h"
#include "core/common/workspace.h"

namespace kolvane {
namespace {

constexpr std::u32string_view kSignedIntegerCharacters = U"-0123456789";
constexpr std::u32string_view kUnsignedIntegerCharacters = U"0123456789";
constexpr std::u32string_view kSignedDecimalCharacters = U"-.0123456789";
constexpr std::u32string_view kUnsignedDecimalCharacters = U".0123456789";
constexpr std::u32string_view kHexadecimalCharacters = U"0123456789ABCDEF";
constexpr std::u32string_view kOctalCharacters = U"01234567";
// Characters no file name may hold here or on the file systems users copy
// their folders to (the backslash among them); the path separator is refused
// as well.
constexpr std::u32string_view kFileNameRefusals = U"\\/:*?<>|\"";
constexpr std::int32_t kLongestFileName = 256;

bool Contains(std::u32string_view set, char32_t c) { return set.find(c) != std::u32string_view::npos; }

char32_t Upper(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;  // Latin-1 letters, not the division sign
  return c;
}

// The field as a key finds it: its characters and selection, clamped to the
// text so that no position the window reports can reach outside it.
struct Field {
  std::u32string Text;
  std::int32_t Start = 0;
  std::int32_t Length = 0;

  Field(std::u32string characters, std::int32_t selectionStart, std::int32_t selectionLength)
      : Text(std::move(characters)) {
    const auto size = static_cast<std::int32_t>(Text.size());
    Start = std::clamp(selectionStart, 0, size);
    Length = std::clamp(selectionLength, 0, size - Start);
  }

  std::int32_t Size() const { return static_cast<std::int32_t>(Text.size()); }
  bool HasSelection() const { return Length > 0; }
  bool StartsWithSign() const { return !Text.empty() && Text.front() == U'-'; }
  std::u32string_view Selected() const { return std::u32string_view(Text).substr(Start, Length); }
};

// Typing may not make the text longer than MaxDigits. A text already longer
// (set by the window) does not block typing, and a key typed over a
// selection replaces it, so neither is refused.
// The modes whose typing MaxDigits limits.
bool IsLengthLimited(InputMode mode) {
  return mode == InputMode::AnyText || mode == InputMode::SignedInteger || mode == InputMode::UnsignedInteger ||
         mode == InputMode::SignedDecimal || mode == InputMode::UnsignedDecimal || mode == InputMode::FileName;
}

bool LengthRefuses(const TextFilterSettings& settings, const Field& field) {
  return settings.MaxDigits >= 1 && field.Size() == settings.MaxDigits && !field.HasSelection();
}

// One decimal point: a second one is refused, and a point typed over a
// selection may only replace the existing point.
bool PointRefuses(const Field& field) {
  const bool textHasPoint = Contains(field.Text, U'.');
  if (!field.HasSelection()) return textHasPoint;
  return textHasPoint && !Contains(field.Selected(), U'.');
}

// A minus sign only in front, only once, and nothing typed in front of it.
bool SignRefuses(const Field& field, char32_t c) {
  if (c == U'-') {
    if (field.Start >= 1) return true;
    return field.StartsWithSign() && !field.HasSelection();
  }
  return field.StartsWithSign() && field.Start == 0 && !field.HasSelection();
}

bool RestraintRefuses(const TextFilterSettings& settings, char32_t c) {
  return Contains(DecodeUtf8(settings.AdditionalRestraint), c);
}

char32_t FilterDecimal(const TextFilterSettings& settings, const Field& field, char32_t c, bool signedDecimal) {
  if (c == U',') c = U'.';  // the decimal comma of the keyboard types a point
  if (!Contains(signedDecimal ? kSignedDecimalCharacters : kUnsignedDecimalCharacters, c)) return kKeyRefused;
  if (c == U'.' && PointRefuses(field)) return kKeyRefused;
  if (signedDecimal && SignRefuses(field, c)) return kKeyRefused;
  if (LengthRefuses(settings, field)) return kKeyRefused;
  return c;
}

char32_t FilterCharacter(const TextFilterSettings& settings, const Field& field, char32_t c) {
  switch (settings.Mode) {
    case InputMode::AnyText:
      if (RestraintRefuses(settings, c) || LengthRefuses(settings, field)) return kKeyRefused;
      return c;
    case InputMode::SignedInteger:
      if (!Contains(kSignedIntegerCharacters, c) || SignRefuses(field, c) || LengthRefuses(settings, field))
        return kKeyRefused;
      return c;
    case InputMode::UnsignedInteger:
      if (!Contains(kUnsignedIntegerCharacters, c) || LengthRefuses(settings, field)) return kKeyRefused;
      return c;
    case InputMode::SignedDecimal:
      return FilterDecimal(settings, field, c, true);
    case InputMode::UnsignedDecimal:
      return FilterDecimal(settings, field, c, false);
    case InputMode::Hexadecimal:
      c = Upper(c);
      if (!Contains(kHexadecimalCharacters, c) || (!field.HasSelection() && field.Size() == 2)) return kKeyRefused;
      return c;
    case InputMode::OctalDigit:
      if (!Contains(kOctalCharacters, c) || (!field.HasSelection() && field.Size() == 1)) return kKeyRefused;
      return c;
    case InputMode::FileName:
      if (c == static_cast<char32_t>(kPathSep) || Contains(kFileNameRefusals, c)) return kKeyRefused;
      if (RestraintRefuses(settings, c) || LengthRefuses(settings, field)) return kKeyRefused;
      if (!field.HasSelection() && field.Size() >= kLongestFileName) return kKeyRefused;
      return c;
    default:
      return c;
  }
}

bool IsEditingKey(char32_t key) {
  return key == kKeyBackspace || key == kKeyEnter || key == kKeyEscape || key == kKeySelectAll || key == kKeyCopy ||
         key == kKeyPaste || key == kKeyCut || key == kKeyRedo || key == kKeyUndo;
}

char32_t FilterKeyInField(const TextFilterSettings& settings, const Field& field, char32_t key) {
  if (IsEditingKey(key)) return key;
  if (settings.UCase) key = Upper(key);
  return FilterCharacter(settings, field, key);
}

// The form a number takes on focus loss: the report form with a 0 before a
// leading point (.5 reads 0.5, -.25 reads -0.25).
std::string GeneralNumberText(double value) {
  std::string text = NumberText(value);
  if (text.starts_with('.'))
    text.insert(0, 1, '0');
  else if (text.starts_with("-."))
    text.insert(1, 1, '0');
  return text;
}

void DropTrailingPoint(std::string& text) {
  if (text.ends_with('.')) text.pop_back();
}

// Cuts a number text (ASCII) to `limit` characters without changing its
// magnitude: only fraction digits, or mantissa digits in exponent form, are
// dropped. A number whose whole part, or whose first digit and exponent, do
// not fit stays as it is: a wrong number is worse than a long one.
std::string CutNumberText(std::string text, std::size_t limit) {
  if (text.size() <= limit) return text;
  const std::size_t exponentAt = text.find('E');
  if (exponentAt != std::string::npos) {
    const std::string exponent = text.substr(exponentAt);
    const std::size_t firstDigitEnd = text.starts_with('-') ? 2 : 1;
    if (firstDigitEnd + exponent.size() > limit) return text;
    std::string mantissa = text.substr(0, limit - exponent.size());
    DropTrailingPoint(mantissa);
    return mantissa + exponent;
  }
  const std::size_t wholeEnd = std::min(text.find('.'), text.size());
  if (wholeEnd > limit) return text;
  text.resize(limit);
  DropTrailingPoint(text);
  return text;
}

// Types `key` into the field as the filter lets it: true, with the field
// updated and the inserted character appended to `inserted`, when it passes.
bool TypeInto(const TextFilterSettings& settings, Field& field, char32_t key, std::string& inserted) {
  const char32_t accepted = FilterKeyInField(settings, field, key);
  if (accepted == kKeyRefused) return false;
  AppendUtf8(inserted, accepted);
  field.Text.replace(static_cast<std::size_t>(field.Start), static_cast<std::size_t>(field.Length), 1, accepted);
  field.Start += 1;
  field.Length = 0;
  return true;
}

bool IsControl(char32_t c) { return c < 0x20 || c == 0x7F; }

std::u32string_view TrimmedPaste(InputMode mode, std::u32string_view pasted) {
  const std::u32string_view around = IsNumericMode(mode) ? U" \t\r\n" : U"\r\n";
  const std::size_t first = IsNumericMode(mode) ? pasted.find_first_not_of(around) : 0;
  if (first == std::u32string_view::npos) return {};
  const std::size_t last = pasted.find_last_not_of(around);
  return last == std::u32string_view::npos ? std::u32string_view() : pasted.substr(first, last - first + 1);
}

std::string WhatTheFieldTakes(const TextFilterSettings& settings) {
  switch (settings.Mode) {
    case InputMode::SignedInteger:
      return "a whole number";
    case InputMode::UnsignedInteger:
      return "a whole number of 0 or more";
    case InputMode::SignedDecimal:
      return "one number";
    case InputMode::UnsignedDecimal:
      return "one number of 0 or more";
    case InputMode::Hexadecimal:
      return "two hexadecimal digits";
    case InputMode::OctalDigit:
      return "one digit from 0 to 7";
    case InputMode::FileName:
      return "a file name of one line without \\ / : * ? < > | or \"";
    default:
      return settings.AdditionalRestraint.empty() ? "one line of text"
                                                  : "one line of text without " + settings.AdditionalRestraint;
  }
}

// The pasted text as a message quotes it: its start when it is long.
std::string Quoted(std::u32string_view pasted) {
  constexpr std::size_t kShown = 20;
  std::string quoted = "\"";
  for (char32_t c : pasted.substr(0, kShown)) AppendUtf8(quoted, IsControl(c) ? U' ' : c);
  return quoted + (pasted.size() > kShown ? "...\"" : "\"");
}

}  // namespace

PasteResult FilterPastedText(const TextFilterSettings& settings, std::string_view text, std::int32_t selectionStart,
                             std::int32_t selectionLength, std::string_view pasted) {
  const std::u32string characters = DecodeUtf8(pasted);
  const std::u32string_view trimmed = TrimmedPaste(settings.Mode, characters);
  if (trimmed.empty()) return {{}, "There is no text to paste."};
  const std::string refused = Quoted(trimmed) + " cannot be pasted here: ";
  // The characters first, the length after: a refusal names what is wrong.
  TextFilterSettings unlimited = settings;
  unlimited.MaxDigits = 0;
  Field field(DecodeUtf8(text), selectionStart, selectionLength);
  const std::int32_t lengthBefore = field.Size() - field.Length;
  PasteResult result;
  for (char32_t key : trimmed)
    if (IsControl(key) || IsEditingKey(key) || !TypeInto(unlimited, field, key, result.Inserted))
      return {{}, refused + "the field takes " + WhatTheFieldTakes(settings) + "."};
  const bool limited = settings.MaxDigits >= 1 && IsLengthLimited(settings.Mode);
  if (limited && field.Size() > settings.MaxDigits && field.Size() > lengthBefore)
    return {{}, refused + "the field holds at most " + std::to_string(settings.MaxDigits) + " characters."};
  return result;
}

char32_t FilterKey(const TextFilterSettings& settings, std::string_view text, std::int32_t selectionStart,
                   std::int32_t selectionLength, char32_t key) {
  return FilterKeyInField(settings, Field(DecodeUtf8(text), selectionStart, selectionLength), key);
}

std::string FilterTypedText(const TextFilterSettings& settings, std::string_view text, std::int32_t selectionStart,
                            std::int32_t selectionLength, std::string_view typed) {
  Field field(DecodeUtf8(text), selectionStart, selectionLength);
  std::string accepted;
  for (char32_t key : DecodeUtf8(typed))
    if (!IsControl(key)) TypeInto(settings, field, key, accepted);  // control keys arrive as key codes of their own
  return accepted;
}

bool IsNumericMode(InputMode mode) {
  return mode == InputMode::SignedInteger || mode == InputMode::UnsignedInteger || mode == InputMode::SignedDecimal ||
         mode == InputMode::UnsignedDecimal;
}

std::string NormaliseOnFocusLoss(const TextFilterSettings& settings, std::string_view text) {
  if (!IsNumericMode(settings.Mode)) return std::string(text);
  if (text.empty() && settings.AllowNothing) return std::string();
  std::string normal = GeneralNumberText(NumericValue(text));
  if (settings.MaxDigits > 0) normal = CutNumberText(std::move(normal), static_cast<std::size_t>(settings.MaxDigits));
  return normal;
}

}  // namespace kolvane

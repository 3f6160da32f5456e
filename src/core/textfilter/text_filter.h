#pragma once
// The typing filter of the data-entry fields: which keys a field accepts
// (digits only, signed or unsigned decimals, a file name, ...), a typed comma
// becoming a decimal point, and the number form a numeric field is rewritten
// in when it loses the focus. Pure functions on the field's text and
// selection, so every rule is testable without a window; the window layer
// binds them to its text boxes (ui/controls/filtered_text_box.h).
//
// Texts are UTF-8. Positions and lengths count characters (code points).

#include <cstdint>
#include <string>
#include <string_view>

namespace kolvane {

// Which filter a field applies. Any value outside 0 to 7 leaves typing
// unfiltered and the text unchanged on focus loss.
enum class InputMode : std::int32_t {
  AnyText = 0,          // every character not in AdditionalRestraint
  SignedInteger = 1,    // "-0123456789"
  UnsignedInteger = 2,  // "0123456789"
  SignedDecimal = 3,    // "-.0123456789", a typed comma becomes a point
  UnsignedDecimal = 4,  // ".0123456789", a typed comma becomes a point
  Hexadecimal = 5,      // "0123456789ABCDEF", upper-cased, two characters
  OctalDigit = 6,       // "01234567", one character
  FileName = 7,         // no PathSep, none of \ / : * ? < > | and no double quote; 256 characters at most
  Unfiltered = -1,
};

// The settings of one filtered field.
struct TextFilterSettings {
  InputMode Mode = InputMode::AnyText;
  // The greatest number of characters typing may reach (sign and point
  // included); 0 or less: no limit. Not used by modes 5 and 6.
  std::int32_t MaxDigits = 0;
  // Upper-case every typed letter before filtering (a to z and the Latin-1
  // letters).
  bool UCase = false;
  // Further characters that may not be typed (modes 0 and 7); matched exactly,
  // letter case included.
  std::string AdditionalRestraint;
  // A numeric field may be left empty; otherwise an empty numeric field
  // becomes 0 when it loses the focus.
  bool AllowNothing = false;
};

// Key codes as the filter speaks of them: a character's code point, or one of
// these control codes.
inline constexpr char32_t kKeyRefused = 0;
inline constexpr char32_t kKeySelectAll = 1;  // Ctrl+A
inline constexpr char32_t kKeyCopy = 3;       // Ctrl+C
inline constexpr char32_t kKeyBackspace = 8;
inline constexpr char32_t kKeyEnter = 13;
inline constexpr char32_t kKeyPaste = 22;  // Ctrl+V
inline constexpr char32_t kKeyCut = 24;    // Ctrl+X
inline constexpr char32_t kKeyRedo = 25;   // Ctrl+Y
inline constexpr char32_t kKeyUndo = 26;   // Ctrl+Z
inline constexpr char32_t kKeyEscape = 27;

// The key the field should insert when `key` is typed into `text` whose
// selection starts at `selectionStart` and is `selectionLength` characters
// long: the key itself, another key (a comma typed into a decimal field
// becomes a point; upper-casing), or kKeyRefused. Backspace, Enter and Escape
// always pass, and so do the editing keys the field's menu offers (select
// all, copy, cut, undo, redo: they bring back or take away only text the
// field held) and paste, whose text the field filters with
// FilterPastedText. Every other code, control codes included, is filtered.
char32_t FilterKey(const TextFilterSettings& settings, std::string_view text, std::int32_t selectionStart,
                   std::int32_t selectionLength, char32_t key);

// The characters of `typed` (UTF-8, several keys arriving at once, as from an
// input method) that the field accepts when they are typed one after another
// over the selection, each as FilterKey turns it: what the field should
// insert in place of the selection. Refused characters are dropped, and so
// are control characters, which are keys rather than text.
std::string FilterTypedText(const TextFilterSettings& settings, std::string_view text, std::int32_t selectionStart,
                            std::int32_t selectionLength, std::string_view typed);

// What a paste puts into a field: the pasted text as typing would insert it
// (a decimal comma becomes a point), or nothing and a short message that says
// what the field takes. A paste is taken whole or not at all: dropping the
// characters a field refuses would turn "abc12,5xyz" into another number.
struct PasteResult {
  std::string Inserted;  // replaces the selection when the paste is accepted
  std::string Refusal;   // empty when accepted
  bool Accepted() const { return Refusal.empty(); }
};

// The paste of `pasted` (UTF-8) over the selection. Blanks and line ends
// around a number (as a copied spreadsheet cell brings) and the line end
// after any text are dropped first.
PasteResult FilterPastedText(const TextFilterSettings& settings, std::string_view text, std::int32_t selectionStart,
                             std::int32_t selectionLength, std::string_view pasted);

// Modes 1 to 4: the fields that hold a number and are rewritten on focus loss.
bool IsNumericMode(InputMode mode);

// The text a field shows after losing the focus. Numeric fields (modes 1 to 4)
// are rewritten in number form: the text's numeric value with up to 15
// significant digits, "." as the decimal point and a 0 before it below 1
// (.5 becomes 0.5, 007 becomes 7, "12." becomes 12, "-" becomes 0), cut to
// MaxDigits characters. An empty field stays empty when AllowNothing is set.
// A value written with an exponent keeps its exponent when it is cut (its
// mantissa is shortened instead), so that cutting never changes the number's
// magnitude. Every other mode returns the text unchanged.
std::string NormaliseOnFocusLoss(const TextFilterSettings& settings, std::string_view text);

}  // namespace kolvane

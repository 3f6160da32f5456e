#pragma once
// UTF-8, the encoding of every text in the core, as sequences of characters
// (code points), for the rules that count or inspect characters.

#include <string>
#include <string_view>

namespace kolvane {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character that starts at byte `pos` of the text and its length in
// bytes; length 0 when the bytes there are not well-formed UTF-8.
struct Utf8Character {
  char32_t Character = kReplacementCharacter;
  std::size_t Length = 0;
};
Utf8Character DecodeUtf8At(std::string_view text, std::size_t pos);

// The characters of the text; a byte sequence that is not UTF-8 becomes
// U+FFFD per offending byte.
std::u32string DecodeUtf8(std::string_view text);

// Whether the text is well-formed UTF-8 (no stray, overlong or surrogate
// sequences).
bool IsValidUtf8(std::string_view text);

std::string EncodeUtf8(std::u32string_view characters);
void AppendUtf8(std::string& text, char32_t character);

}  // namespace kolvane

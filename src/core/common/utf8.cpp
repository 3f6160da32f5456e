#include "core/common/utf8.h"

namespace kolvane {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

Utf8Character DecodeUtf8At(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return {lead, 1};
  std::size_t length;
  char32_t character;
  char32_t smallest;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    character = lead & 0x1F;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    character = lead & 0x0F;
    smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    character = lead & 0x07;
    smallest = 0x10000;
  } else {
    return {};
  }
  if (pos + length > text.size()) return {};
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(byte)) return {};
    character = (character << 6) | (byte & 0x3F);
  }
  const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
  if (character < smallest || character > 0x10FFFF || surrogate) return {};
  return {character, length};
}

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string characters;
  characters.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const Utf8Character decoded = DecodeUtf8At(text, pos);
    characters.push_back(decoded.Length ? decoded.Character : kReplacementCharacter);
    pos += decoded.Length ? decoded.Length : 1;
  }
  return characters;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const Utf8Character decoded = DecodeUtf8At(text, pos);
    if (!decoded.Length) return false;
    pos += decoded.Length;
  }
  return true;
}

void AppendUtf8(std::string& text, char32_t character) {
  if (character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) character = kReplacementCharacter;
  if (character < 0x80) {
    text.push_back(static_cast<char>(character));
  } else if (character < 0x800) {
    text.push_back(static_cast<char>(0xC0 | (character >> 6)));
    text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
  } else if (character < 0x10000) {
    text.push_back(static_cast<char>(0xE0 | (character >> 12)));
    text.push_back(static_cast<char>(0x80 | ((character >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
  } else {
    text.push_back(static_cast<char>(0xF0 | (character >> 18)));
    text.push_back(static_cast<char>(0x80 | ((character >> 12) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | ((character >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
  }
}

std::string EncodeUtf8(std::u32string_view characters) {
  std::string text;
  text.reserve(characters.size());
  for (char32_t c : characters) AppendUtf8(text, c);
  return text;
}

}  // namespace kolvane

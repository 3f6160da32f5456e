#include "core/common/latin1.h"

#include "core/common/utf8.h"

namespace kolvane {

void AppendLatin1FromUtf8(std::string& out, std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte < 0x80) {  // nearly every character of a report
      out += static_cast<char>(byte);
      ++pos;
      continue;
    }
    const Utf8Character decoded = DecodeUtf8At(text, pos);
    out += decoded.Length != 0 && decoded.Character <= 0xFF ? static_cast<char>(decoded.Character) : '?';
    pos += decoded.Length != 0 ? decoded.Length : 1;
  }
}

std::string Latin1FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendLatin1FromUtf8(out, text);
  return out;
}

}  // namespace kolvane

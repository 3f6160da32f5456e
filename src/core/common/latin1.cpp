#include "core/common/latin1.h"

namespace kolvane {

namespace {

// Length of the UTF-8 sequence led by `lead`, or 0 for a byte that cannot lead.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

void AppendLatin1FromUtf8(std::string& out, std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    const int length = SequenceLength(lead);
    bool whole = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
    for (int n = 1; whole && n < length; ++n) whole = IsContinuation(static_cast<unsigned char>(text[i + n]));
    if (!whole) {
      out += '?';
      ++i;
      continue;
    }
    // Two-byte sequences led by C2 or C3 are exactly U+0080..U+00FF.
    if (length == 2 && lead <= 0xC3) {
      out += static_cast<char>(((lead & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
    } else {
      out += '?';
    }
    i += static_cast<std::size_t>(length);
  }
}

std::string Latin1FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendLatin1FromUtf8(out, text);
  return out;
}

}  // namespace kolvane

#pragma once
// Reports are single-byte Latin-1 files, while the program's texts are UTF-8:
// "m²" is three bytes on screen and two in the file.

#include <string>
#include <string_view>

namespace kolvane {

// Characters beyond Latin-1 and bytes that are not UTF-8 become "?", so every
// character of the text stays one character of the file.
std::string Latin1FromUtf8(std::string_view text);

// Appends the Latin-1 form of text to out (no allocation for plain ASCII
// beyond out's growth).
void AppendLatin1FromUtf8(std::string& out, std::string_view text);

}  // namespace kolvane

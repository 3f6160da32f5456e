#include "core/diagrams/diagram_name.h"

#include "core/common/utf8.h"
#include "core/textfilter/text_filter.h"

namespace kolvane {
namespace {

// The longest file name the file system holds, in bytes, and what the
// extension ".dg1" to ".dg7" and the backup's ".bak" add to the name: a
// diagram whose backup could not exist could not be repaired safely.
constexpr std::size_t kLongestFileNameBytes = 255;
constexpr std::size_t kExtensionBytes = 4;
constexpr std::size_t kBackupBytes = 4;

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

bool NameBoxAccepts(char32_t c) {
  TextFilterSettings nameBox;
  nameBox.Mode = InputMode::FileName;
  return FilterKey(nameBox, "", 0, 0, c) == c;
}

}  // namespace

std::string TrimmedDiagramName(std::string_view name) {
  const std::size_t first = name.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string();
  const std::size_t last = name.find_last_not_of(' ');
  return std::string(name.substr(first, last - first + 1));
}

bool IsValidDiagramName(std::string_view name) {
  const std::string trimmed = TrimmedDiagramName(name);
  if (trimmed.empty() || trimmed == "." || trimmed == "..") return false;
  if (!IsValidUtf8(trimmed) || trimmed.size() + kExtensionBytes + kBackupBytes > kLongestFileNameBytes) return false;
  for (char32_t c : DecodeUtf8(trimmed))
    if (IsControl(c) || !NameBoxAccepts(c)) return false;
  return true;
}

bool IsAcceptedDiagramName(std::string_view name, std::string_view originalName) {
  const std::string trimmed = TrimmedDiagramName(name);
  if (!originalName.empty() && !trimmed.empty() && trimmed == TrimmedDiagramName(originalName)) return true;
  return IsValidDiagramName(name);
}

}  // namespace kolvane

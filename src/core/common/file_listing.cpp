#include "core/common/file_listing.h"

#include <filesystem>
#include <system_error>

namespace kolvane {
namespace {

unsigned char UpperCode(char c) {
  auto code = static_cast<unsigned char>(c);
  return (code >= 'a' && code <= 'z') ? static_cast<unsigned char>(code - 'a' + 'A') : code;
}

// True when a must move behind b: at the first position where the upper-case
// codes differ, a's is the greater one.
bool ComesAfter(const std::string& a, const std::string& b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    unsigned char ca = UpperCode(a[i]);
    unsigned char cb = UpperCode(b[i]);
    if (ca != cb) return ca > cb;
  }
  return false;
}

bool EndsWith(const std::string& name, const std::string& ending) {
  return name.size() >= ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

void SortNames(std::vector<std::string>& names) {
  // An exchange sort on purpose: with prefix pairs left in place the order is
  // not a strict weak ordering, and this is the order users know.
  for (std::size_t a = 0; a < names.size(); ++a)
    for (std::size_t b = a + 1; b < names.size(); ++b)
      if (ComesAfter(names[a], names[b])) std::swap(names[a], names[b]);
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& extension, bool withExtension) {
  namespace fs = std::filesystem;
  const std::string ending = "." + extension;
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(folder.empty() ? std::string("/") : folder, error);
  if (error) return names;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) return {};
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    if (!EndsWith(name, ending) || name.size() == ending.size()) continue;  // ".dg1" alone names nothing
    names.push_back(withExtension ? name : name.substr(0, name.size() - ending.size()));
  }
  SortNames(names);
  return names;
}

}  // namespace kolvane

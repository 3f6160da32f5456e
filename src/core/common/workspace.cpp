#include "core/common/workspace.h"

namespace kolvane {

Workspace::Workspace(std::string folder) : folder_(std::move(folder)) {
  if (folder_.empty()) {
    folder_.assign(1, '.');  // no folder named means the current one, never the root
    return;
  }
  while (!folder_.empty() && folder_.back() == kPathSep) folder_.pop_back();
}

std::string Workspace::InMessage() const {
  if (folder_ == ".") return "the current folder";
  if (folder_.empty()) return "/";  // the root, whose trailing separator is dropped
  return folder_;
}

std::string Workspace::PathOf(std::string_view fileName) const {
  std::string path = folder_;
  path += kPathSep;
  path += fileName;
  return path;
}

}  // namespace kolvane

#pragma once
// The working folder: every file the program reads or writes is named
// folder + PathSep + file name. A value, so that tests and the batch tool can
// work on as many folders as they like.

#include <string>
#include <string_view>

namespace kolvane {

inline constexpr char kPathSep = '/';

class Workspace {
 public:
  // A trailing separator is dropped, so the root folder "/" becomes "" and its
  // files read "/main.dat".
  explicit Workspace(std::string folder);

  const std::string& Folder() const { return folder_; }
  std::string PathOf(std::string_view fileName) const;
  // The folder as a message names it: "the current folder" for ".", which
  // would read as a full stop, and "/" for the root.
  std::string InMessage() const;

 private:
  std::string folder_;
};

}  // namespace kolvane

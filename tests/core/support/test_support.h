#pragma once
// Scratch folders and file helpers for tests that touch the file system.

#include <functional>
#include <string>

namespace kolvane::testing {

// A fresh empty folder, removed with everything in it when the object dies.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
// Names of the entries in a folder, sorted, hidden ones included.
std::string FolderListing(const std::string& folder);
// Runs `body` in a child process (so the limits and users it sets stay there)
// and returns what it returned.
std::string InChildProcess(const std::function<std::string()>& body);

}  // namespace kolvane::testing

// The scratch files' helpers, used by most tests that touch files.
namespace kolvane {
using testing::FolderListing;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
}  // namespace kolvane

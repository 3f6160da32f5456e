#pragma once
// Which file a path names, as the file system sees it rather than as the text
// reads: "here/r.txt" with here -> . and "r.txt" are one file, and so are a
// link to a file not written yet and that file's own name.

#include <cstdint>
#include <string>

namespace kolvane {

struct FileIdentity {
  // Where a write lands: the folder (by device and inode, when it exists)
  // and the final name, after the path's symbolic links are followed as the
  // safe writer follows them.
  bool FolderFound = false;
  std::uint64_t FolderDevice = 0, FolderInode = 0;
  std::string Name;
  std::string NormalPath;  // absolute and normalised, for a folder that is not there
  // The file itself, when it exists (its other hard links are the same file).
  bool Exists = false;
  std::uint64_t Device = 0, Inode = 0;
};

FileIdentity IdentityOf(const std::string& path);

// True when a write to one would change what the other holds.
bool SameFile(const FileIdentity& a, const FileIdentity& b);

}  // namespace kolvane

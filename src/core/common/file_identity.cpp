#include "core/common/file_identity.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "core/common/text_file.h"

namespace kolvane {

FileIdentity IdentityOf(const std::string& path) {
  FileIdentity identity;
  std::string target;
  if (ResolveWriteTarget(path, target) != 0) target = path;  // the write will say why
  const std::filesystem::path resolved(target);
  identity.name = resolved.filename().string();
  std::error_code error;
  identity.normalPath = std::filesystem::absolute(resolved, error).lexically_normal().string();
  const std::filesystem::path folder = resolved.has_parent_path() ? resolved.parent_path() : ".";
  struct stat info;
  if (::stat(folder.c_str(), &info) == 0) {
    identity.folderFound = true;
    identity.folderDevice = info.st_dev;
    identity.folderInode = info.st_ino;
  }
  if (::stat(target.c_str(), &info) == 0) {
    identity.exists = true;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
  }
  return identity;
}

bool SameFile(const FileIdentity& a, const FileIdentity& b) {
  if (a.exists && b.exists && a.device == b.device && a.inode == b.inode) return true;
  if (a.folderFound && b.folderFound)
    return a.folderDevice == b.folderDevice && a.folderInode == b.folderInode && a.name == b.name;
  return a.normalPath == b.normalPath;
}

}  // namespace kolvane

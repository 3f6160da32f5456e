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
  identity.Name = resolved.filename().string();
  std::error_code error;
  identity.NormalPath = std::filesystem::absolute(resolved, error).lexically_normal().string();
  const std::filesystem::path folder = resolved.has_parent_path() ? resolved.parent_path() : ".";
  struct stat info;
  if (::stat(folder.c_str(), &info) == 0) {
    identity.FolderFound = true;
    identity.FolderDevice = info.st_dev;
    identity.FolderInode = info.st_ino;
  }
  if (::stat(target.c_str(), &info) == 0) {
    identity.Exists = true;
    identity.Device = info.st_dev;
    identity.Inode = info.st_ino;
  }
  return identity;
}

bool SameFile(const FileIdentity& a, const FileIdentity& b) {
  if (a.Exists && b.Exists && a.Device == b.Device && a.Inode == b.Inode) return true;
  if (a.FolderFound && b.FolderFound)
    return a.FolderDevice == b.FolderDevice && a.FolderInode == b.FolderInode && a.Name == b.Name;
  return a.NormalPath == b.NormalPath;
}

}  // namespace kolvane

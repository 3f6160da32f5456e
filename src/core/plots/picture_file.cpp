#include "core/plots/picture_file.h"

#include <filesystem>
#include <system_error>

namespace kolvane {

std::string PictureFileName(const std::string& baseName) { return baseName + ".bmp"; }

std::string PicturePath(const Workspace& workspace, const std::string& baseName) {
  return workspace.PathOf(PictureFileName(baseName));
}

std::string PictureOverwriteQuestion(const std::string& baseName) {
  return PictureFileName(baseName) + " already exists and it will be overwritten. Should I proceed? ";
}

std::string PictureSavedMessage(const Workspace& workspace, const std::string& baseName) {
  // The full path tells the user where to find the file, whatever folder the
  // program was started in.
  std::error_code error;
  const std::filesystem::path path = PicturePath(workspace, baseName);
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  const std::string shown = error ? path.string() : absolute.lexically_normal().string();
  return PictureFileName(baseName) + " was saved successfully.\r\n" + shown;
}

std::string PictureNotSavedMessage(const std::string& baseName, const std::string& reason) {
  return PictureFileName(baseName) + " could not be saved: " + reason;
}

}  // namespace kolvane

#include "core/plots/picture_file.h"

namespace kolvane {

std::string PictureFileName(const std::string& baseName) { return baseName + ".bmp"; }

std::string PicturePath(const Workspace& workspace, const std::string& baseName) {
  return workspace.PathOf(PictureFileName(baseName));
}

std::string PictureOverwriteQuestion(const std::string& baseName) {
  return PictureFileName(baseName) + " already exists and it will be overwritten. Should I proceed? ";
}

std::string PictureSavedMessage(const std::string& baseName) {
  return PictureFileName(baseName) + " was saved successfully.";
}

std::string PictureNotSavedMessage(const std::string& baseName, const std::string& reason) {
  return PictureFileName(baseName) + " could not be saved: " + reason;
}

}  // namespace kolvane

#include "core/plots/picture_file.h"

#include "core/common/report_file.h"

namespace kolvane {

std::string PictureFileName(const std::string& baseName) { return baseName + ".bmp"; }

std::string PicturePath(const Workspace& workspace, const std::string& baseName) {
  return workspace.PathOf(PictureFileName(baseName));
}

std::string PictureOverwriteQuestion(const std::string& baseName) {
  return PictureFileName(baseName) + " already exists and it will be overwritten. Should I proceed? ";
}

std::string PictureSavedMessage(const Workspace& workspace, const std::string& baseName) {
  // Worded as every saved file is, with the full path that tells the user
  // where to find it, whatever folder the program was started in.
  return ReportSavedMessage(PictureFileName(baseName), PicturePath(workspace, baseName));
}

std::string PictureNotSavedMessage(const std::string& baseName, const std::string& reason) {
  return PictureFileName(baseName) + " could not be saved: " + reason;
}

}  // namespace kolvane

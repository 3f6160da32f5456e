#pragma once
// Plot pictures saved as bitmaps beside the program's other files:
// "<base name>.bmp", asked about before one is replaced.

#include <string>

#include "core/common/workspace.h"

namespace kolvane {

std::string PictureFileName(const std::string& baseName);  // "June" -> "June.bmp"
std::string PicturePath(const Workspace& workspace, const std::string& baseName);

std::string PictureOverwriteQuestion(const std::string& baseName);
// "June.bmp was saved successfully." and, on a second line, the file's full path.
std::string PictureSavedMessage(const Workspace& workspace, const std::string& baseName);
// A save that failed must not pass for one that worked: the user is told why.
std::string PictureNotSavedMessage(const std::string& baseName, const std::string& reason);

}  // namespace kolvane

#pragma once
// Saving a plot's picture as "<base name>.bmp" in the working folder, for
// every plot window: the diagram plot, the section plots and the profile plot.

#include <QImage>
#include <string>

#include "ui/common/app_context.h"

class QWidget;

namespace kolvane::ui {

// Asks before an existing file is replaced, writes the bitmap atomically (a
// failed save leaves any old file as it was), then confirms the save or says
// why it failed. True when the file was written.
bool SavePlotPicture(const QImage& picture, const std::string& baseName, const AppContext& context, QWidget* parent);

}  // namespace kolvane::ui

#pragma once
// "Export CSV" of the plot windows: a table written to the working folder as
// the reports are (replaced without asking, through a temporary file), then
// confirmed or the reason it failed shown.

#include <string>
#include <vector>

#include "ui/common/app_context.h"

class QPushButton;
class QWidget;

namespace kolvane::ui {

// The "Export CSV" button (cmdExportCsv).
QPushButton* CreateExportCsvButton();

// True when the file was written.
bool ExportCsv(const AppContext& context, const std::string& fileName, const std::vector<std::string>& lines,
               QWidget* parent);

}  // namespace kolvane::ui

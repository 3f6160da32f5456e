#pragma once
// How a solution window tells the user about a saved report.

#include <string>

#include "core/common/text_file.h"
#include "ui/common/app_context.h"

class QWidget;

namespace kolvane::ui {

// "<file> was saved successfully." with the full path as information, or an
// "Error" that says why the file could not be saved: a report that was not
// written must not pass for one that was. `fileName` is in the working folder.
void TellReportSaved(const AppContext& context, const std::string& fileName, const WriteResult& written,
                     QWidget* parent);

}  // namespace kolvane::ui

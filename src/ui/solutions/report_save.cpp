#include "ui/solutions/report_save.h"

namespace kolvane::ui {

void TellReportSaved(const AppContext& context, const std::string& fileName, const WriteResult& written,
                     QWidget* parent) {
  if (written.ok)
    context.messages->Information(parent, fileName + " was saved successfully.");
  else
    context.messages->Error(parent, fileName + " could not be saved: " + written.reason);
}

}  // namespace kolvane::ui

#include "ui/solutions/report_save.h"

#include "core/common/report_file.h"

namespace kolvane::ui {

void TellReportSaved(const AppContext& context, const std::string& fileName, const WriteResult& written,
                     QWidget* parent) {
  const std::string path = context.workspace.PathOf(fileName);
  if (written.ok)
    context.messages->Information(parent, ReportSavedMessage(fileName, path));
  else
    context.messages->Error(parent, ReportNotSavedMessage(fileName, path, written.reason));
}

}  // namespace kolvane::ui

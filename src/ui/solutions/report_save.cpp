#include "ui/solutions/report_save.h"

#include "core/common/report_file.h"

namespace kolvane::ui {

void TellReportSaved(const AppContext& context, const std::string& fileName, const WriteResult& written,
                     QWidget* parent) {
  const std::string path = context.Workspace.PathOf(fileName);
  if (written.Ok)
    context.Messages->Information(parent, ReportSavedMessage(fileName, path));
  else
    context.Messages->Error(parent, ReportNotSavedMessage(fileName, path, written.Reason));
}

}  // namespace kolvane::ui

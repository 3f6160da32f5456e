#include "ui/plots/csv_export.h"

#include "core/common/csv_file.h"
#include "ui/common/named_button.h"
#include "ui/solutions/report_save.h"

namespace kolvane::ui {

QPushButton* CreateExportCsvButton() { return NamedButton("cmdExportCsv", "&Export CSV"); }

bool ExportCsv(const AppContext& context, const std::string& fileName, const std::vector<std::string>& lines,
               QWidget* parent) {
  const WriteResult written = SaveCsvFile(context.Workspace.PathOf(fileName), lines);
  TellReportSaved(context, fileName, written, parent);
  return written.Ok;
}

}  // namespace kolvane::ui

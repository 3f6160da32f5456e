#pragma once
// "Calculation Report...": a small form asks for the title block's names and
// the limits (kept in the folder's settings), then the report of the chosen
// results is written to CalculationReport.pdf in the working folder.

#include <QDialog>

#include "ui/common/app_context.h"
#include "ui/common/report_settings.h"

class QLineEdit;

namespace kolvane::ui {

inline constexpr const char* kCalculationReportFileName = "CalculationReport.pdf";

// frmCalculationReport: the project, structure, engineer and checker, and the
// deflection (H/n) and rotation (degrees) limits, which may stay empty.
class CalculationReportForm final : public QDialog {
  Q_OBJECT

 public:
  CalculationReportForm(AppContext& context, QWidget* parent = nullptr);

  ReportFormInputs Inputs() const;

 public slots:
  // Refuses a limit that is not a number above 0, with the cursor in its box.
  void accept() override;

 private:
  AppContext& context_;
  QLineEdit *txtProject_, *txtStructure_, *txtEngineer_, *txtChecker_;
  QLineEdit *txtLimitDeflection_, *txtLimitRotation_;
};

// Asks with the form and writes the report of `results` (of the open folder),
// saying where it went or why it could not be written.
void WriteCalculationReportOf(AppContext& context, const LatestResults& results, QWidget* parent);

}  // namespace kolvane::ui

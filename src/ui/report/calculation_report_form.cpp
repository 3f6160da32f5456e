#include "ui/report/calculation_report_form.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "report/pdf_report.h"
#include "ui/solutions/report_save.h"

namespace kolvane::ui {
namespace {

QLineEdit* Field(const char* name, const std::string& text) {
  auto* box = new QLineEdit(QString::fromStdString(text));
  box->setObjectName(name);
  return box;
}

}  // namespace

CalculationReportForm::CalculationReportForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName("frmCalculationReport");
  setWindowTitle("Calculation Report");
  const ReportFormInputs kept = LoadReportFormInputs(context_.Workspace.Folder());
  txtProject_ = Field("txtProject", kept.Project);
  txtStructure_ = Field("txtStructure", kept.Structure);
  txtEngineer_ = Field("txtEngineer", kept.Engineer);
  txtChecker_ = Field("txtChecker", kept.Checker);
  txtLimitDeflection_ = Field("txtLimitDeflection", kept.DeflectionLimit);
  txtLimitRotation_ = Field("txtLimitRotation", kept.RotationLimit);
  txtLimitDeflection_->setPlaceholderText("none");
  txtLimitRotation_->setPlaceholderText("none");

  auto* form = new QFormLayout(this);
  form->addRow("Project :", txtProject_);
  form->addRow("Structure :", txtStructure_);
  form->addRow("Engineer :", txtEngineer_);
  form->addRow("Checker :", txtChecker_);
  form->addRow("Deflection limit : H /", txtLimitDeflection_);
  form->addRow("Rotation limit (degrees) :", txtLimitRotation_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &CalculationReportForm::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

ReportFormInputs CalculationReportForm::Inputs() const {
  const auto text = [](const QLineEdit* box) { return box->text().trimmed().toStdString(); };
  return {text(txtProject_), text(txtStructure_),       text(txtEngineer_),
          text(txtChecker_), text(txtLimitDeflection_), text(txtLimitRotation_)};
}

void CalculationReportForm::accept() {
  const ReportFormInputs inputs = Inputs();
  const struct {
    const std::string& Text;
    QLineEdit* Box;
    const char* Message;
  } limits[] = {
      {inputs.DeflectionLimit, txtLimitDeflection_,
       "The deflection limit must be a number above 0 (the n of H/n), or empty."},
      {inputs.RotationLimit, txtLimitRotation_, "The rotation limit must be a number of degrees above 0, or empty."}};
  for (const auto& limit : limits)
    if (!limit.Text.empty() && !LimitValue(limit.Text)) {
      context_.Messages->Error(this, limit.Message);
      limit.Box->setFocus();
      limit.Box->selectAll();
      return;
    }
  StoreReportFormInputs(context_.Workspace.Folder(), inputs);
  QDialog::accept();
}

void WriteCalculationReportOf(AppContext& context, const LatestResults& results, QWidget* parent) {
  CalculationReportForm form(context, parent);
  if (form.exec() != QDialog::Accepted) return;
  const ReportFormInputs inputs = form.Inputs();
  CalculationReport report;
  report.Title = {inputs.Project, inputs.Structure, context.Workspace.Folder(), inputs.Engineer, inputs.Checker};
  report.Limits = {LimitValue(inputs.DeflectionLimit), LimitValue(inputs.RotationLimit)};
  report.ThermoElastic = results.ThermoElastic;
  report.Orbit = results.Orbit;
  report.Creep = results.Creep;
  report.ElasticReportFile = results.ThermoElastic ? results.ElasticReportFile : std::string();
  report.CreepReportFile = results.Creep ? results.CreepReportFile : std::string();
  const std::string path = context.Workspace.PathOf(kCalculationReportFileName);
  TellReportSaved(context, kCalculationReportFileName, report::WriteCalculationReport(report, path), parent);
}

}  // namespace kolvane::ui

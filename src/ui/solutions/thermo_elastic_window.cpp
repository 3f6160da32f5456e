#include "ui/solutions/thermo_elastic_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/memory.h"
#include "core/engine/finite_results.h"
#include "core/thermoelastic/thermo_elastic_run.h"
#include "ui/common/named_button.h"
#include "ui/controls/filtered_text_box.h"
#include "ui/solutions/report_list_model.h"
#include "ui/solutions/report_save.h"

namespace kolvane::ui {
namespace {

constexpr int kRunDiagramCount = 5;  // kinds 1 to 5
constexpr int kHourDigits = 6;

}  // namespace

ThermoElasticWindow::ThermoElasticWindow(AppContext& context, const MainDataTexts& mainData, QWidget* parent)
    : QDialog(parent), context_(context), mainData_(mainData) {
  setObjectName("frmThermoElastic");
  setWindowTitle("ThermoElastic Solution");

  QGroupBox* diagrams = CreateDiagramRows(kRunDiagramCount, context_.workspace, rows_);
  for (const DiagramRow& row : rows_) {
    connect(row.Box, &QComboBox::activated, this, [this, row] { cboDiagram_Click(row); });
    connect(row.Draw, &QPushButton::clicked, this, [this, row] { cmdDraw_Click(row); });
  }
  cmdOk_ = NamedButton("cmdOk", "OK");
  connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);

  auto* left = new QVBoxLayout;
  left->addWidget(diagrams);
  left->addWidget(CreateCalculationsFrame());
  left->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(CreateResultsFrame(), 1);
  auto* okRow = new QHBoxLayout;
  okRow->addStretch(1);
  okRow->addWidget(cmdOk_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addLayout(okRow);
}

QWidget* ThermoElasticWindow::CreateCalculationsFrame() {
  auto* frame = new QGroupBox("Calculations");
  frame->setObjectName("frameCalculations");
  txtHour_ = new QLineEdit("0");
  txtHour_->setObjectName("txtHour");
  new FilteredTextBox(txtHour_, InputMode::UnsignedDecimal, kHourDigits, false);
  txtHour_->setMaximumWidth(txtHour_->fontMetrics().horizontalAdvance(QString(10, '0')));
  auto* label = new QLabel("Solution time :");
  label->setBuddy(txtHour_);
  cmdCalculate_ = NamedButton("cmdCalculate", "&Calculate");
  connect(cmdCalculate_, &QPushButton::clicked, this, &ThermoElasticWindow::cmdCalculate_Click);

  auto* row = new QHBoxLayout(frame);
  row->addWidget(label);
  row->addWidget(txtHour_);
  row->addWidget(new QLabel("hours"));
  row->addStretch(1);
  row->addWidget(cmdCalculate_);
  return frame;
}

QWidget* ThermoElasticWindow::CreateResultsFrame() {
  auto* frame = new QGroupBox("Results");
  frame->setObjectName("frameResults");
  results_ = new ReportListModel(this);
  lstResults_ = CreateResultsList(results_);
  cmdSaveReport_ = NamedButton("cmdSaveReport", "&Save Report");
  cmdDrawSection_ = NamedButton("cmdDrawSection", "&Draw Section");
  cmdSaveReport_->setEnabled(false);  // nothing to save or draw before a run
  cmdDrawSection_->setEnabled(false);
  connect(cmdSaveReport_, &QPushButton::clicked, this, &ThermoElasticWindow::cmdSaveReport_Click);
  connect(cmdDrawSection_, &QPushButton::clicked, this, &ThermoElasticWindow::cmdDrawSection_Click);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdSaveReport_);
  buttons->addWidget(cmdDrawSection_);
  buttons->addStretch(1);
  auto* column = new QVBoxLayout(frame);
  column->addWidget(lstResults_, 1);
  column->addLayout(buttons);
  return frame;
}

void ThermoElasticWindow::SetSectionPlotHook(SectionPlotHook hook) { sectionPlotHook_ = std::move(hook); }

void ThermoElasticWindow::cboDiagram_Click(const DiagramRow& row) {
  if (row.Box->currentIndex() < 0) return;
  // A diagram that cannot be used closes the window, and with it the results
  // of an earlier run: every row must be chosen again anyway.
  if (!OpenChosenDiagram(context_, ChosenName(row.Box), row.Kind, this)) accept();
}

void ThermoElasticWindow::cmdDraw_Click(const DiagramRow& row) {
  if (row.Box->currentIndex() < 0) return;
  ShowLoadedDiagram(context_, ChosenName(row.Box), row.Kind, this);
}

void ThermoElasticWindow::cmdCalculate_Click() {
  ThermoElasticChoices chosen{};
  for (const DiagramRow& row : rows_) chosen[static_cast<std::size_t>(row.Kind - 1)] = row.Box->currentIndex() >= 0;
  const ThermoElasticOutcome outcome = RunThermoElastic(context_.grid, mainData_, txtHour_->text().toStdString(),
                                                        chosen, AvailableMemoryBytes());
  if (outcome.GridChanged) ShowReport(outcome.Ran);
  if (!outcome.Ran) context_.messages->Error(this, outcome.Message);
  else if (!ThermoElasticResultsAreFinite(context_.grid)) context_.messages->Notice(this, kNonFiniteResultsMessage);
}

void ThermoElasticWindow::ShowReport(bool ran) {
  report_ = ran ? ElasticReport(context_.grid) : ElasticReport();
  results_->Show(report_.LineCount(), [this](std::int64_t index) { return report_.Line(index); });
  cmdDrawSection_->setEnabled(ran);
  cmdSaveReport_->setEnabled(ran);
}

void ThermoElasticWindow::cmdSaveReport_Click() {
  const std::string path = context_.workspace.PathOf(kElasticReportFileName);
  TellReportSaved(context_, kElasticReportFileName, SaveElasticReport(report_, path), this);
}

void ThermoElasticWindow::cmdDrawSection_Click() {
  if (sectionPlotHook_) sectionPlotHook_(this);
}

}  // namespace kolvane::ui

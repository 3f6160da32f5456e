#include "ui/solutions/thermo_elastic_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/memory.h"
#include "core/engine/finite_results.h"
#include "ui/common/named_button.h"
#include "ui/common/report_settings.h"
#include "ui/controls/filtered_text_box.h"
#include "ui/report/calculation_report_form.h"
#include "ui/solutions/remembered_inputs.h"
#include "ui/solutions/report_list_model.h"
#include "ui/solutions/report_save.h"
#include "ui/solutions/result_summary.h"
#include "ui/solutions/results_list.h"
#include "ui/solutions/run_progress.h"
#include "ui/solutions/solution_worker.h"

namespace kolvane::ui {
namespace {

QString DiagramKey(DiagramKind kind) { return "Diagram" + QString::number(kind); }

}  // namespace

ThermoElasticWindow::ThermoElasticWindow(AppContext& context, const MainDataTexts& mainData, QWidget* parent)
    : SolutionWindow(context, parent), mainData_(mainData) {
  setObjectName("frmThermoElastic");
  setWindowTitle("ThermoElastic Solution");

  QGroupBox* diagrams = CreateDiagramRows(kTemperatureKinds, context_.Workspace, rows_);
  for (const DiagramRow& row : rows_) {
    connect(row.Box, &QComboBox::activated, this, [this, row] { CboDiagramClick(row); });
    connect(row.Draw, &QPushButton::clicked, this, [this, row] { CmdDrawClick(row); });
  }
  cmdOk_ = NamedButton("cmdOk", "OK");
  connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);

  auto* left = new QVBoxLayout;
  left->addWidget(diagrams);
  left->addWidget(CreateCalculationsFrame());
  // The run waits for the user's OK on an incident.
  feedback_ = std::make_unique<WorkerFeedback>(
      *worker_, ProgressBarView(prgRun_, "%p%"),
      [this](const std::string& message) { context_.Messages->Notice(this, message); });
  orbit_ = CreateDailyOrbitControls();
  connect(orbit_.Button, &QPushButton::clicked, this, &ThermoElasticWindow::CmdDailyOrbitClick);
  left->addWidget(orbit_.Frame);
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
  RestoreInputs();
  ShowResult();  // the latest run's result outlives the window that ran it
}

ThermoElasticWindow::~ThermoElasticWindow() { StopRunAndWait(); }

QWidget* ThermoElasticWindow::CreateCalculationsFrame() {
  auto* frame = new QGroupBox("Calculations");
  frame->setObjectName("frameCalculations");
  txtHour_ = new QLineEdit("0");
  txtHour_->setObjectName("txtHour");
  new FilteredTextBox(txtHour_, kHourMode, kHourDigits, false);
  txtHour_->setToolTip(QString::fromStdString("The hour of the day, " + HourRangeText()));
  txtHour_->setMaximumWidth(txtHour_->fontMetrics().horizontalAdvance(QString(10, '0')));
  auto* label = new QLabel("Solution time :");
  label->setBuddy(txtHour_);
  cmdCalculate_ = NamedButton("cmdCalculate", "&Calculate");
  connect(cmdCalculate_, &QPushButton::clicked, this, &ThermoElasticWindow::CmdCalculateClick);
  cmdCancel_ = NamedButton("cmdCancel", "Cancel");
  cmdCancel_->setEnabled(false);
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { worker_->RequestCancel(); });
  prgRun_ = CreateRunProgress("prgRun");

  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(txtHour_);
  row->addWidget(new QLabel("hours"));
  row->addStretch(1);
  row->addWidget(cmdCalculate_);
  auto* progress = new QHBoxLayout;
  progress->addWidget(prgRun_, 1);
  progress->addWidget(cmdCancel_);
  auto* column = new QVBoxLayout(frame);
  column->addLayout(row);
  column->addLayout(progress);
  return frame;
}

QWidget* ThermoElasticWindow::CreateResultsFrame() {
  auto* frame = new QGroupBox("Results");
  frame->setObjectName("frameResults");
  results_ = new ReportListModel(this);
  lstResults_ = new ResultsList(results_, *context_.Messages);
  cmdSaveReport_ = NamedButton("cmdSaveReport", "&Save Report");
  cmdDrawSection_ = NamedButton("cmdDrawSection", "&Draw Section");
  cmdSaveReport_->setEnabled(false);  // nothing to save or draw before a run
  cmdDrawSection_->setEnabled(false);
  connect(cmdSaveReport_, &QPushButton::clicked, this, &ThermoElasticWindow::CmdSaveReportClick);
  connect(cmdDrawSection_, &QPushButton::clicked, this, &ThermoElasticWindow::CmdDrawSectionClick);
  cmdCalculationReport_ = NamedButton("cmdCalculationReport", "Calculation &Report...");
  cmdCalculationReport_->setEnabled(false);
  connect(cmdCalculationReport_, &QPushButton::clicked, this, [this] {
    const LatestResults& kept = context_.Results;
    WriteCalculationReportOf(context_, {kept.ThermoElastic, kept.Orbit, nullptr, kept.ElasticReportFile, {}}, this);
    ShowServiceability();  // the limits may have changed
  });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdSaveReport_);
  buttons->addWidget(cmdDrawSection_);
  buttons->addWidget(cmdCalculationReport_);
  buttons->addStretch(1);
  lblSummary_ = CreateSummaryLabel();
  auto* column = new QVBoxLayout(frame);
  column->addWidget(lblSummary_);
  column->addWidget(lstResults_, 1);
  column->addLayout(buttons);
  return frame;
}

void ThermoElasticWindow::SetSectionPlotHook(SectionPlotHook hook) { sectionPlotHook_ = std::move(hook); }

// The inputs come back as they were left; the diagrams are opened when they
// are drawn or run, as a diagram chosen again would be.
void ThermoElasticWindow::RestoreInputs() {
  const RememberedInputs kept(context_.Workspace, "ThermoElastic");
  for (const DiagramRow& row : rows_) {
    const int position = ItemPosition(row.Box, kept.Name(DiagramKey(row.Kind)));
    if (position >= 0) row.Box->setCurrentIndex(position);
  }
  kept.RestoreField("Hour", txtHour_);
  kept.RestoreListText("OrbitStep", orbit_.Step);
}

void ThermoElasticWindow::RememberInputs() const {
  const RememberedInputs kept(context_.Workspace, "ThermoElastic");
  for (const DiagramRow& row : rows_) kept.KeepName(DiagramKey(row.Kind), ChosenName(row.Box));
  kept.KeepField("Hour", txtHour_);
  kept.KeepListText("OrbitStep", orbit_.Step);
}

void ThermoElasticWindow::CboDiagramClick(const DiagramRow& row) {
  if (row.Box->currentIndex() < 0) return;
  // A diagram that cannot be used closes the window, and with it the results
  // of an earlier run: every row must be chosen again anyway.
  if (!OpenChosenDiagram(context_, ChosenName(row.Box), row.Kind, this)) accept();
}

void ThermoElasticWindow::CmdDrawClick(const DiagramRow& row) {
  if (row.Box->currentIndex() < 0) {
    context_.Messages->Error(this, NoDiagramToDrawMessage(row.Kind));
    return;
  }
  // Read afresh: the choice may have come back with the window, unopened.
  if (!OpenChosenDiagram(context_, ChosenName(row.Box), row.Kind, this)) {
    accept();
    return;
  }
  ShowLoadedDiagram(context_, ChosenName(row.Box), row.Kind, this);
}

void ThermoElasticWindow::CmdCalculateClick() {
  const ThermoElasticInputs inputs{ChosenDiagrams(rows_), txtHour_->text().toStdString()};
  const std::uint64_t availableBytes = AvailableMemoryBytes();
  // The checks come first, so that a refused run leaves the window as it was.
  if (auto message = CheckThermoElasticRun(mainData_, inputs, availableBytes)) {
    context_.Messages->Error(this, *message);
    return;
  }
  // The next run of this kind replaces the kept result, whatever its end.
  context_.Results.ThermoElastic.reset();
  context_.Results.ElasticReportFile.clear();
  ShowResult();
  SetRunning(true);
  ShowProgress(prgRun_, 0, 1, "%p%");
  feedback_->Run(
      [this, inputs, availableBytes](WorkFeedback& feedback) {
        runGrid_ = SectionGrid{};
        return RunThermoElastic(runGrid_, context_.Workspace, mainData_, inputs, feedback, availableBytes);
      },
      [this](const ThermoElasticOutcome& outcome) { EndRun(outcome); });
}

void ThermoElasticWindow::EndRun(const ThermoElasticOutcome& outcome) {
  SetRunning(false);
  ShowProgressIdle(prgRun_);
  // A Cancel the user pressed is kept even when the run had no step left to
  // take: they asked for no result.
  const bool ran = outcome.End == RunEnd::Completed && !worker_->CancelRequested();
  if (ran)
    context_.Results.ThermoElastic =
        std::make_shared<const ThermoElasticResult>(TakeThermoElasticResult(runGrid_, txtHour_->text().toStdString()));
  runGrid_ = SectionGrid{};
  ShowResult();  // the earlier result went when the run started
  if (outcome.End == RunEnd::Refused)
    context_.Messages->Error(this, outcome.Message);
  else if (ran && !ThermoElasticResultsAreFinite(result_->Grid))
    context_.Messages->Notice(this, kNonFiniteResultsMessage);
  else if (outcome.End == RunEnd::Stopped)
    accept();  // a diagram that cannot be used closes the window, as on choosing it
  emit RunEnded();
}

void ThermoElasticWindow::ShowResult() {
  report_ = ElasticReport();  // before the result it reads may go
  result_ = context_.Results.ThermoElastic;
  const bool ran = result_ != nullptr;
  if (ran) report_ = ElasticReport(result_->Grid);
  results_->Show(report_.LineCount(), [this](std::int64_t index) { return report_.Line(index); });
  ShowServiceability();
  cmdDrawSection_->setEnabled(ran);
  cmdSaveReport_->setEnabled(ran);
}

// The hour's run and, once computed, the daily orbit.
void ThermoElasticWindow::ShowServiceability() {
  const ServiceabilityLimits limits = FolderLimits(context_.Workspace.Folder());
  std::vector<std::string> lines;
  if (result_) lines = ThermoElasticServiceability(result_->Grid.Height, result_->Tip(), limits);
  if (const auto orbit = context_.Results.Orbit)
    for (std::string& line : OrbitServiceability(orbit->Column.Height, orbit->Points, limits))
      lines.push_back("Daily orbit: " + std::move(line));
  ShowSummary(lblSummary_, lines);
  cmdCalculationReport_->setEnabled(!lines.empty() && !IsRunning());
}

void ThermoElasticWindow::SetRunning(bool running) {
  MarkRunning(running);
  for (const DiagramRow& row : rows_) {
    row.Box->setEnabled(!running);
    row.Draw->setEnabled(!running);
  }
  // The orbit opens, and may repair, the diagram files the run is opening.
  for (QWidget* input : std::initializer_list<QWidget*>{txtHour_, cmdCalculate_, cmdOk_, orbit_.Frame})
    input->setEnabled(!running);
  cmdCancel_->setEnabled(running);
}

void ThermoElasticWindow::CmdSaveReportClick() {
  const std::string path = context_.Workspace.PathOf(kElasticReportFileName);
  const WriteResult written = SaveElasticReport(report_, path);
  if (written.Ok) context_.Results.ElasticReportFile = path;
  TellReportSaved(context_, kElasticReportFileName, written, this);
}

void ThermoElasticWindow::CmdDrawSectionClick() {
  if (sectionPlotHook_) sectionPlotHook_(this);
}

// The orbit is computed on its own: the report and the section plot keep
// showing the run of the hour the user calculated.
void ThermoElasticWindow::CmdDailyOrbitClick() {
  const double step = orbit_.Step->currentData().toDouble();
  const RunDiagramNames diagrams = ChosenDiagrams(rows_);
  context_.Results.Orbit.reset();  // the next orbit replaces the kept one, whatever its end
  ShowServiceability();
  if (auto message = CheckOrbitInputs(step, diagrams)) {
    context_.Messages->Error(this, *message);
    return;
  }
  SetRunning(true);
  ShowProgress(prgRun_, 0, 1, "%p%");
  feedback_->Run(
      [this, step, diagrams, availableBytes = AvailableMemoryBytes()](WorkFeedback& feedback) {
        return RunDailyOrbit(context_.Workspace, mainData_, diagrams, step, feedback, availableBytes);
      },
      [this, step](OrbitOutcome orbit) { EndOrbit(step, std::move(orbit)); });
}

void ThermoElasticWindow::EndOrbit(double step, OrbitOutcome orbit) {
  SetRunning(false);
  ShowProgressIdle(prgRun_);
  // A Cancel the user pressed is kept even when the orbit had no hour left.
  if (worker_->CancelRequested()) orbit.End = RunEnd::Cancelled;
  const auto kept = KeepOrbit(context_, mainData_, step, std::move(orbit), this);
  ShowServiceability();
  if (kept && orbitPlotHook_) orbitPlotHook_(*kept, this);
  emit RunEnded();
}

}  // namespace kolvane::ui

#include "ui/solutions/creep_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/climate/climate_set.h"
#include "core/climate/climate_use.h"
#include "core/common/memory.h"
#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/creep/calendar.h"
#include "core/creep/creep_diagram_plan.h"
#include "core/creep/creep_report.h"
#include "core/creep/time_left.h"
#include "core/creep/time_steps.h"
#include "core/engine/finite_results.h"
#include "core/thermoelastic/thermo_elastic_run.h"
#include "ui/common/file_names.h"
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

QComboBox* NumberList(const char* name) {
  auto* list = new QComboBox;
  list->setObjectName(name);
  list->setMinimumContentsLength(4);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return list;
}

// The day list keeps the position the user chose in this property, so that a
// day a shorter month cannot show comes back with a longer one.
constexpr const char* kChosenDay = "chosenDay";

// Fills `list` with first..last and keeps the chosen position where the list
// still has it; a position beyond the new end becomes the last item, so a
// chosen 31 turns into 30 when April is chosen, and 31 again with May.
void RefillNumbers(QComboBox* list, int first, int last) {
  const QVariant wanted = list->property(kChosenDay);
  const int chosen = wanted.isValid() && list->currentIndex() >= 0 ? wanted.toInt() : list->currentIndex();
  list->clear();
  for (int n = first; n <= last; ++n) list->addItem(QString::fromStdString(NumberText(n)));
  if (chosen < 0) {
    list->setCurrentIndex(-1);
  } else {
    list->setCurrentIndex(std::min(chosen, list->count() - 1));
  }
}

// The number a list shows, as the run reads it: rounded, halves to even.
std::optional<std::int32_t> ChosenNumber(const QComboBox* list) {
  if (list->currentIndex() < 0) return std::nullopt;
  return static_cast<std::int32_t>(std::nearbyint(NumericValue(list->currentText().toStdString())));
}

// The rows of the window: a month's temperature kinds, then the creep kinds
// the whole run uses.
constexpr auto kWindowKinds = [] {
  std::array<DiagramKind, kTemperatureKinds.size() + kCreepKinds.size()> kinds{};
  std::copy(kTemperatureKinds.begin(), kTemperatureKinds.end(), kinds.begin());
  std::copy(kCreepKinds.begin(), kCreepKinds.end(), kinds.begin() + kTemperatureKinds.size());
  return kinds;
}();
constexpr int kRowCount = static_cast<int>(kWindowKinds.size());
// The rows a month sets (the first ones, by TemperatureSlot) and the columns of the month table.
constexpr int kMonthKinds = static_cast<int>(kTemperatureKinds.size());

const char* const kDateLists[] = {"cboStDay", "cboStMonth", "cboStYear", "cboEnDay", "cboEnMonth", "cboEnYear"};

QString MonthKey(int month, int slot) {
  return QString("Month%1/Diagram%2").arg(month + 1).arg(kTemperatureKinds[slot]);
}

QHBoxLayout* DateRow(QComboBox* day, QComboBox* month, QComboBox* year) {
  auto* row = new QHBoxLayout;
  row->addWidget(day);
  row->addWidget(new QLabel("/"));
  row->addWidget(month);
  row->addWidget(new QLabel("/"));
  row->addWidget(year);
  row->addWidget(new QLabel("(dd/mm/yyyy)"));
  row->addStretch(1);
  return row;
}

}  // namespace

CreepWindow::CreepWindow(AppContext& context, const MainDataTexts& mainData, QWidget* parent)
    : SolutionWindow(context, parent), mainData_(mainData) {
  setObjectName("frmCreep");
  setWindowTitle("Creep Solution");
  cmdOk_ = NamedButton("cmdOk", "OK");
  connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);

  auto* left = new QVBoxLayout;
  left->addWidget(CreateDiagramsFrame());
  left->addWidget(CreateCalculationsFrame());
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(CreateResultsFrame(), 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lblInfo_, 1);
  bottom->addWidget(cmdOk_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addLayout(bottom);

  feedback_ = CreateFeedback();
  InitialiseLists();
  RestoreInputs();
  ShowKeptResult();  // the latest run's result outlives the window that ran it
}

CreepWindow::~CreepWindow() { StopRunAndWait(); }

QWidget* CreepWindow::CreateDiagramsFrame() {
  QGroupBox* frame = CreateDiagramRows(kWindowKinds, context_.Workspace, rows_);
  for (const DiagramRow& row : rows_) {
    connect(row.Box, &QComboBox::activated, this, [this, row] { CboDiagramClick(row); });
    connect(row.Draw, &QPushButton::clicked, this, [this, row] { CmdDrawClick(row); });
  }
  lstMonths_ = new QListWidget;
  lstMonths_->setObjectName("lstMonths");
  lstMonths_->setMaximumWidth(lstMonths_->fontMetrics().horizontalAdvance("September") + 40);
  connect(lstMonths_, &QListWidget::currentRowChanged, this, &CreepWindow::LstMonthsClick);
  cmdApplyToAllMonths_ = NamedButton("cmdApplyToAllMonths", "Apply to All &Months");
  connect(cmdApplyToAllMonths_, &QPushButton::clicked, this, &CreepWindow::CmdApplyToAllMonthsClick);
  cmdUseClimate_ = NamedButton("cmdUseClimate", "Use C&limate...");
  connect(cmdUseClimate_, &QPushButton::clicked, this, &CreepWindow::CmdUseClimateClick);
  SetClimateChooser([this](const QStringList& names) {
    bool ok = false;
    const QString name = QInputDialog::getItem(
        this, "Use Climate", "Each month takes the climate's diagrams NAME-MM:", names, 0, false, &ok);
    return ok ? name : QString();
  });
  // The months stand beside the rows, tall enough to show all twelve.
  auto* months = new QVBoxLayout;
  months->addWidget(lstMonths_, 1);
  months->addWidget(cmdApplyToAllMonths_);
  auto* grid = static_cast<QGridLayout*>(frame->layout());
  grid->addLayout(months, 0, 3, kRowCount, 1);

  tblMonthDiagrams_ = new QTableWidget(12, kMonthKinds);
  tblMonthDiagrams_->setObjectName("tblMonthDiagrams");
  tblMonthDiagrams_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblMonthDiagrams_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tblMonthDiagrams_->setSelectionMode(QAbstractItemView::SingleSelection);
  QStringList kinds, monthNames;
  for (const DiagramKind kind : kTemperatureKinds)
    kinds.append(QString::fromUtf8(DiagramKindTable(kind).KindName).section(' ', 0, 0));
  for (const char* month : kMonthNames) monthNames.append(QString::fromLatin1(month).left(3));
  tblMonthDiagrams_->setHorizontalHeaderLabels(kinds);
  tblMonthDiagrams_->setVerticalHeaderLabels(monthNames);
  tblMonthDiagrams_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  tblMonthDiagrams_->verticalHeader()->setDefaultSectionSize(tblMonthDiagrams_->fontMetrics().height() + 4);
  tblMonthDiagrams_->setMinimumHeight(13 * (tblMonthDiagrams_->fontMetrics().height() + 4) + 6);
  connect(tblMonthDiagrams_, &QTableWidget::cellClicked, lstMonths_,
          [this](int month) { lstMonths_->setCurrentRow(month); });
  grid->addWidget(cmdUseClimate_, kRowCount, 3);  // under the months, which keep their room
  grid->addWidget(tblMonthDiagrams_, kRowCount + 1, 0, 1, 4);
  return frame;
}

QWidget* CreepWindow::CreateCalculationsFrame() {
  auto* frame = new QGroupBox("Calculations");
  frame->setObjectName("frameCalculations");
  cboTimeInterval_ = NumberList("cboTimeInterval");
  for (const std::string& step : OfferedTimeStepTexts()) cboTimeInterval_->addItem(QString::fromStdString(step));
  cboTimeInterval_->setCurrentIndex(-1);
  cboStDay_ = NumberList("cboStDay");
  cboStMonth_ = NumberList("cboStMonth");
  cboStYear_ = NumberList("cboStYear");
  cboEnDay_ = NumberList("cboEnDay");
  cboEnMonth_ = NumberList("cboEnMonth");
  cboEnYear_ = NumberList("cboEnYear");
  for (QComboBox* list : {cboStMonth_, cboStYear_})
    connect(list, &QComboBox::activated, this, [this] { RefillDays(cboStDay_, cboStMonth_, cboStYear_); });
  for (QComboBox* list : {cboEnMonth_, cboEnYear_})
    connect(list, &QComboBox::activated, this, [this] { RefillDays(cboEnDay_, cboEnMonth_, cboEnYear_); });
  for (QComboBox* day : {cboStDay_, cboEnDay_})
    connect(day, &QComboBox::activated, day, [day](int position) { day->setProperty(kChosenDay, position); });

  txtStoreDefEvery_ = new QLineEdit;
  txtStoreDefEvery_->setObjectName("txtStoreDefEvery");
  txtStoreDefAt_ = new QLineEdit;
  txtStoreDefAt_->setObjectName("txtStoreDefAt");
  new FilteredTextBox(txtStoreDefEvery_, InputMode::UnsignedInteger, kStoreFieldDigits, true);
  new FilteredTextBox(txtStoreDefAt_, InputMode::UnsignedDecimal, kStoreFieldDigits, true);  // 14.5 h
  txtStoreDefEvery_->setToolTip("Store a profile every so many days, a whole number; empty or 0: at the end only");
  txtStoreDefAt_->setToolTip(QString::fromStdString("The hour of the day of the profiles, " + HourRangeText()));
  for (QLineEdit* box : {txtStoreDefEvery_, txtStoreDefAt_})
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(10, '0')));

  cmdCalculate_ = NamedButton("cmdCalculate", "&Calculate");
  cmdCancel_ = NamedButton("cmdCancel", "Cancel");
  cmdCancel_->setEnabled(false);
  connect(cmdCalculate_, &QPushButton::clicked, this, &CreepWindow::CmdCalculateClick);
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { worker_->RequestCancel(); });

  prgDays_ = CreateRunProgress("prgDays");
  lblTimeLeft_ = new QLabel;
  lblTimeLeft_->setObjectName("lblTimeLeft");
  lblInfo_ = new QLabel;
  lblInfo_->setObjectName("lblInfo");

  auto* grid = new QGridLayout(frame);
  int line = 0;
  auto addRow = [&](const char* caption, QLayout* fields) {
    grid->addWidget(new QLabel(caption), line, 0);
    grid->addLayout(fields, line++, 1);
  };
  auto* interval = new QHBoxLayout;
  interval->addWidget(cboTimeInterval_);
  interval->addWidget(new QLabel("hour(s)"));
  interval->addStretch(1);
  addRow("Time interval :", interval);
  addRow("Starting date :", DateRow(cboStDay_, cboStMonth_, cboStYear_));
  addRow("Ending date :", DateRow(cboEnDay_, cboEnMonth_, cboEnYear_));
  auto* every = new QHBoxLayout;
  every->addWidget(txtStoreDefEvery_);
  every->addWidget(new QLabel("days"));
  every->addStretch(1);
  addRow("Store deflection profiles every :", every);
  auto* at = new QHBoxLayout;
  at->addWidget(txtStoreDefAt_);
  at->addWidget(new QLabel("h"));
  at->addStretch(1);
  addRow("Time at which the deflections are to be calculated :", at);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(prgDays_, 1);
  buttons->addWidget(cmdCalculate_);
  buttons->addWidget(cmdCancel_);
  grid->addLayout(buttons, line++, 0, 1, 2);
  grid->addWidget(lblTimeLeft_, line++, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  return frame;
}

QWidget* CreepWindow::CreateResultsFrame() {
  auto* frame = new QGroupBox("Results");
  frame->setObjectName("frameResults");
  results_ = new ReportListModel(this);
  lstResults_ = new ResultsList(results_, *context_.Messages);
  cmdSaveReport_ = NamedButton("cmdSaveReport", "&Save Report");
  cmdDrawProfile_ = NamedButton("cmdDrawProfile", "&Draw Profile");
  connect(cmdSaveReport_, &QPushButton::clicked, this, &CreepWindow::CmdSaveReportClick);
  connect(cmdDrawProfile_, &QPushButton::clicked, this, &CreepWindow::CmdDrawProfileClick);
  cmdDrawTipHistory_ = NamedButton("cmdDrawTipHistory", "Draw &Tip History");
  connect(cmdDrawTipHistory_, &QPushButton::clicked, this, [this] {
    if (tipHistoryPlotHook_) tipHistoryPlotHook_(this);
  });
  cmdCalculationReport_ = NamedButton("cmdCalculationReport", "Calculation &Report...");
  connect(cmdCalculationReport_, &QPushButton::clicked, this, [this] {
    WriteCalculationReportOf(context_, {nullptr, nullptr, context_.Results.Creep, {}, context_.Results.CreepReportFile},
                             this);
    ShowServiceability();  // the limits may have changed
  });
  EnableResults(false);  // nothing to save or draw before a run

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdSaveReport_);
  buttons->addWidget(cmdDrawProfile_);
  buttons->addWidget(cmdDrawTipHistory_);
  buttons->addWidget(cmdCalculationReport_);
  buttons->addStretch(1);
  lblSummary_ = CreateSummaryLabel();
  auto* column = new QVBoxLayout(frame);
  column->addWidget(lblSummary_);
  column->addWidget(lstResults_, 1);
  column->addLayout(buttons);
  return frame;
}

void CreepWindow::InitialiseLists() {
  for (const char* month : kMonthNames) lstMonths_->addItem(month);
  for (auto& month : monthChoice_) month.fill(0);
  monthSet_.fill(false);
  lstMonths_->setCurrentRow(0);  // January: the temperature rows show its choices
  RowOf(rows_, kNormalisedCreep).Box->setCurrentIndex(0);
  RowOf(rows_, kNormalisedTemperature).Box->setCurrentIndex(0);

  for (QComboBox* year : {cboStYear_, cboEnYear_}) RefillNumbers(year, kFirstCreepYear, kLastCreepYear);
  for (QComboBox* month : {cboStMonth_, cboEnMonth_}) RefillNumbers(month, 1, 12);
  for (QComboBox* day : {cboStDay_, cboEnDay_}) RefillNumbers(day, 1, 31);
}

void CreepWindow::SetProfilePlotHook(ProfilePlotHook hook) { profilePlotHook_ = std::move(hook); }

void CreepWindow::RestoreInputs() {
  const RememberedInputs kept(context_.Workspace, "Creep");
  for (int month = 0; month < 12; ++month) {
    monthSet_[month] = kept.Value(MonthKey(month, 0)).isValid();
    for (int n = 0; monthSet_[month] && n < kMonthKinds; ++n)
      monthChoice_[month][n] = ItemPosition(rows_[n].Box, kept.Name(MonthKey(month, n)));
  }
  for (const DiagramKind kind : kCreepKinds) {
    const int position = ItemPosition(RowOf(rows_, kind).Box, kept.Name("Diagram" + QString::number(kind)));
    if (position >= 0) RowOf(rows_, kind).Box->setCurrentIndex(position);
  }
  kept.RestoreListText("TimeInterval", cboTimeInterval_);
  for (const char* name : kDateLists) kept.RestoreListText(name, findChild<QComboBox*>(name));
  for (QComboBox* day : {cboStDay_, cboEnDay_})
    if (day->currentIndex() >= 0) day->setProperty(kChosenDay, day->currentIndex());
  RefillDays(cboStDay_, cboStMonth_, cboStYear_);
  RefillDays(cboEnDay_, cboEnMonth_, cboEnYear_);
  kept.RestoreField("StoreEvery", txtStoreDefEvery_);
  kept.RestoreField("StoreAt", txtStoreDefAt_);
  lstMonths_->setCurrentRow(std::clamp(kept.Value("Month").toInt(), 0, 11));
  LstMonthsClick();
  ShowMonthTable();
}

void CreepWindow::RememberInputs() const {
  const RememberedInputs kept(context_.Workspace, "Creep");
  for (int month = 0; month < 12; ++month)
    for (int n = 0; n < kMonthKinds; ++n)
      kept.Keep(MonthKey(month, n),
                monthSet_[month] ? QVariant(QByteArray::fromStdString(ItemName(rows_[n].Box, monthChoice_[month][n])))
                                 : QVariant());
  for (const DiagramKind kind : kCreepKinds)
    kept.KeepName("Diagram" + QString::number(kind), ChosenName(RowOf(rows_, kind).Box));
  kept.KeepListText("TimeInterval", cboTimeInterval_);
  for (const char* name : kDateLists) kept.KeepListText(name, findChild<QComboBox*>(name));
  for (QComboBox* day : {cboStDay_, cboEnDay_})  // the day chosen, which a short month may not show
    if (day->currentIndex() >= 0 && day->property(kChosenDay).isValid())
      kept.Keep(day->objectName(), day->property(kChosenDay).toInt() + 1);
  kept.KeepField("StoreEvery", txtStoreDefEvery_);
  kept.KeepField("StoreAt", txtStoreDefAt_);
  kept.Keep("Month", lstMonths_->currentRow());
}

std::array<int, kTemperatureKinds.size()> CreepWindow::MonthChoice(int month) const {
  while (month > 0 && !monthSet_[month]) --month;
  return monthSet_[month] ? monthChoice_[month] : std::array<int, kTemperatureKinds.size()>{};
}

void CreepWindow::ShowMonthTable() {
  for (int month = 0; month < 12; ++month) {
    const auto chosen = MonthChoice(month);
    for (int n = 0; n < kMonthKinds; ++n) {
      const QString name = rows_[n].Box->itemText(chosen[n]);
      auto* cell = new QTableWidgetItem(name);
      // A month not set shows in grey what it takes from the month before.
      if (!monthSet_[month]) cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
      tblMonthDiagrams_->setItem(month, n, cell);
    }
  }
}

void CreepWindow::LstMonthsClick() {
  const int month = lstMonths_->currentRow();
  if (month < 0) return;
  const QSignalBlocker quiet(tblMonthDiagrams_);
  tblMonthDiagrams_->selectRow(month);
  const auto chosen = MonthChoice(month);
  for (int n = 0; n < kMonthKinds; ++n) rows_[n].Box->setCurrentIndex(chosen[n]);
}

void CreepWindow::CmdApplyToAllMonthsClick() {
  const int month = lstMonths_->currentRow();
  if (month < 0) return;
  monthChoice_.fill(MonthChoice(month));
  monthSet_.fill(true);
  climateMissing_.fill(false);
  ShowMonthTable();
}

void CreepWindow::CmdUseClimateClick() {
  const std::vector<std::string> names = ListClimateNames(context_.Workspace);
  if (names.empty()) {
    context_.Messages->Error(this, "This folder holds no climate: make one with Climate... in the main window.");
    return;
  }
  QStringList shown;
  for (const std::string& name : names) shown.append(ShownFileName(name));
  const QString chosen = climateChooser_ ? climateChooser_(shown) : QString();
  const qsizetype index = shown.indexOf(chosen);
  if (index < 0) return;
  climate_ = names[static_cast<std::size_t>(index)];
  climateMissing_.fill(true);
  for (int month : ClimateSetMonths(context_.Workspace, climate_)) {
    const std::string set = ClimateSetName(climate_, month);
    for (int n = 0; n < kMonthKinds; ++n) monthChoice_[month - 1][n] = ItemPosition(rows_[n].Box, set);
    climateMissing_[month - 1] = false;
    monthSet_[month - 1] = true;
  }
  LstMonthsClick();
  ShowMonthTable();
}

std::optional<std::string> CreepWindow::MissingClimateMonth(const CreepRunInputs& inputs) const {
  for (std::int32_t month : MonthsOfTheRun(inputs))
    if (climateMissing_[month - 1]) return MissingClimateSetText(context_.Workspace, climate_, month);
  return std::nullopt;
}

void CreepWindow::CboDiagramClick(const DiagramRow& row) {
  const int month = lstMonths_->currentRow();
  if (month < 0 || !HasRole(kTemperatureKinds, row.Kind)) return;
  // A month set for the first time starts from the diagrams it was using.
  if (!monthSet_[month]) monthChoice_[month] = MonthChoice(month);
  monthSet_[month] = true;
  monthChoice_[month][TemperatureSlot(row.Kind)] = row.Box->currentIndex();
  climateMissing_[month] = false;  // the user chose this month's diagrams
  ShowMonthTable();
}

void CreepWindow::RefillDays(QComboBox* day, const QComboBox* month, const QComboBox* year) {
  if (month->currentIndex() < 0) return;
  RefillNumbers(day, 1, DaysInMonth(month->currentIndex() + 1, ChosenNumber(year).value_or(0)));
}

bool CreepWindow::LoadRowDiagram(const DiagramRow& row, int position) {
  const std::string name = ItemName(row.Box, position);
  if (name.empty()) return true;
  return OpenChosenDiagram(context_, name, row.Kind, this);
}

void CreepWindow::CmdDrawClick(const DiagramRow& row) {
  if (row.Box->currentIndex() < 0) {
    context_.Messages->Error(this, NoDiagramToDrawMessage(row.Kind));
    return;
  }
  if (!LoadRowDiagram(row, row.Box->currentIndex())) {
    accept();  // the diagram cannot be used: the window goes, and no plot of nothing is shown
    return;
  }
  ShowLoadedDiagram(context_, ChosenName(row.Box), row.Kind, this);
}

CreepRunInputs CreepWindow::ReadInputs() const {
  CreepRunInputs inputs;
  for (int month = 0; month < 12; ++month)
    for (int n = 0; n < kMonthKinds; ++n)
      inputs.MonthDiagrams[month][n] = ItemName(rows_[n].Box, MonthChoice(month)[n]);
  inputs.CreepDiagram = ChosenName(RowOf(rows_, kNormalisedCreep).Box);
  inputs.TemperatureFactorDiagram = ChosenName(RowOf(rows_, kNormalisedTemperature).Box);
  if (cboTimeInterval_->currentIndex() >= 0)
    inputs.TimeStep = NumericValue(cboTimeInterval_->currentText().toStdString());
  inputs.StartDate = {ChosenNumber(cboStDay_), ChosenNumber(cboStMonth_), ChosenNumber(cboStYear_)};
  inputs.EndDate = {ChosenNumber(cboEnDay_), ChosenNumber(cboEnMonth_), ChosenNumber(cboEnYear_)};
  inputs.StoreEveryText = txtStoreDefEvery_->text().toStdString();
  inputs.StoreAtText = txtStoreDefAt_->text().toStdString();
  inputs.RecordTipHistory = true;  // for Draw Tip History
  return inputs;
}

void CreepWindow::CmdCalculateClick() {
  const CreepRunInputs inputs = ReadInputs();
  // The checks come first, so that a refused run leaves the window as it was.
  if (auto message = CheckCreepInputs(inputs)) {
    context_.Messages->Error(this, *message);
    return;
  }
  if (auto message = MissingClimateMonth(inputs)) {
    context_.Messages->Error(this, *message);
    return;
  }
  // A diagram of a later month that cannot be used stops the run now, not
  // when the run reaches that month. Only the months the dates reach are
  // looked at: they are all the run opens.
  if (auto message = CreepDiagramsProblem(context_.Workspace, inputs, UnreachedMonths::NotLookedFor)) {
    context_.Messages->Error(this, *message);
    return;
  }
  ShowInfo("");
  const std::int64_t days = DaysFromTo(*inputs.StartDate.Date(), *inputs.EndDate.Date());
  ShowProgress(prgDays_, 0, ReportListModel::ShownRows(days), "%v of %m days");
  SetRunning(true);
  runClock_.start();
  // The worker starts from the list as it is: a run refused for its grid
  // size leaves it so.
  runLines_ = lines_;
  runInputs_ = inputs;
  const std::uint64_t availableBytes = AvailableMemoryBytes();
  feedback_->Run(
      [this, inputs, availableBytes](WorkFeedback& feedback) {
        runGrid_ = SectionGrid{};
        return RunCreep(runGrid_, context_.Workspace, mainData_, inputs, feedback, runLines_, availableBytes, threads_);
      },
      [this](CreepOutcome outcome) { EndRun(std::move(outcome)); });
}

namespace {

// The head of the report is shown as the first day starts: nothing is added
// to it while the days run.
class CreepFeedback final : public WorkerFeedback {
 public:
  CreepFeedback(SolutionWorker& worker, View view, Notice notice, std::function<void()> headDone)
      : WorkerFeedback(worker, std::move(view), std::move(notice)), headDone_(std::move(headDone)) {}
  void Progress(std::int64_t done, std::int64_t total) override {
    if (done == 0) headDone_();
    WorkerFeedback::Progress(done, total);
  }

 private:
  const std::function<void()> headDone_;
};

}  // namespace

std::unique_ptr<WorkerFeedback> CreepWindow::CreateFeedback() {
  return std::make_unique<CreepFeedback>(
      *worker_, [this](const WorkShown& shown) { ShowDay(shown); },
      [this](const std::string& message) {
        // The run waits for the user's OK; meanwhile its list may be read.
        lines_ = runLines_;
        ShowLines();
        context_.Messages->Notice(this, message);
      },
      [this] {
        worker_->Post([this, head = runLines_] {
          lines_ = head;
          ShowLines();
        });
      });
}

void CreepWindow::ShowDay(const WorkShown& shown) {
  ShowProgress(prgDays_, ReportListModel::ShownRows(shown.Done), ReportListModel::ShownRows(shown.Total),
               "%v of %m days");
  lblTimeLeft_->setText(
      QString::fromStdString(TimeLeftText(static_cast<double>(runClock_.elapsed()) / 1000.0, shown.Done, shown.Total)));
  ShowInfo(shown.Status);
}

void CreepWindow::ShowLines() {
  results_->Show(static_cast<std::int64_t>(lines_.size()),
                 [this](std::int64_t index) { return lines_[static_cast<std::size_t>(index)]; });
}

void CreepWindow::ShowInfo(const std::string& text) { lblInfo_->setText(QString::fromStdString(text)); }

void CreepWindow::EndRun(CreepOutcome outcome) {
  // A Cancel the user pressed is kept even when the run had no day left to
  // start: they asked for no result.
  if (worker_->CancelRequested() && outcome.End == RunEnd::Completed) {
    outcome.End = RunEnd::Cancelled;
    runLines_.clear();
  }
  lines_ = std::move(runLines_);
  runLines_.clear();
  // The latest result of the kind: this run's, or the earlier one while a
  // refusal leaves its list standing.
  if (outcome.End != RunEnd::Refused) context_.Results.CreepReportFile.clear();
  if (outcome.End == RunEnd::Completed)
    context_.Results.Creep =
        std::make_shared<const CreepResult>(TakeCreepResult(runGrid_, runInputs_, lines_, outcome.Days));
  else if (outcome.End != RunEnd::Refused || lines_.empty())
    context_.Results.Creep.reset();
  runGrid_ = SectionGrid{};
  ShowServiceability();
  ShowInfo("");
  lblTimeLeft_->clear();
  SetRunning(false);
  ShowLines();
  switch (outcome.End) {
    case RunEnd::Completed:
      ShowProgress(prgDays_, prgDays_->maximum(), prgDays_->maximum(), "%v of %m days");
      EnableResults(true);
      context_.Messages->Notice(this, outcome.Message);
      if (!CreepProfilesAreFinite(context_.Results.Creep->Column))
        context_.Messages->Notice(this, kNonFiniteResultsMessage);
      if (const auto notice = StepRelaxationNotice(outcome)) context_.Messages->Notice(this, *notice);
      break;
    case RunEnd::Refused:
      // Refused before it began, the earlier results still stand; memory that
      // ran out part-way has emptied the list along with the results.
      ShowProgressIdle(prgDays_);
      EnableResults(!lines_.empty());
      context_.Messages->Error(this, outcome.Message);
      break;
    case RunEnd::Cancelled:
      EnableResults(false);
      ShowProgressIdle(prgDays_);  // a bar left half full would look like a run paused
      ShowInfo("Calculation cancelled.");
      break;
    case RunEnd::Stopped:
      // A diagram could not be used: no result, and the window goes.
      EnableResults(false);
      ShowProgressIdle(prgDays_);
      accept();
      break;
  }
  emit RunEnded();
}

void CreepWindow::ShowKeptResult() {
  if (const auto result = context_.Results.Creep) {
    lines_ = result->ReportLines;
    ShowLines();
    EnableResults(true);
  }
  ShowServiceability();
}

void CreepWindow::ShowServiceability() {
  const auto result = context_.Results.Creep;
  ShowSummary(lblSummary_, result ? CreepServiceability(result->Column.Height, result->Column.Profiles,
                                                        FolderLimits(context_.Workspace.Folder()))
                                  : std::vector<std::string>{});
}

void CreepWindow::SetRunning(bool running) {
  MarkRunning(running);
  for (const DiagramRow& row : rows_) {
    row.Box->setEnabled(!running);
    row.Draw->setEnabled(!running);
  }
  for (QWidget* input : std::initializer_list<QWidget*>{
           lstMonths_, cmdApplyToAllMonths_, cmdUseClimate_, cboTimeInterval_, cboStDay_, cboStMonth_, cboStYear_,
           cboEnDay_, cboEnMonth_, cboEnYear_, txtStoreDefEvery_, txtStoreDefAt_, cmdCalculate_, cmdOk_})
    input->setEnabled(!running);
  cmdCancel_->setEnabled(running);
  if (running) EnableResults(false);
}

void CreepWindow::EnableResults(bool enabled) {
  cmdSaveReport_->setEnabled(enabled);
  cmdDrawProfile_->setEnabled(enabled);
  cmdDrawTipHistory_->setEnabled(enabled);
  cmdCalculationReport_->setEnabled(enabled && context_.Results.Creep);
}

void CreepWindow::CmdSaveReportClick() {
  const std::string path = context_.Workspace.PathOf(kCreepReportFileName);
  const WriteResult written = SaveCreepReport(lines_, path);
  if (written.Ok && context_.Results.Creep) context_.Results.CreepReportFile = path;
  TellReportSaved(context_, kCreepReportFileName, written, this);
}

void CreepWindow::CmdDrawProfileClick() {
  if (profilePlotHook_) profilePlotHook_(this);
}

}  // namespace kolvane::ui

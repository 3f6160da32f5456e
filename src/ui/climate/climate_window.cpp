#include "ui/climate/climate_window.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <vector>

#include "core/climate/climate_diagrams.h"
#include "core/climate/climate_report.h"
#include "core/climate/climate_set.h"
#include "core/climate/time_check.h"
#include "core/climate/weather_file.h"
#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/creep/calendar.h"
#include "core/maindata/main_data.h"
#include "ui/common/named_button.h"
#include "ui/controls/filtered_text_box.h"
#include "ui/diagrams/diagram_plot_window.h"
#include "ui/solutions/run_progress.h"

namespace kolvane::ui {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The shifts offered, in half hours: -12 h to +12 h.
constexpr int kLargestShiftHalfHours = 24;

// The progress bar's text while the months are made, as QProgressBar takes it.
constexpr const char* kMonthsProgressFormat = "%v of %m months";

QComboBox* List(const char* name) {
  auto* list = new QComboBox;
  list->setObjectName(name);
  return list;
}

QLabel* ValueLabel(const char* name) {
  auto* label = new QLabel;
  label->setObjectName(name);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

double BoxValue(const QLineEdit* box) { return NumericValue(box->text().toStdString()); }

// Asked before diagrams of the name are replaced.
std::string ReplaceQuestion(const std::vector<std::string>& existing) {
  const std::string others =
      existing.size() == 1 ? std::string(" already exists")
                           : " and " + std::to_string(existing.size() - 1) + " more of these diagrams already exist";
  return existing.front() + others + ". Each will be kept as its .bak and replaced. Should I proceed? ";
}

// Said once the sets are written.
std::string MadeText(const std::string& name, const std::vector<int>& months) {
  const std::string first = ClimateSetName(name, months.front());
  if (months.size() == 1) return "The diagrams " + first + " were made, kinds 1 to 5.";
  return "The diagrams of " + std::to_string(months.size()) + " months were made: " + first + " to " +
         ClimateSetName(name, months.back()) + ", kinds 1 to 5.";
}

}  // namespace

// The weather file as read, and what the time check said of it.
struct ClimateWindow::Loaded {
  std::string Path;
  WeatherData Data;
  TimeCheck Check;
};

ClimateWindow::ClimateWindow(AppContext& context, const MainDataTexts& mainData, QWidget* parent)
    : QDialog(parent), context_(context), mainData_(mainData), worker_(std::make_unique<SolutionWorker>()) {
  setObjectName("frmClimate");
  setWindowTitle("Climate from a Weather File");
  SetFileChooser([this](const QString& folder) {
    return QFileDialog::getOpenFileName(this, "Weather File", folder,
                                        "Weather files (*.epw *.EPW *.csv *.CSV);;All files (*)");
  });
  SetDiagramPlotHook(
      [this](const CurrentDiagram& diagram, QWidget* parent) { ShowDiagramPlot(context_, diagram, parent); });

  cmdOk_ = NamedButton("cmdOk", "OK");
  connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);
  prgMake_ = new QProgressBar;
  prgMake_->setObjectName("prgMake");
  ShowProgressIdle(prgMake_);
  cmdCancel_ = NamedButton("cmdCancel", "Cancel");
  cmdCancel_->setEnabled(false);
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { worker_->RequestCancel(); });
  feedback_ =
      std::make_unique<WorkerFeedback>(*worker_, ProgressBarView(prgMake_, kMonthsProgressFormat),
                                       [this](const std::string& message) { context_.Messages->Error(this, message); });
  auto* left = new QVBoxLayout;
  left->addWidget(CreateFileFrame());
  left->addWidget(CreateSiteFrame());
  left->addWidget(CreateDiagramsFrame());
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(CreateSummaryFrame(), 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(prgMake_, 1);
  bottom->addWidget(cmdCancel_);
  bottom->addSpacing(24);
  bottom->addWidget(cmdOk_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addLayout(bottom);
  EnableMaking(false);  // nothing to make before a weather file is read
}

// The months' work holds nothing of the window but its feedback, which goes
// after the worker has stopped.
ClimateWindow::~ClimateWindow() { worker_->StopAndWait(); }

void ClimateWindow::reject() {
  if (making_) {
    context_.Messages->Error(this, "Cancel the calculation first.");
    return;
  }
  QDialog::reject();
}

QWidget* ClimateWindow::CreateFileFrame() {
  auto* frame = new QGroupBox("Weather File");
  frame->setObjectName("frameWeatherFile");
  txtWeatherFile_ = new QLineEdit;
  txtWeatherFile_->setObjectName("txtWeatherFile");
  txtWeatherFile_->setReadOnly(true);
  txtWeatherFile_->setPlaceholderText("an EPW or TMY3 CSV file of a typical year");
  cmdWeatherFile_ = NamedButton("cmdWeatherFile", "&Open...");
  connect(cmdWeatherFile_, &QPushButton::clicked, this, &ClimateWindow::CmdWeatherFileClick);
  auto* row = new QHBoxLayout(frame);
  row->addWidget(txtWeatherFile_, 1);
  row->addWidget(cmdWeatherFile_);
  return frame;
}

QWidget* ClimateWindow::CreateSiteFrame() {
  auto* frame = new QGroupBox("Site");
  frame->setObjectName("frameSite");
  auto* grid = new QGridLayout(frame);
  int line = 0;
  lblSite_ = ValueLabel("lblSite");
  lblSite_->setWordWrap(true);
  lblSite_->setText("Open a weather file to see its site.");
  grid->addWidget(lblSite_, line++, 0, 1, 3);
  lblWarnings_ = ValueLabel("lblWarnings");
  lblWarnings_->setWordWrap(true);
  lblWarnings_->setStyleSheet("color: #a00000");
  grid->addWidget(lblWarnings_, line++, 0, 1, 3);
  cboShift_ = List("cboShift");
  for (int half = -kLargestShiftHalfHours; half <= kLargestShiftHalfHours; ++half)
    cboShift_->addItem(Text(ShiftHoursText(half / 2.0)));
  cboShift_->setCurrentIndex(kLargestShiftHalfHours);
  auto* shiftLabel = new QLabel("Shift the hours by :");
  shiftLabel->setBuddy(cboShift_);
  grid->addWidget(shiftLabel, line, 0);
  auto* shift = new QHBoxLayout;
  shift->addWidget(cboShift_);
  shift->addWidget(new QLabel("h"));
  shift->addStretch(1);
  grid->addLayout(shift, line++, 1, 1, 2);
  grid->setColumnStretch(2, 1);
  return frame;
}

QLineEdit* ClimateWindow::CoefficientBox(const char* name) {
  auto* box = new QLineEdit;
  box->setObjectName(name);
  new FilteredTextBox(box, InputMode::UnsignedDecimal, 12);
  box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(16, '0')));
  return box;
}

void ClimateWindow::ShowCoefficients() {
  const ClimateCoefficients defaults;
  const std::pair<QLineEdit*, double> boxes[] = {{txtAbsorptance_, defaults.Absorptance},
                                                 {txtSurfaceCoefficient_, defaults.SurfaceCoefficient},
                                                 {txtReflectance_, defaults.Reflectance},
                                                 {txtDiffusivity_, defaults.Diffusivity}};
  for (const auto& [box, value] : boxes) {
    box->setText(Text(NumberText(value)));
    box->findChild<FilteredTextBox*>()->Normalise();  // as the box shows a value typed
  }
}

QWidget* ClimateWindow::CreateDiagramsFrame() {
  auto* frame = new QGroupBox("Diagrams");
  frame->setObjectName("frameDiagrams");
  cboMonths_ = List("cboMonths");
  cboMonths_->addItem("All months");
  for (const char* month : kMonthNames) cboMonths_->addItem(month);
  cboDayType_ = List("cboDayType");
  cboDayType_->addItem("mean: each hour's mean over the month", static_cast<int>(DayType::Mean));
  cboDayType_->addItem("clear: the month's sunniest day", static_cast<int>(DayType::Clear));

  txtAbsorptance_ = CoefficientBox("txtAbsorptance");
  txtSurfaceCoefficient_ = CoefficientBox("txtSurfaceCoefficient");
  txtReflectance_ = CoefficientBox("txtReflectance");
  txtDiffusivity_ = CoefficientBox("txtDiffusivity");
  ShowCoefficients();
  txtName_ = new QLineEdit;
  txtName_->setObjectName("txtName");
  new FilteredTextBox(txtName_, InputMode::FileName, 0);

  cboPreviewMonth_ = List("cboPreviewMonth");
  for (const char* month : kMonthNames) cboPreviewMonth_->addItem(month);
  cboPreviewKind_ = List("cboPreviewKind");
  for (const DiagramKind kind : kTemperatureKinds) cboPreviewKind_->addItem(DiagramKindTable(kind).KindName);
  cmdPreview_ = NamedButton("cmdPreview", "&Draw");
  connect(cmdPreview_, &QPushButton::clicked, this, &ClimateWindow::CmdPreviewClick);
  // A month chosen to make is the month to look at first.
  connect(cboMonths_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index > 0) cboPreviewMonth_->setCurrentIndex(index - 1);
  });
  cmdDefaults_ = NamedButton("cmdDefaults", "De&faults");
  cmdDefaults_->setToolTip("The coefficients' defaults");
  connect(cmdDefaults_, &QPushButton::clicked, this, &ClimateWindow::ShowCoefficients);
  cmdMake_ = NamedButton("cmdMake", "&Make Diagrams");
  connect(cmdMake_, &QPushButton::clicked, this, &ClimateWindow::CmdMakeClick);

  auto* grid = new QGridLayout(frame);
  int line = 0;
  // A box and its unit side by side; a list takes the row.
  auto addRow = [&](const char* caption, QWidget* field, const char* unit) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    grid->addWidget(label, line, 0);
    auto* row = new QHBoxLayout;
    row->addWidget(field, unit ? 0 : 1);
    if (unit) {
      row->addWidget(new QLabel(QString::fromUtf8(unit)));
      row->addStretch(1);
    }
    grid->addLayout(row, line++, 1);
  };
  addRow("Months :", cboMonths_, nullptr);
  addRow("Day type :", cboDayType_, nullptr);
  addRow("Absorptance :", txtAbsorptance_, "( 0 to 1 )");
  addRow("Surface coefficient :", txtSurfaceCoefficient_, "( W / m² K )");
  addRow("Ground reflectance :", txtReflectance_, "( 0 to 1 )");
  addRow("Thermal diffusivity :", txtDiffusivity_, "( m² / s )");
  addRow("Set name :", txtName_, nullptr);
  auto* preview = new QHBoxLayout;
  preview->addWidget(cboPreviewMonth_);
  preview->addWidget(cboPreviewKind_, 1);
  preview->addWidget(cmdPreview_);
  auto* previewLabel = new QLabel("Preview :");
  previewLabel->setBuddy(cboPreviewMonth_);
  grid->addWidget(previewLabel, line, 0);
  grid->addLayout(preview, line++, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdDefaults_);
  buttons->addStretch(1);
  buttons->addWidget(cmdMake_);
  grid->addLayout(buttons, line++, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  return frame;
}

QWidget* ClimateWindow::CreateSummaryFrame() {
  auto* frame = new QGroupBox("Summary");
  frame->setObjectName("frameSummary");
  txtSummary_ = new QPlainTextEdit;
  txtSummary_->setObjectName("txtSummary");
  txtSummary_->setReadOnly(true);
  txtSummary_->setMinimumWidth(txtSummary_->fontMetrics().horizontalAdvance(QString(60, 'x')));
  auto* column = new QVBoxLayout(frame);
  column->addWidget(txtSummary_);
  return frame;
}

void ClimateWindow::EnableMaking(bool enabled) {
  for (QWidget* control : std::initializer_list<QWidget*>{cboShift_, cmdPreview_, cmdMake_})
    control->setEnabled(enabled);
}

void ClimateWindow::SetMaking(bool making) {
  making_ = making;
  for (QWidget* control : std::initializer_list<QWidget*>{cmdWeatherFile_, cmdPreview_, cmdMake_, cmdOk_})
    control->setEnabled(!making);
  cmdCancel_->setEnabled(making);
}

void ClimateWindow::ShowSummary(const std::vector<std::string>& lines) {
  QStringList shown;
  for (const std::string& line : lines) shown.append(Text(line));
  txtSummary_->setPlainText(shown.join('\n'));
}

void ClimateWindow::CmdWeatherFileClick() {
  const std::string start = loaded_ ? loaded_->Path : context_.Workspace.Folder() + "/";
  const QString folder = QFileInfo(QFile::decodeName(QByteArray::fromStdString(start))).absolutePath();
  const QString path = fileChooser_ ? fileChooser_(folder) : QString();
  if (!path.isEmpty()) OpenWeatherFile(path);
}

bool ClimateWindow::OpenWeatherFile(const QString& path) {
  const std::string file = QFile::encodeName(path).toStdString();
  WeatherReadResult read = ReadWeatherFile(file);
  if (!read.Ok) {
    context_.Messages->Error(this, read.Error);
    return false;
  }
  auto loaded = std::make_unique<Loaded>();
  loaded->Path = file;
  loaded->Check = CheckWeatherTime(read.Data);
  loaded->Data = std::move(read.Data);
  loaded_ = std::move(loaded);

  const WeatherSite& site = loaded_->Data.Site;
  txtWeatherFile_->setText(path);
  lblSite_->setText(Text(SiteText(site)));
  QStringList warnings;
  for (const std::string& warning : {loaded_->Check.Warning, MirroredPlanText(site)})
    if (!warning.empty()) warnings.append(Text(warning));
  if (loaded_->Check.Doubtful)
    warnings.append("The shift that brings it to the sun is chosen below; choose 0 to keep the file's hours.");
  lblWarnings_->setText(warnings.join('\n'));
  lblWarnings_->setVisible(!warnings.isEmpty());
  // The offered shift, 0 for a file whose clock agrees with the sun.
  cboShift_->setCurrentIndex(kLargestShiftHalfHours +
                             static_cast<int>(std::lround(loaded_->Check.OfferedShiftHours * 2)));
  txtName_->setText(Text(ClimateNameFromSite(site)));
  ShowSummary(HeadLines(0));
  EnableMaking(true);
  return true;
}

struct ClimateWindow::Choices {
  std::vector<int> Months;
  DayType Type = DayType::Mean;
  ClimateCoefficients Coefficients;
  std::string Name;
  double Shift = 0;
  double WallThickness = 0;
};

std::optional<ClimateWindow::Choices> ClimateWindow::ReadChoices() {
  Choices chosen;
  if (cboMonths_->currentIndex() > 0) {
    chosen.Months = {cboMonths_->currentIndex()};
  } else {
    for (int month = 1; month <= 12; ++month) chosen.Months.push_back(month);
  }
  chosen.Type = static_cast<DayType>(cboDayType_->currentData().toInt());
  chosen.Coefficients = {BoxValue(txtAbsorptance_), BoxValue(txtSurfaceCoefficient_), BoxValue(txtReflectance_),
                         BoxValue(txtDiffusivity_)};
  chosen.Name = txtName_->text().toStdString();
  chosen.Shift = (cboShift_->currentIndex() - kLargestShiftHalfHours) / 2.0;
  const MainData column = MainDataFromTexts(mainData_);
  chosen.WallThickness = column.ERadius - column.IRadius;
  for (const std::string& problem : {CheckClimateCoefficients(chosen.Coefficients), CheckClimateName(chosen.Name)}) {
    if (!problem.empty()) {
      context_.Messages->Error(this, problem);
      return std::nullopt;
    }
  }
  return chosen;
}

WeatherData ClimateWindow::ShiftedData(double shift) const {
  WeatherData data = loaded_->Data;
  if (shift != 0) ShiftWeatherHours(data, shift);
  return data;
}

std::vector<std::string> ClimateWindow::HeadLines(double shift) const {
  std::vector<std::string> lines{SiteText(loaded_->Data.Site)};
  for (const std::string& line : {loaded_->Check.Warning, ShiftText(shift), MirroredPlanText(loaded_->Data.Site)})
    if (!line.empty()) lines.push_back(line);
  return lines;
}

void ClimateWindow::CmdPreviewClick() {
  const std::optional<Choices> chosen = ReadChoices();
  if (!chosen) return;
  const int month = cboPreviewMonth_->currentIndex() + 1;
  const auto slot = static_cast<std::size_t>(cboPreviewKind_->currentIndex());  // the list follows kTemperatureKinds
  const DiagramKind kind = kTemperatureKinds[slot];
  const MonthDiagrams made =
      MakeMonthDiagrams(ShiftedData(chosen->Shift), month, chosen->Type, chosen->Coefficients, chosen->WallThickness);
  const std::string setName = ClimateSetName(chosen->Name, month);
  std::vector<std::string> lines = HeadLines(chosen->Shift);
  for (const std::string& line : MonthReportLines(setName, made)) lines.push_back(line);
  lines.push_back("(a preview: nothing was written)");
  ShowSummary(lines);
  if (plotHook_) plotHook_({made.Diagrams[slot], setName, kind}, this);
}

void ClimateWindow::CmdMakeClick() {
  const std::optional<Choices> chosen = ReadChoices();
  if (!chosen) return;
  std::vector<std::string> existing;
  for (int month : chosen->Months)
    for (const std::string& file : ExistingSetFiles(context_.Workspace, chosen->Name, month)) existing.push_back(file);
  if (!existing.empty() && !context_.Messages->Question(this, ReplaceQuestion(existing))) return;

  SetMaking(true);
  ShowProgress(prgMake_, 0, static_cast<int>(chosen->Months.size()), kMonthsProgressFormat);
  feedback_->Run(
      [choices = *chosen, data = ShiftedData(chosen->Shift)](WorkFeedback& feedback) {
        return MakeMonthsDiagrams(data, choices.Months, choices.Type, choices.Coefficients, choices.WallThickness,
                                  feedback);
      },
      [this, choices = *chosen, replacing = !existing.empty()](const std::optional<std::vector<MonthDiagrams>>& made) {
        EndMaking(choices, replacing, made);
      });
}

void ClimateWindow::EndMaking(const Choices& chosen, bool replacing,
                              const std::optional<std::vector<MonthDiagrams>>& made) {
  SetMaking(false);
  ShowProgressIdle(prgMake_);
  // A Cancel the user pressed is kept even when no month was left to make.
  if (!made || worker_->CancelRequested()) {
    ShowSummary({"Cancelled: nothing was written."});
    emit MakingEnded();
    return;
  }
  const ClimateWriteResult written = WriteClimateSets(context_.Workspace, chosen.Name, *made, replacing);
  std::vector<std::string> lines = HeadLines(chosen.Shift);
  if (written.Ok) {
    for (const MonthDiagrams& month : *made)
      for (const std::string& line : MonthReportLines(ClimateSetName(chosen.Name, month.Month), month))
        lines.push_back(line);
  } else {
    for (const std::string& file : written.Written) lines.push_back("Written before it stopped: " + file + ".");
  }
  for (const std::string& backup : written.Kept) lines.push_back("Kept " + backup + ".");
  ShowSummary(lines);
  if (written.Ok)
    context_.Messages->Information(this, MadeText(chosen.Name, chosen.Months));
  else
    context_.Messages->Error(this, written.Error);
  emit MakingEnded();
}

}  // namespace kolvane::ui

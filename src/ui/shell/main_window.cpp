#include "ui/shell/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <filesystem>

#include "core/common/column_folder_title.h"
#include "core/common/folder_argument.h"
#include "core/common/number_text.h"
#include "core/common/program_info.h"
#include "core/diagrams/diagram_file.h"
#include "core/maindata/main_data_fields.h"
#include "core/maindata/main_data_file.h"
#include "core/maindata/validation.h"
#include "ui/common/app_context.h"
#include "ui/common/file_names.h"
#include "ui/common/named_button.h"
#include "ui/common/settings.h"
#include "ui/controls/filtered_text_box.h"
#include "ui/report/calculation_report_form.h"
#include "ui/shell/about_window.h"
#include "ui/shell/guide_window.h"

namespace kolvane::ui {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// "Sun position - Diagram 1", with the digit as the button's access key.
QString DiagramButtonCaption(DiagramKind kind) {
  return Text(std::string(DiagramKindTable(kind).KindName) + " - Diagram &" + NumberText(kind));
}

std::string DiagramsTitle(DiagramKind kind) {
  return std::string(DiagramKindTable(kind).KindName) + " diagrams (*." + DiagramExtension(kind) + ")";
}

QGroupBox* Frame(const char* name, const char* caption) {
  auto* frame = new QGroupBox(caption);
  frame->setObjectName(name);
  return frame;
}

// The folders opened last live in the user's settings.
constexpr const char* kRecentFoldersKey = "RecentFolders";

std::vector<std::string> RecentFolders() { return FolderList(kRecentFoldersKey); }

void StoreRecentFolders(const std::vector<std::string>& folders) { StoreFolderList(kRecentFoldersKey, folders); }

}  // namespace

MainWindow::MainWindow(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
  setObjectName("frmMain");
  setWindowTitle(Text(ProgramTitle()));

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(CreateColumnFrame());
  buttons->addWidget(CreateDiagramsFrame());
  buttons->addWidget(CreateCalculationsFrame());
  buttons->addStretch(1);
  cmdAbout_ = NamedButton("cmdAbout", "&About");
  buttons->addWidget(cmdAbout_, 0, Qt::AlignRight);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(CreateMainDataFrame(), 1);
  layout->addLayout(buttons);
  layout->setMenuBar(CreateMenuBar());

  connect(cmdThermoElastic_, &QPushButton::clicked, this, &MainWindow::CmdThermoElasticClick);
  connect(cmdCreep_, &QPushButton::clicked, this, &MainWindow::CmdCreepClick);
  connect(cmdCalculationReport_, &QPushButton::clicked, this, &MainWindow::CmdCalculationReportClick);
  connect(cmdAbout_, &QPushButton::clicked, this, &MainWindow::CmdAboutClick);
  SetDiagramsHook(nullptr);
  SetThermoElasticHook(nullptr);
  SetCreepHook(nullptr);
  SetClimateHook(nullptr);
  SetAboutHook([this] {
    AboutWindow about(this);
    about.exec();
  });
  SetFolderChooser([this](const QString& current) {
    return QFileDialog::getExistingDirectory(this, "Open Column Folder", current);
  });
  connect(cmdOpenFolder_, &QPushButton::clicked, this, &MainWindow::CmdOpenFolderClick);
  connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::FillRecentMenu);

  // A session that ends without closing the window still keeps the data.
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
    if (isVisible()) SaveMainData();
  });
  LoadMainData();
  ShowOpenFolder();
}

QWidget* MainWindow::CreateColumnFrame() {
  QGroupBox* frame = Frame("frameColumn", "Column Folder");
  auto* column = new QVBoxLayout(frame);
  cmdOpenFolder_ = NamedButton("cmdOpenFolder", "&Open Column Folder...");
  cmdOpenFolder_->setToolTip("Open Column Folder (Ctrl+O)");
  cmdRecentFolders_ = NamedButton("cmdRecentFolders", "Recent &Folders");
  recentMenu_ = new QMenu(cmdRecentFolders_);
  recentMenu_->setObjectName("mnuRecentFolders");
  cmdRecentFolders_->setMenu(recentMenu_);
  column->addWidget(cmdOpenFolder_);
  column->addWidget(cmdRecentFolders_);
  return frame;
}

QMenuBar* MainWindow::CreateMenuBar() {
  auto* bar = new QMenuBar;
  bar->setObjectName("mnuBar");
  QMenu* file = bar->addMenu("&File");
  file->setObjectName("mnuFile");
  file->addAction("&Open Column Folder...", QKeySequence::Open, this, &MainWindow::CmdOpenFolderClick)
      ->setObjectName("mnuOpenFolder");
  file->addMenu(recentMenu_)->setText("&Recent Folders");
  file->addAction("&Save Main Data", QKeySequence::Save, this, &MainWindow::MnuSaveMainDataClick)
      ->setObjectName("mnuSaveMainData");
  file->addSeparator();
  file->addAction("Calculation &Report...", this, &MainWindow::CmdCalculationReportClick)
      ->setObjectName("mnuCalculationReport");
  file->addAction("&Quit", QKeySequence::Quit, this, &QWidget::close)->setObjectName("mnuQuit");

  QMenu* edit = bar->addMenu("&Edit");
  edit->setObjectName("mnuEdit");
  // The field that has the focus handles these keys itself; the menu offers them too.
  const auto addEdit = [&](const char* name, const char* caption, QKeySequence::StandardKey key, auto slot) {
    QAction* action = edit->addAction(caption, key, this, slot);
    action->setObjectName(name);
    action->setShortcutContext(Qt::WidgetShortcut);  // shown in the menu; the field takes the keys
  };
  addEdit("mnuUndo", "&Undo", QKeySequence::Undo, [this] {
    if (QLineEdit* field = FocusedField()) field->undo();
  });
  addEdit("mnuRedo", "&Redo", QKeySequence::Redo, [this] {
    if (QLineEdit* field = FocusedField()) field->redo();
  });
  edit->addSeparator();
  addEdit("mnuCut", "Cu&t", QKeySequence::Cut, [this] {
    if (QLineEdit* field = FocusedField()) field->cut();
  });
  addEdit("mnuCopy", "&Copy", QKeySequence::Copy, [this] {
    if (QLineEdit* field = FocusedField()) field->copy();
  });
  addEdit("mnuPaste", "&Paste", QKeySequence::Paste, [this] {
    if (QLineEdit* field = FocusedField()) field->findChild<FilteredTextBox*>()->Paste();
  });

  QMenu* help = bar->addMenu("&Help");
  help->setObjectName("mnuHelp");
  help->addAction("&Guide", QKeySequence::HelpContents, this, &MainWindow::MnuGuideClick)->setObjectName("mnuGuide");
  help->addAction("&About", this, &MainWindow::CmdAboutClick)->setObjectName("mnuAbout");
  return bar;
}

void MainWindow::MnuSaveMainDataClick() {
  if (SaveMainData())
    context_.Messages->Information(this, std::string(kMainDataFileName) + " was saved successfully.\r\n" +
                                             context_.Workspace.PathOf(kMainDataFileName));
}

// The main data field that had the focus last (the menu takes the focus
// while it is open), or none.
QLineEdit* MainWindow::FocusedField() const {
  for (QLineEdit* field : fields_)
    if (field == focusWidget()) return field;
  return nullptr;
}

void MainWindow::MnuGuideClick() {
  GuideWindow guide(this);
  guide.exec();
}

QWidget* MainWindow::CreateMainDataFrame() {
  QGroupBox* frame = Frame("frameMain", "Main Data");
  auto* grid = new QGridLayout(frame);
  const MainDataTexts zeros = ZeroMainDataTexts();
  for (int row = 0; row < kMainFieldCount; ++row) {
    const MainFieldRow& field = kMainFieldRows[static_cast<std::size_t>(row)];
    auto* box = new QLineEdit(Text(zeros[static_cast<std::size_t>(row)]));
    box->setObjectName(field.BoxName);
    // Room for the ten characters a field holds, whatever the font and screen.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(12, '0')));
    new FilteredTextBox(box, field.Mode, field.MaxDigits);
    box->setToolTip(QString::fromUtf8(field.Label).chopped(2) + ": " + Text(FieldRangeText(field.Field)));
    auto* label = new QLabel(QString::fromUtf8(field.Label));
    label->setBuddy(box);
    grid->addWidget(label, row, 0, Qt::AlignRight);
    grid->addWidget(box, row, 1);
    grid->addWidget(new QLabel(QString::fromUtf8(field.Unit)), row, 2);
    fields_[static_cast<std::size_t>(row)] = box;
  }
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(kMainFieldCount, 1);
  return frame;
}

QWidget* MainWindow::CreateDiagramsFrame() {
  QGroupBox* frame = Frame("frameDiagrams", "Diagrams");
  auto* column = new QVBoxLayout(frame);
  for (std::size_t n = 0; n < kDiagramKindRows.size(); ++n) {
    const DiagramKind kind = kDiagramKindRows[n].Kind;
    const std::string name = "cmdDiagram" + std::to_string(kind);
    QPushButton* button = NamedButton(name.c_str(), DiagramButtonCaption(kind));
    connect(button, &QPushButton::clicked, this, [this, kind] { CmdDiagramClick(kind); });
    column->addWidget(button);
    cmdDiagram_[n] = button;
  }
  // The diagrams of a year, made from the site's weather file.
  cmdClimate_ = NamedButton("cmdClimate", "C&limate...");
  connect(cmdClimate_, &QPushButton::clicked, this, &MainWindow::CmdClimateClick);
  column->addWidget(cmdClimate_);
  return frame;
}

QWidget* MainWindow::CreateCalculationsFrame() {
  QGroupBox* frame = Frame("frameCalculations", "Calculations");
  auto* column = new QVBoxLayout(frame);
  cmdThermoElastic_ = NamedButton("cmdThermoElastic", "&ThermoElastic Solution");
  cmdCreep_ = NamedButton("cmdCreep", "&Creep Solution");
  cmdCalculationReport_ = NamedButton("cmdCalculationReport", "Calculation &Report...");
  cmdCalculationReport_->setToolTip("A PDF report of the latest results of this folder");
  column->addWidget(cmdThermoElastic_);
  column->addWidget(cmdCreep_);
  column->addWidget(cmdCalculationReport_);
  return frame;
}

void MainWindow::SetDiagramsHook(DiagramsHook hook) {
  diagramsHook_ = std::move(hook);
  for (QPushButton* button : cmdDiagram_) button->setEnabled(bool(diagramsHook_));
}

void MainWindow::SetThermoElasticHook(SolutionHook hook) {
  thermoElasticHook_ = std::move(hook);
  cmdThermoElastic_->setEnabled(bool(thermoElasticHook_));
}

void MainWindow::SetCreepHook(SolutionHook hook) {
  creepHook_ = std::move(hook);
  cmdCreep_->setEnabled(bool(creepHook_));
}

void MainWindow::SetClimateHook(SolutionHook hook) {
  climateHook_ = std::move(hook);
  cmdClimate_->setEnabled(bool(climateHook_));
}

void MainWindow::SetFolderChooser(FolderChooser chooser) { folderChooser_ = std::move(chooser); }

void MainWindow::SetAboutHook(AboutHook hook) {
  aboutHook_ = std::move(hook);
  cmdAbout_->setEnabled(bool(aboutHook_));
}

MainDataTexts MainWindow::FieldTexts() const {
  MainDataTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = fields_[i]->text().toStdString();
  return texts;
}

void MainWindow::LoadMainData() {
  // Fields the file did not fill show "0", as a first start shows them (and a
  // folder opened without main.dat shows no values of the last one); a file
  // that was not read completely is said so once the window is up, and is
  // kept as a backup before it is replaced.
  MainDataTexts texts = ZeroMainDataTexts();
  const MainDataLoadResult loaded = LoadMainDataFile(context_.Workspace.PathOf(kMainDataFileName), texts);
  mainDataReading_ = loaded.Reading;
  for (std::size_t i = 0; i < texts.size(); ++i) fields_[i]->setText(Text(texts[i]));
  if (const std::optional<std::string> notice = MainDataReadingNotice(loaded))
    QTimer::singleShot(0, this, [this, text = *notice] { context_.Messages->Notice(this, text); });
}

bool MainWindow::SaveMainData() {
  const WriteResult result =
      SaveMainDataFile(context_.Workspace.PathOf(kMainDataFileName), FieldTexts(), mainDataReading_);
  if (result.Ok)
    mainDataReading_ = MainDataReading::Complete;  // the original is kept; the file is the fields now
  else
    context_.Messages->Error(this, std::string(kMainDataFileName) + " could not be saved: " + result.Reason);
  return result.Ok;
}

void MainWindow::ShowOpenFolder() {
  const std::string folder = context_.Workspace.Folder();
  setWindowTitle(Text(ColumnWindowTitle(folder, QDir::homePath().toStdString())));
  StoreRecentFolders(WithRecentFolder(RecentFolders(), folder));
}

void MainWindow::FillRecentMenu() {
  recentMenu_->clear();
  // By its bytes: a name that is not UTF-8 would not survive a QString. A
  // folder that is gone is refused with a message, and leaves the list.
  for (const std::string& folder : RecentFolders())
    recentMenu_->addAction(ShownFileName(folder), this, [this, folder] {
      if (SaveMainData() && !SwitchToFolder(folder) && !std::filesystem::exists(folder)) {
        std::vector<std::string> folders = RecentFolders();
        std::erase(folders, folder);
        StoreRecentFolders(folders);
      }
    });
  if (recentMenu_->isEmpty()) recentMenu_->addAction("(none)")->setEnabled(false);
}

void MainWindow::CmdOpenFolderClick() {
  // As closing does, before anything else can go wrong; main data that could
  // not be saved stays on screen, for the user to keep another way.
  if (!SaveMainData() || !folderChooser_) return;
  const QString folder = folderChooser_(Text(context_.Workspace.Folder()));
  if (!folder.isEmpty()) SwitchToFolder(QFile::encodeName(folder).toStdString());
}

bool MainWindow::OpenColumnFolder(const QString& folder) {
  return SaveMainData() && SwitchToFolder(QFile::encodeName(folder).toStdString());
}

bool MainWindow::SwitchToFolder(const std::string& folder) {
  const FolderChoice choice = ChooseWorkingFolder({folder}, {});
  if (!choice.Ok) {
    context_.Messages->Error(this, choice.Error);
    return false;
  }
  context_.Workspace = Workspace(choice.Folder);
  // The last run's results belong to the other column.
  context_.Grid = SectionGrid{};
  context_.Results = {};
  LoadMainData();
  ShowOpenFolder();
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (context_.SolutionRunning) {  // only the run's own Cancel stops it
    event->ignore();
    return;
  }
  SaveMainData();  // otherwise closing is never refused: the data is kept or the user is told it was not
  event->accept();
}

void MainWindow::CmdDiagramClick(DiagramKind kind) {
  if (diagramsHook_) diagramsHook_(kind, DiagramsTitle(kind));
}

void MainWindow::CmdThermoElasticClick() { RunSolution(thermoElasticHook_); }

void MainWindow::CmdCreepClick() { RunSolution(creepHook_); }

void MainWindow::CmdClimateClick() { RunSolution(climateHook_); }

// Every kept result of the folder: the thermo-elastic run, the orbit and the creep run.
void MainWindow::CmdCalculationReportClick() {
  if (context_.Results.Empty()) {
    context_.Messages->Error(this, "There are no results to report yet: run a solution first.");
    return;
  }
  WriteCalculationReportOf(context_, context_.Results, this);
}

void MainWindow::RunSolution(const SolutionHook& hook) {
  const MainDataTexts texts = FieldTexts();
  if (const std::optional<MainDataProblem> problem = FirstMainDataProblem(texts)) {
    context_.Messages->Error(this, problem->Message);
    // The user is sent to the field at fault, its text ready to be typed over.
    QLineEdit* field = fields_[static_cast<std::size_t>(problem->Field)];
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    return;
  }
  if (hook) hook(texts);
}

void MainWindow::CmdAboutClick() {
  if (aboutHook_) aboutHook_();
}

}  // namespace kolvane::ui

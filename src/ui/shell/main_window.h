#pragma once
// frmMain, the hub of the program: the column's main data in eleven filtered
// fields, a button per diagram kind, the two solutions and the about window,
// and a menu bar (File, Edit, Help) with the same and more.
// The fields are filled from main.dat when the window opens and written back
// when it closes, however it is closed, or when another column folder is
// opened. The caption names the open folder; the folders opened last are
// kept in the user's settings and offered again.
//
// The windows it opens are reached through hooks that the program's start-up
// sets (and tests replace), so this window depends on none of them. A button
// whose hook is not set is disabled.

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "core/diagrams/diagram_kinds.h"
#include "core/maindata/main_data.h"
#include "core/maindata/main_data_file.h"

class QCloseEvent;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace kolvane::ui {

struct AppContext;

class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  // Opens the diagram manager of `kind` under `title` ("Sun position diagrams (*.dg1)").
  using DiagramsHook = std::function<void(DiagramKind kind, const std::string& title)>;
  // Opens a solution window; called only when the main data passed validation,
  // with the eleven field texts as shown.
  using SolutionHook = std::function<void(const MainDataTexts& texts)>;
  using AboutHook = std::function<void()>;
  // Asks for a column folder, starting at `current`; empty when cancelled.
  // The default shows the standard folder dialog.
  using FolderChooser = std::function<QString(const QString& current)>;

  // Loads main.dat from the context's working folder into the fields.
  explicit MainWindow(AppContext& context, QWidget* parent = nullptr);

  void SetDiagramsHook(DiagramsHook hook);
  void SetThermoElasticHook(SolutionHook hook);
  void SetCreepHook(SolutionHook hook);
  // Opens the climate window, which makes diagrams from a weather file; like
  // the solutions, only on valid main data (the wall's thickness damps kind 5).
  void SetClimateHook(SolutionHook hook);
  // The default shows the about window modally.
  void SetAboutHook(AboutHook hook);

  void SetFolderChooser(FolderChooser chooser);

  // The field texts exactly as shown, in field order.
  MainDataTexts FieldTexts() const;

  // Saves the main data where it came from, then works in `folder`: loads its
  // main data, and the diagram windows and solutions use it from now on. A
  // folder that cannot be used is refused with a message and changes nothing.
  // True when the folder was opened.
  bool OpenColumnFolder(const QString& folder);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* CreateMainDataFrame();
  QWidget* CreateDiagramsFrame();
  QWidget* CreateCalculationsFrame();
  QWidget* CreateColumnFrame();
  void LoadMainData();
  bool SaveMainData();                             // false after an "Error" that says why
  bool SwitchToFolder(const std::string& folder);  // OpenColumnFolder without the save; the folder by its bytes
  void ShowOpenFolder();                           // title and recent folders
  void FillRecentMenu();

  void CmdOpenFolderClick();
  QMenuBar* CreateMenuBar();
  void MnuSaveMainDataClick();
  // Edit > Undo ... Paste act on the field that has the focus.
  QLineEdit* FocusedField() const;
  void MnuGuideClick();

  void CmdDiagramClick(DiagramKind kind);
  void CmdThermoElasticClick();
  void CmdCreepClick();
  void CmdCalculationReportClick();
  void CmdClimateClick();
  void CmdAboutClick();
  void RunSolution(const SolutionHook& hook);

  AppContext& context_;
  MainDataReading mainDataReading_ = MainDataReading::Complete;  // how main.dat was read at start
  std::array<QLineEdit*, kMainFieldCount> fields_{};
  std::array<QPushButton*, kDiagramKindCount> cmdDiagram_{};
  QPushButton* cmdThermoElastic_ = nullptr;
  QPushButton* cmdCreep_ = nullptr;
  QPushButton* cmdCalculationReport_ = nullptr;
  QPushButton* cmdClimate_ = nullptr;
  QPushButton* cmdAbout_ = nullptr;
  QPushButton* cmdOpenFolder_ = nullptr;
  QPushButton* cmdRecentFolders_ = nullptr;
  QMenu* recentMenu_ = nullptr;

  DiagramsHook diagramsHook_;
  SolutionHook thermoElasticHook_;
  SolutionHook creepHook_;
  SolutionHook climateHook_;
  AboutHook aboutHook_;
  FolderChooser folderChooser_;
};

}  // namespace kolvane::ui

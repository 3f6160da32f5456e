#pragma once
// frmCreep: the user picks, month by month, the five diagrams the temperature
// field needs, plus a creep function and a temperature factor diagram for the
// whole run; sets the dates, the time step and when profiles are stored; runs
// the creep solution day by day with a Cancel button; reads and saves its
// report and opens the profile plot.

#include <QElapsedTimer>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/creep/calendar.h"
#include "core/creep/creep_run.h"
#include "core/maindata/main_data.h"
#include "ui/common/app_context.h"
#include "ui/solutions/diagram_rows.h"
#include "ui/solutions/solution_window.h"
#include "ui/solutions/worker_feedback.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace kolvane::ui {

class ReportListModel;
class ResultsList;

class CreepWindow final : public SolutionWindow {
  Q_OBJECT

 public:
  // `mainData` is the main window's validated field texts; the run reads them.
  CreepWindow(AppContext& context, const MainDataTexts& mainData, QWidget* parent = nullptr);
  // A window that goes while a run is on cancels the run and waits for it.
  ~CreepWindow() override;

  // Opens the profile plot; set by the program's start-up (see the
  // thermo-elastic window's section plot hook).
  using ProfilePlotHook = std::function<void(QWidget* parent)>;
  void SetProfilePlotHook(ProfilePlotHook hook);
  // Opens the tip history plot of the last run; set likewise.
  void SetTipHistoryPlotHook(ProfilePlotHook hook) { tipHistoryPlotHook_ = std::move(hook); }

  // Asks which of the folder's climates to use; empty when cancelled. The
  // default shows a list to choose from.
  using ClimateChooser = std::function<QString(const QStringList& names)>;
  void SetClimateChooser(ClimateChooser chooser) { climateChooser_ = std::move(chooser); }

  // How many cores the run uses; 0, the default, one per core.
  void SetRunThreads(unsigned threads) { threads_ = threads; }

 private:
  QWidget* CreateDiagramsFrame();
  QWidget* CreateCalculationsFrame();
  QWidget* CreateResultsFrame();
  void InitialiseLists();

  void LstMonthsClick();
  void CmdApplyToAllMonthsClick();
  void CmdUseClimateClick();
  // The first month the run reaches that the climate in use has no set for.
  std::optional<std::string> MissingClimateMonth(const CreepRunInputs& inputs) const;
  void CboDiagramClick(const DiagramRow& row);
  void RefillDays(QComboBox* day, const QComboBox* month, const QComboBox* year);
  void CmdDrawClick(const DiagramRow& row);
  void CmdCalculateClick();
  void CmdSaveReportClick();
  void CmdDrawProfileClick();
  // The month-by-kind table shows the diagrams every month uses.
  void ShowMonthTable();
  void RememberInputs() const override;
  void RestoreInputs();
  // The diagrams month `month` (0 to 11) uses: its own once set, or else the
  // month before it's, January's the first names.
  std::array<int, kTemperatureKinds.size()> MonthChoice(int month) const;

  // Loads the diagram at `position` of row `row`; false when it cannot be used.
  bool LoadRowDiagram(const DiagramRow& row, int position);
  CreepRunInputs ReadInputs() const;
  // The run's feedback: its days on the progress bar, its status below.
  std::unique_ptr<WorkerFeedback> CreateFeedback();
  void ShowDay(const WorkShown& shown);
  // The list shows the lines of lines_.
  void ShowLines();
  void ShowInfo(const std::string& text);
  // The one place where a finished run's outcome is shown.
  void EndRun(CreepOutcome outcome);
  // The folder's latest creep result, when there is one, as its run left the list.
  void ShowKeptResult();
  void ShowServiceability();
  void SetRunning(bool running);
  void EnableResults(bool enabled);

  const MainDataTexts mainData_;
  std::vector<DiagramRow> rows_;
  QListWidget* lstMonths_ = nullptr;
  QPushButton* cmdApplyToAllMonths_ = nullptr;
  QTableWidget* tblMonthDiagrams_ = nullptr;
  QPushButton* cmdUseClimate_ = nullptr;
  QComboBox* cboTimeInterval_ = nullptr;
  QComboBox *cboStDay_ = nullptr, *cboStMonth_ = nullptr, *cboStYear_ = nullptr;
  QComboBox *cboEnDay_ = nullptr, *cboEnMonth_ = nullptr, *cboEnYear_ = nullptr;
  QLineEdit* txtStoreDefEvery_ = nullptr;
  QLineEdit* txtStoreDefAt_ = nullptr;
  QPushButton* cmdCalculate_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QLabel* lblInfo_ = nullptr;
  QProgressBar* prgDays_ = nullptr;
  QLabel* lblTimeLeft_ = nullptr;
  ReportListModel* results_ = nullptr;
  ResultsList* lstResults_ = nullptr;
  QPushButton* cmdSaveReport_ = nullptr;
  QPushButton* cmdDrawProfile_ = nullptr;
  QPushButton* cmdDrawTipHistory_ = nullptr;
  QPushButton* cmdCalculationReport_ = nullptr;
  QPushButton* cmdOk_ = nullptr;

  // The list position chosen in the temperature kinds' rows, by month, for the months set.
  std::array<std::array<int, kTemperatureKinds.size()>, 12> monthChoice_{};
  std::array<bool, 12> monthSet_{};
  // The climate whose sets the months were given, and the months it had none
  // for and the user has not chosen since.
  std::string climate_;
  std::array<bool, 12> climateMissing_{};
  ClimateChooser climateChooser_;
  std::vector<std::string> lines_;     // the results list as shown and saved
  std::vector<std::string> runLines_;  // the running run's list: the worker's own until it ends or waits
  CreepRunInputs runInputs_;           // of the running run
  SectionGrid runGrid_;                // the running run's state, the worker's own
  QLabel* lblSummary_ = nullptr;
  QElapsedTimer runClock_;
  unsigned threads_ = 0;
  ProfilePlotHook profilePlotHook_;
  ProfilePlotHook tipHistoryPlotHook_;
  std::unique_ptr<WorkerFeedback> feedback_;
};

}  // namespace kolvane::ui

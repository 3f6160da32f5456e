#pragma once
// frmThermoElastic: the user picks a diagram of each of the five kinds the
// temperature field needs, types the hour, runs the solution (or the daily
// orbit) on a worker thread with a progress bar and Cancel, reads and saves
// its report and opens the section and orbit plots.

#include <functional>
#include <memory>
#include <vector>

#include "core/maindata/main_data.h"
#include "core/plots/orbit_plot.h"
#include "core/results/run_results.h"
#include "core/thermoelastic/elastic_report.h"
#include "core/thermoelastic/thermo_elastic_run.h"
#include "ui/common/app_context.h"
#include "ui/solutions/daily_orbit_controls.h"
#include "ui/solutions/diagram_rows.h"
#include "ui/solutions/solution_window.h"
#include "ui/solutions/worker_feedback.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace kolvane::ui {

class ReportListModel;
class ResultsList;

class ThermoElasticWindow final : public SolutionWindow {
  Q_OBJECT

 public:
  // `mainData` is the main window's validated field texts; the run reads them.
  ThermoElasticWindow(AppContext& context, const MainDataTexts& mainData, QWidget* parent = nullptr);
  // A window that goes while a run is on cancels the run and waits for it.
  ~ThermoElasticWindow() override;

  // Opens the section plots; the program's start-up sets the real one, so this
  // window does not depend on the plot windows and tests can watch the call.
  using SectionPlotHook = std::function<void(QWidget* parent)>;
  void SetSectionPlotHook(SectionPlotHook hook);

  // Opens the orbit plot on a computed orbit; set likewise by start-up.
  using OrbitPlotHook = std::function<void(const OrbitPlotData& orbit, QWidget* parent)>;
  void SetOrbitPlotHook(OrbitPlotHook hook) { orbitPlotHook_ = std::move(hook); }

 private:
  QWidget* CreateCalculationsFrame();
  QWidget* CreateResultsFrame();
  void CboDiagramClick(const DiagramRow& row);
  void CmdDrawClick(const DiagramRow& row);
  void CmdCalculateClick();
  // The one place where a finished run's outcome is shown.
  void EndRun(const ThermoElasticOutcome& outcome);
  // And a finished orbit's, computed at `step`.
  void EndOrbit(double step, OrbitOutcome orbit);
  // The kept result of the latest run (none: an empty list), its report and summary.
  void ShowResult();
  void ShowServiceability();
  void SetRunning(bool running);
  void CmdSaveReportClick();
  void CmdDrawSectionClick();
  void CmdDailyOrbitClick();
  void RememberInputs() const override;
  void RestoreInputs();

  const MainDataTexts mainData_;
  std::vector<DiagramRow> rows_;
  QLineEdit* txtHour_ = nullptr;
  QPushButton* cmdCalculate_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QProgressBar* prgRun_ = nullptr;
  QLabel* lblSummary_ = nullptr;
  ReportListModel* results_ = nullptr;
  ResultsList* lstResults_ = nullptr;
  QPushButton* cmdSaveReport_ = nullptr;
  QPushButton* cmdDrawSection_ = nullptr;
  QPushButton* cmdCalculationReport_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
  std::shared_ptr<const ThermoElasticResult> result_;  // the one shown
  ElasticReport report_;                               // reads result_'s own state
  SectionGrid runGrid_;                                // the running run's state, the worker's own
  SectionPlotHook sectionPlotHook_;
  DailyOrbitControls orbit_;
  OrbitPlotHook orbitPlotHook_;
  std::unique_ptr<WorkerFeedback> feedback_;  // of the run or the orbit on the worker
};

}  // namespace kolvane::ui

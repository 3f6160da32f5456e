#pragma once
// frmClimate: the diagrams of the temperature kinds made from the site's weather file.
// The user opens the file and sees the site and what the reading and the time
// check found (with the shift of the hours they offer), chooses the months,
// the day type and the coefficients, previews any of the five diagrams of a
// month in the diagram plot, and makes the set NAME-MM of every month chosen.
//
// Reading the file takes a fraction of a second and is done on the window's
// thread; the months are made on a worker, with their progress and Cancel,
// and written once all of them are made (a cancel writes nothing).

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/climate/climate_diagrams.h"
#include "core/climate/weather_file.h"
#include "core/diagrams/current_diagram.h"
#include "core/maindata/main_data.h"
#include "ui/common/app_context.h"
#include "ui/solutions/solution_worker.h"
#include "ui/solutions/worker_feedback.h"

class QComboBox;
class QProgressBar;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kolvane::ui {

class ClimateWindow final : public QDialog {
  Q_OBJECT

 public:
  // `mainData` is the main window's validated field texts: the wall's
  // thickness damps the internal temperature variation.
  ClimateWindow(AppContext& context, const MainDataTexts& mainData, QWidget* parent = nullptr);
  ~ClimateWindow() override;

  // Asks for a weather file, starting in `folder`; empty when cancelled. The
  // default shows the standard file dialog.
  using FileChooser = std::function<QString(const QString& folder)>;
  void SetFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }
  // Shows a made diagram; the default opens the diagram plot window.
  using DiagramPlotHook = std::function<void(const CurrentDiagram& diagram, QWidget* parent)>;
  void SetDiagramPlotHook(DiagramPlotHook hook) { plotHook_ = std::move(hook); }

  // Reads `path` and shows its site and warnings; a file that cannot be used
  // is refused with a message and the window keeps the file it had.
  bool OpenWeatherFile(const QString& path);

 signals:
  // The months' making has ended, however, and the window shows its outcome.
  void MakingEnded();

 public slots:
  // Closing is refused while the months are made, with a message: Cancel stops it.
  void reject() override;

 private:
  struct Loaded;  // the weather file read, as the core holds it

  QWidget* CreateFileFrame();
  QWidget* CreateSiteFrame();
  QWidget* CreateDiagramsFrame();
  QWidget* CreateSummaryFrame();
  QLineEdit* CoefficientBox(const char* name);
  void ShowCoefficients();  // the defaults

  void CmdWeatherFileClick();
  void CmdPreviewClick();
  void CmdMakeClick();
  struct Choices;
  // Writes the months made (none when cancelled) and says what was done.
  void EndMaking(const Choices& chosen, bool replacing, const std::optional<std::vector<MonthDiagrams>>& made);
  void EnableMaking(bool enabled);
  void SetMaking(bool making);
  void ShowSummary(const std::vector<std::string>& lines);
  // What the user chose, checked; nothing after an "Error" that says why.
  std::optional<Choices> ReadChoices();
  // The file's hours as the user chose to shift them.
  WeatherData ShiftedData(double shift) const;
  std::vector<std::string> HeadLines(double shift) const;

  AppContext& context_;
  const MainDataTexts mainData_;
  std::unique_ptr<Loaded> loaded_;
  FileChooser fileChooser_;
  DiagramPlotHook plotHook_;
  const std::unique_ptr<SolutionWorker> worker_;
  std::unique_ptr<WorkerFeedback> feedback_;
  bool making_ = false;

  QLineEdit* txtWeatherFile_ = nullptr;
  QPushButton* cmdWeatherFile_ = nullptr;
  QLabel* lblSite_ = nullptr;
  QLabel* lblWarnings_ = nullptr;
  QComboBox* cboShift_ = nullptr;
  QComboBox* cboMonths_ = nullptr;
  QComboBox* cboDayType_ = nullptr;
  QLineEdit* txtAbsorptance_ = nullptr;
  QLineEdit* txtSurfaceCoefficient_ = nullptr;
  QLineEdit* txtReflectance_ = nullptr;
  QLineEdit* txtDiffusivity_ = nullptr;
  QLineEdit* txtName_ = nullptr;
  QComboBox* cboPreviewMonth_ = nullptr;
  QComboBox* cboPreviewKind_ = nullptr;
  QPushButton* cmdPreview_ = nullptr;
  QPushButton* cmdDefaults_ = nullptr;
  QPushButton* cmdMake_ = nullptr;
  QPlainTextEdit* txtSummary_ = nullptr;
  QProgressBar* prgMake_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
};

}  // namespace kolvane::ui

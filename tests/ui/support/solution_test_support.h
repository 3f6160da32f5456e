#pragma once
// What the solution window tests share: the shipped example column in a
// scratch folder, a context over it, and the gestures of a user.

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch_main.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/maindata/main_data_file.h"
#include "core/support/test_support.h"
#include "core/thermoelastic/daily_orbit.h"
#include "ui/common/app_context.h"
#include "ui/support/modal_windows.h"
#include "ui/support/recording_messages.h"

namespace kolvane::testing {

// The example column: main.dat and the summer and winter diagrams of every kind.
class ExampleColumn {
 public:
  ExampleColumn() : context_{Workspace(folder_.Path()), &messages_, {}, {}} {
    for (const auto& entry : std::filesystem::directory_iterator(KOLVANE_EXAMPLES_DIR))
      if (entry.path().filename() != "README.md")
        std::filesystem::copy_file(entry.path(), std::filesystem::path(folder_.Path()) / entry.path().filename());
    LoadMainDataFile(folder_.File("main.dat"), mainData_);
  }

  ui::AppContext& Context() { return context_; }
  RecordingMessages& Messages() { return messages_; }
  const MainDataTexts& MainData() const { return mainData_; }
  const ScratchFolder& Folder() const { return folder_; }

  // The core's daily orbit of the column under the summer diagrams at `step` hours.
  std::vector<OrbitPoint> SummerOrbit(double step) const {
    const RunDiagramNames summer{"summer", "summer", "summer", "summer", "summer"};
    return RunDailyOrbit(context_.Workspace, mainData_, summer, step, NoFeedback(), 0).Points;
  }

  // kolvane-batch run in-process on the same folder; its report in `out`.
  int Batch(std::vector<std::string> arguments, const std::string& out) const {
    arguments.insert(arguments.begin() + 1, {"--folder", folder_.Path(), "--out", out});
    std::ostringstream stdoutText, stderrText;
    return batch::RunBatch(arguments, stdoutText, stderrText, false);
  }

 private:
  ScratchFolder folder_;
  RecordingMessages messages_;
  ui::AppContext context_;
  MainDataTexts mainData_{};
};

// Picks the item `text` of a drop-down list as a click of the user does.
inline void Choose(QComboBox* box, const QString& text) {
  const int index = box->findText(text);
  ASSERT_GE(index, 0) << text.toStdString();
  box->setCurrentIndex(index);
  emit box->activated(index);
}

// The results list as the report file holds it: Latin-1 lines ending in CR LF.
inline std::string ListedReport(const QAbstractItemModel* results) {
  std::string listed;
  for (int row = 0; row < results->rowCount(); ++row)
    listed += results->index(row, 0).data().toString().toLatin1().toStdString() + "\r\n";
  return listed;
}

// Waits, turning the event loop, until `ended` has been emitted once more.
inline bool WaitFor(QSignalSpy& ended, int timeoutMs = 120000) { return ended.count() > 0 || ended.wait(timeoutMs); }

// Presses Calculate in a solution window and waits until the run it started
// has ended (runs go on a worker thread). False when none ended.
inline bool CalculateAndWait(QWidget* window, int timeoutMs = 120000) {
  QSignalSpy ended(window, SIGNAL(RunEnded()));
  Find<QPushButton>(window, "cmdCalculate")->click();
  return WaitFor(ended, timeoutMs);
}

// The thermo-elastic window's inputs: the diagrams `name` of every kind and the hour typed.
inline void ChooseElasticInputs(QWidget* window, const QString& name, const char* hour) {
  for (const DiagramKind kind : kTemperatureKinds)
    Choose(Find<QComboBox>(window, "cboDiagram" + QString::number(kind)), name);
  auto* box = Find<QLineEdit>(window, "txtHour");
  box->selectAll();
  QTest::keyClicks(box, hour);
}

// The creep window's inputs: steps of `step` hours from 1/1/2001 to the day given.
inline void ChooseCreepDates(QWidget* window, const char* step, const char* endDay, const char* endMonth,
                             const char* endYear = "2001") {
  Choose(Find<QComboBox>(window, "cboTimeInterval"), step);
  const char* const lists[] = {"cboStDay", "cboStMonth", "cboStYear", "cboEnDay", "cboEnMonth", "cboEnYear"};
  const char* const date[] = {"1", "1", "2001", endDay, endMonth, endYear};
  for (int n = 0; n < 6; ++n) Choose(Find<QComboBox>(window, lists[n]), date[n]);
}

}  // namespace kolvane::testing

#include "ui/solutions/creep_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "core/climate/climate_use.h"
#include "ui/support/solution_test_support.h"

namespace kolvane::ui {
namespace {

using namespace kolvane::testing;

class CreepWindowTest : public ::testing::Test {
 protected:
  void Open() {
    window_ = std::make_unique<CreepWindow>(column_.Context(), column_.MainData());
    window_->SetRunThreads(1);
    window_->show();
  }
  QComboBox* List(const QString& name) { return Find<QComboBox>(window_.get(), name); }
  QComboBox* Row(int kind) { return List("cboDiagram" + QString::number(kind)); }
  QPushButton* Button(const char* name) { return Find<QPushButton>(window_.get(), name); }
  QListWidget* Months() { return Find<QListWidget>(window_.get(), "lstMonths"); }
  QAbstractItemModel* Results() { return Find<QListView>(window_.get(), "lstResults")->model(); }
  // From 1/1/2001 to the end date at the step, profiles every 7 days at 14 h.
  void SetUpRun(const char* step, const char* endDay, const char* endMonth, const char* endYear) {
    testing::ChooseCreepDates(window_.get(), step, endDay, endMonth, endYear);
    QTest::keyClicks(Find<QLineEdit>(window_.get(), "txtStoreDefEvery"), "7");
    QTest::keyClicks(Find<QLineEdit>(window_.get(), "txtStoreDefAt"), "14");
  }

  ExampleColumn column_;
  std::unique_ptr<CreepWindow> window_;
};

// The run records the tip's history every day for Draw Tip History. Its creep
// function rises within the first hour: the run doubts its steps (the core's
// text) after its closing message.
TEST_F(CreepWindowTest, ApplyToAllMonthsRunsAndSavesTheReportTheBatchToolWrites) {
  testing::WriteBytes(column_.Folder().File("ordinary concrete.dg6"), "0\t0\r\n.0001\t4E-06\r\n100\t4E-06\r\n");
  Open();
  int tipHistoryPlots = 0;
  window_->SetTipHistoryPlotHook([&](QWidget*) { ++tipHistoryPlots; });
  Months()->setCurrentRow(4);  // May
  const char* const chosen[] = {"winter", "summer", "winter", "winter", "summer"};
  for (const DiagramKind kind : kTemperatureKinds) Choose(Row(kind), chosen[TemperatureSlot(kind)]);
  Button("cmdApplyToAllMonths")->click();
  SetUpRun("4", "3", "2", "2001");
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  const auto& shown = column_.Messages().Shown;
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].Text.rfind("Calculation is completed. 34 days were calculated.", 0), 0u);
  EXPECT_EQ(shown[1].Kind, MessageKind::Notice);

  Button("cmdSaveReport")->click();  // what it says is the thermo-elastic window's test
  const std::string path = column_.Folder().File("Creep.txt");
  const std::string batchReport = column_.Folder().File("batch.txt");
  ASSERT_EQ(column_.Batch({"creep", "--from", "1/1/2001", "--to", "3/2/2001", "--step", "4", "--store-every", "7",
                           "--store-at", "14", "--diagrams", "winter,summer,winter,winter,summer", "--creep",
                           "ordinary concrete", "--phi", "ordinary concrete"},
                          batchReport),
            3);  // the batch tool's status for a report it doubts
  EXPECT_EQ(ReadBytes(path), ReadBytes(batchReport));
  EXPECT_EQ(testing::ListedReport(Results()), ReadBytes(batchReport));
  Button("cmdDrawTipHistory")->click();
  EXPECT_EQ(tipHistoryPlots, 1);
  ASSERT_TRUE(column_.Context().Results.Creep);
  EXPECT_EQ(column_.Context().Results.Creep->Column.TipHistory.size(), 34u);
}

// Escape loses nothing: the next window on the folder opens with every input.
// A month not set follows the month before it; a day a short month hides
// comes back with a long one.
TEST_F(CreepWindowTest, RemembersItsInputsForTheFolderAndKeepsTheChosenDay) {
  Open();
  Months()->setCurrentRow(2);  // March
  Choose(Row(3), "winter");
  SetUpRun("2", "31", "3", "2001");
  Find<QLineEdit>(window_.get(), "txtStoreDefAt")->setText("");
  QTest::keyClicks(Find<QLineEdit>(window_.get(), "txtStoreDefAt"), "14,5");  // a decimal hour
  Choose(List("cboEnMonth"), "2");
  QTest::keyClick(window_.get(), Qt::Key_Escape);
  ASSERT_FALSE(window_->isVisible());

  Open();
  EXPECT_EQ(Row(3)->currentText(), "winter");  // on March again
  // February keeps the first names, December follows March.
  auto* table = Find<QTableWidget>(window_.get(), "tblMonthDiagrams");
  for (int month : {1, 2, 11}) EXPECT_EQ(table->item(month, 2)->text(), month == 1 ? "summer" : "winter") << month;
  const std::pair<const char*, const char*> lists[] = {
      {"cboTimeInterval", "2"}, {"cboEnDay", "28"}, {"cboEnMonth", "2"}};
  for (const auto& [name, text] : lists) EXPECT_EQ(List(name)->currentText(), text) << name;
  EXPECT_EQ(Find<QLineEdit>(window_.get(), "txtStoreDefAt")->text(), "14.5");
  EXPECT_EQ(Find<QLineEdit>(window_.get(), "txtStoreDefEvery")->text(), "7");
  Choose(List("cboEnMonth"), "3");
  EXPECT_EQ(List("cboEnDay")->currentText(), "31");
}

// A later month's diagram removed after it was chosen stops the run before
// its first day, with the message the batch tool gives.
TEST_F(CreepWindowTest, ARunIsRefusedForAVanishedLaterDiagram) {
  Open();
  SetUpRun("4", "2", "2", "2001");
  Months()->setCurrentRow(1);  // February takes winter's surface temperature, January its first names
  Choose(Row(kSurfaceTemperature), "winter");
  ASSERT_TRUE(std::filesystem::remove(column_.Folder().File("winter.dg3")));
  Button("cmdCalculate")->click();
  EXPECT_EQ(column_.Messages().Shown,
            (Shown{{MessageKind::Error, "winter.dg3 was not found in " + column_.Folder().Path() + "."}}));
  EXPECT_FALSE(window_->IsRunning());
}

TEST_F(CreepWindowTest, CancelStopsTheRunAndEmptiesTheList) {
  Open();
  SetUpRun("0.25", "1", "1", "2010");  // ten years at quarter-hour steps: far longer than the test waits
  QSignalSpy ended(window_.get(), &CreepWindow::RunEnded);
  Button("cmdCalculate")->click();
  ASSERT_TRUE(window_->IsRunning());
  EXPECT_FALSE(Button("cmdCalculate")->isEnabled());
  window_->reject();  // closing the window is not a way to stop the run
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(column_.Messages().Shown, (Shown{{MessageKind::Error, "Cancel the calculation first."}}));
  column_.Messages().Shown.clear();
  auto* days = Find<QProgressBar>(window_.get(), "prgDays");
  ASSERT_TRUE(QTest::qWaitFor([&] { return days->value() >= 1; }, 60000));

  Button("cmdCancel")->click();
  ASSERT_TRUE(testing::WaitFor(ended));
  EXPECT_FALSE(column_.Context().Results.Creep);  // a cancelled run leaves no result
  EXPECT_TRUE(column_.Messages().Shown.empty());  // no message box: the label says it
  EXPECT_EQ(Find<QLabel>(window_.get(), "lblInfo")->text(), "Calculation cancelled.");
  EXPECT_EQ(Results()->rowCount(), 0);
  EXPECT_FALSE(Button("cmdSaveReport")->isEnabled());
  EXPECT_FALSE(column_.Context().SolutionRunning);
}

// A run that reaches a month the climate has no set NAME-MM for is refused before it starts.
TEST_F(CreepWindowTest, UseClimateGivesEachMonthItsSetAndRefusesAMonthWithout) {
  Open();
  Button("cmdUseClimate")->click();
  EXPECT_EQ(
      column_.Messages().Shown,
      (Shown{{MessageKind::Error, "This folder holds no climate: make one with Climate... in the main window."}}));

  for (const DiagramKind kind : kTemperatureKinds) {
    const std::string extension = ".dg" + std::to_string(kind);
    std::filesystem::copy_file(column_.Folder().File("summer" + extension),
                               column_.Folder().File("Site-07" + extension));
  }
  Open();  // the lists now hold the set
  window_->SetClimateChooser([](const QStringList& names) { return names.value(0); });
  Months()->setCurrentRow(6);
  Button("cmdUseClimate")->click();
  for (const DiagramKind kind : kTemperatureKinds) EXPECT_EQ(Row(kind)->currentText(), "Site-07");
  column_.Messages().Shown.clear();
  SetUpRun("4", "3", "7", "2001");
  Button("cmdCalculate")->click();
  EXPECT_EQ(column_.Messages().Shown,
            (Shown{{MessageKind::Error, MissingClimateSetText(column_.Context().Workspace, "Site", 1)}}));
  EXPECT_FALSE(window_->IsRunning());
}

}  // namespace
}  // namespace kolvane::ui

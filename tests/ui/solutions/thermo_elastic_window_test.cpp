#include "ui/solutions/thermo_elastic_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "ui/support/solution_test_support.h"

namespace kolvane::ui {
namespace {

using namespace kolvane::testing;

class ThermoElasticWindowTest : public ::testing::Test {
 protected:
  void Open(const MainDataTexts& mainData) {
    window_ = std::make_unique<ThermoElasticWindow>(column_.Context(), mainData);
    window_->show();
  }
  QPushButton* Button(const char* name) { return Find<QPushButton>(window_.get(), name); }

  ExampleColumn column_;
  std::unique_ptr<ThermoElasticWindow> window_;
};

// The run goes on the worker: the click returns while it still runs. It
// closes with no message: Save Report's is the only one.
TEST_F(ThermoElasticWindowTest, RunsTheSolutionAndSavesTheReportTheBatchToolWrites) {
  Open(column_.MainData());
  ChooseElasticInputs(window_.get(), "summer", "14");
  QSignalSpy ended(window_.get(), SIGNAL(RunEnded()));
  Button("cmdCalculate")->click();
  EXPECT_TRUE(window_->IsRunning());
  ASSERT_TRUE(testing::WaitFor(ended));

  Button("cmdSaveReport")->click();
  const std::string path = column_.Folder().File("Elastic.txt");
  EXPECT_EQ(column_.Messages().Shown,
            (Shown{{MessageKind::Information, "Elastic.txt was saved successfully.\r\n" + path}}));
  const std::string batchReport = column_.Folder().File("batch.txt");
  ASSERT_EQ(column_.Batch({"elastic", "--hour", "14", "--diagrams", "summer,summer,summer,summer,summer"}, batchReport),
            0);
  EXPECT_EQ(ReadBytes(path), ReadBytes(batchReport));
  EXPECT_EQ(testing::ListedReport(Find<QListView>(window_.get(), "lstResults")->model()), ReadBytes(batchReport));
}

// The core's refusal, shown as it says it; nothing runs and no result is offered.
// Escape loses nothing; Draw without a diagram says why.
TEST_F(ThermoElasticWindowTest, ShowsTheRefusalsAndRemembersItsInputsForTheFolder) {
  Open(column_.MainData());
  Button("cmdDraw2")->click();
  ChooseElasticInputs(window_.get(), "winter", "25");
  Button("cmdCalculate")->click();
  EXPECT_EQ(column_.Messages().Shown,
            (Shown{{MessageKind::Error, "Choose the Ambient temperature diagram to draw first."},
                   {MessageKind::Error, "The hour you selected is invalid: it must be from 0 to 24 h."}}));
  EXPECT_FALSE(window_->IsRunning());

  ChooseElasticInputs(window_.get(), "winter", "9,5");
  Choose(Find<QComboBox>(window_.get(), "cboOrbitStep"), "0.5");
  QTest::keyClick(window_.get(), Qt::Key_Escape);
  ASSERT_FALSE(window_->isVisible());

  Open(column_.MainData());
  for (const DiagramKind kind : kTemperatureKinds)
    EXPECT_EQ(Find<QComboBox>(window_.get(), "cboDiagram" + QString::number(kind))->currentText(), "winter");
  EXPECT_EQ(Find<QLineEdit>(window_.get(), "txtHour")->text(), "9.5");
  EXPECT_EQ(Find<QComboBox>(window_.get(), "cboOrbitStep")->currentText(), "0.5");
}

}  // namespace
}  // namespace kolvane::ui

// The climate window's wiring; the rules themselves are the core's, tested there.
#include "ui/climate/climate_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <filesystem>

#include "core/climate/climate_diagrams.h"
#include "core/climate/climate_report.h"
#include "core/climate/time_check.h"
#include "core/common/numeric_reading.h"
#include "core/diagrams/diagram_file.h"
#include "ui/support/solution_test_support.h"

namespace kolvane::ui {
namespace {

using namespace kolvane::testing;

const std::string kSharedWeather = std::string(KOLVANE_SHARED_CLIMATE_DIR) + "/pvgis_45N_8E_tmy.epw";

class ClimateWindowTest : public ::testing::Test {
 protected:
  void Open(const std::string& weatherFile) {
    window_ = std::make_unique<ClimateWindow>(column_.Context(), column_.MainData());
    window_->SetFileChooser([weatherFile](const QString&) { return QString::fromStdString(weatherFile); });
    window_->SetDiagramPlotHook([this](const CurrentDiagram& diagram, QWidget*) { previewed_.push_back(diagram); });
    window_->show();
    Button("cmdWeatherFile")->click();
  }
  QPushButton* Button(const char* name) { return Find<QPushButton>(window_.get(), name); }
  bool MakeAndWait() {
    QSignalSpy ended(window_.get(), SIGNAL(MakingEnded()));
    Button("cmdMake")->click();
    return WaitFor(ended);
  }
  QComboBox* List(const char* name) { return Find<QComboBox>(window_.get(), name); }
  void Type(const char* box, const char* text) { Find<QLineEdit>(window_.get(), box)->setText(text); }
  std::string File(const std::string& name) const { return column_.Folder().File(name); }

  ExampleColumn column_;
  std::unique_ptr<ClimateWindow> window_;
  std::vector<CurrentDiagram> previewed_;
};

// The shared file's hours are not local time: the window says so and offers
// the shift, and what it previews and writes is made from the shifted hours.
TEST_F(ClimateWindowTest, ShowsTheTimeWarningAndMakesTheMonthFromTheOfferedShift) {
  WeatherReadResult read = ReadWeatherFile(kSharedWeather);
  ASSERT_TRUE(read.Ok) << read.Error;
  const TimeCheck check = CheckWeatherTime(read.Data);
  ASSERT_TRUE(check.Doubtful);
  Open(kSharedWeather);
  EXPECT_EQ(Find<QLabel>(window_.get(), "lblSite")->text().toStdString(), SiteText(read.Data.Site));
  EXPECT_TRUE(Find<QLabel>(window_.get(), "lblWarnings")->text().startsWith(QString::fromStdString(check.Warning)));
  EXPECT_EQ(NumericValue(List("cboShift")->currentText().toStdString()), check.OfferedShiftHours);

  Choose(List("cboMonths"), "July");
  Type("txtName", "Site");
  Type("txtAbsorptance", "0.5");
  Choose(List("cboPreviewKind"), "Surface temperature");
  Button("cmdPreview")->click();
  ASSERT_TRUE(MakeAndWait());

  ShiftWeatherHours(read.Data, check.OfferedShiftHours);
  ClimateCoefficients coefficients;
  coefficients.Absorptance = 0.5;
  const MonthDiagrams expected = MakeMonthDiagrams(read.Data, 7, DayType::Mean, coefficients, 3.9 - 3.5);
  ASSERT_EQ(previewed_.size(), 1u);
  EXPECT_EQ(previewed_[0].Name, "Site-07");
  EXPECT_EQ(previewed_[0].Kind, 3);
  EXPECT_EQ(previewed_[0].Points, expected.Diagrams[2]);
  EXPECT_EQ(column_.Messages().Shown.at(0).Kind, MessageKind::Information);  // alone: the next is the question
  for (const DiagramKind kind : {kSurfaceTemperature, kInternalTemperatureVariation}) {  // coefficients, wall
    SaveDiagram(File("expected"), expected.Diagrams[TemperatureSlot(kind)]);
    EXPECT_EQ(ReadBytes(File("Site-07.dg" + std::to_string(kind))), ReadBytes(File("expected"))) << kind;
  }
  EXPECT_FALSE(std::filesystem::exists(File("Site-06.dg1")));  // only the month chosen

  // Made again: a No keeps the set as it is, a Yes replaces it.
  Choose(List("cboShift"), "0");
  column_.Messages().Answers = {false, true};
  const std::string before = ReadBytes(File("Site-07.dg2"));
  Button("cmdMake")->click();
  EXPECT_EQ(column_.Messages().Shown.at(1).Kind, MessageKind::Question);
  EXPECT_EQ(ReadBytes(File("Site-07.dg2")), before);
  ASSERT_TRUE(MakeAndWait());
  EXPECT_NE(ReadBytes(File("Site-07.dg2")), before);  // made from the file's own hours this time
}

TEST_F(ClimateWindowTest, RefusalsAreToldAndMakeNothing) {
  WriteBytes(File("notes.epw"), "These are not weather data.\r\n");
  Open(File("notes.epw"));
  ASSERT_EQ(column_.Messages().Shown.size(), 1u);
  EXPECT_EQ(column_.Messages().Shown[0].Kind, MessageKind::Error);
  EXPECT_NE(column_.Messages().Shown[0].Text.find("notes.epw"), std::string::npos);
  EXPECT_FALSE(Button("cmdMake")->isEnabled());

  window_->OpenWeatherFile(QString::fromStdString(kSharedWeather));
  column_.Messages().Shown.clear();
  Type("txtAbsorptance", "2");
  Button("cmdMake")->click();
  EXPECT_EQ(column_.Messages().Shown, (Shown{{MessageKind::Error, "The absorptance must lie from 0 to 1."}}));
  EXPECT_TRUE(Button("cmdMake")->isEnabled());  // nothing is being made
}

// A year is made on the worker: closing is refused meanwhile, and Cancel,
// pressed before the last month, writes no month at all.
TEST_F(ClimateWindowTest, CancelWritesNothing) {
  Open(kSharedWeather);
  Type("txtName", "Site");
  QSignalSpy ended(window_.get(), SIGNAL(MakingEnded()));
  Button("cmdMake")->click();
  window_->reject();
  Button("cmdCancel")->click();
  ASSERT_TRUE(WaitFor(ended));
  EXPECT_EQ(column_.Messages().Shown, (Shown{{MessageKind::Error, "Cancel the calculation first."}}));
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(Find<QPlainTextEdit>(window_.get(), "txtSummary")->toPlainText().toStdString(),
            "Cancelled: nothing was written.");
  EXPECT_EQ(ListDiagramNames(column_.Context().Workspace, kSunPosition).size(), 2u);
}

}  // namespace
}  // namespace kolvane::ui

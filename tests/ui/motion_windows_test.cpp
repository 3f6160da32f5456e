// The windows of the column's motion: Daily Orbit and Draw Tip History open
// their plots on the core's results, and every Export CSV writes its table.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <optional>

#include "core/diagrams/diagram_file.h"
#include "core/engine/finite_results.h"
#include "core/export/csv_tables.h"
#include "core/plots/orbit_plot.h"
#include "core/plots/profile_plot.h"
#include "core/recording_canvas.h"
#include "core/thermoelastic/daily_orbit.h"
#include "ui/modal_windows.h"
#include "ui/picture_ink.h"
#include "ui/plots/orbit_plot_window.h"
#include "ui/plots/plot_picture.h"
#include "ui/plots/profile_plot_window.h"
#include "ui/plots/tip_history_plot_window.h"
#include "ui/solution_test_support.h"
#include "ui/solutions/creep_window.h"
#include "ui/solutions/thermo_elastic_window.h"

namespace kolvane::ui {
namespace {

using testing::Choose;
using testing::CountPixels;
using testing::ExampleColumn;
using testing::Find;
using testing::MessageKind;
using testing::ReadBytes;
using testing::ShownMessage;
using Shown = std::vector<ShownMessage>;

const RunDiagramNames kSummer{"summer", "summer", "summer", "summer", "summer"};
const QColor kSun(kSunColor.Red, kSunColor.Green, kSunColor.Blue);

std::string CsvBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

bool SamePoints(const std::vector<OrbitPoint>& a, const std::vector<OrbitPoint>& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const auto& p, const auto& q) {
           return p.Hour == q.Hour && p.SunPosition == q.SunPosition && p.TipX == q.TipX && p.TipY == q.TipY &&
                  p.TipZ == q.TipZ;
         });
}

TEST(DailyOrbitButton, ComputesTheOrbitOfTheChosenDiagramsAtTheChosenStep) {
  ExampleColumn column;
  ThermoElasticWindow window(column.Context(), column.MainData());
  std::vector<OrbitPlotData> opened;
  window.SetOrbitPlotHook([&](const OrbitPlotData& orbit, QWidget* parent) {
    EXPECT_EQ(parent, &window);
    opened.push_back(orbit);
  });
  window.show();
  auto* button = Find<QPushButton>(&window, "cmdDailyOrbit");

  button->click();  // nothing chosen yet
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(column.Messages().Shown, (Shown{{MessageKind::Error, "You haven't selected the Sun position diagram."}}));

  for (int kind = 1; kind <= 5; ++kind)
    Choose(Find<QComboBox>(&window, "cboDiagram" + QString::number(kind)), "summer");
  column.Messages().Shown.clear();
  Choose(Find<QComboBox>(&window, "cboOrbitStep"), "0.25");
  button->click();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_TRUE(column.Messages().Shown.empty());
  const OrbitOutcome expected = RunDailyOrbit(column.Context().workspace, column.MainData(), kSummer, 0.25, {}, 0);
  ASSERT_EQ(expected.Points.size(), 97u);
  EXPECT_TRUE(SamePoints(opened[0].Points, expected.Points));
  const MainData data = MainDataFromTexts(column.MainData());
  EXPECT_EQ(opened[0].IRadius, data.IRadius);
  EXPECT_EQ(opened[0].ERadius, data.ERadius);
}

TEST(DailyOrbitButton, AnOrbitThatIsNotFiniteIsSaidSo) {
  ExampleColumn column;
  MainDataTexts mainData = column.MainData();
  mainData[static_cast<std::size_t>(MainField::AThermal)] = "1E+306";
  ThermoElasticWindow window(column.Context(), mainData);
  int opened = 0;
  window.SetOrbitPlotHook([&](const OrbitPlotData&, QWidget*) { ++opened; });
  window.show();
  for (int kind = 1; kind <= 5; ++kind)
    Choose(Find<QComboBox>(&window, "cboDiagram" + QString::number(kind)), "summer");
  column.Messages().Shown.clear();
  Find<QPushButton>(&window, "cmdDailyOrbit")->click();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(column.Messages().Shown, (Shown{{MessageKind::Notice, kNonFiniteResultsMessage}}));
}

class OrbitPlotWindowTest : public ::testing::Test {
 protected:
  OrbitPlotWindowTest() {
    const MainData data = MainDataFromTexts(column_.MainData());
    data_ = {data.IRadius, data.ERadius,
             RunDailyOrbit(column_.Context().workspace, column_.MainData(), kSummer, 3, {}, 0).Points};
  }
  ExampleColumn column_;
  OrbitPlotData data_;
};

TEST_F(OrbitPlotWindowTest, TheSunFollowsTheListAndTheMouse) {
  OrbitPlotWindow window(column_.Context(), data_);
  window.show();
  auto* hours = Find<QComboBox>(&window, "cboHour");
  ASSERT_EQ(hours->count(), 9);
  EXPECT_EQ(hours->itemText(5), "15 h");
  EXPECT_GT(testing::CountRedInk(window.Picture()), 50);
  EXPECT_EQ(CountPixels(window.Picture(), kSun), 0);

  hours->setCurrentIndex(4);
  EXPECT_EQ(window.SunHour(), 4u);
  EXPECT_GT(CountPixels(window.Picture(), kSun), 20);

  // The mouse over the point of 18 h: the recorded drawing says where it is.
  auto* picture = Find<PlotPicture>(&window, "piC");
  kolvane::testing::RecordingCanvas canvas(picture->width(), picture->height());
  DrawOrbit(canvas, data_, MagnificationFactor(FittingMagnificationOption(data_)), 6);  // as the window opens
  const auto ring = std::find_if(canvas.Circles.begin(), canvas.Circles.end(),
                                 [](const auto& c) { return !c.Filled && c.Color == kBlack && c.Radius < 10; });
  ASSERT_NE(ring, canvas.Circles.end());
  QMouseEvent move(QEvent::MouseMove, QPointF(ring->X, ring->Y), picture->mapToGlobal(QPointF(ring->X, ring->Y)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(picture, &move);
  EXPECT_EQ(hours->currentIndex(), 6);
}

TEST_F(OrbitPlotWindowTest, ExportsTheOrbitAndSavesThePicture) {
  OrbitPlotWindow window(column_.Context(), data_);
  window.show();
  Find<QPushButton>(&window, "cmdExportCsv")->click();
  EXPECT_EQ(ReadBytes(column_.Folder().File("Orbit.csv")), CsvBytes(OrbitCsvLines(data_.Points)));
  Find<QPushButton>(&window, "cmdSave")->click();
  EXPECT_EQ(
      column_.Messages().Shown,
      (Shown{
          {MessageKind::Information, "Orbit.csv was saved successfully.\r\n" + column_.Folder().File("Orbit.csv")},
          {MessageKind::Information, "Orbit.bmp was saved successfully.\r\n" + column_.Folder().File("Orbit.bmp")}}));
  EXPECT_FALSE(QImage(QString::fromStdString(column_.Folder().File("Orbit.bmp")), "BMP").isNull());
}

TEST(TipHistoryButton, OpensAfterARunOnTheRecordedHistoryWhichExportsAsCsv) {
  ExampleColumn column;
  CreepWindow window(column.Context(), column.MainData());
  window.SetRunThreads(1);
  int opened = 0;
  window.SetTipHistoryPlotHook([&](QWidget* parent) {
    EXPECT_EQ(parent, &window);
    ++opened;
  });
  window.show();
  auto* button = Find<QPushButton>(&window, "cmdDrawTipHistory");
  EXPECT_FALSE(button->isEnabled());
  Choose(Find<QComboBox>(&window, "cboTimeInterval"), "4");
  const char* lists[] = {"cboStDay", "cboStMonth", "cboStYear", "cboEnDay", "cboEnMonth", "cboEnYear"};
  const char* dates[] = {"1", "1", "2001", "10", "1", "2001"};
  for (int n = 0; n < 6; ++n) Choose(Find<QComboBox>(&window, lists[n]), dates[n]);
  Find<QPushButton>(&window, "cmdCalculate")->click();
  for (int wait = 0; wait < 1000 && window.IsRunning(); ++wait) QTest::qWait(10);
  ASSERT_TRUE(button->isEnabled());
  button->click();
  EXPECT_EQ(opened, 1);
  const std::vector<TipSample>& history = column.Context().grid.TipHistory;
  ASSERT_EQ(history.size(), 10u);
  EXPECT_EQ(history.back().TipX, column.Context().grid.Profiles[0].TipX);  // the final profile's day

  column.Messages().Shown.clear();
  TipHistoryPlotWindow plot(column.Context(), history);
  plot.show();
  EXPECT_GT(testing::CountRedInk(plot.Picture()), 50);
  EXPECT_GT(CountPixels(plot.Picture(), QColor(0, 0, 255)), 20);
  Find<QPushButton>(&plot, "cmdExportCsv")->click();
  EXPECT_EQ(ReadBytes(column.Folder().File("TipHistory.csv")), CsvBytes(TipHistoryCsvLines(history)));
  EXPECT_EQ(column.Messages().Shown, (Shown{{MessageKind::Information, "TipHistory.csv was saved successfully.\r\n" +
                                                                           column.Folder().File("TipHistory.csv")}}));
}

TEST(ProfileExport, WritesTheStoredProfilesOrSaysWhyNot) {
  ExampleColumn column;
  SectionGrid grid;
  grid.K = 2;
  grid.Height = 50;
  grid.Profiles.push_back({"3/2/2001", {0, 0.01, 0.03}, {0, -0.02, -0.05}, {0, 0, 0}, 0.03, -0.05, 0});
  ProfilePlotWindow window(column.Context(), grid);
  window.show();
  Find<QPushButton>(&window, "cmdExportCsv")->click();
  EXPECT_EQ(ReadBytes(column.Folder().File("Profiles.csv")),
            "height_m,x_2001-02-03_m,y_2001-02-03_m\r\n0,0,0\r\n25,0.01,-0.02\r\n50,0.03,-0.05\r\n");
  EXPECT_EQ(column.Messages().Shown, (Shown{{MessageKind::Information, "Profiles.csv was saved successfully.\r\n" +
                                                                           column.Folder().File("Profiles.csv")}}));

  // A folder that has gone: the reason, as for a report.
  std::filesystem::remove_all(column.Folder().Path());
  column.Messages().Shown.clear();
  Find<QPushButton>(&window, "cmdExportCsv")->click();
  ASSERT_EQ(column.Messages().Shown.size(), 1u);
  EXPECT_EQ(column.Messages().Shown[0].Kind, MessageKind::Error);
  EXPECT_EQ(column.Messages().Shown[0].Text.rfind("Profiles.csv could not be saved: ", 0), 0u);
}

}  // namespace
}  // namespace kolvane::ui

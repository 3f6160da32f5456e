// The windows of the column's motion: Daily Orbit and Draw Tip History open
// their plots on the core's results, and Export CSV writes the core's table.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <functional>

#include "core/engine/finite_results.h"
#include "core/export/csv_tables.h"
#include "core/plots/orbit_plot.h"
#include "core/plots/profile_plot.h"
#include "core/plots/tip_history_plot.h"
#include "core/support/recording_canvas.h"
#include "ui/plots/orbit_plot_window.h"
#include "ui/plots/plot_picture.h"
#include "ui/plots/tip_history_plot_window.h"
#include "ui/solutions/creep_window.h"
#include "ui/solutions/thermo_elastic_window.h"
#include "ui/support/picture_ink.h"
#include "ui/support/solution_test_support.h"

namespace kolvane::ui {
namespace {

using testing::Choose;
using testing::CoreDrawing;
using testing::ExampleColumn;
using testing::Find;
using testing::MessageKind;
using testing::Rgb;
using Shown = std::vector<testing::ShownMessage>;

const RunDiagramNames kSummer{"summer", "summer", "summer", "summer", "summer"};

// Opens the Thermo-Elastic window on `mainData` with the summer diagrams
// chosen, and clicks Daily Orbit at a quarter-hour step; `whileOn` acts on
// the window while the orbit is computed on the worker.
std::vector<OrbitPlotData> OrbitsOpened(ExampleColumn& column, const MainDataTexts& mainData,
                                        const std::function<void(ThermoElasticWindow&)>& whileOn = {}) {
  ThermoElasticWindow window(column.Context(), mainData);
  std::vector<OrbitPlotData> opened;
  window.SetOrbitPlotHook([&](const OrbitPlotData& orbit, QWidget*) { opened.push_back(orbit); });
  window.show();
  for (int kind = 1; kind <= 5; ++kind)
    Choose(Find<QComboBox>(&window, "cboDiagram" + QString::number(kind)), "summer");
  Choose(Find<QComboBox>(&window, "cboOrbitStep"), "0.25");
  column.Messages().Shown.clear();
  QSignalSpy ended(&window, SIGNAL(RunEnded()));
  Find<QPushButton>(&window, "cmdDailyOrbit")->click();
  if (whileOn) whileOn(window);
  EXPECT_TRUE(testing::WaitFor(ended));
  EXPECT_FALSE(Find<QPushButton>(&window, "cmdCancel")->isEnabled());
  return opened;
}

TEST(DailyOrbitButton, OpensTheCoresOrbitOfTheChosenDiagramsOrSaysItIsNotFinite) {
  ExampleColumn column;
  const std::vector<OrbitPlotData> opened = OrbitsOpened(column, column.MainData());
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_TRUE(column.Messages().Shown.empty());
  const OrbitOutcome expected =
      RunDailyOrbit(column.Context().workspace, column.MainData(), kSummer, 0.25, NoFeedback(), 0);
  ASSERT_EQ(opened[0].Points.size(), 97u);
  EXPECT_EQ(OrbitCsvLines(opened[0].Points), OrbitCsvLines(expected.Points));

  MainDataTexts hot = column.MainData();
  hot[static_cast<std::size_t>(MainField::AThermal)] = "1E+306";
  EXPECT_EQ(OrbitsOpened(column, hot).size(), 1u);
  EXPECT_EQ(column.Messages().Shown, (Shown{{MessageKind::Notice, kNonFiniteResultsMessage}}));
}

// The orbit runs on the worker: the progress bar counts its hours, and Cancel
// leaves no orbit, kept or drawn.
TEST(DailyOrbitButton, ShowsItsHoursAndCancelKeepsNoOrbit) {
  ExampleColumn column;
  std::vector<int> shown;
  EXPECT_EQ(OrbitsOpened(column, column.MainData(),
                         [&](ThermoElasticWindow& window) {
                           auto* bar = Find<QProgressBar>(&window, "prgRun");
                           QObject::connect(bar, &QProgressBar::valueChanged, [&shown, bar](int value) {
                             if (bar->maximum() == 97) shown.push_back(value);
                           });
                         })
                .size(),
            1u);
  EXPECT_EQ(shown.empty() ? -1 : shown.back(), 97);
  EXPECT_NE(column.Context().results.Orbit, nullptr);

  const auto cancelled = OrbitsOpened(column, column.MainData(), [](ThermoElasticWindow& window) {
    EXPECT_FALSE(Find<QPushButton>(&window, "cmdDailyOrbit")->isEnabled());
    Find<QPushButton>(&window, "cmdCancel")->click();
  });
  EXPECT_TRUE(cancelled.empty());
  EXPECT_EQ(column.Context().results.Orbit, nullptr);
  EXPECT_TRUE(column.Messages().Shown.empty());
}

TEST(OrbitPlotWindow, TheSunFollowsTheMouse) {
  ExampleColumn column;
  const MainData m = MainDataFromTexts(column.MainData());
  const OrbitPlotData data{
      m.IRadius, m.ERadius,
      RunDailyOrbit(column.Context().workspace, column.MainData(), kSummer, 3, NoFeedback(), 0).Points};
  OrbitPlotWindow window(column.Context(), data);
  window.show();
  const float factor = MagnificationFactor(FittingMagnificationOption(data));  // as the window opens
  const QSize size = window.Picture().size();
  // The mouse over the ring the core draws around 18 h: that hour is chosen and drawn.
  testing::RecordingCanvas canvas(size.width(), size.height());
  DrawOrbit(canvas, data, factor, 6);
  const auto ring = std::find_if(canvas.Circles.begin(), canvas.Circles.end(),
                                 [](const auto& c) { return !c.Filled && c.Color == kBlack && c.Radius < 10; });
  ASSERT_NE(ring, canvas.Circles.end());
  auto* picture = Find<PlotPicture>(&window, "piC");
  QMouseEvent move(QEvent::MouseMove, QPointF(ring->X, ring->Y), picture->mapToGlobal(QPointF(ring->X, ring->Y)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(picture, &move);
  EXPECT_EQ(window.SunHour(), 6u);
  EXPECT_EQ(Rgb(window.Picture()), CoreDrawing(size, [&](Canvas& c) { DrawOrbit(c, data, factor, 6); }));
}

TEST(TipHistoryButton, OpensAfterARunOnTheRecordedHistoryWhichExportsAsCsv) {
  ExampleColumn column;
  CreepWindow window(column.Context(), column.MainData());
  window.SetRunThreads(1);
  int opened = 0;
  window.SetTipHistoryPlotHook([&](QWidget*) { ++opened; });
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
  ASSERT_TRUE(column.Context().results.Creep);
  const std::vector<TipSample>& history = column.Context().results.Creep->Column.TipHistory;
  ASSERT_EQ(history.size(), 10u);
  TipHistoryPlotWindow plot(column.Context(), history);
  plot.show();
  EXPECT_EQ(Rgb(plot.Picture()), CoreDrawing(plot.Picture().size(), [&](Canvas& c) { DrawTipHistory(c, history); }));
  Find<QPushButton>(&plot, "cmdExportCsv")->click();
  std::string csv;
  for (const std::string& line : TipHistoryCsvLines(history)) csv += line + "\r\n";
  EXPECT_EQ(testing::ReadBytes(column.Folder().File("TipHistory.csv")), csv);
}

}  // namespace
}  // namespace kolvane::ui

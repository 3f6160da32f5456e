#include <gtest/gtest.h>

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <functional>

#include "core/engine/finite_results.h"
#include "core/export/csv_tables.h"
#include "ui/solutions/thermo_elastic_window.h"
#include "ui/support/solution_test_support.h"

namespace kolvane::ui {
namespace {

using namespace kolvane::testing;

// Opens the Thermo-Elastic window on `mainData` with the summer diagrams
// chosen, and clicks Daily Orbit at a quarter-hour step; `whileOn` acts on
// the window while the orbit is computed on the worker.
std::vector<OrbitPlotData> OrbitsOpened(ExampleColumn& column, const MainDataTexts& mainData,
                                        const std::function<void(ThermoElasticWindow&)>& whileOn = {}) {
  ThermoElasticWindow window(column.Context(), mainData);
  std::vector<OrbitPlotData> opened;
  window.SetOrbitPlotHook([&](const OrbitPlotData& orbit, QWidget*) { opened.push_back(orbit); });
  window.show();
  ChooseElasticInputs(&window, "summer", "14");
  Choose(Find<QComboBox>(&window, "cboOrbitStep"), "0.25");
  column.Messages().Shown.clear();
  QSignalSpy ended(&window, SIGNAL(RunEnded()));
  Find<QPushButton>(&window, "cmdDailyOrbit")->click();
  if (whileOn) whileOn(window);
  EXPECT_TRUE(testing::WaitFor(ended));
  EXPECT_FALSE(Find<QPushButton>(&window, "cmdCancel")->isEnabled());
  return opened;
}

// The progress bar counts the orbit's hours; a main data too hot to stay
// finite is said so; Cancel leaves no orbit, kept or drawn.
TEST(DailyOrbitButton, OpensTheCoresOrbitOfTheChosenDiagramsOrSaysItIsNotFiniteAndCancels) {
  ExampleColumn column;
  std::vector<int> shown;
  const std::vector<OrbitPlotData> opened = OrbitsOpened(column, column.MainData(), [&](ThermoElasticWindow& window) {
    auto* bar = Find<QProgressBar>(&window, "prgRun");
    QObject::connect(bar, &QProgressBar::valueChanged, [&shown, bar](int value) {
      if (bar->maximum() == 97) shown.push_back(value);
    });
  });
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(shown.empty() ? -1 : shown.back(), 97);
  EXPECT_TRUE(column.Messages().Shown.empty());
  EXPECT_EQ(OrbitCsvLines(opened[0].Points), OrbitCsvLines(column.SummerOrbit(0.25)));

  MainDataTexts hot = column.MainData();
  hot[static_cast<std::size_t>(MainField::AThermal)] = "1E+306";
  EXPECT_EQ(OrbitsOpened(column, hot).size(), 1u);
  EXPECT_EQ(column.Messages().Shown, (Shown{{MessageKind::Notice, kNonFiniteResultsMessage}}));
  ASSERT_NE(column.Context().Results.Orbit, nullptr);

  const auto cancelled = OrbitsOpened(column, column.MainData(), [](ThermoElasticWindow& window) {
    EXPECT_FALSE(Find<QPushButton>(&window, "cmdDailyOrbit")->isEnabled());
    Find<QPushButton>(&window, "cmdCancel")->click();
  });
  EXPECT_TRUE(cancelled.empty());
  EXPECT_EQ(column.Context().Results.Orbit, nullptr);
  EXPECT_TRUE(column.Messages().Shown.empty());
}

}  // namespace
}  // namespace kolvane::ui

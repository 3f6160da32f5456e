// Daily Orbit opens its plot on the core's orbit of the chosen diagrams.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "core/engine/finite_results.h"
#include "core/export/csv_tables.h"
#include "ui/solutions/thermo_elastic_window.h"
#include "ui/support/solution_test_support.h"

namespace kolvane::ui {
namespace {

using testing::Choose;
using testing::ExampleColumn;
using testing::Find;
using testing::MessageKind;
using Shown = std::vector<testing::ShownMessage>;

const RunDiagramNames kSummer{"summer", "summer", "summer", "summer", "summer"};

// Opens the Thermo-Elastic window on `mainData` with the summer diagrams
// chosen, and clicks Daily Orbit at a quarter-hour step.
std::vector<OrbitPlotData> OrbitsOpened(ExampleColumn& column, const MainDataTexts& mainData) {
  ThermoElasticWindow window(column.Context(), mainData);
  std::vector<OrbitPlotData> opened;
  window.SetOrbitPlotHook([&](const OrbitPlotData& orbit, QWidget*) { opened.push_back(orbit); });
  window.show();
  for (const DiagramKind kind : kTemperatureKinds)
    Choose(Find<QComboBox>(&window, "cboDiagram" + QString::number(kind)), "summer");
  Choose(Find<QComboBox>(&window, "cboOrbitStep"), "0.25");
  column.Messages().Shown.clear();
  Find<QPushButton>(&window, "cmdDailyOrbit")->click();
  return opened;
}

TEST(DailyOrbitButton, OpensTheCoresOrbitOfTheChosenDiagramsOrSaysItIsNotFinite) {
  ExampleColumn column;
  const std::vector<OrbitPlotData> opened = OrbitsOpened(column, column.MainData());
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_TRUE(column.Messages().Shown.empty());
  const OrbitOutcome expected = RunDailyOrbit(column.Context().workspace, column.MainData(), kSummer, 0.25, {}, 0);
  ASSERT_EQ(opened[0].Points.size(), 97u);
  EXPECT_EQ(OrbitCsvLines(opened[0].Points), OrbitCsvLines(expected.Points));

  MainDataTexts hot = column.MainData();
  hot[static_cast<std::size_t>(MainField::AThermal)] = "1E+306";
  EXPECT_EQ(OrbitsOpened(column, hot).size(), 1u);
  EXPECT_EQ(column.Messages().Shown, (Shown{{MessageKind::Notice, kNonFiniteResultsMessage}}));
}

}  // namespace
}  // namespace kolvane::ui

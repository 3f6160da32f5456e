// Draw Tip History opens after a run on the recorded history, which the plot
// shows as the core draws it and exports as the core's table.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "core/export/csv_tables.h"
#include "core/plots/tip_history_plot.h"
#include "ui/plots/tip_history_plot_window.h"
#include "ui/solutions/creep_window.h"
#include "ui/support/picture_ink.h"
#include "ui/support/solution_test_support.h"

namespace kolvane::ui {

using testing::CoreDrawing;
using testing::ExampleColumn;
using testing::Find;
using testing::Rgb;

TEST(TipHistoryButton, OpensAfterARunOnTheRecordedHistoryWhichExportsAsCsv) {
  ExampleColumn column;
  CreepWindow window(column.Context(), column.MainData());
  window.SetRunThreads(1);
  int opened = 0;
  window.SetTipHistoryPlotHook([&](QWidget*) { ++opened; });
  window.show();
  auto* button = Find<QPushButton>(&window, "cmdDrawTipHistory");
  EXPECT_FALSE(button->isEnabled());
  testing::ChooseCreepDates(&window, "4", "10", "1");
  Find<QPushButton>(&window, "cmdCalculate")->click();
  for (int wait = 0; wait < 1000 && window.IsRunning(); ++wait) QTest::qWait(10);
  ASSERT_TRUE(button->isEnabled());
  button->click();
  EXPECT_EQ(opened, 1);
  ASSERT_TRUE(column.Context().Results.Creep);
  const std::vector<TipSample>& history = column.Context().Results.Creep->Column.TipHistory;
  ASSERT_EQ(history.size(), 10u);
  TipHistoryPlotWindow plot(column.Context(), history);
  plot.show();
  EXPECT_EQ(Rgb(plot.Picture()), CoreDrawing(plot.Picture().size(), [&](Canvas& c) { DrawTipHistory(c, history); }));
  Find<QPushButton>(&plot, "cmdExportCsv")->click();
  std::string csv;
  for (const std::string& line : TipHistoryCsvLines(history)) csv += line + "\r\n";
  EXPECT_EQ(testing::ReadBytes(column.Folder().File("TipHistory.csv")), csv);
}

}  // namespace kolvane::ui

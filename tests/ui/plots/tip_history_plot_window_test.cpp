#include "ui/plots/tip_history_plot_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "core/export/csv_tables.h"
#include "core/plots/tip_history_plot.h"
#include "ui/support/plot_window_fixture.h"

namespace kolvane::ui {

// The history it was given, drawn as the core draws it and exported as the
// core's table. That a creep run records it is the creep window's test.
TEST_F(PlotWindowTest, TheTipHistoryPlotShowsTheCoreDrawingAndExportsTheCoresTable) {
  const std::vector<TipSample> history{{1, 1, 2001, .001, -.002, 0}, {2, 1, 2001, .0015, -.001, 0}};
  TipHistoryPlotWindow window(context_, history);
  window.show();
  EXPECT_EQ(Rgb(window.Picture()),
            CoreDrawing(window.Picture().size(), [&](Canvas& c) { DrawTipHistory(c, history); }));
  QTest::mouseClick(Find<QPushButton>(&window, "cmdExportCsv"), Qt::LeftButton);
  std::string csv;
  for (const std::string& line : TipHistoryCsvLines(history)) csv += line + "\r\n";
  EXPECT_EQ(kolvane::testing::ReadBytes(folder_.File("TipHistory.csv")), csv);
}

}  // namespace kolvane::ui

#include "ui/diagrams/diagram_plot_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "core/plots/diagram_plot.h"
#include "ui/support/plot_window_fixture.h"

namespace kolvane::ui {

// The diagram it was given, as the core draws it, read at a typed X.
TEST_F(PlotWindowTest, TheDiagramPlotShowsTheCoreDrawing) {
  DiagramPlotWindow window(context_, june_);
  window.show();
  EXPECT_EQ(Rgb(window.Picture()), CoreDrawing(window.Picture().size(), [&](Canvas& c) {
              DrawDiagram(c, june_.Points, june_.Kind, DiagramPlotTitle(june_.Kind, june_.Name));
            }));
  QTest::keyClicks(Find<QLineEdit>(&window, "txtX"), "18");
  EXPECT_EQ(Find<QLabel>(&window, "lblY")->text(), "45");
}

}  // namespace kolvane::ui

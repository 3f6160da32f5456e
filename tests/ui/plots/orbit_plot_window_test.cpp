#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>

#include "core/plots/orbit_plot.h"
#include "core/plots/profile_plot.h"
#include "core/support/recording_canvas.h"
#include "ui/plots/orbit_plot_window.h"
#include "ui/plots/plot_picture.h"
#include "ui/support/picture_ink.h"
#include "ui/support/solution_test_support.h"

namespace kolvane::ui {
namespace {

using namespace kolvane::testing;

TEST(OrbitPlotWindow, TheSunFollowsTheMouse) {
  ExampleColumn column;
  const MainData m = MainDataFromTexts(column.MainData());
  const OrbitPlotData data{m.IRadius, m.ERadius, column.SummerOrbit(3)};
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
  QTest::mouseMove(picture, QPointF(ring->X, ring->Y).toPoint());
  EXPECT_EQ(Rgb(window.Picture()), CoreDrawing(size, [&](Canvas& c) { DrawOrbit(c, data, factor, 6); }));
}

}  // namespace
}  // namespace kolvane::ui

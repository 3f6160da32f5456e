#include "ui/plots/profile_plot_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include "core/plots/profile_plot.h"
#include "ui/plots/image_canvas.h"
#include "ui/support/plot_window_fixture.h"

namespace kolvane::ui {

// The plane and the magnification chosen are what the core is asked to draw.
TEST_F(PlotWindowTest, TheProfilePlotRedrawsOnThePlaneAndTheMagnification) {
  ProfilePlotWindow window(context_, grid_);
  window.show();
  const auto drawn = [&](std::optional<int> plane, float factor) {
    return CoreDrawing(window.Picture().size(), [&](Canvas& c) { DrawProfile(c, grid_, plane, factor); });
  };
  // It opens on the first plane at the largest magnification that keeps the profiles inside.
  EXPECT_EQ(Rgb(window.Picture()),
            drawn(0, MagnificationFactor(FittingProfileOption(ImageCanvas(QSize(349, 493)), grid_, 0))));
  Find<QComboBox>(&window, "cboShowResult")->setCurrentIndex(1);
  QTest::mouseClick(Find<QRadioButton>(&window, "optMagnification2"), Qt::LeftButton);
  EXPECT_EQ(Rgb(window.Picture()), drawn(1, 100));
}

}  // namespace kolvane::ui

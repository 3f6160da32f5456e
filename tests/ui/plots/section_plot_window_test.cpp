#include "ui/plots/section_plot_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "core/plots/section_plot.h"
#include "ui/plots/plot_picture.h"
#include "ui/support/plot_window_fixture.h"

namespace kolvane::ui {

// A choice redraws from the grid as it is now; a zoom draws anew at its
// larger size, holding only the part in view, so that no zoom is too large.
TEST_F(PlotWindowTest, TheSectionPlotRedrawsOnAChoiceAndZooms) {
  SectionPlotWindow window(context_, grid_);
  window.resize(1400, 1400);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* picture = Find<PlotPicture>(&window, "piC");
  const auto drawn = [&](std::optional<int> result) {
    return CoreDrawing(
        picture->size(), [&](Canvas& c) { DrawSection(c, grid_, result); }, picture->HeldPart());
  };
  grid_.BlockTemp.assign(grid_.BlockCount(), 20.125);  // a later run
  Find<QComboBox>(&window, "cboShowResult")->setCurrentIndex(8);
  EXPECT_EQ(Rgb(window.Picture()), drawn(8));

  auto* zoom = Find<QComboBox>(&window, "cboZoom");
  const QSize fitted = window.Picture().size();
  zoom->setCurrentIndex(zoom->findText("3200 %"));
  QApplication::processEvents();  // the layout gives the picture its new size
  EXPECT_TRUE(messages_.Shown.empty());
  EXPECT_EQ(window.Zoom(), 3200);
  EXPECT_TRUE(picture->width() > fitted.width() && picture->height() > fitted.height());
  EXPECT_LT(window.Picture().width(), 1400);  // the view, not the 40000 px picture
  EXPECT_EQ(Rgb(window.Picture()), drawn(8));
}

}  // namespace kolvane::ui

#include "ui/plots/section_plot_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

#include "core/engine/stages.h"
#include "core/plots/section_plot.h"
#include "core/test_support.h"
#include "modal_windows.h"
#include "picture_ink.h"
#include "recording_messages.h"
#include "ui/plots/plot_picture.h"

namespace kolvane::ui {
namespace {

using kolvane::testing::Child;
using kolvane::testing::CountPixels;
using kolvane::testing::CountRedInk;
using kolvane::testing::MessageKind;
using kolvane::testing::RecordingMessages;
using kolvane::testing::ScratchFolder;
using kolvane::testing::WhenModalOpens;

// Two rings between 4 m and 5 m in eight sectors, its geometry worked out.
SectionGrid EightSectors() {
  SectionGrid grid;
  grid.I = 2;
  grid.J = 8;
  grid.IRadius = 4;
  grid.ERadius = 5;
  CalculateGeometry(grid);
  return grid;
}

class SectionPlotWindowTest : public ::testing::Test {
 protected:
  QComboBox* Results(SectionPlotWindow& window) { return Child<QComboBox>(&window, "cboShowResult"); }
  void ClickSave(SectionPlotWindow& window) {
    QTest::mouseClick(Child<QPushButton>(&window, "cmdSave"), Qt::LeftButton);
  }

  ScratchFolder folder;
  RecordingMessages messages;
  AppContext context{Workspace(folder.Path()), &messages, {}, {}};
  SectionGrid grid = EightSectors();
};

TEST_F(SectionPlotWindowTest, OpensOnTheSectionWithoutAResult) {
  SectionPlotWindow window(context, grid);
  window.show();
  QComboBox* results = Results(window);
  EXPECT_EQ(results->count(), static_cast<int>(SectionResultItems().size()));
  EXPECT_EQ(results->currentIndex(), -1);

  const PlotPicture* box = Child<PlotPicture>(&window, "piC");
  EXPECT_EQ(window.Picture().size(), box->size());
  EXPECT_GT(CountPixels(window.Picture(), Qt::black), 500);  // axes, rings and boundaries
  EXPECT_EQ(CountRedInk(window.Picture()), 0);
}

// Every choice redraws from the engine state: a result appears in red, and a
// later run's values show without reopening the window.
TEST_F(SectionPlotWindowTest, ChoosingAResultRedrawsThePicture) {
  grid.BlockTemp.assign(grid.BlockCount(), 20);
  SectionPlotWindow window(context, grid);
  window.show();
  Results(window)->setCurrentIndex(8);  // block temperatures
  const int firstRed = CountRedInk(window.Picture());
  EXPECT_GT(firstRed, 100);

  grid.BlockTemp.assign(grid.BlockCount(), 20.125);
  Results(window)->setCurrentIndex(0);
  Results(window)->setCurrentIndex(8);
  EXPECT_GT(CountRedInk(window.Picture()), firstRed);  // "20.125" has more ink than "20"

  Results(window)->setCurrentIndex(-1);
  EXPECT_EQ(CountRedInk(window.Picture()), 0);
}

// The save itself is the plot windows' common one (see the diagram plot's
// tests); the section's picture goes to Section.bmp.
TEST_F(SectionPlotWindowTest, SavesThePictureAsSectionBitmap) {
  SectionPlotWindow window(context, grid);
  window.show();
  Results(window)->setCurrentIndex(0);
  ClickSave(window);
  const QImage saved(QString::fromStdString(folder.File("Section.bmp")), "BMP");
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), window.Picture().convertToFormat(QImage::Format_RGB32));
}

// Values of a fine grid only part from each other in a picture larger than
// the frame: the zoom grows the picture past the view, and the drawing with it.
TEST_F(SectionPlotWindowTest, ZoomGrowsThePictureAndTheDrawingWithIt) {
  SectionPlotWindow window(context, grid);
  window.show();
  Results(window)->setCurrentIndex(0);
  auto* zoom = Child<QComboBox>(&window, "cboZoom");
  ASSERT_NE(zoom, nullptr);
  EXPECT_EQ(window.Zoom(), 100);  // fitted to the frame
  const QSize normal = window.Picture().size();
  const int normalRed = CountRedInk(window.Picture());
  const int normalBlack = CountPixels(window.Picture(), Qt::black);

  zoom->setCurrentIndex(zoom->findText("300 %"));
  QApplication::processEvents();  // the layout gives the picture its new size
  EXPECT_EQ(window.Zoom(), 300);
  EXPECT_GE(window.Picture().width(), 2 * normal.width());
  EXPECT_GE(window.Picture().height(), 2 * normal.height());
  // Drawn anew, not magnified: rings and boundaries are longer lines of the
  // same width, while the title and the centroid dots keep their size.
  EXPECT_GT(CountPixels(window.Picture(), Qt::black), 2 * normalBlack);
  EXPECT_NEAR(CountRedInk(window.Picture()), normalRed, normalRed / 5);  // smoothing varies a little

  zoom->setCurrentIndex(0);
  QApplication::processEvents();
  EXPECT_EQ(window.Picture().size(), normal);
}

// Where a point of the picture lies, as a share of the picture, when it is
// `inView` pixels into the scrolled view.
QPointF ShareAt(SectionPlotWindow& window, QPoint inView) {
  auto* scroll = Child<QScrollArea>(&window, "scrPicture");
  const QSize picture = scroll->widget()->size();
  return {(scroll->horizontalScrollBar()->value() + inView.x()) / double(picture.width()),
          (scroll->verticalScrollBar()->value() + inView.y()) / double(picture.height())};
}

TEST_F(SectionPlotWindowTest, ZoomKeepsThePointAtTheCentreOrUnderTheCursorInPlace) {
  SectionPlotWindow window(context, grid);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* zoom = Child<QComboBox>(&window, "cboZoom");
  auto* scroll = Child<QScrollArea>(&window, "scrPicture");
  const QSize view = scroll->viewport()->size();
  const QPoint centre(view.width() / 2, view.height() / 2);

  zoom->setCurrentIndex(zoom->findText("400 %"));
  QApplication::processEvents();
  QApplication::processEvents();
  const QPointF centred = ShareAt(window, centre);
  EXPECT_NEAR(centred.x(), 0.5, 0.01);  // the view's centre was the picture's
  EXPECT_NEAR(centred.y(), 0.5, 0.01);

  scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->value() / 3);
  const QPointF before = ShareAt(window, centre);
  zoom->setCurrentIndex(zoom->findText("800 %"));
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_EQ(window.Zoom(), 800);
  const QPointF after = ShareAt(window, centre);
  EXPECT_NEAR(after.x(), before.x(), 0.002);
  EXPECT_NEAR(after.y(), before.y(), 0.002);

  // Ctrl and the wheel: a step in, around the cursor.
  const QPoint cursor(view.width() / 4, view.height() / 3);
  const QPointF underCursor = ShareAt(window, cursor);
  QWheelEvent wheel(QPointF(cursor), scroll->viewport()->mapToGlobal(QPointF(cursor)), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(scroll->viewport(), &wheel);
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_EQ(window.Zoom(), 1200);
  EXPECT_EQ(zoom->currentText(), "1200 %");
  EXPECT_NEAR(ShareAt(window, cursor).x(), underCursor.x(), 0.002);
  EXPECT_NEAR(ShareAt(window, cursor).y(), underCursor.y(), 0.002);

  zoom->setCurrentIndex(zoom->findText("Fit"));
  QApplication::processEvents();
  EXPECT_EQ(window.Zoom(), 100);
  EXPECT_EQ(scroll->widget()->size(), scroll->viewport()->size());
  EXPECT_TRUE(messages.Shown.empty());
}

// A zoom whose picture could not be held is refused before anything is
// allocated, and the zoom stays as it was.
TEST_F(SectionPlotWindowTest, AZoomTooLargeToHoldIsRefusedWithAMessage) {
  SectionPlotWindow window(context, grid);
  window.resize(1400, 1400);  // 3200 % of this view passes the longest side a picture can have
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* zoom = Child<QComboBox>(&window, "cboZoom");
  auto* scroll = Child<QScrollArea>(&window, "scrPicture");
  ASSERT_GT(std::min(scroll->viewport()->width(), scroll->viewport()->height()), 1024);
  zoom->setCurrentIndex(zoom->findText("200 %"));
  QApplication::processEvents();
  const QSize before = window.Picture().size();

  zoom->setCurrentIndex(zoom->findText("3200 %"));
  QApplication::processEvents();
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Kind, MessageKind::Error);
  EXPECT_EQ(window.Zoom(), 200);
  EXPECT_EQ(zoom->currentText(), "200 %");
  EXPECT_EQ(window.Picture().size(), before);
}

TEST_F(SectionPlotWindowTest, OkClosesTheModalWindow) {
  WhenModalOpens plot("frmDrawSection",
                      [](QWidget* window) { QTest::mouseClick(Child<QPushButton>(window, "cmdOk"), Qt::LeftButton); });
  ShowSectionPlot(context, grid, nullptr);
  EXPECT_TRUE(plot.Acted());
}

// Opened before any run: a blank picture, no crash, and choosing works.
TEST_F(SectionPlotWindowTest, AFreshEngineStateShowsABlankPicture) {
  const SectionGrid fresh;
  SectionPlotWindow window(context, fresh);
  window.show();
  for (int result = 0; result < 11; ++result) Results(window)->setCurrentIndex(result);
  EXPECT_EQ(CountPixels(window.Picture(), Qt::white), window.Picture().width() * window.Picture().height());
}

}  // namespace
}  // namespace kolvane::ui

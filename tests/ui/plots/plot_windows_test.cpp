// The plot windows are wiring: each shows what the core draws for its
// choices, and the save they share writes the picture without losing a file.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "core/engine/stages.h"
#include "core/plots/diagram_plot.h"
#include "core/plots/profile_plot.h"
#include "core/plots/section_plot.h"
#include "core/support/test_support.h"
#include "ui/diagrams/diagram_plot_window.h"
#include "ui/plots/image_canvas.h"
#include "ui/plots/plot_picture.h"
#include "ui/plots/profile_plot_window.h"
#include "ui/plots/section_plot_window.h"
#include "ui/support/modal_windows.h"
#include "ui/support/picture_ink.h"
#include "ui/support/recording_messages.h"

namespace kolvane::ui {
namespace {

using kolvane::testing::Child;
using kolvane::testing::CoreDrawing;
using kolvane::testing::MessageKind;
using kolvane::testing::Rgb;
using Shown = std::vector<kolvane::testing::ShownMessage>;

class PlotWindowTest : public ::testing::Test {
 protected:
  PlotWindowTest() {
    grid.I = 2, grid.J = 8, grid.K = 4, grid.Height = 100, grid.IRadius = 4, grid.ERadius = 5;
    CalculateGeometry(grid);
    grid.BlockTemp.assign(grid.BlockCount(), 20);
    grid.Profiles.push_back(
        {"1/1/2001", {0, 0.003, 0.0125, 0.028, 0.05}, {0, 0, 0, 0, 0.01}, {0, 0, 0, 0, 0}, 0, 0, 0});
  }

  kolvane::testing::ScratchFolder folder;
  kolvane::testing::RecordingMessages messages;
  AppContext context{Workspace(folder.Path()), &messages, {}, {}};
  const CurrentDiagram june{Diagram{{{0, 0}, {12, 90}, {24, 0}}}, "June", kSunPosition};
  SectionGrid grid;
};

// The diagram it was given, as the core draws it, read at a typed X.
TEST_F(PlotWindowTest, TheDiagramPlotShowsTheCoreDrawing) {
  DiagramPlotWindow window(context, june);
  window.show();
  EXPECT_EQ(Rgb(window.Picture()), CoreDrawing(window.Picture().size(), [&](Canvas& c) {
              DrawDiagram(c, june.Points, june.Kind, DiagramPlotTitle(june.Kind, june.Name));
            }));
  QTest::keyClicks(Child<QLineEdit>(&window, "txtX"), "18");
  EXPECT_EQ(Child<QLabel>(&window, "lblY")->text(), "45");
}

// Save Picture, common to every plot window: the picture as a bitmap, a
// question before replacing one, a failure said and the old file kept.
TEST_F(PlotWindowTest, SavePictureAsksBeforeReplacingAndReportsAFailure) {
  DiagramPlotWindow window(context, june);
  window.show();
  const std::string bitmap = folder.File("June.bmp");
  const auto save = [&] { QTest::mouseClick(Child<QPushButton>(&window, "cmdSave"), Qt::LeftButton); };
  save();
  EXPECT_EQ(messages.Shown, (Shown{{MessageKind::Information, "June.bmp was saved successfully.\r\n" + bitmap}}));
  EXPECT_EQ(Rgb(QImage(QString::fromStdString(bitmap), "BMP")), Rgb(window.Picture()));

  const Shown asked{{MessageKind::Question, "June.bmp already exists and it will be overwritten. Should I proceed? "}};
  kolvane::testing::WriteBytes(bitmap, "kept");
  messages.Shown.clear();
  save();  // answered No
  EXPECT_EQ(messages.Shown, asked);
  EXPECT_EQ(kolvane::testing::ReadBytes(bitmap), "kept");

  std::filesystem::remove(bitmap);
  std::filesystem::create_directory(bitmap);  // nothing can be renamed over a folder
  messages.Shown.clear();
  messages.Answers = {true};
  save();
  EXPECT_EQ(messages.Shown, (Shown{asked[0], {MessageKind::Error, "June.bmp could not be saved: Is a directory"}}));
  EXPECT_TRUE(std::filesystem::is_empty(bitmap));
}

// A choice redraws from the grid as it is now; a zoom draws anew at its
// larger size, holding only the part in view, so that no zoom is too large.
TEST_F(PlotWindowTest, TheSectionPlotRedrawsOnAChoiceAndZooms) {
  SectionPlotWindow window(context, grid);
  window.resize(1400, 1400);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* picture = Child<PlotPicture>(&window, "piC");
  const auto drawn = [&](std::optional<int> result) {
    return CoreDrawing(
        picture->size(), [&](Canvas& c) { DrawSection(c, grid, result); }, picture->HeldPart());
  };
  grid.BlockTemp.assign(grid.BlockCount(), 20.125);  // a later run
  Child<QComboBox>(&window, "cboShowResult")->setCurrentIndex(8);
  EXPECT_EQ(Rgb(window.Picture()), drawn(8));

  auto* zoom = Child<QComboBox>(&window, "cboZoom");
  const QSize fitted = window.Picture().size();
  zoom->setCurrentIndex(zoom->findText("200 %"));
  QApplication::processEvents();  // the layout gives the picture its new size
  EXPECT_EQ(window.Zoom(), 200);
  EXPECT_TRUE(picture->width() > fitted.width() && picture->height() > fitted.height());
  EXPECT_EQ(window.Picture().size(), picture->HeldPart().size());
  EXPECT_EQ(Rgb(window.Picture()), drawn(8));

  zoom->setCurrentIndex(zoom->findText("3200 %"));
  QApplication::processEvents();
  EXPECT_TRUE(messages.Shown.empty());
  EXPECT_EQ(window.Zoom(), 3200);
  EXPECT_LT(window.Picture().width(), 1400);  // the view, not the 40000 px picture
  EXPECT_EQ(Rgb(window.Picture()), drawn(8));
}

// The plane and the magnification chosen are what the core is asked to draw.
TEST_F(PlotWindowTest, TheProfilePlotRedrawsOnThePlaneAndTheMagnification) {
  ProfilePlotWindow window(context, grid);
  window.show();
  const auto drawn = [&](std::optional<int> plane, float factor) {
    return CoreDrawing(window.Picture().size(), [&](Canvas& c) { DrawProfile(c, grid, plane, factor); });
  };
  // It opens on the first plane at the largest magnification that keeps the profiles inside.
  EXPECT_EQ(Rgb(window.Picture()),
            drawn(0, MagnificationFactor(FittingProfileOption(ImageCanvas(QSize(349, 493)), grid, 0))));
  Child<QComboBox>(&window, "cboShowResult")->setCurrentIndex(1);
  QTest::mouseClick(Child<QRadioButton>(&window, "optMagnification2"), Qt::LeftButton);
  EXPECT_EQ(Rgb(window.Picture()), drawn(1, 100));
  EXPECT_NE(Rgb(window.Picture()), drawn(1, 1));
}

}  // namespace
}  // namespace kolvane::ui

#include "ui/diagrams/diagram_plot_window.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "core/plots/diagram_plot.h"
#include "core/test_support.h"
#include "modal_windows.h"
#include "picture_ink.h"
#include "recording_messages.h"
#include "ui/plots/image_canvas.h"
#include "ui/plots/plot_picture.h"

namespace kolvane::ui {
namespace {

using kolvane::testing::Child;
using kolvane::testing::CountRedInk;
using kolvane::testing::MessageKind;
using kolvane::testing::ReadBytes;
using kolvane::testing::RecordingMessages;
using kolvane::testing::ScratchFolder;
using kolvane::testing::ShownMessage;
using kolvane::testing::WhenModalOpens;
using kolvane::testing::WriteBytes;
using Shown = std::vector<ShownMessage>;

const QColor kRed(255, 0, 0);

// A line passes through this pixel or one beside it (lines end on whole pixels).
bool InkNear(const QImage& picture, double x, double y, const QColor& color) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (QColor(picture.pixel(qRound(x) + dx, qRound(y) + dy)) == color) return true;
  return false;
}

// The picture the core draws for `diagram` at the window's picture size.
QImage CoreDrawing(const CurrentDiagram& diagram, QSize size) {
  ImageCanvas canvas(size);
  DrawDiagram(canvas, diagram.Points, diagram.Kind, DiagramPlotTitle(diagram.Kind, diagram.Name));
  return canvas.TakeImage().convertToFormat(QImage::Format_RGB32);
}

class DiagramPlotWindowTest : public ::testing::Test {
 protected:
  QLabel* ValueShown(DiagramPlotWindow& window) { return Child<QLabel>(&window, "lblY"); }
  void ClickSave(DiagramPlotWindow& window) {
    QTest::mouseClick(Child<QPushButton>(&window, "cmdSave"), Qt::LeftButton);
  }

  ScratchFolder folder;
  RecordingMessages messages;
  AppContext context{Workspace(folder.Path()), &messages, {}};
  const CurrentDiagram june{Diagram{{{0, 0}, {12, 90}, {24, 0}}}, "June", kSunPosition};
};

// The window shows exactly what the core draws for the diagram it was given.
TEST_F(DiagramPlotWindowTest, ShowsTheCoreDrawingOfTheDiagramItWasGiven) {
  DiagramPlotWindow window(context, june);
  window.show();
  const PlotPicture* box = Child<PlotPicture>(&window, "piC");
  ASSERT_EQ(window.Picture().size(), box->size());
  EXPECT_EQ(window.Picture().convertToFormat(QImage::Format_RGB32), CoreDrawing(june, box->size()));
  EXPECT_GT(CountRedInk(window.Picture()), 100);  // the curve and the title, not a blank picture
}

TEST_F(DiagramPlotWindowTest, TheDrawingFillsThePictureWhenItGrows) {
  DiagramPlotWindow window(context, june);
  window.show();
  const QSize before = window.Picture().size();
  window.resize(window.size() + QSize(200, 100));
  QApplication::processEvents();
  const PlotPicture* box = Child<PlotPicture>(&window, "piC");
  EXPECT_EQ(window.Picture().size(), box->size());
  EXPECT_GT(window.Picture().width(), before.width());
  EXPECT_GT(window.Picture().height(), before.height());
  EXPECT_EQ(window.Picture().convertToFormat(QImage::Format_RGB32), CoreDrawing(june, box->size()));
}

TEST_F(DiagramPlotWindowTest, PlotFontIsAFixedPitchStandInForCourierNew) {
  const QFontInfo font(ImageCanvas::PlotFont());
  EXPECT_TRUE(font.fixedPitch()) << font.family().toStdString();
  ImageCanvas canvas(QSize(100, 100));
  EXPECT_DOUBLE_EQ(canvas.TextWidth("0123456789"), 10 * canvas.TextWidth("X"));
  EXPECT_NEAR(canvas.TextHeight("X"), 12, 2);  // 8 pt at 96 dpi
}

TEST(ImageCanvas, DrawsCirclesFilledOrOutlinedAndTextBelowItsTopLeft) {
  ImageCanvas canvas(QSize(100, 60));
  canvas.SetPenColor(kResultRed);
  canvas.Circle(20, 20, 8, true);
  canvas.Circle(60, 20, 8, false);
  canvas.SetPenColor(kBlack);
  canvas.Text(10, 40, "Y");
  const QImage& image = canvas.Image();
  EXPECT_EQ(QColor(image.pixel(20, 20)), kRed);               // filled
  EXPECT_EQ(QColor(image.pixel(60, 20)), QColor(Qt::white));  // only outlined
  EXPECT_TRUE(InkNear(image, 68, 20, kRed));
  int textInk = 0;
  for (int x = 10; x < 20; ++x)
    for (int y = 40; y < 40 + qRound(canvas.TextHeight("Y")); ++y)
      textInk += QColor(image.pixel(x, y)).lightness() < 128;
  EXPECT_GT(textInk, 5);  // the letter hangs below its top-left corner
  for (int x = 0; x < 100; ++x) EXPECT_EQ(QColor(image.pixel(x, 38)), QColor(Qt::white)) << x;  // nothing above it
}

TEST_F(DiagramPlotWindowTest, ReadsTheDiagramAtTheTypedX) {
  DiagramPlotWindow window(context, june);
  window.show();
  auto* txtX = Child<QLineEdit>(&window, "txtX");
  struct Reading {
    const char* typed;
    const char* shown;
  };
  for (const Reading& r : {Reading{"18", "45"}, Reading{"30", "Not applicable"}}) {
    txtX->clear();
    QTest::keyClicks(txtX, r.typed);
    EXPECT_EQ(ValueShown(window)->text(), r.shown) << r.typed;
  }
}

TEST_F(DiagramPlotWindowTest, SavesTheBitmapAndAsksBeforeReplacingIt) {
  DiagramPlotWindow window(context, june);
  window.show();
  const std::string bitmap = folder.File("June.bmp");

  ClickSave(window);
  EXPECT_EQ(messages.Shown,
            (Shown{{MessageKind::Information, "June.bmp was saved successfully.\r\n" + folder.File("June.bmp")}}));
  QImage saved(QString::fromStdString(bitmap), "BMP");
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.size(), window.Picture().size());
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), window.Picture().convertToFormat(QImage::Format_RGB32));

  WriteBytes(bitmap, "kept");
  messages.Shown.clear();
  messages.Answers = {false};
  ClickSave(window);
  EXPECT_EQ(messages.Shown,
            (Shown{{MessageKind::Question, "June.bmp already exists and it will be overwritten. Should I proceed? "}}));
  EXPECT_EQ(ReadBytes(bitmap), "kept");

  messages.Shown.clear();
  messages.Answers = {true};
  ClickSave(window);
  ASSERT_EQ(messages.Shown.size(), 2u);
  EXPECT_EQ(messages.Shown[1],
            (ShownMessage{MessageKind::Information, "June.bmp was saved successfully.\r\n" + folder.File("June.bmp")}));
  EXPECT_FALSE(QImage(QString::fromStdString(bitmap), "BMP").isNull());
}

TEST_F(DiagramPlotWindowTest, AFailedSaveIsReportedNotConfirmed) {
  std::filesystem::create_directory(folder.File("June.bmp"));  // nothing can be renamed over a folder
  DiagramPlotWindow window(context, june);
  window.show();
  messages.Answers = {true};
  ClickSave(window);
  EXPECT_EQ(messages.Shown,
            (Shown{{MessageKind::Question, "June.bmp already exists and it will be overwritten. Should I proceed? "},
                   {MessageKind::Error, "June.bmp could not be saved: Is a directory"}}));
  EXPECT_TRUE(std::filesystem::is_empty(folder.File("June.bmp")));
}

TEST_F(DiagramPlotWindowTest, OkClosesTheModalWindowAccepted) {
  DiagramPlotWindow window(context, june);
  WhenModalOpens plot("frmDrawDiagram",
                      [](QWidget* shown) { QTest::mouseClick(Child<QPushButton>(shown, "cmdOk"), Qt::LeftButton); });
  EXPECT_EQ(window.exec(), QDialog::Accepted);
  EXPECT_TRUE(plot.Acted());
}

}  // namespace
}  // namespace kolvane::ui

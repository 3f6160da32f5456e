#include "ui/plots/profile_plot_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/plots/profile_plot.h"
#include "core/test_support.h"
#include "modal_windows.h"
#include "picture_ink.h"
#include "recording_messages.h"
#include "ui/plots/plot_picture.h"

namespace kolvane::ui {
namespace {

using kolvane::testing::Child;
using kolvane::testing::CountPixels;
using kolvane::testing::RecordingMessages;
using kolvane::testing::ScratchFolder;
using kolvane::testing::WhenModalOpens;

const QColor kRed(255, 0, 0);

// The rightmost red pixel below the tip text's band, -1 when there is none.
int RightmostRedBelow(const QImage& picture, int top) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  int rightmost = -1;
  for (int y = top; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (QColor(image.pixel(x, y)) == kRed) rightmost = std::max(rightmost, x);
  return rightmost;
}

// A 100 m column whose one stored profile leans 5 cm to the East at the tip.
SectionGrid LeaningColumn() {
  SectionGrid grid;
  grid.I = 2;
  grid.J = 8;
  grid.K = 4;
  grid.Height = 100;
  grid.IRadius = 3;
  grid.ERadius = 4;
  DeflectionProfile profile;
  profile.DeflX = {0, 0.003, 0.0125, 0.028, 0.05};
  profile.DeflY = {0, 0, 0, 0, 0};
  profile.DeflZ = {0, 0, 0, 0, 0};
  profile.TipX = 0.05;
  grid.Profiles.push_back(profile);
  return grid;
}

class ProfilePlotWindowTest : public ::testing::Test {
 protected:
  QComboBox* Planes(ProfilePlotWindow& window) { return Child<QComboBox>(&window, "cboShowResult"); }
  QRadioButton* Option(ProfilePlotWindow& window, int n) {
    return Child<QRadioButton>(&window, QString("optMagnification%1").arg(n).toLatin1().constData());
  }

  ScratchFolder folder;
  RecordingMessages messages;
  AppContext context{Workspace(folder.Path()), &messages, {}, {}};
  SectionGrid grid = LeaningColumn();
};

TEST_F(ProfilePlotWindowTest, OpensOnTheColumnWithTheFirstMagnification) {
  ProfilePlotWindow window(context, grid);
  window.show();
  EXPECT_EQ(Planes(window)->count(), static_cast<int>(ProfilePlaneItems().size()));
  EXPECT_EQ(Planes(window)->currentIndex(), -1);
  for (int n = 0; n < 9; ++n) {
    ASSERT_NE(Option(window, n), nullptr) << n;
    EXPECT_EQ(Option(window, n)->isChecked(), n == 0);
  }
  EXPECT_EQ(window.Factor(), 1.0f);
  EXPECT_EQ(window.Picture().size(), Child<PlotPicture>(&window, "piC")->size());
  EXPECT_EQ(CountPixels(window.Picture(), kRed), 0);
}

// The picture's height spans 112 m (the column and its margins): at 493 px
// 5 cm at the tip is 0.2 px at factor 1 and 22 px at factor 100.
TEST_F(ProfilePlotWindowTest, PlaneAndMagnificationRedrawTheProfile) {
  ProfilePlotWindow window(context, grid);
  window.show();
  const int centre = window.Picture().width() / 2;
  constexpr int kBelowTipText = 20;

  Planes(window)->setCurrentIndex(0);
  EXPECT_GT(CountPixels(window.Picture(), kRed), 100);  // the profile and the tip text
  EXPECT_LE(RightmostRedBelow(window.Picture(), kBelowTipText), centre + 1);

  QTest::mouseClick(Option(window, 2), Qt::LeftButton);  // "x 100"
  EXPECT_TRUE(Option(window, 2)->isChecked());
  EXPECT_FALSE(Option(window, 0)->isChecked());
  EXPECT_EQ(window.Factor(), 100.0f);
  const double tipAt100 = 0.05 * 100 * window.Picture().height() / 112.0;
  EXPECT_NEAR(RightmostRedBelow(window.Picture(), kBelowTipText), centre + tipAt100, 1.5);

  Planes(window)->setCurrentIndex(1);  // no sideways deflection in Y
  EXPECT_LE(RightmostRedBelow(window.Picture(), kBelowTipText), centre + 1);
}

TEST_F(ProfilePlotWindowTest, SavesThePictureAsProfileBitmap) {
  ProfilePlotWindow window(context, grid);
  window.show();
  QTest::mouseClick(Child<QPushButton>(&window, "cmdSave"), Qt::LeftButton);
  const QImage saved(QString::fromStdString(folder.File("Profile.bmp")), "BMP");
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), window.Picture().convertToFormat(QImage::Format_RGB32));
}

TEST_F(ProfilePlotWindowTest, OkClosesTheModalWindowAndTheNextOpensAfresh) {
  for (int round = 0; round < 2; ++round) {
    float factorAtOpening = -1;
    WhenModalOpens plot("frmDrawProfile", [&](QWidget* window) {
      auto* profile = static_cast<ProfilePlotWindow*>(window);
      factorAtOpening = profile->Factor();
      QTest::mouseClick(Child<QRadioButton>(window, "optMagnification5"), Qt::LeftButton);
      QTest::mouseClick(Child<QPushButton>(window, "cmdOk"), Qt::LeftButton);
    });
    ShowProfilePlot(context, grid, nullptr);
    EXPECT_TRUE(plot.Acted());
    EXPECT_EQ(factorAtOpening, 1.0f) << round;
  }
}

}  // namespace
}  // namespace kolvane::ui

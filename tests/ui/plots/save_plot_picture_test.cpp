#include "ui/plots/save_plot_picture.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "ui/diagrams/diagram_plot_window.h"
#include "ui/support/plot_window_fixture.h"

namespace kolvane::ui {

using kolvane::testing::MessageKind;
using testing::Shown;

// Save Picture is common to every plot window: one of them stands for all.
TEST_F(PlotWindowTest, SavePictureAsksBeforeReplacingAndReportsAFailure) {
  DiagramPlotWindow window(context_, june_);
  window.show();
  const std::string bitmap = folder_.File("June.bmp");
  const auto save = [&] { QTest::mouseClick(Find<QPushButton>(&window, "cmdSave"), Qt::LeftButton); };
  save();
  EXPECT_EQ(messages_.Shown, (Shown{{MessageKind::Information, "June.bmp was saved successfully.\r\n" + bitmap}}));
  EXPECT_EQ(Rgb(QImage(QString::fromStdString(bitmap), "BMP")), Rgb(window.Picture()));

  const Shown asked{{MessageKind::Question, "June.bmp already exists and it will be overwritten. Should I proceed? "}};
  kolvane::testing::WriteBytes(bitmap, "kept");
  messages_.Shown.clear();
  save();  // answered No
  EXPECT_EQ(messages_.Shown, asked);
  EXPECT_EQ(kolvane::testing::ReadBytes(bitmap), "kept");

  std::filesystem::remove(bitmap);
  std::filesystem::create_directory(bitmap);  // nothing can be renamed over a folder
  messages_.Shown.clear();
  messages_.Answers = {true};
  save();
  EXPECT_EQ(messages_.Shown, (Shown{asked[0], {MessageKind::Error, "June.bmp could not be saved: Is a directory"}}));
}

}  // namespace kolvane::ui

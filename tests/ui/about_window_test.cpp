#include "ui/shell/about_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include "core/common/program_info.h"

namespace kolvane::ui {
namespace {

TEST(AboutWindow, ShowsTheTitleAndScrollsTheCreditsByItself) {
  AboutWindow about;
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), QString::fromStdString(ProgramTitle()));
  auto* credits = about.findChild<ScrollingText*>("txtCredits");
  ASSERT_NE(credits, nullptr);
  const int start = credits->ScrollOffset();
  QElapsedTimer waited;
  waited.start();
  while (credits->ScrollOffset() == start && waited.elapsed() < 10000) QTest::qWait(20);
  EXPECT_GT(credits->ScrollOffset(), start);
}

TEST(AboutWindow, TheCreditsStartAgainOnceTheyHaveRisenOutOfView) {
  ScrollingText credits(AboutWindow::CreditsHtml());
  credits.resize(300, 200);
  credits.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&credits));
  int previous = credits.ScrollOffset();
  int steps = 0;
  for (; steps < 100000; ++steps) {
    credits.Step();
    if (credits.ScrollOffset() < previous) break;
    previous = credits.ScrollOffset();
  }
  EXPECT_EQ(credits.ScrollOffset(), 0);
  // It rose through the view's height and its own before starting again.
  EXPECT_GT(previous, 200 + 3 * credits.fontMetrics().height());
}

}  // namespace
}  // namespace kolvane::ui

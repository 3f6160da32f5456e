#include "ui/shell/about_window.h"

#include <gtest/gtest.h>

#include <QTest>

namespace kolvane::ui {
namespace {

// The credits rise through the view's height and their own, then start again.
TEST(AboutWindow, TheCreditsStartAgainOnceTheyHaveRisenOutOfView) {
  ScrollingText credits(AboutWindow::CreditsHtml());
  credits.resize(300, 200);
  credits.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&credits));
  int previous = credits.ScrollOffset();
  for (int steps = 0; steps < 100000; ++steps) {
    credits.Step();
    if (credits.ScrollOffset() < previous) break;
    previous = credits.ScrollOffset();
  }
  EXPECT_EQ(credits.ScrollOffset(), 0);
  EXPECT_GT(previous, 200 + 3 * credits.fontMetrics().height());
}

}  // namespace
}  // namespace kolvane::ui

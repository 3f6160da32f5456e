#include "core/plots/tip_history_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/creep/calendar.h"
#include "core/support/recording_canvas.h"

namespace kolvane {

// Tip X red and tip Y blue against the date, ticked on the first of every
// month (or year, for long runs); the plan path in red below.
TEST(TipHistoryPlot, TwoCurvesTicksByMonthOrYearAndThePlanPath) {
  for (const auto& [days, labels] : {std::pair{90, std::vector<std::string>{"1/2001", "2/2001", "3/2001"}},
                                     std::pair{3 * 365 + 10, std::vector<std::string>{"2001", "2002", "2003"}}}) {
    std::vector<TipSample> history;
    CalendarDate date{15, 12, 2000};
    for (int n = 0; n < days; ++n) {
      history.push_back({date.Day, date.Month, date.Year, -0.001 * n / days - 0.002, 0.0005 * std::sin(n * 0.1), 0});
      date = NextDate(date);
    }
    RecordingCanvas canvas(600, 600);
    DrawTipHistory(canvas, history);
    const auto n = static_cast<std::size_t>(days);
    EXPECT_EQ(canvas.LinesIn(kTipYBlue).size(), n - 1) << days;
    const auto red = canvas.LinesIn(kResultRed);
    ASSERT_EQ(red.size(), 2 * (n - 1)) << "tip X against time and the plan path";
    EXPECT_GT(red[n - 2].Y2, red[0].Y1) << "tip X falls: its last point lies lower";
    for (const std::string& label : labels) EXPECT_NE(canvas.FindText(label), nullptr) << label;
    EXPECT_TRUE(!canvas.FindText("12/2000") && !canvas.FindText("2000")) << "the first day is no month's first";
    // The plan from a ring to a dot, X to the right and Y down, as its arrows and note say: the tip ends at more -X.
    EXPECT_NE(canvas.FindText("Plan view (+X: East, +Y: South)"), nullptr);
    ASSERT_EQ(canvas.Circles.size(), 2u);
    EXPECT_LT(canvas.Circles[1].X, canvas.Circles[0].X);
    EXPECT_EQ(canvas.Circles[1].Y > canvas.Circles[0].Y, history.back().TipY > history.front().TipY);
  }
  RecordingCanvas blank(300, 300);
  DrawTipHistory(blank, {});
  EXPECT_TRUE(blank.Empty());
}

TEST(TipHistoryPlot, ScaleTicksAreRoundAndCoverTheRange) {
  for (const auto& [low, high, ticks] :
       {std::tuple{0.0, 1.0, std::vector<double>{0, 0.2, 0.4, 0.6, 0.8, 1}},
        std::tuple{-0.003, 0.0005, std::vector<double>{-0.003, -0.002, -0.001, 0, 0.001}},
        std::tuple{0.0, 0.012, std::vector<double>{0, 0.005, 0.01, 0.015}}}) {
    const std::vector<double> found = ScaleTicks(low, high);
    ASSERT_EQ(found.size(), ticks.size()) << high;
    for (std::size_t n = 0; n < ticks.size(); ++n) EXPECT_NEAR(found[n], ticks[n], 1e-15) << high;
  }
}

}  // namespace kolvane

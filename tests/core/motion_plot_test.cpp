// The orbit and tip history drawings, checked by what they draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/plots/orbit_plot.h"
#include "core/plots/profile_plot.h"
#include "core/plots/tip_history_plot.h"
#include "recording_canvas.h"

namespace kolvane {
namespace {

using testing::DrawnLine;
using testing::RecordingCanvas;

// Half a turn over the day, away from the sun as it goes round from the
// East: the tip 10 mm from the axis at midnight and 20 mm at noon.
OrbitPlotData HalfTurn(int step = 1) {
  OrbitPlotData data{3.5, 3.9, {}};
  for (int hour = 0; hour <= 24; hour += step) {
    const double angle = kPi * hour / 24;
    const double radius = 0.01 * (1 + hour * (24 - hour) / 144.0);
    data.Points.push_back(
        {static_cast<double>(hour), 7.5 * hour, -radius * std::cos(angle), -radius * std::sin(angle), 0});
  }
  return data;
}

TEST(OrbitPlot, ClosedRedPathWithEveryThirdHourLabelled) {
  RecordingCanvas canvas(500, 500);
  const OrbitPlotData data = HalfTurn();
  DrawOrbit(canvas, data, MagnificationFactor(3), std::nullopt);
  const auto red = canvas.LinesIn(kResultRed);
  ASSERT_EQ(red.size(), 25u);  // 24 steps and the line that closes the day
  EXPECT_EQ(red.back().X2, red.front().X1);
  EXPECT_EQ(red.back().Y2, red.front().Y1);
  // Hours 0, 3, ... 24: hour 24 lies elsewhere than hour 0 on this day.
  std::vector<std::string> labels;
  for (const auto& text : canvas.Texts)
    if (text.Text.find_first_not_of("0123456789") == std::string::npos) labels.push_back(text.Text);
  EXPECT_EQ(labels, (std::vector<std::string>{"0", "3", "6", "9", "12", "15", "18", "21", "24"}));
  EXPECT_EQ(std::count_if(canvas.Circles.begin(), canvas.Circles.end(),
                          [](const auto& c) { return c.Filled && c.Color == kResultRed; }),
            9);
  EXPECT_NE(canvas.FindText("Largest tip movement : .02 m at 12 h"), nullptr);
  // The section's two faces.
  EXPECT_EQ(std::count_if(canvas.Circles.begin(), canvas.Circles.end(), [](const auto& c) { return !c.Filled; }), 2);
}

TEST(OrbitPlot, HoursWhoseLabelsWouldTouchShareOne) {
  // The tip stands still from 18 h to 6 h; by day it moves well away.
  OrbitPlotData data{3.5, 3.9, {}};
  for (int hour = 0; hour <= 24; ++hour) {
    const bool day = hour > 6 && hour < 18;
    data.Points.push_back(
        {static_cast<double>(hour), 15.0 * hour, day ? -0.02 : 0.0, day ? 0.002 * (hour - 12) : 0.0, 0});
  }
  RecordingCanvas canvas(500, 500);
  DrawOrbit(canvas, data, MagnificationFactor(3), std::nullopt);
  std::vector<std::string> labels;
  for (const auto& text : canvas.Texts)
    if (text.Text.find_first_not_of("0123456789, ") == std::string::npos) labels.push_back(text.Text);
  std::sort(labels.begin(), labels.end());
  EXPECT_EQ(labels, (std::vector<std::string>{"0, 3, 6, 18, 21", "12", "15", "9"}));
}

TEST(OrbitPlot, ADayThatRepeatsLabelsMidnightOnceAndMagnificationScalesThePath) {
  OrbitPlotData data = HalfTurn();
  data.Points.back().TipX = data.Points.front().TipX;
  data.Points.back().TipY = data.Points.front().TipY;
  RecordingCanvas small(500, 500), large(500, 500);
  DrawOrbit(small, data, MagnificationFactor(3), std::nullopt);
  DrawOrbit(large, data, MagnificationFactor(4), std::nullopt);
  EXPECT_EQ(small.FindText("24"), nullptr);
  EXPECT_NE(small.FindText("0"), nullptr);
  const auto width = [](const RecordingCanvas& canvas) {
    double low = 1e9, high = -1e9;
    for (const DrawnLine& line : canvas.LinesIn(kResultRed)) {
      low = std::min({low, line.X1, line.X2});
      high = std::max({high, line.X1, line.X2});
    }
    return high - low;
  };
  EXPECT_NEAR(width(large), 10 * width(small), 10.0);  // ten times, to the nearest pixels
  EXPECT_GT(width(small), 10);
}

TEST(OrbitPlot, TheSunAtTheChosenHourAndTheHourUnderTheMouse) {
  const OrbitPlotData data = HalfTurn(3);
  const float factor = MagnificationFactor(3);
  const struct {
    std::size_t point;
    std::size_t hour;
    double dx, dy;  // the sun's direction on the picture: Y down the screen, as in the section plot
  } cases[] = {{0, 0, 1, 0}, {4, 12, 0, 1}, {8, 24, -1, 0}};
  for (const auto& c : cases) {
    RecordingCanvas canvas(400, 460);
    DrawOrbit(canvas, data, factor, c.point);
    const auto sun = canvas.LinesIn(kSunColor);
    ASSERT_EQ(sun.size(), 1u) << c.hour;
    const double length = std::hypot(sun[0].X2 - sun[0].X1, sun[0].Y2 - sun[0].Y1);
    EXPECT_NEAR((sun[0].X2 - sun[0].X1) / length, c.dx, 0.01) << c.hour;
    EXPECT_NEAR((sun[0].Y2 - sun[0].Y1) / length, c.dy, 0.01) << c.hour;
    const std::string text = "Sun at " + std::to_string(c.hour) + " h : " +
                             (c.hour == 0    ? "0"
                              : c.hour == 12 ? "90"
                                             : "180") +
                             " degrees";
    EXPECT_NE(canvas.FindText(text), nullptr) << text;

    // The ring drawn around the chosen hour's point is where the mouse finds it.
    const auto ring = std::find_if(canvas.Circles.begin(), canvas.Circles.end(), [](const auto& circle) {
      return !circle.Filled && circle.Color == kBlack && circle.Radius < 10;
    });
    ASSERT_NE(ring, canvas.Circles.end());
    EXPECT_EQ(OrbitPointAt(400, 460, data, factor, ring->X + 2, ring->Y - 1), c.point);
  }
  EXPECT_FALSE(OrbitPointAt(400, 460, data, factor, 5, 5));
}

TEST(OrbitPlot, OpensOnTheLargestMagnificationThatKeepsTheOrbitInThePicture) {
  // Room: 0.9 * 3.9 / 0.25 = 14.04 m drawn; the largest movement is 20 mm.
  const struct {
    double scale;  // of the half turn's movements
    int option;
  } cases[] = {{1, 2}, {0.8, 2}, {0.5, 3}, {1e-9, 8}, {0, 8}, {1e6, 0}};  // a still tip: any
  for (const auto& c : cases) {
    OrbitPlotData data = HalfTurn();
    for (OrbitPoint& point : data.Points) point.TipX *= c.scale, point.TipY *= c.scale;
    EXPECT_EQ(FittingMagnificationOption(data), c.option) << c.scale;
    if (c.option == 0) continue;
    RecordingCanvas canvas(300, 360);
    DrawOrbit(canvas, data, MagnificationFactor(c.option), std::nullopt);
    for (const DrawnLine& line : canvas.LinesIn(kResultRed)) {
      EXPECT_GE(std::min(line.X1, line.X2), 0) << c.scale;
      EXPECT_LE(std::max(line.X1, line.X2), 300) << c.scale;
      EXPECT_GE(std::min(line.Y1, line.Y2), 0) << c.scale;
      EXPECT_LE(std::max(line.Y1, line.Y2), 360) << c.scale;
    }
  }
  EXPECT_EQ(FittingMagnificationOption({3.5, 3.9, {}}), 0);
}

TEST(OrbitPlot, NothingToDrawLeavesTheFrameOrABlank) {
  RecordingCanvas canvas(400, 400);
  DrawOrbit(canvas, {3.5, 3.9, {}}, 1, std::nullopt);
  EXPECT_TRUE(canvas.LinesIn(kResultRed).empty());
  EXPECT_FALSE(canvas.Lines.empty());  // the axes
  DrawOrbit(canvas, {0, 0, HalfTurn().Points}, 1, 3);
  EXPECT_EQ(canvas.Clears, 2);
  EXPECT_TRUE(canvas.Lines.empty());
  EXPECT_TRUE(canvas.Texts.empty());
}

std::vector<TipSample> DailyHistory(int day, int month, int year, int days) {
  std::vector<TipSample> history;
  static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int n = 0; n < days; ++n) {
    const int length = lengths[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
    history.push_back({day, month, year, -0.001 * n / days - 0.002, 0.0005 * std::sin(n * 0.1), 0});
    if (++day > length) {
      day = 1;
      if (++month > 12) month = 1, ++year;
    }
  }
  return history;
}

TEST(TipHistoryPlot, TwoCurvesTicksByMonthOrYearAndThePlanPath) {
  const struct {
    int days;
    std::vector<std::string> someLabels;
  } cases[] = {
      {90, {"1/2001", "2/2001", "3/2001"}},      // 15/12/2000 to 14/3/2001: months
      {3 * 365 + 10, {"2001", "2002", "2003"}},  // three years: years
  };
  for (const auto& c : cases) {
    const std::vector<TipSample> history = DailyHistory(15, 12, 2000, c.days);
    RecordingCanvas canvas(600, 600);
    DrawTipHistory(canvas, history);
    const auto n = static_cast<std::size_t>(c.days);
    EXPECT_EQ(canvas.LinesIn(kTipYBlue).size(), n - 1) << c.days;
    EXPECT_EQ(canvas.LinesIn(kResultRed).size(), 2 * (n - 1)) << "tip X against time and the plan path";
    for (const std::string& label : c.someLabels) EXPECT_NE(canvas.FindText(label), nullptr) << label;
    EXPECT_EQ(canvas.FindText("12/2000"), nullptr) << "the first day is no month's first";
    EXPECT_EQ(canvas.FindText("2000"), nullptr) << "the first day is no year's first";
    EXPECT_NE(canvas.FindText("m"), nullptr);
    // Labels along the date axis never overlap.
    std::vector<testing::DrawnText> dates;
    for (const auto& text : canvas.Texts)
      if (text.Text.size() >= 4 && text.Text.find_first_not_of("0123456789/") == std::string::npos)
        dates.push_back(text);
    for (std::size_t k = 1; k < dates.size(); ++k)
      EXPECT_GE(dates[k].X, dates[k - 1].X + RecordingCanvas::kCharWidth * dates[k - 1].Text.size());
    // Tip X falls over the run: its last point lies below its first (y down).
    const auto red = canvas.LinesIn(kResultRed);
    EXPECT_GT(red[n - 2].Y2, red[0].Y1);
  }
  RecordingCanvas blank(300, 300);
  DrawTipHistory(blank, {});
  EXPECT_TRUE(blank.Lines.empty());
}

TEST(TipHistoryPlot, ScaleTicksAreRoundAndCoverTheRange) {
  const struct {
    double low, high;
    std::vector<double> ticks;
  } cases[] = {
      {0, 1, {0, 0.2, 0.4, 0.6, 0.8, 1}},
      {-0.003, 0.0005, {-0.003, -0.002, -0.001, 0, 0.001}},
      {0, 0.012, {0, 0.005, 0.01, 0.015}},
  };
  for (const auto& c : cases) {
    const std::vector<double> ticks = ScaleTicks(c.low, c.high);
    ASSERT_EQ(ticks.size(), c.ticks.size()) << c.high;
    for (std::size_t n = 0; n < ticks.size(); ++n) EXPECT_NEAR(ticks[n], c.ticks[n], 1e-15) << c.high;
  }
}

}  // namespace
}  // namespace kolvane

#include "core/plots/orbit_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/plots/profile_plot.h"
#include "core/support/recording_canvas.h"

namespace kolvane {
namespace {

// Half a turn over the day, away from the sun as it goes round from the
// East: the tip 10 mm from the axis at midnight and 20 mm at noon.
OrbitPlotData HalfTurn(int step = 1) {
  OrbitPlotData data{3.5, 3.9, {}};
  for (int hour = 0; hour <= 24; hour += step) {
    const double angle = kPi * hour / 24, radius = 0.01 * (1 + hour * (24 - hour) / 144.0);
    data.Points.push_back({1.0 * hour, 7.5 * hour, -radius * std::cos(angle), -radius * std::sin(angle), 0});
  }
  return data;
}

std::vector<std::string> HourLabels(const RecordingCanvas& canvas) {
  std::vector<std::string> labels;
  for (const auto& text : canvas.Texts)
    if (text.Text.find_first_not_of("0123456789, ") == std::string::npos) labels.push_back(text.Text);
  std::sort(labels.begin(), labels.end());
  return labels;
}

double PathWidth(const RecordingCanvas& canvas) {
  const auto red = canvas.LinesIn(kResultRed);
  const auto [low, high] = std::minmax_element(red.begin(), red.end(), [](auto& a, auto& b) { return a.X1 < b.X1; });
  return high->X1 - low->X1;
}

// A closed red path, every third hour marked and labelled (hour 24 only
// where it lies elsewhere than hour 0), the section's two faces, the largest
// movement written out; ten times the magnification, ten times the path.
TEST(OrbitPlot, ClosedPathWithEveryThirdHourLabelledAndMagnified) {
  OrbitPlotData repeating = HalfTurn();
  repeating.Points.back().TipX = repeating.Points.front().TipX;
  repeating.Points.back().TipY = repeating.Points.front().TipY;
  RecordingCanvas canvas(500, 500), repeated(500, 500), large(500, 500);
  DrawOrbit(canvas, HalfTurn(), MagnificationFactor(3), std::nullopt);
  DrawOrbit(repeated, repeating, MagnificationFactor(3), std::nullopt);
  DrawOrbit(large, HalfTurn(), MagnificationFactor(4), std::nullopt);
  ASSERT_EQ(canvas.LinesIn(kResultRed).size(), 24u);  // 24 steps, no line back to the start: the day is open
  EXPECT_NE(canvas.FindText("Tip x 1000, section to scale"), nullptr);
  EXPECT_NE(canvas.FindText("+X: East, +Y: South"), nullptr);
  EXPECT_EQ(HourLabels(canvas), (std::vector<std::string>{"0", "12", "15", "18", "21", "24", "3", "6", "9"}));
  EXPECT_EQ(std::count_if(canvas.Circles.begin(), canvas.Circles.end(), [](auto& c) { return c.Filled; }), 9);
  EXPECT_EQ(std::count_if(canvas.Circles.begin(), canvas.Circles.end(), [](auto& c) { return !c.Filled; }), 2);
  for (const auto& face : canvas.Circles)  // the section in the middle of the square picture
    if (!face.Filled) EXPECT_TRUE(face.X == 250 && face.Y == 250) << face.X << ", " << face.Y;
  EXPECT_NE(canvas.FindText("Largest tip movement : .02 m at 12 h"), nullptr);
  // X to the right, Y down the screen: midnight's tip at -X left of the last hour's, noon's at -Y above.
  EXPECT_TRUE(canvas.FindText("0")->X < canvas.FindText("24")->X && canvas.FindText("12")->Y < canvas.FindText("0")->Y);
  EXPECT_EQ(repeated.FindText("24"), nullptr);
  EXPECT_GT(PathWidth(canvas), 10);
  EXPECT_NEAR(PathWidth(large), 10 * PathWidth(canvas), 10.0);
}

// The bar under the plan view stands for a round length of tip movement at
// the magnification shown, at most half the half-width: 1E-05 m would be
// 115 px of the 90 px allowed here.
TEST(OrbitPlot, TheScaleBarSaysHowMuchTipMovementItsLengthStandsFor) {
  RecordingCanvas canvas(400, 460);
  DrawOrbit(canvas, HalfTurn(), MagnificationFactor(6), std::nullopt);
  const testing::DrawnText* text = canvas.FindText("Tip movement 5E-06 m");
  ASSERT_NE(text, nullptr);
  const auto bar = std::find_if(canvas.Lines.begin(), canvas.Lines.end(), [&](const testing::DrawnLine& line) {
    return line.X1 == text->X && line.Y1 == line.Y2 && line.Y1 > text->Y && line.Y1 < text->Y + 20;
  });
  ASSERT_NE(bar, canvas.Lines.end());
  EXPECT_EQ(bar->X2 - bar->X1, 58);  // 5E-06 m x 1E+06 x 11.54 px/m
}

TEST(OrbitPlot, HoursAtOnePointShareALabelAndTheOthersStandAtTheirOwn) {
  OrbitPlotData data{3.5, 3.9, {}};  // the tip stands still from 18 h to 6 h
  for (int hour = 0; hour <= 24; ++hour) {
    const bool day = hour > 6 && hour < 18;
    data.Points.push_back({1.0 * hour, 15.0 * hour, day ? -0.02 : 0.0, day ? 0.002 * (hour - 12) : 0.0, 0});
  }
  RecordingCanvas canvas(500, 500);
  DrawOrbit(canvas, data, MagnificationFactor(3), std::nullopt);
  EXPECT_EQ(HourLabels(canvas), (std::vector<std::string>{"0, 3, 6, 18, 21", "12", "15", "9"}));
  for (const char* hour : {"9", "12", "15"}) {
    const auto* label = canvas.FindText(hour);
    const double hourY = 250 + 0.002 * (std::stoi(hour) - 12) * 1000 * (0.25 * 200 / 3.9);  // 1000 x the tip, scaled
    EXPECT_LT(std::abs(label->Y + 6 - hourY), 12) << hour;
  }
}

// The sun's direction as in the section plot (Y down the screen), and the
// ring around the chosen hour where the mouse finds that hour.
TEST(OrbitPlot, TheSunAtTheChosenHourAndTheHourUnderTheMouse) {
  const OrbitPlotData data = HalfTurn(3);
  const float factor = MagnificationFactor(3);
  for (const auto& [point, dx, dy, text] :
       {std::tuple{0, 1, 0, "Sun at 0 h : 0 degrees"}, std::tuple{4, 0, 1, "Sun at 12 h : 90 degrees"},
        std::tuple{8, -1, 0, "Sun at 24 h : 180 degrees"}}) {
    RecordingCanvas canvas(400, 460);
    DrawOrbit(canvas, data, factor, point);
    const auto sun = canvas.LinesIn(kSunColor);
    ASSERT_EQ(sun.size(), 1u) << text;
    const double length = std::hypot(sun[0].X2 - sun[0].X1, sun[0].Y2 - sun[0].Y1);
    EXPECT_NEAR((sun[0].X2 - sun[0].X1) / length, dx, 0.01) << text;
    EXPECT_NEAR((sun[0].Y2 - sun[0].Y1) / length, dy, 0.01) << text;
    EXPECT_NE(canvas.FindText(text), nullptr) << text;
    const auto ring = std::find_if(canvas.Circles.begin(), canvas.Circles.end(),
                                   [](auto& c) { return !c.Filled && c.Color == kBlack && c.Radius < 10; });
    ASSERT_NE(ring, canvas.Circles.end());
    EXPECT_EQ(OrbitPointAt(400, 460, data, factor, ring->X + 2, ring->Y - 1), point);
  }
  EXPECT_FALSE(OrbitPointAt(400, 460, data, factor, 5, 5));
}

TEST(OrbitPlot, OpensOnTheLargestMagnificationThatKeepsTheOrbitInThePicture) {
  // Room: 0.9 * 3.9 / 0.25 = 14.04 m drawn; the largest movement is 20 mm.
  for (const auto& [scale, option] : {std::pair{1.0, 2}, {0.8, 2}, {0.5, 3}, {1e-9, 8}, {0.0, 8}, {1e6, 0}}) {
    OrbitPlotData data = HalfTurn();
    for (OrbitPoint& point : data.Points) {
      point.TipX *= scale;
      point.TipY *= scale;
    }
    EXPECT_EQ(FittingMagnificationOption(data), option) << scale;
  }
  EXPECT_EQ(FittingMagnificationOption({3.5, 3.9, {}}), 0);
  RecordingCanvas canvas(400, 400);
  DrawOrbit(canvas, {3.5, 3.9, {}}, 1, std::nullopt);
  EXPECT_TRUE(canvas.LinesIn(kResultRed).empty() && !canvas.Lines.empty()) << "no points: the frame alone";
  DrawOrbit(canvas, {0, 0, HalfTurn().Points}, 1, 3);
  EXPECT_TRUE(canvas.Empty()) << "no section: a blank, the frame drawn before cleared";
}

}  // namespace
}  // namespace kolvane

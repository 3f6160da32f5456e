#include "core/plots/diagram_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "diagram_test_support.h"
#include "recording_canvas.h"

namespace kolvane {
namespace {

using testing::DrawnLine;
using testing::DrawnText;
using testing::RecordingCanvas;

std::vector<std::string> BlackLabelsAt(const RecordingCanvas& canvas, bool onXAxis, int y0) {
  // X labels hang below the X axis; Y labels stand left of the Y axis.
  std::vector<std::string> labels;
  for (const DrawnText& text : canvas.Texts) {
    const bool quantity = text.Text.find('(') != std::string::npos;  // "Hour (h)": no tick label
    if (!(text.Color == kBlack) || text.Text == "X" || text.Text == "Y" || quantity) continue;
    if ((text.Y == y0 + 11) == onXAxis) labels.push_back(text.Text);
  }
  return labels;
}

int CountVertical(const std::vector<DrawnLine>& lines, double length) {
  int count = 0;
  for (const DrawnLine& l : lines)
    if (l.X1 == l.X2 && l.Y2 - l.Y1 == length) ++count;
  return count;
}

int CountHorizontal(const std::vector<DrawnLine>& lines, double length) {
  int count = 0;
  for (const DrawnLine& l : lines)
    if (l.Y1 == l.Y2 && l.X1 - l.X2 == length) ++count;
  return count;
}

struct KindAxes {
  DiagramKind kind;
  std::vector<std::string> xLabels;
  std::vector<std::string> yLabels;
  int xMinorTicks;
  int yMinorTicks;
  friend void PrintTo(const KindAxes& c, std::ostream* out) { *out << "kind " << c.kind; }
};

class DiagramPlotAxes : public ::testing::TestWithParam<KindAxes> {};

// The axes always span the kind's box: labelled ticks every major step, short
// ticks every minor step, a grid line at every labelled value but the axes.
TEST_P(DiagramPlotAxes, TicksLabelsAndGridFollowTheKindsSteps) {
  const KindAxes& c = GetParam();
  RecordingCanvas canvas(560, 420);
  DrawDiagram(canvas, MakeDiagram({}), c.kind, "title");
  const DiagramPlotFrame frame(c.kind, 560, 420);

  EXPECT_EQ(canvas.Clears, 1);
  EXPECT_EQ(BlackLabelsAt(canvas, true, frame.Y0()), c.xLabels);
  EXPECT_EQ(BlackLabelsAt(canvas, false, frame.Y0()), c.yLabels);

  const std::vector<DrawnLine> black = canvas.LinesIn(kBlack);
  const int xMajor = static_cast<int>(c.xLabels.size());
  const int yMajor = static_cast<int>(c.yLabels.size());
  EXPECT_EQ(CountVertical(black, 3), c.xMinorTicks);
  EXPECT_EQ(CountVertical(black, 6), xMajor);
  EXPECT_EQ(CountHorizontal(black, 3), c.yMinorTicks);
  EXPECT_EQ(CountHorizontal(black, 6), yMajor);
  EXPECT_EQ(black.size(), 6u + c.xMinorTicks + xMajor + c.yMinorTicks + yMajor);  // 2 axes, 4 arrow strokes

  const std::vector<DrawnLine> grid = canvas.LinesIn(kGridGrey);
  EXPECT_EQ(grid.size(), static_cast<std::size_t>(xMajor - 1 + yMajor - 1));
  for (const DrawnLine& line : grid) {
    const bool horizontal = line.Y1 == line.Y2;
    EXPECT_EQ(horizontal ? line.X2 : line.Y2, horizontal ? frame.XE() : frame.YE());
  }
  EXPECT_TRUE(canvas.LinesIn(kResultRed).empty());  // an empty diagram draws no curve
}

INSTANTIATE_TEST_SUITE_P(Kinds, DiagramPlotAxes,
                         ::testing::Values(KindAxes{kSunPosition,
                                                    {"0", "4", "8", "12", "16", "20", "24"},
                                                    {"0", "30", "60", "90", "120", "150", "180"},
                                                    13,
                                                    19},
                                           KindAxes{kAmbientTemperature,
                                                    {"0", "4", "8", "12", "16", "20", "24"},
                                                    {"-10", "0", "10", "20", "30", "40", "50", "60"},
                                                    13,
                                                    15},
                                           KindAxes{kExternalTemperatureVariation,
                                                    {"0", "30", "60", "90", "120", "150", "180"},
                                                    {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"},
                                                    19,
                                                    21},
                                           // The Y box ends at 4.0001E-06 and the ticks are counted in single
                                           // precision: 4E-06 is the last labelled tick, and nine short ones fall
                                           // every 5E-07.
                                           KindAxes{kNormalisedCreep,
                                                    {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"},
                                                    {"0", "1E-06", "2E-06", "3E-06", "4E-06"},
                                                    21,
                                                    9},
                                           KindAxes{kNormalisedTemperature,
                                                    {"0", "10", "20", "30", "40", "50", "60", "70", "80"},
                                                    {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"},
                                                    17,
                                                    21}));

// Worked by hand for a 560 x 420 picture and kind 1 (0..24 h, 0..180 degrees):
// Sx = 560 / (1.4 * 24) = 16.667 px/h, Sy = 420 / (1.4 * 180) = 1.6667 px/deg;
// X0 = 0.2 * 24 * Sx = 80, Y0 = 1.2 * 180 * Sy = 360; the data area ends at
// 80 + 24 Sx = 480 and 360 - 180 Sy = 60, the axes 18 px further: 498 and 42.
TEST(DiagramPlot, PlacesFrameLabelsCurveAndTitleOnTheScale) {
  RecordingCanvas canvas(560, 420);
  DrawDiagram(canvas, MakeDiagram({{0, 0}, {12, 90}, {24, 0}}), kSunPosition, DiagramPlotTitle(kSunPosition, "June"));
  const DiagramPlotFrame frame(kSunPosition, 560, 420);
  EXPECT_EQ(frame.X0(), 80);
  EXPECT_EQ(frame.Y0(), 360);
  EXPECT_EQ(frame.XE(), 498);
  EXPECT_EQ(frame.YE(), 42);

  struct Where {
    const char* text;
    double x, y;
  };
  // Labels are 6 px a character, 12 px high: X labels centred under their
  // tick 11 px below the axis, Y labels ending 11 px left of the axis and
  // centred on their tick.
  for (const Where& w : {Where{"12", 280 - 6, 371}, Where{"24", 480 - 6, 371}, Where{"90", 80 - 12 - 11, 210 - 6},
                         Where{"180", 80 - 18 - 11, 60 - 6}, Where{"X", 498 - 3, 371}, Where{"Y", 80 - 6 - 11, 42 - 6},
                         Where{"Sun position diagram : June.dg1", 280 - 93, 11},
                         // the quantities: centred under the X labels 4 px lower, right of the Y axis's tip
                         Where{"Hour (h)", 280 - 24, 371 + 12 + 4}, Where{"Sun position (degrees)", 80 + 11, 42 - 6}}) {
    const DrawnText* drawn = canvas.FindText(w.text);
    ASSERT_NE(drawn, nullptr) << w.text;
    EXPECT_NEAR(drawn->X, w.x, 1e-3) << w.text;
    EXPECT_NEAR(drawn->Y, w.y, 1e-3) << w.text;
  }
  EXPECT_EQ(canvas.FindText("Sun position diagram : June.dg1")->Color, kResultRed);

  const std::vector<DrawnLine> curve = canvas.LinesIn(kResultRed);
  ASSERT_EQ(curve.size(), 2u);
  EXPECT_EQ((std::vector<double>{curve[0].X1, curve[0].Y1, curve[0].X2, curve[0].Y2}),
            (std::vector<double>{80, 360, 280, 210}));
  EXPECT_EQ((std::vector<double>{curve[1].X1, curve[1].Y1, curve[1].X2, curve[1].Y2}),
            (std::vector<double>{280, 210, 480, 360}));

  // The grid line at 90 degrees runs through the curve's peak, from the Y axis to the X axis's tip.
  bool gridAt90 = false;
  for (const DrawnLine& line : canvas.LinesIn(kGridGrey))
    gridAt90 |= std::abs(line.Y1 - 210) < 1e-3 && line.Y2 == line.Y1 && line.X1 == 80 && line.X2 == 498;
  EXPECT_TRUE(gridAt90);
}

TEST(DiagramPlot, ScalesToThePictureAndDrawsOutlyingPointsWhereTheyFall) {
  // Twice the picture: every distance doubles but the fixed 18 px overrun.
  RecordingCanvas canvas(1120, 840);
  DrawDiagram(canvas, MakeDiagram({{-6, 0}, {12, 90}, {24, 200}}), kSunPosition, "t");
  const DiagramPlotFrame frame(kSunPosition, 1120, 840);
  EXPECT_EQ(frame.X0(), 160);
  EXPECT_EQ(frame.Y0(), 720);
  EXPECT_EQ(frame.XE(), 160 + 800 + 18);
  EXPECT_EQ(frame.YE(), 720 - 600 - 18);
  EXPECT_NEAR(canvas.FindText("12")->X, 560 - 6, 1e-3);

  const std::vector<DrawnLine> curve = canvas.LinesIn(kResultRed);
  ASSERT_EQ(curve.size(), 2u);
  EXPECT_EQ(curve[0].X1, 160 - 200);  // 6 h left of the Y axis at 33.3 px/h
  EXPECT_EQ(curve[1].Y2, 720 - 667);  // 200 degrees at 3.333 px/deg, rounded, above the 180 line
}

TEST(DiagramPlot, NegativeValuesOfTheTemperatureKindsSitAboveTheAxis) {
  // Kind 2 spans -10..60: the X axis carries -10, and 0 lies 10 Sy higher.
  RecordingCanvas canvas(560, 420);
  DrawDiagram(canvas, MakeDiagram({{0, -10}, {24, 0}}), kAmbientTemperature, "t");
  const std::vector<DrawnLine> curve = canvas.LinesIn(kResultRed);
  ASSERT_EQ(curve.size(), 1u);
  EXPECT_EQ(curve[0].Y1, 360);
  EXPECT_EQ(curve[0].Y2, 317);  // 360 - 10 * 420 / 98 = 317.1
}

TEST(DiagramPlot, OnePointDrawsNoCurve) {
  RecordingCanvas canvas(560, 420);
  DrawDiagram(canvas, MakeDiagram({{12, 90}}), kSunPosition, "t");
  EXPECT_TRUE(canvas.LinesIn(kResultRed).empty());
}

TEST(DiagramPlot, ATitleWiderThanThePictureStartsAtItsLeftEdge) {
  RecordingCanvas canvas(300, 300);
  const std::string title = DiagramPlotTitle(kExternalTemperatureVariation, std::string(40, 'n'));  // 85 characters
  DrawDiagram(canvas, MakeDiagram({}), kExternalTemperatureVariation, title);
  EXPECT_EQ(canvas.FindText(title)->X, 0);
}

TEST(DiagramPlot, TitleNamesKindNameAndExtension) {
  EXPECT_EQ(DiagramPlotTitle(kSunPosition, "June"), "Sun position diagram : June.dg1");
  EXPECT_EQ(DiagramPlotTitle(kNormalisedCreep, "C 30"), "Normalised creep (t*) diagram : C 30.dg6");
}

TEST(DiagramPlot, LabelsBothAxesWithTheKindsQuantities) {
  struct Labels {
    DiagramKind kind;
    const char* x;
    const char* y;
  };
  for (const Labels& k : {Labels{kAmbientTemperature, "Hour (h)", "Temperature (\u00b0C)"},
                          Labels{kExternalTemperatureVariation, "Angle to sun (degrees)", "Variation (%)"},
                          Labels{kNormalisedCreep, "Time (years)", "Normalised creep t* (-)"},
                          Labels{kNormalisedTemperature, "Temperature (\u00b0C)", "Factor Phi (-)"}}) {
    RecordingCanvas canvas(560, 420);
    DrawDiagram(canvas, MakeDiagram({{0, 0}, {10, 1}}), k.kind, "title");
    const DiagramPlotFrame frame(k.kind, 560, 420);
    const DrawnText* x = canvas.FindText(k.x);
    const DrawnText* y = canvas.FindText(k.y);
    ASSERT_TRUE(x && y) << k.kind;
    EXPECT_GT(x->Y, frame.Y0() + 11) << "below the X axis's tick labels";
    EXPECT_LT(x->Y + 12, canvas.Height()) << "inside the picture";
    EXPECT_GT(y->X, frame.X0()) << "right of the Y axis";
    EXPECT_LT(y->Y, frame.Y0()) << "at the Y axis's tip";
    EXPECT_TRUE(x->Color == kBlack && y->Color == kBlack);
  }
}

TEST(DiagramRangeText, ShowsEachKindsBox) {
  EXPECT_EQ(DiagramRangeText(kSunPosition), "X 0 to 24, Y 0 to 180");
  EXPECT_EQ(DiagramRangeText(kAmbientTemperature), "X 0 to 24, Y -10 to 60");
  EXPECT_EQ(DiagramRangeText(kSurfaceTemperature), "X 0 to 24, Y -10 to 60");
  EXPECT_EQ(DiagramRangeText(kNormalisedCreep), "X 0 to 100, Y 0 to 4.0001E-06");
}

}  // namespace
}  // namespace kolvane

#include "core/plots/diagram_plot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/plots/plot_text.h"
#include "core/support/diagram_test_support.h"
#include "core/support/recording_canvas.h"

namespace kolvane {
namespace {

// The data area is the middle 1 / 1.4 of the picture each way, the values
// upwards; the axes run 18 px past it.
TEST(DiagramPlot, TheDataAreaIsTheKindsBoxScaledIntoThePicture) {
  for (const DiagramKind kind : {kSunPosition, kAmbientTemperature, kNormalisedCreep})
    for (const auto& [w, h] : {std::pair{560, 420}, std::pair{301, 700}}) {
      const DiagramKindRow& row = DiagramKindTable(kind);
      const DiagramPlotFrame f(kind, w, h);
      EXPECT_NEAR(f.X0(), w / 7.0, 0.5) << kind;
      EXPECT_NEAR(f.PixelX(row.XMax), 6 * w / 7.0, 0.5) << kind;
      EXPECT_NEAR(f.Y0(), 6 * h / 7.0, 0.5) << kind;
      EXPECT_NEAR(f.PixelY(row.YMax), h / 7.0, 0.5) << kind;
      EXPECT_EQ(f.XE(), NearestPixel(f.PixelX(row.XMax) + 18));
      EXPECT_EQ(f.YE(), NearestPixel(f.PixelY(row.YMax) - 18));
    }
}

// Labelled ticks every major step, each label centred on its tick; short
// ticks every minor step; a grid line at every labelled value but the axes.
TEST(DiagramPlot, TicksLabelsAndGridFollowTheKindsSteps) {
  const std::vector<std::string> hours{"0", "4", "8", "12", "16", "20", "24"};
  const struct {
    DiagramKind Kind;
    std::vector<std::string> XLabels, YLabels;
    int MinorTicks;
  } table[] = {{kSunPosition, hours, {"0", "30", "60", "90", "120", "150", "180"}, 13 + 19},
               {kAmbientTemperature, hours, {"-10", "0", "10", "20", "30", "40", "50", "60"}, 13 + 15},
               // The box ends at 4.0001E-06, ticks counted in single precision: 4E-06 is the last.
               {kNormalisedCreep,
                {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"},
                {"0", "1E-06", "2E-06", "3E-06", "4E-06"},
                21 + 9}};
  for (const auto& c : table) {
    RecordingCanvas canvas(560, 420);
    DrawDiagram(canvas, MakeDiagram({}), c.Kind, "title");
    const DiagramPlotFrame f(c.Kind, 560, 420);
    const DiagramKindRow& row = DiagramKindTable(c.Kind);
    std::vector<std::string> xs, ys;
    for (const DrawnText& t : canvas.Texts) {
      if (t.Text == "X" || t.Text == "Y" || t.Text == row.XQuantity || t.Text == row.YQuantity || t.Text == "title")
        continue;
      const bool onX = t.Y == f.Y0() + 11;
      (onX ? xs : ys).push_back(t.Text);
      if (onX) EXPECT_NEAR(t.X + canvas.TextWidth(t.Text) / 2, f.PixelX(std::stod(t.Text)), 1e-3) << t.Text;
      if (!onX) EXPECT_NEAR(t.Y + 6, f.PixelY(std::stod(t.Text)), 1e-3) << t.Text;
      if (!onX) EXPECT_EQ(t.X + 6 * t.Text.size() + 11, f.X0()) << t.Text;
    }
    EXPECT_EQ(xs, c.XLabels) << c.Kind;
    EXPECT_EQ(ys, c.YLabels) << c.Kind;
    int minor = 0, major = 0;
    for (const DrawnLine& l : canvas.LinesIn(kBlack)) {
      const double length = l.X1 == l.X2 ? l.Y2 - l.Y1 : l.Y1 == l.Y2 ? l.X1 - l.X2 : 0;  // down, or to the left
      minor += length == 3;
      major += length == 6;
    }
    EXPECT_EQ(minor, c.MinorTicks) << c.Kind;
    EXPECT_EQ(major, static_cast<int>(xs.size() + ys.size())) << c.Kind;
    const std::vector<DrawnLine> grid = canvas.LinesIn(kGridGrey);
    EXPECT_EQ(grid.size(), xs.size() - 1 + ys.size() - 1);
    for (const DrawnLine& l : grid) EXPECT_EQ(l.Y1 == l.Y2 ? l.X2 : l.Y2, l.Y1 == l.Y2 ? f.XE() : f.YE());
    EXPECT_EQ(canvas.FindText(row.XQuantity)->Y, f.Y0() + 11 + 12 + 4) << "under the X labels";
    EXPECT_NEAR(canvas.FindText(row.XQuantity)->X + canvas.TextWidth(row.XQuantity) / 2,
                (f.X0() + f.PixelX(row.XMax)) / 2, 1)
        << "centred under the X axis";
    EXPECT_EQ(canvas.FindText(row.YQuantity)->X, f.X0() + 11) << "right of the Y axis";
  }
}

// The curve joins the points where the frame puts them, rounded to whole
// pixels, points outside the box included; the title above shares its red.
TEST(DiagramPlot, TheCurvePassesThroughEveryPointOnTheScale) {
  const struct {
    DiagramKind Kind;
    int W, H;
    kolvane::Diagram Diagram;
  } cases[] = {{kSunPosition, 560, 420, MakeDiagram({{0, 0}, {12, 90}, {24, 0}})},
               {kSunPosition, 1120, 840, MakeDiagram({{-6, 0}, {12, 90}, {24, 200}})},
               {kSunPosition, 560, 420, MakeDiagram({{12, 90}})}};  // one point: no curve
  for (const auto& c : cases) {
    RecordingCanvas canvas(c.W, c.H);
    DrawDiagram(canvas, c.Diagram, c.Kind, DiagramPlotTitle(c.Kind, "June"));
    const DiagramPlotFrame f(c.Kind, c.W, c.H);
    const std::vector<DrawnLine> curve = canvas.LinesIn(kResultRed);
    ASSERT_EQ(curve.size(), c.Diagram.Points.size() - 1);
    for (std::size_t n = 0; n < curve.size(); ++n) {
      const DiagramPoint& a = c.Diagram.Points[n];
      const DiagramPoint& b = c.Diagram.Points[n + 1];
      EXPECT_EQ(curve[n].Ends(),
                (std::vector<double>{1.0 * NearestPixel(f.PixelX(a.X)), 1.0 * NearestPixel(f.PixelY(a.Y)),
                                     1.0 * NearestPixel(f.PixelX(b.X)), 1.0 * NearestPixel(f.PixelY(b.Y))}))
          << c.Kind << " segment " << n;
    }
    const DrawnText* title = canvas.FindText(DiagramPlotTitle(c.Kind, "June"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Color, kResultRed);
    EXPECT_EQ(std::vector<double>({title->X, title->Y}),
              std::vector<double>({c.W / 2.0 - 3.0 * title->Text.size(), 11}));
  }
  EXPECT_EQ(DiagramPlotTitle(kNormalisedCreep, "C 30"), "Normalised creep (t*) diagram : C 30.dg6");
  RecordingCanvas narrow(300, 300);
  const std::string title = DiagramPlotTitle(kExternalTemperatureVariation, std::string(40, 'n'));
  DrawDiagram(narrow, MakeDiagram({}), kExternalTemperatureVariation, title);
  EXPECT_EQ(narrow.FindText(title)->X, 0) << "a title wider than the picture starts at its left edge";
}

TEST(DiagramPlot, RangeTextShowsTheKindsBox) {
  EXPECT_EQ(DiagramRangeText(kAmbientTemperature), "X 0 to 24, Y -10 to 60");
  // The editor's box tips: each axis's quantity, unit and range.
  EXPECT_EQ(DiagramXTip(kAmbientTemperature), "Hour (h): 0 to 24");
  EXPECT_EQ(DiagramYTip(kAmbientTemperature), "Temperature (\u00b0C): -10 to 60");
}

}  // namespace
}  // namespace kolvane

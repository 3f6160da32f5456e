#include "core/plots/section_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/engine/stages.h"
#include "core/support/engine_test_support.h"
#include "core/support/recording_canvas.h"

namespace kolvane {
namespace {

using testing::DrawnCircle;
using testing::In;

// A 600 x 448 picture takes its scale from its height: 448 / (1.12 * 2 * 2 m)
// = 100 px/m, the centre at (300, 224). Two rings between 1 m and 2 m, four
// sectors: block centroids at 1.25 m and 1.75 m on the diagonals.
constexpr double kX0 = 300, kY0 = 224;

SectionGrid TwoRingsFourSectors() {
  SectionGrid grid = testing::ChimneyGrid(2, 4, 10, 1, 2);
  CalculateGeometry(grid);
  return grid;
}

RecordingCanvas Drawn(const SectionGrid& grid, std::optional<int> result, int width = 600, int height = 448) {
  RecordingCanvas canvas(width, height);
  DrawSection(canvas, grid, result);
  return canvas;
}

// The red value texts without the title, in the order drawn.
std::vector<std::string> ValuesWritten(const RecordingCanvas& canvas) {
  std::vector<std::string> values;
  for (const DrawnText& text : In(canvas.Texts, kResultRed))
    if (text.Text.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos) values.push_back(text.Text);
  return values;
}

// The rings to the scale of the picture's smaller side, X to the right and Y
// down the screen, the sector boundaries from the inner face to the outer.
TEST(SectionPlot, OpensOnAxesRingsAndBoundariesToTheSmallerSidesScale) {
  for (const auto& [w, h, scale] : {std::tuple{600, 448, 100.0}, std::tuple{897, 701, 156.473}}) {
    const RecordingCanvas canvas = Drawn(TwoRingsFourSectors(), std::nullopt, w, h);
    const int halfW = w / 2, halfH = h / 2;
    const double x0 = halfW, y0 = halfH, tip = std::nearbyint(2 * scale + 18);  // odd sides: the lower half pixel
    ASSERT_EQ(canvas.Circles.size(), 3u);
    for (std::size_t r = 0; r < 3; ++r) {
      EXPECT_TRUE(canvas.Circles[r].X == x0 && canvas.Circles[r].Y == y0 && !canvas.Circles[r].Filled);
      EXPECT_NEAR(canvas.Circles[r].Radius, (1 + 0.5 * static_cast<double>(r)) * scale, 1e-3) << w;
    }
    const std::vector<DrawnLine> black = canvas.LinesIn(kBlack);
    ASSERT_EQ(black.size(), 10u);  // two axes with two arrow strokes each, four boundaries
    EXPECT_EQ(black[0].Ends(), (std::vector<double>{x0, y0, x0 + tip, y0}));
    EXPECT_EQ(black[3].Ends(), (std::vector<double>{x0, y0, x0, y0 + tip}));
    EXPECT_TRUE(black[1].X1 == x0 + tip && black[1].X2 < x0 + tip && black[4].Y1 == y0 + tip && black[4].Y2 < y0 + tip);
    for (int a = 1; a <= 4; ++a) {  // at 90, 180, 270 and 360 degrees
      const double cs = std::cos(a * kPi / 2), sn = std::sin(a * kPi / 2);
      EXPECT_EQ(black[static_cast<std::size_t>(5 + a)].Ends(),
                (std::vector<double>{std::nearbyint(x0 + scale * cs), std::nearbyint(y0 + scale * sn),
                                     std::nearbyint(x0 + 2 * scale * cs), std::nearbyint(y0 + 2 * scale * sn)}));
    }
    EXPECT_EQ(canvas.Texts.size(), 4u);  // the axis labels and the directions
  }
}

// Block values rounded to three decimals on every block point; face
// variations in whole numbers 9 px outside the outer face or inside the inner
// one, after the sun line from the centre.
TEST(SectionPlot, ResultsWriteRoundedValuesOnTheirBlocksAndFaces) {
  SectionGrid grid = TwoRingsFourSectors();
  grid.BlockArea = {0.5, 1.23456};
  grid.AngleToSun = {0, kPi / 2, kPi, -kPi / 4};
  grid.ExtVariation = grid.IntVariation = {37.5, 12.4, 12.5, -2.5};
  grid.BlockTemp = {21.0004, 30.25, -4.0626, 0, 18, 19, 20, 21};  // per block, ring fastest
  grid.FreeStrain = {0.00012, -0.0000123456, 0, 0, 0, 0, 0, 0.00012};
  grid.SunPosition = 90;  // straight down the screen
  const std::vector<std::string> faces{"38", "12", "13", "-3"};
  const std::vector<std::string> table[] = {// by result; ring 1 sectors 1..4, then ring 2
                                            {},
                                            {".884", "-.884", "-.884", ".884", "1.237", "-1.237", "-1.237", "1.237"},
                                            // The Y axis points down the screen: sectors 1 and 2 lie below the centre.
                                            {".884", ".884", "-.884", "-.884", "1.237", "1.237", "-1.237", "-1.237"},
                                            {"45", "135", "225", "315", "45", "135", "225", "315"},
                                            {".5", ".5", ".5", ".5", "1.235", "1.235", "1.235", "1.235"},
                                            {"0", "90", "180", "-45", "0", "90", "180", "-45"},
                                            faces,
                                            faces,
                                            {"21", "-4.063", "18", "20", "30.25", "0", "19", "21"},
                                            {"120", "0", "0", "0", "-12.346", "0", "0", "120"}};
  for (int result = 1; result < 10; ++result) EXPECT_EQ(ValuesWritten(Drawn(grid, result)), table[result]) << result;
  for (const auto& [result, distance] : {std::pair{6, 200.0 + 9}, std::pair{7, 100.0 - 9}}) {
    const RecordingCanvas canvas = Drawn(grid, result);
    EXPECT_NEAR(canvas.FindText("38")->X, kX0 + distance * std::cos(kPi / 4) - 6, 1e-9) << result;
    EXPECT_NEAR(canvas.FindText("38")->Y, kY0 + distance * std::sin(kPi / 4) - 6, 1e-9) << result;
    EXPECT_EQ(canvas.LinesIn(kResultRed).front().Ends(), (std::vector<double>{300, 224, 300, 424}));
  }
  // Block values centred on the block points, where the centroids' marks are.
  const std::vector<DrawnCircle> marks = In(Drawn(grid, 0).Circles, kResultRed);
  const std::vector<DrawnText> values = In(Drawn(grid, 1).Texts, kResultRed);
  ASSERT_TRUE(marks.size() == 8u && values.size() == 9u);
  for (std::size_t n = 0; n < 8; ++n) {
    const double radius = (n < 4 ? 125 : 175), angle = (static_cast<double>(n % 4) + 0.5) * kPi / 2;
    EXPECT_NEAR(marks[n].X, kX0 + radius * std::cos(angle), 1e-9) << n;
    EXPECT_NEAR(marks[n].Y, kY0 + radius * std::sin(angle), 1e-9) << n;
    EXPECT_NEAR(values[n].X, marks[n].X - 3.0 * values[n].Text.size(), 1e-9) << n;
    EXPECT_NEAR(values[n].Y, marks[n].Y - 6, 1e-9) << n;  // the title comes last, on white
  }
}

// A value is written where its text fits its block, seen along the block's
// mid-line and across it; a finer grid shows its values as colour, with a
// key, and draws only its faces, not boundaries closer than 3 px.
TEST(SectionPlot, WritesValuesWhereTheyFitAndColoursTheRest) {
  const struct {
    double Width, Height, Ring, Arc, Angle;
    bool Fits;
  } cases[] = {{30, 12, 12.5, 30.5, kPi / 2, true}, {30, 12, 11.9, 30.5, kPi / 2, false},  // below the centre
               {30, 12, 30, 12, 0, true},           {30, 12, 29, 12, 0, false},            // beside it
               {30, 12, 29.6, 30, kPi / 4, false},  {30, 12, 30, 29.6, 3 * kPi / 4, false},
               {30, 12, 29.7, 29.7, kPi / 4, true}};  // on a diagonal both sides need 42 / sqrt(2)
  for (const auto& c : cases)
    EXPECT_EQ(ValueFitsBlock(c.Width, c.Height, c.Ring, c.Arc, c.Angle), c.Fits) << c.Ring << " " << c.Angle;
  EXPECT_EQ(ValueColor(5, 5, 15), (RgbColor{0, 64, 255}));
  EXPECT_EQ(ValueColor(15, 5, 15), (RgbColor{255, 64, 0}));
  EXPECT_EQ(ValueColor(7, 7, 7), (RgbColor{128, 64, 128}));

  SectionGrid fine = testing::ChimneyGrid(100, 720, 10, 1, 2);  // 1 px rings, 1.7 px sectors at the outer face
  CalculateGeometry(fine);
  const RecordingCanvas canvas = Drawn(fine, 1);  // the X coordinates
  EXPECT_TRUE(ValuesWritten(canvas).empty());
  EXPECT_EQ(canvas.Circles.size(), 2u);  // the faces
  EXPECT_TRUE(canvas.LinesIn(kBlack).size() == 6u) << "the axes and their arrowheads only";
  const DrawnText* key = canvas.FindText("Colour: -1.995 (blue) to 1.995 (red)");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(std::vector<double>({key->X + 6.0 * key->Text.size(), key->Y}),
            std::vector<double>({600 - 6, 448 - 6 - 12}));
  // Every pixel of the wall, about pi * (200^2 - 100^2), coloured by the block beneath: East red, West blue.
  const std::size_t keyPixels = std::size_t{120} * 6;
  const auto coloured =
      std::count_if(canvas.Pixels.begin(), canvas.Pixels.end(), [](auto& p) { return p.Color != kWhite; });
  EXPECT_NEAR(static_cast<double>(coloured) - keyPixels, kPi * 30000, 400);  // the title's white backing aside
  for (const auto& pixel : canvas.Pixels) {
    if (pixel.Y == kY0 && pixel.X > kX0 + 150 && pixel.X < kX0 + 200) EXPECT_GT(pixel.Color.Red, 200);
    if (pixel.Y == kY0 && pixel.X < kX0 - 150 && pixel.X > kX0 - 200) EXPECT_LT(pixel.Color.Red, 55);
  }
}

// A canvas that holds only part of the picture gets only that part drawn, with
// the title at its top and the directions at its bottom left.
TEST(SectionPlot, DrawsOnlyThePartShown) {
  SectionGrid grid = TwoRingsFourSectors();
  grid.BlockTemp = {21, 22, 23, 24, 25, 26, 27, 28};
  RecordingCanvas canvas(600, 448);
  canvas.SetVisible({310, 234, 190, 190});  // the bottom right quarter of the section: sector 1
  DrawSection(canvas, grid, 8);
  EXPECT_EQ(ValuesWritten(canvas), (std::vector<std::string>{"21", "22"}));
  EXPECT_NE(canvas.FindText("Block Temperatures (\u00b0C) at 0 h"), nullptr);
  for (const DrawnText& text : canvas.Texts) EXPECT_NE(text.Text.rfind("Diagrams", 0), 0u) << "none read, none named";
  // The run's diagrams, kind by kind, on a second line under the title.
  for (const DiagramKind kind : {2, 1, 3, 5, 4})
    grid.DiagramsRead.push_back({kind, "d" + std::to_string(kind), "", {}});
  DrawSection(canvas, grid, 8);
  const DrawnText* diagrams = canvas.FindText("Diagrams: d1, d2, d3, d4, d5");
  ASSERT_NE(diagrams, nullptr);
  EXPECT_EQ(std::vector<double>({diagrams->X, diagrams->Y}), std::vector<double>({310 + 95 - 3.0 * 28, 234 + 6 + 14}));
  const auto backing = std::count_if(canvas.Pixels.begin(), canvas.Pixels.end(), [&](auto& p) {
    return p.Color == kWhite && p.Y == diagrams->Y && p.X >= diagrams->X && p.X < diagrams->X + 6 * 28;
  });
  EXPECT_EQ(backing, 6 * 28) << "no ring or face crosses the title: it stands on white";
  const DrawnText* down = canvas.FindText(SectionDirectionLines()[1]);  // the second line, bottom left
  EXPECT_EQ(std::vector<double>({down->X, down->Y}), std::vector<double>({310 + 6, 234 + 190 - 6 - 14}));
  EXPECT_EQ(canvas.LinesIn(kBlack).size(), 6u) << "the axes; no sector boundary crosses the part";
}

// The faces move by the tip's deflection at the section's scale, rounded to
// whole pixels; the deflection is written above, the sun line starts there.
TEST(SectionPlot, DeflectedTipMovesTheFacesAndWritesTheDeflection) {
  SectionGrid grid = TwoRingsFourSectors();
  grid.TipX = -0.5;
  grid.TipY = 0.2534;
  grid.SunPosition = 180;
  const RecordingCanvas canvas = Drawn(grid, 10);
  const std::vector<DrawnCircle> red = In(canvas.Circles, kResultRed);
  ASSERT_EQ(red.size(), 2u);
  EXPECT_EQ(std::vector<double>({red[0].X, red[0].Y, red[1].X, red[1].Y}), std::vector<double>({250, 249, 250, 249}));
  EXPECT_NEAR(red[1].Radius, 200, 1e-9);
  const DrawnText* label = canvas.FindText("X = -.5 m, Y = .253 m");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(std::vector<double>({label->X, label->Y}), std::vector<double>({250 - 3.0 * label->Text.size(), 249 - 24}));
  EXPECT_EQ(canvas.LinesIn(kResultRed).back().Ends(), (std::vector<double>{250, 249, 50, 249}));  // the sun in the West
  // The sun named beyond the line's end; the title gives the hour and the scale (100 px/m).
  const DrawnText* sun = canvas.FindText("Sun 180\u00b0");
  ASSERT_NE(sun, nullptr);
  EXPECT_LT(sun->X + 6.0 * sun->Text.size(), 50);
  grid.Hour = 14.5;
  EXPECT_NE(Drawn(grid, 10).FindText("Deflected Tip Position at 14.5 h, true scale: 1 px = 10 mm"), nullptr);
}

// The window may open before any run, or after a run with other counts: what
// is missing stays undrawn, and nothing is read beyond an array's end.
TEST(SectionPlot, MissingResultsLeaveTheirMarksUndrawn) {
  SectionGrid shortArrays = TwoRingsFourSectors();
  shortArrays.Centroid.pop_back();  // block (2, 4)
  shortArrays.SectorAngle.resize(2);
  shortArrays.ExtVariation = {50};
  EXPECT_EQ(ValuesWritten(Drawn(shortArrays, 1)).size(), 7u);  // every placed centroid
  EXPECT_EQ(ValuesWritten(Drawn(shortArrays, 3)).size(), 4u);  // sectors 1 and 2 in both rings
  EXPECT_EQ(ValuesWritten(Drawn(shortArrays, 6)), std::vector<std::string>{"50"});
  for (int result : {-1, 0, 10, 11}) EXPECT_TRUE(Drawn(SectionGrid{}, result).Empty()) << "no outer radius";
  EXPECT_TRUE(Drawn(testing::ChimneyGrid(0, 4, 10, 1, 2), 0).Circles.empty()) << "no rings";
  EXPECT_TRUE(In(Drawn(TwoRingsFourSectors(), 11).Texts, kResultRed).empty()) << "no such result";
}

}  // namespace
}  // namespace kolvane

#include "core/plots/section_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/engine/stages.h"
#include "engine_test_support.h"
#include "recording_canvas.h"

namespace kolvane {
namespace {

using testing::ChimneyGrid;
using testing::DrawnCircle;
using testing::DrawnLine;
using testing::DrawnText;
using testing::RecordingCanvas;

// Worked by hand: a 600 x 448 picture is wider than high, so the scale comes
// from its height: 448 / (1.12 * 2 * 2 m) = 100 px/m. The centre is (300, 224),
// the axes end 200 + 18 px further: x 518 and y 442. Two rings between 1 m and
// 2 m, four sectors, so the block centroids lie at 1.25 m and 1.75 m on the
// diagonals (45, 135, 225 and 315 degrees, turning clockwise on the screen).
constexpr int kWidth = 600;
constexpr int kHeight = 448;
constexpr double kX0 = 300;
constexpr double kY0 = 224;

SectionGrid TwoRingsFourSectors() {
  SectionGrid grid = ChimneyGrid(2, 4, 10, 1, 2);
  CalculateGeometry(grid);
  return grid;
}

RecordingCanvas Drawn(const SectionGrid& grid, std::optional<int> result, int width = kWidth, int height = kHeight) {
  RecordingCanvas canvas(width, height);
  DrawSection(canvas, grid, result);
  return canvas;
}

std::vector<DrawnText> TextsIn(const RecordingCanvas& canvas, RgbColor color) {
  std::vector<DrawnText> found;
  for (const DrawnText& text : canvas.Texts)
    if (text.Color == color) found.push_back(text);
  return found;
}

std::vector<DrawnCircle> CirclesIn(const RecordingCanvas& canvas, RgbColor color) {
  std::vector<DrawnCircle> found;
  for (const DrawnCircle& circle : canvas.Circles)
    if (circle.Color == color) found.push_back(circle);
  return found;
}

std::vector<double> Ends(const DrawnLine& l) { return {l.X1, l.Y1, l.X2, l.Y2}; }

// The red value texts, without the title, in the order drawn.
std::vector<std::string> ValuesWritten(const RecordingCanvas& canvas) {
  std::vector<std::string> values;
  for (const DrawnText& text : TextsIn(canvas, kResultRed))
    if (text.Y != 6) values.push_back(text.Text);
  return values;
}

// The block point of ring i (1 or 2) in sector j (1..4) of TwoRingsFourSectors.
std::pair<double, double> BlockPointAt(int i, int j) {
  const double radius = (i == 1 ? 1.25 : 1.75) * 100;
  const double angle = (j - 0.5) * kPi / 2;
  return {kX0 + radius * std::cos(angle), kY0 + radius * std::sin(angle)};
}

TEST(SectionPlot, OpensWithAxesRingsAndSectorBoundariesOnly) {
  const RecordingCanvas canvas = Drawn(TwoRingsFourSectors(), std::nullopt);
  EXPECT_EQ(canvas.Clears, 1);
  EXPECT_EQ(canvas.PenWidth, 1);

  const std::vector<DrawnLine> black = canvas.LinesIn(kBlack);
  ASSERT_EQ(black.size(), 10u);  // two axes with two arrow strokes each, four boundaries
  const std::vector<std::vector<double>> expected{{300, 224, 518, 224},
                                                  {518, 224, 512, 230},
                                                  {518, 224, 512, 218},  // X axis to the right
                                                  {300, 224, 300, 442},
                                                  {300, 442, 294, 436},
                                                  {300, 442, 306, 436},  // Y axis downwards
                                                  // Boundaries at 90, 180, 270 and 360 degrees: down, left, up, right.
                                                  {300, 324, 300, 424},
                                                  {200, 224, 100, 224},
                                                  {300, 124, 300, 24},
                                                  {400, 224, 500, 224}};
  for (std::size_t n = 0; n < expected.size(); ++n) EXPECT_EQ(Ends(black[n]), expected[n]) << n;

  // The inner face, the ring boundary and the outer face, unrounded.
  const std::vector<DrawnCircle> circles = CirclesIn(canvas, kBlack);
  ASSERT_EQ(circles.size(), 3u);
  for (std::size_t r = 0; r < 3; ++r) {
    EXPECT_EQ(circles[r].X, kX0);
    EXPECT_EQ(circles[r].Y, kY0);
    EXPECT_NEAR(circles[r].Radius, 100 + 50.0 * static_cast<double>(r), 1e-9);
    EXPECT_FALSE(circles[r].Filled);
  }

  ASSERT_EQ(canvas.Texts.size(), 4u);  // the axis labels and their directions, nothing else
  const DrawnText* x = canvas.FindText("X");
  const DrawnText* y = canvas.FindText("Y");
  ASSERT_TRUE(x && y);
  EXPECT_EQ(std::vector<double>({x->X, x->Y, y->X, y->Y}), std::vector<double>({518 - 3, 224 + 12, 300 + 12, 442 - 6}));
  // The directions one below the other in the bottom left corner, clear of
  // the outer face (the corner lies outside its circle), in black.
  const std::array<std::string, 2> directions = SectionDirectionLines();
  EXPECT_EQ(directions[0], "+X: to the right (East)");
  EXPECT_EQ(directions[1], "+Y: down");
  double previousY = 0;
  for (const std::string& line : directions) {
    const DrawnText* text = canvas.FindText(line);
    ASSERT_NE(text, nullptr) << line;
    EXPECT_EQ(text->Color, kBlack);
    EXPECT_GT(text->Y, previousY);
    EXPECT_LE(text->Y + 12, canvas.Height());
    const double cornerX = text->X + 6 * line.size() - kX0;
    const double cornerY = text->Y - kY0;
    EXPECT_GT(cornerX * cornerX + cornerY * cornerY, 200.0 * 200.0) << line;  // outside the outer face
    previousY = text->Y;
  }
  EXPECT_TRUE(canvas.LinesIn(kResultRed).empty());
  EXPECT_TRUE(CirclesIn(canvas, kResultRed).empty());
}

struct PictureScale {
  int width, height;
  double outerRadius;  // pixels
};

TEST(SectionPlot, OuterCircleFillsTheSmallerSideLessTheMargins) {
  // 700 / 4.48 = 156.25 px/m; 448 / 4.48 = 100 px/m; the outer face lies 2 m
  // out. An odd side puts the centre on the lower half pixel.
  for (const PictureScale& c :
       {PictureScale{600, 448, 200}, PictureScale{448, 600, 200}, PictureScale{896, 700, 312.5},
        PictureScale{700, 896, 312.5}, PictureScale{448, 448, 200}, PictureScale{897, 701, 312.946}}) {
    const RecordingCanvas canvas = Drawn(TwoRingsFourSectors(), std::nullopt, c.width, c.height);
    ASSERT_EQ(canvas.Circles.size(), 3u);
    EXPECT_NEAR(canvas.Circles.back().Radius, c.outerRadius, 1e-3) << c.width << " x " << c.height;
    EXPECT_EQ(canvas.Circles.back().X, c.width / 2);
    EXPECT_EQ(canvas.Circles.back().Y, c.height / 2);
  }
}

struct ResultTitle {
  int result;
  const char* item;
  const char* title;
};

// Every result writes its title in red, centred on the section at the top.
TEST(SectionPlot, EveryResultHasItsItemAndTitle) {
  const ResultTitle table[] = {
      {0, "Block Centroids", "Position of Block Centroids"},
      {1, "X Coordinates", "X Coordinates of Block Centroids (m)"},
      {2, "Y Coordinates", "Y Coordinates of Block Centroids (m)"},
      {3, "Block Angles", "Angles of Sectors with respect to the East (degrees)"},
      {4, "Block Areas", "Block Areas (m\u00b2)"},
      {5, "Block Angles To Sun + Sun Position", "Angles of Sectors with respect to Sun Position (degrees)"},
      {6, "External Temperature Variation + Sun Position", "External Surface Temperature Variation (%)"},
      {7, "Internal Temperature Variation + Sun Position", "Internal Surface Temperature Variation (%)"},
      {8, "Block Temperatures", "Block Temperatures (degrees)"},
      {9, "Initial Free Strains x 10^-6", "Initial Free Thermal Strains (x e-06)"},
      {10, "Deflected Tip Position + Sun Position", "Deflected Tip Position"},
  };
  ASSERT_EQ(SectionResultItems().size(), std::size(table));
  for (const ResultTitle& row : table) {
    EXPECT_STREQ(SectionResultItems()[static_cast<std::size_t>(row.result)], row.item);
    const RecordingCanvas canvas = Drawn(TwoRingsFourSectors(), row.result);
    const DrawnText* title = canvas.FindText(row.title);
    ASSERT_NE(title, nullptr) << row.title;
    EXPECT_EQ(title->Color, kResultRed);
    EXPECT_EQ(title->Y, 6);
    const double width = RecordingCanvas::kCharWidth * static_cast<double>(std::string(row.title).size());
    EXPECT_EQ(title->X, kX0 - static_cast<int>(width) / 2) << row.title;
  }
}

struct BlockValues {
  const char* what;
  int result;
  void (*prepare)(SectionGrid&);
  // In drawing order, ring 1 sectors 1..4 then ring 2; the per-block arrays
  // are flat with the ring fastest, so their values are listed differently.
  std::vector<std::string> expected;
};

TEST(SectionPlot, BlockResultsWriteRoundedValuesCentredOnEveryBlockPoint) {
  const BlockValues table[] = {
      {"x coordinates",
       1,
       [](SectionGrid&) {},
       {".884", "-.884", "-.884", ".884", "1.237", "-1.237", "-1.237", "1.237"}},
      // The Y axis points down the screen: sectors 1 and 2 lie below the centre.
      {"y coordinates",
       2,
       [](SectionGrid&) {},
       {".884", ".884", "-.884", "-.884", "1.237", "1.237", "-1.237", "-1.237"}},
      {"sector angles repeat in every ring",
       3,
       [](SectionGrid&) {},
       {"45", "135", "225", "315", "45", "135", "225", "315"}},
      {"ring areas repeat in every sector",
       4,
       [](SectionGrid& g) {
         g.BlockArea = {0.5, 1.23456};
       },
       {".5", ".5", ".5", ".5", "1.235", "1.235", "1.235", "1.235"}},
      {"angles to the sun",
       5,
       [](SectionGrid& g) {
         g.AngleToSun = {0, kPi / 2, kPi, -kPi / 4};
       },
       {"0", "90", "180", "-45", "0", "90", "180", "-45"}},
      {"block temperatures",
       8,
       [](SectionGrid& g) { g.BlockTemp = {21.0004, 30.25, -4.0626, 0, 18, 19, 20, 21}; },
       {"21", "-4.063", "18", "20", "30.25", "0", "19", "21"}},
      {"free strains in millionths",
       9,
       [](SectionGrid& g) { g.FreeStrain = {0.00012, -0.0000123456, 0, 0, 0, 0, 0, 0.00012}; },
       {"120", "0", "0", "0", "-12.346", "0", "0", "120"}},
  };
  for (const BlockValues& row : table) {
    SectionGrid grid = TwoRingsFourSectors();
    row.prepare(grid);
    const RecordingCanvas canvas = Drawn(grid, row.result);
    const std::vector<DrawnText> red = TextsIn(canvas, kResultRed);
    ASSERT_EQ(red.size(), 9u) << row.what;  // title and eight values
    int n = 0;
    for (int i = 1; i <= 2; ++i)
      for (int j = 1; j <= 4; ++j) {
        const DrawnText& text = red[static_cast<std::size_t>(++n)];
        EXPECT_EQ(text.Text, row.expected[static_cast<std::size_t>(n - 1)]) << row.what << " block " << i << "," << j;
        const auto [px, py] = BlockPointAt(i, j);
        const double half = static_cast<int>(RecordingCanvas::kCharWidth * static_cast<double>(text.Text.size())) / 2;
        EXPECT_NEAR(text.X, px - half, 1e-9) << row.what;
        EXPECT_NEAR(text.Y, py - 6, 1e-9) << row.what;
      }
  }
}

TEST(SectionPlot, CentroidsAreSmallRedCirclesAtTheBlockPoints) {
  const RecordingCanvas canvas = Drawn(TwoRingsFourSectors(), 0);
  const std::vector<DrawnCircle> red = CirclesIn(canvas, kResultRed);
  ASSERT_EQ(red.size(), 8u);
  EXPECT_EQ(red[0].Radius, 1);
  const auto [px, py] = BlockPointAt(1, 1);
  EXPECT_NEAR(red[0].X, px, 1e-9);
  EXPECT_NEAR(red[0].Y, py, 1e-9);
  const auto [qx, qy] = BlockPointAt(2, 4);
  EXPECT_NEAR(red[7].X, qx, 1e-9);
  EXPECT_NEAR(red[7].Y, qy, 1e-9);
}

struct FaceValues {
  int result;
  double distance;  // pixels from the centre
};

// One whole number per sector, just outside the outer face or just inside
// the inner one, after the sun line from the centre.
TEST(SectionPlot, FaceVariationsStandBesideTheirFaceInWholeNumbers) {
  for (const FaceValues& row : {FaceValues{6, 200 + 9}, FaceValues{7, 100 - 9}}) {
    SectionGrid grid = TwoRingsFourSectors();
    grid.SunPosition = 90;  // straight down the screen
    grid.ExtVariation = {37.5, 12.4, 12.5, -2.5};
    grid.IntVariation = grid.ExtVariation;
    const RecordingCanvas canvas = Drawn(grid, row.result);
    EXPECT_EQ(ValuesWritten(canvas), (std::vector<std::string>{"38", "12", "13", "-3"})) << row.result;
    const DrawnText* first = canvas.FindText("38");
    ASSERT_NE(first, nullptr);
    const double along = row.distance * std::cos(kPi / 4);
    EXPECT_NEAR(first->X, kX0 + along - 6, 1e-9);
    EXPECT_NEAR(first->Y, kY0 + along - 6, 1e-9);

    const std::vector<DrawnLine> red = canvas.LinesIn(kResultRed);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(Ends(red[0]), (std::vector<double>{300, 224, 300, 424}));
  }
}

// A tip a few millimetres off: the moved circles lie within a pixel of the
// rings, the values are written to the millimetre above the moved centre,
// the sun line starts there.
TEST(SectionPlot, DeflectedTipMovesTheFacesAndWritesTheDeflection) {
  SectionGrid grid = TwoRingsFourSectors();
  grid.TipX = 0.005;    // 300.5 rounds to the even 300
  grid.TipY = -0.0034;  // 223.66 rounds to 224
  grid.SunPosition = 180;
  const RecordingCanvas canvas = Drawn(grid, 10);

  const std::vector<DrawnCircle> red = CirclesIn(canvas, kResultRed);
  ASSERT_EQ(red.size(), 2u);
  EXPECT_EQ(std::vector<double>({red[0].X, red[0].Y, red[1].X, red[1].Y}), std::vector<double>({300, 224, 300, 224}));
  EXPECT_NEAR(red[0].Radius, 100, 1e-9);
  EXPECT_NEAR(red[1].Radius, 200, 1e-9);

  const std::string label = "X = .005 m, Y = -.003 m";
  const DrawnText* text = canvas.FindText(label);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Color, kResultRed);
  EXPECT_EQ(text->X, 300 - static_cast<int>(6 * label.size()) / 2);
  EXPECT_EQ(text->Y, 224 - 12 - 12);

  const std::vector<DrawnLine> lines = canvas.LinesIn(kResultRed);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(Ends(lines[0]), (std::vector<double>{295, 219, 305, 229}));
  EXPECT_EQ(Ends(lines[1]), (std::vector<double>{305, 219, 295, 229}));
  EXPECT_EQ(Ends(lines[2]), (std::vector<double>{300, 224, 100, 224}));  // the sun in the West
}

TEST(SectionPlot, ATipFarOffMovesTheCentreByTheDeflectionAtTheSectionsScale) {
  SectionGrid grid = TwoRingsFourSectors();
  grid.TipX = -0.5;
  grid.TipY = 0.25;
  const RecordingCanvas canvas = Drawn(grid, 10);
  EXPECT_EQ(canvas.Circles.back().X, 250);
  EXPECT_EQ(canvas.Circles.back().Y, 249);
  EXPECT_NE(canvas.FindText("X = -.5 m, Y = .25 m"), nullptr);
}

// The window may open before any run, or after a run with other counts: what
// is missing stays undrawn, and nothing is read beyond an array's end.
TEST(SectionPlot, MissingResultsLeaveTheirMarksUndrawn) {
  SectionGrid notRun = ChimneyGrid(2, 4, 10, 1, 2);  // sizes known, no stage has run
  SectionGrid shortArrays = TwoRingsFourSectors();
  shortArrays.Centroid.pop_back();  // block (2, 4)
  shortArrays.SectorAngle.resize(2);
  shortArrays.BlockTemp = {1, 2, 3};
  shortArrays.ExtVariation = {50};

  for (int result = 0; result < 11; ++result) {
    const RecordingCanvas none = Drawn(notRun, result);
    EXPECT_TRUE(ValuesWritten(none).empty() || result == 10) << result;
    EXPECT_EQ(none.Circles.size(), 3u + (result == 10 ? 2u : 0u)) << result;
  }
  EXPECT_EQ(ValuesWritten(Drawn(shortArrays, 1)).size(), 7u);  // every placed centroid
  EXPECT_EQ(ValuesWritten(Drawn(shortArrays, 3)).size(), 4u);  // sectors 1 and 2 in both rings
  EXPECT_EQ(ValuesWritten(Drawn(shortArrays, 8)).size(), 3u);
  EXPECT_EQ(ValuesWritten(Drawn(shortArrays, 6)), std::vector<std::string>{"50"});
}

TEST(SectionPlot, AGridWithoutOuterRadiusOrRingsDrawsNoGarbage) {
  for (int result : {-1, 0, 4, 10, 11}) {
    const RecordingCanvas empty = Drawn(SectionGrid{}, result);
    EXPECT_EQ(empty.Clears, 1);
    EXPECT_TRUE(empty.Lines.empty() && empty.Circles.empty() && empty.Texts.empty()) << result;
  }
  SectionGrid noRings = ChimneyGrid(0, 4, 10, 1, 2);
  EXPECT_TRUE(Drawn(noRings, 0).Circles.empty());
  EXPECT_EQ(Drawn(noRings, 0).LinesIn(kBlack).size(), 10u);

  // A list position outside the eleven draws the section only.
  EXPECT_TRUE(TextsIn(Drawn(TwoRingsFourSectors(), 11), kResultRed).empty());
}

}  // namespace
}  // namespace kolvane

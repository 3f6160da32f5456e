#include "core/plots/profile_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine_test_support.h"
#include "recording_canvas.h"

namespace kolvane {
namespace {

using testing::ChimneyGrid;
using testing::DrawnCircle;
using testing::DrawnLine;
using testing::DrawnText;
using testing::RecordingCanvas;

// Worked by hand: a 100 m column in a 300 x 448 picture is drawn at
// 448 / (1.12 * 100) = 4 px/m. The centre line stands at x 150, the tip's
// level is 6 m * 4 = 24 px from the top, the base 400 px lower at 424; the
// horizontal axis ends at 150 + 150 / 1.12 = 283.9, so 284. Faces at 2 m and
// 3 m lie 8 and 12 px either side of the centre line.
constexpr int kWidth = 300;
constexpr int kHeight = 448;

DeflectionProfile Profile(std::vector<double> across, std::vector<double> axial, double tip) {
  DeflectionProfile profile;
  profile.DeflX = across;
  profile.DeflY = across;
  profile.DeflZ = std::move(axial);
  profile.TipX = tip;
  profile.TipY = tip;
  return profile;
}

// Four slices of 25 m; the tip rises by half a metre (a negative Z deflection:
// the column lengthens) so that the axial displacement shows at true scale (2 px).
SectionGrid ColumnWithProfiles(std::vector<DeflectionProfile> profiles) {
  SectionGrid grid = ChimneyGrid(2, 8, 4, 2, 3);
  grid.Profiles = std::move(profiles);
  return grid;
}

const DeflectionProfile kBending = Profile({0, 0.5, 2, 4.5, 8}, {0, 0, 0, 0, -0.5}, -0.5);

RecordingCanvas Drawn(const SectionGrid& grid, std::optional<int> plane, float factor) {
  RecordingCanvas canvas(kWidth, kHeight);
  DrawProfile(canvas, grid, plane, factor);
  return canvas;
}

std::vector<double> Ends(const DrawnLine& l) { return {l.X1, l.Y1, l.X2, l.Y2}; }

TEST(ProfilePlot, OpensWithTheColumnAndAxesOnly) {
  const RecordingCanvas canvas = Drawn(ColumnWithProfiles({kBending}), std::nullopt, 0.1f);
  EXPECT_EQ(canvas.Clears, 1);
  EXPECT_EQ(canvas.PenWidth, 1);
  const std::vector<std::vector<double>> expected{
      {150, 24, 150, 424},                                             // centre line
      {142, 24, 142, 424}, {158, 24, 158, 424},                        // inner faces
      {138, 24, 138, 424}, {162, 24, 162, 424},                        // outer faces
      {150, 24, 284, 24},  {284, 24, 278, 30},   {284, 24, 278, 18},   // horizontal axis at the tip's level
      {150, 24, 150, 436}, {150, 436, 144, 430}, {150, 436, 156, 430}  // vertical axis past the base
  };
  ASSERT_EQ(canvas.Lines.size(), expected.size());
  for (std::size_t n = 0; n < expected.size(); ++n) {
    EXPECT_EQ(Ends(canvas.Lines[n]), expected[n]) << n;
    EXPECT_EQ(canvas.Lines[n].Color, kBlack) << n;
  }
  EXPECT_TRUE(canvas.Texts.empty());
  EXPECT_TRUE(canvas.Circles.empty());
}

struct PlaneMarks {
  int plane;
  const char* across;
  const char* endOn;
  bool dot;
};

TEST(ProfilePlot, EachPlaneLabelsItsAxesAndShowsTheThirdEndOn) {
  for (const PlaneMarks& row : {PlaneMarks{0, "X", "Y", true}, PlaneMarks{1, "Y", "X", false}}) {
    const RecordingCanvas canvas = Drawn(ColumnWithProfiles({}), row.plane, 1);
    struct Where {
      const char* text;
      double x, y;
    };
    for (const Where& w : {Where{row.across, 284 - 3, 24 + 12}, Where{"Z", 150 + 11, 424 - 6 + 12},
                           Where{row.endOn, 150 - 6 - 12, 24 - 6}}) {
      const DrawnText* text = canvas.FindText(w.text);
      ASSERT_NE(text, nullptr) << w.text;
      EXPECT_EQ(std::vector<double>({text->X, text->Y}), std::vector<double>({w.x, w.y})) << w.text;
      EXPECT_EQ(text->Color, kBlack);
    }

    // A white disc in a black ring on the top of the centre line, then a dot
    // or a cross of two strokes 4 px out.
    ASSERT_EQ(canvas.Circles.size(), row.dot ? 3u : 2u) << row.plane;
    const DrawnCircle& disc = canvas.Circles[0];
    const DrawnCircle& ring = canvas.Circles[1];
    EXPECT_TRUE(disc.Filled && disc.Color == kWhite && disc.Radius == 6 && disc.X == 150 && disc.Y == 24);
    EXPECT_TRUE(!ring.Filled && ring.Color == kBlack && ring.Radius == 6);
    if (row.dot) {
      EXPECT_TRUE(canvas.Circles[2].Filled && canvas.Circles[2].Color == kBlack && canvas.Circles[2].Radius == 1);
      EXPECT_EQ(canvas.LinesIn(kBlack).size(), 11u + 3u);  // and the scale bar with its two ends
    } else {
      const std::vector<DrawnLine> black = canvas.LinesIn(kBlack);
      ASSERT_EQ(black.size(), 13u + 3u);
      EXPECT_EQ(Ends(black[11]), (std::vector<double>{146, 20, 154, 28}));
      EXPECT_EQ(Ends(black[12]), (std::vector<double>{154, 20, 146, 28}));
    }
  }
}

// "Deflections x N" draws the deflections N times enlarged, for all nine.
TEST(ProfilePlot, MagnificationFactorsAreWhatTheirCaptionsSay) {
  for (int option = 0; option < 9; ++option) {
    std::string caption = MagnificationCaptions()[static_cast<std::size_t>(option)];
    ASSERT_TRUE(caption.starts_with("Deflections x ")) << caption;
    std::string digits = caption.substr(std::string("Deflections x ").size());
    std::erase(digits, ',');
    EXPECT_EQ(MagnificationFactor(option), std::stof(digits)) << caption;
  }
  EXPECT_STREQ(ProfilePlaneItems()[0], "Deflections in ZX plane");
  EXPECT_STREQ(ProfilePlaneItems()[1], "Deflections in YZ plane");
}

struct BarCase {
  double pixelsPerMetre;
  double factor;
  int longest;
  double metres;  // the expected bar, 0 for none
  int pixels;
};

TEST(ProfilePlot, TheScaleBarIsTheLongestRoundLengthThatFits) {
  for (const BarCase& c : {BarCase{4, 1, 120, 20, 80}, BarCase{4, 1000, 120, 0.02, 80},
                           BarCase{2.9, 1000, 100, 0.02, 58}, BarCase{4, 1, 100, 20, 80}, BarCase{4, 1, 79, 10, 40},
                           BarCase{4, 100000000, 120, 2E-07, 80}, BarCase{1, 1, 100, 100, 100},  // exactly the longest
                           BarCase{4, 0, 120, 0, 0}, BarCase{4, 1, 0, 0, 0},
                           BarCase{2.4E-306, 1, 120, 5E307, 120},  // the decade above is infinite: passed over
                           BarCase{1E-310, 1, 120, 0, 0}}) {       // no length is finite: no bar
    const std::optional<ScaleBar> bar = ChooseScaleBar(c.pixelsPerMetre, c.factor, c.longest);
    ASSERT_EQ(bar.has_value(), c.metres > 0) << c.factor;
    if (!bar) continue;
    EXPECT_NEAR(bar->Metres, c.metres, c.metres * 1e-12) << c.factor;
    EXPECT_EQ(bar->Pixels, c.pixels) << c.factor;
    // The bar is drawn as long as the deflection it names at this magnification.
    EXPECT_EQ(bar->Pixels, static_cast<int>(std::nearbyint(bar->Metres * c.pixelsPerMetre * c.factor)));
  }
  EXPECT_EQ(ScaleBarText(ScaleBar{0.02, 80}), ".02 m");
}

TEST(ProfilePlot, ProfilesRunFromBlueForTheFirstToRedForTheLast) {
  EXPECT_EQ(ProfileColor(1, 3), (RgbColor{0, 0, 255}));
  EXPECT_EQ(ProfileColor(2, 3), (RgbColor{128, 0, 127}));
  EXPECT_EQ(ProfileColor(3, 3), kResultRed);
  EXPECT_EQ(ProfileColor(1, 1), kResultRed);  // a single profile is the last
  for (std::int64_t p = 1; p < 10; ++p) EXPECT_LT(ProfileColor(p, 10).Red, ProfileColor(p + 1, 10).Red);
}

// Three dated profiles: drawn first to last in their colours, the dates of the
// first and the last over the scale bar at the bottom left, beside the
// column, and the directions at the bottom right.
TEST(ProfilePlot, DatesScaleBarAndDirectionsFramedAroundTheColumn) {
  std::vector<DeflectionProfile> profiles(3, kBending);
  profiles[0].DateText = "1/1/2001";
  profiles[1].DateText = "1/7/2001";
  profiles[2].DateText = "31/12/2001";
  const RecordingCanvas canvas = Drawn(ColumnWithProfiles(profiles), 0, 1);

  std::vector<RgbColor> lineColors;
  for (const DrawnLine& line : canvas.Lines)
    if (!(line.Color == kBlack) && !(line.Color == kWhite)) lineColors.push_back(line.Color);
  ASSERT_EQ(lineColors.size(), 12u);
  for (std::size_t n = 0; n < 12; ++n) EXPECT_EQ(lineColors[n], ProfileColor(static_cast<int>(n / 4) + 1, 3)) << n;

  const DrawnText* first = canvas.FindText("First 1/1/2001");
  const DrawnText* last = canvas.FindText("Last  31/12/2001");
  const DrawnText* length = canvas.FindText("20 m");  // 4 px/m, at most 120 px: 20 m is 80 px
  ASSERT_TRUE(first && last && length);
  EXPECT_EQ(first->Color, ProfileColor(1, 3));
  EXPECT_EQ(last->Color, kResultRed);
  EXPECT_LT(first->Y, last->Y);
  EXPECT_LT(last->Y, length->Y);
  const double outerFace = 138;  // left of the column, above the base
  for (const DrawnText* text : {first, last, length}) {
    EXPECT_GE(text->X, 0);
    EXPECT_LE(text->X + 6 * text->Text.size(), outerFace) << text->Text;
    EXPECT_LE(text->Y + 12, 424) << text->Text;
  }
  // The bar: a black horizontal line of 80 px under its length, ends ticked.
  const std::vector<DrawnLine> black = canvas.LinesIn(kBlack);
  ASSERT_GE(black.size(), 3u);
  const DrawnLine& bar = black[black.size() - 3];
  EXPECT_EQ(bar.Y1, bar.Y2);
  EXPECT_EQ(bar.X2 - bar.X1, 80);
  EXPECT_GT(bar.Y1, length->Y + 12);
  EXPECT_LT(bar.Y1, 424);
  EXPECT_EQ(black[black.size() - 2].X1, bar.X1);
  EXPECT_EQ(black.back().X1, bar.X2);

  // The directions: top left, one below the other, clear of the column, the
  // axis seen end-on (its label ends 12 px left of the centre line) and the dates.
  double previousY = 24 + 6;  // the end-on symbol's lower edge
  for (const std::string& line : ProfileDirectionLines("X")) {
    const DrawnText* text = canvas.FindText(line);
    ASSERT_NE(text, nullptr) << line;
    EXPECT_EQ(text->Color, kBlack) << line;
    EXPECT_GE(text->X, 0) << line;
    EXPECT_LE(text->X + 6 * line.size(), outerFace) << line;
    EXPECT_GT(text->Y, previousY) << line;
    EXPECT_LT(text->Y + 12, first->Y) << line;
    previousY = text->Y + 12;
  }
  EXPECT_EQ(ProfileDirectionLines("Y")[0], "+Y to the right");
}

struct ProfileLine {
  int plane;
  float factor;
  std::vector<double> xs;  // points 0..4
};

// Point j at x = 150 + 4 px/m * deflection * factor, y = 424 - (25 j - DeflZ) * 4.
TEST(ProfilePlot, AProfileRunsFromBaseToTipWithItsDeflectionMagnified) {
  DeflectionProfile mirrored = kBending;
  for (double& y : mirrored.DeflY) y = -y;
  const SectionGrid grid = ColumnWithProfiles({mirrored});
  const std::vector<double> ys{424, 324, 224, 124, 22};  // the lengthened tip above the column's top
  for (const ProfileLine& row :
       {ProfileLine{0, 1, {150, 152, 158, 168, 182}}, ProfileLine{0, 0.1f, {150, 150, 151, 152, 153}},
        ProfileLine{0, 10, {150, 170, 230, 330, 470}}, ProfileLine{1, 1, {150, 148, 142, 132, 118}}}) {
    const std::vector<DrawnLine> red = Drawn(grid, row.plane, row.factor).LinesIn(kResultRed);
    ASSERT_EQ(red.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k)
      EXPECT_EQ(Ends(red[k]), (std::vector<double>{row.xs[k], ys[k], row.xs[k + 1], ys[k + 1]}))
          << "plane " << row.plane << " factor " << row.factor << " slice " << k + 1;
  }
}

struct TipText {
  std::vector<DeflectionProfile> profiles;
  int plane;
  std::string expected;
};

TEST(ProfilePlot, OnlyTheLastStoredTipIsWrittenAtTheTop) {
  const DeflectionProfile small = Profile({0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 0.0123);
  for (const TipText& row : {
           TipText{{}, 0, "Final Tip X-Deflection : 0 m."},  // the empty element 0
           TipText{{kBending}, 0, "Final Tip X-Deflection :-.5 m."},
           TipText{{kBending, small}, 0, "Final Tip X-Deflection : .0123 m."},
           TipText{{small, kBending}, 1, "Final Tip Y-Deflection :-.5 m."},
       }) {
    const RecordingCanvas canvas = Drawn(ColumnWithProfiles(row.profiles), row.plane, 1);
    const std::vector<DrawnText> red = [&] {
      std::vector<DrawnText> found;
      for (const DrawnText& t : canvas.Texts)
        if (t.Color == kResultRed && t.Text.starts_with("Final")) found.push_back(t);
      return found;
    }();
    ASSERT_EQ(red.size(), 1u) << row.expected;
    EXPECT_EQ(red[0].Text, row.expected);
    EXPECT_EQ(red[0].X, 150 - static_cast<int>(6 * row.expected.size()) / 2);
    EXPECT_EQ(red[0].Y, 0);
    std::size_t coloured = 0;  // every profile, each in its colour
    for (const DrawnLine& line : canvas.Lines) coloured += !(line.Color == kBlack) && !(line.Color == kWhite);
    EXPECT_EQ(coloured, 4 * row.profiles.size());
  }
}

// Profiles stored before the slices changed, no slices or no height: what cannot be drawn is left out.
TEST(ProfilePlot, UnusableProfilesAndColumnsAreLeftOut) {
  SectionGrid grid = ColumnWithProfiles({Profile({0, 1, 2}, {0, 0, 0}, 1), kBending});
  EXPECT_EQ(Drawn(grid, 0, 1).LinesIn(kResultRed).size(), 4u);  // the three-point profile is skipped

  SectionGrid noSlices = ColumnWithProfiles({kBending});
  noSlices.K = 0;
  const RecordingCanvas flat = Drawn(noSlices, 0, 1);
  EXPECT_TRUE(flat.LinesIn(kResultRed).empty());
  EXPECT_NE(flat.FindText("Final Tip X-Deflection :-.5 m."), nullptr);

  SectionGrid noHeight = ColumnWithProfiles({kBending});
  noHeight.Height = 0;
  for (std::optional<int> plane : {std::optional<int>(), std::optional<int>(0), std::optional<int>(1)}) {
    const RecordingCanvas blank = Drawn(noHeight, plane, 1);
    EXPECT_EQ(blank.Clears, 1);
    EXPECT_TRUE(blank.Lines.empty() && blank.Texts.empty() && blank.Circles.empty());
  }
  EXPECT_EQ(Drawn(SectionGrid{}, 0, 1).Lines.size(), 0u);
  EXPECT_TRUE(Drawn(ColumnWithProfiles({kBending}), 2, 1).Texts.empty());  // no such plane
}

}  // namespace
}  // namespace kolvane

#include "core/plots/profile_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/support/engine_test_support.h"
#include "core/support/recording_canvas.h"

namespace kolvane {
namespace {

// A 100 m column in a 300 x 448 picture: 448 / (1.12 * 100 m) = 4 px/m, the
// centre line at x 150, the tip's level 24 px down, the base at 424.
constexpr double kScale = 4, kX0 = 150, kTop = 24, kBase = 424;

DeflectionProfile Profile(std::vector<double> across, std::vector<double> axial, double tip) {
  return {"", across, across, std::move(axial), tip, tip, 0};
}

// Four slices of 25 m, faces at 2 m and 3 m; the bending profile's tip rises
// half a metre (a negative Z deflection: the column lengthens).
SectionGrid Column(std::vector<DeflectionProfile> profiles) {
  SectionGrid grid = testing::ChimneyGrid(2, 8, 4, 2, 3);
  grid.Profiles = std::move(profiles);
  return grid;
}

const DeflectionProfile kBending = Profile({0, 0.5, 2, 4.5, 8}, {0, 0, 0, 0, -0.5}, -0.5);

RecordingCanvas Drawn(const SectionGrid& grid, std::optional<int> plane, float factor) {
  RecordingCanvas canvas(300, 448);
  DrawProfile(canvas, grid, plane, factor);
  return canvas;
}

// The column upright at true scale, the across axis to the right at the tip's
// level, Z down past the base; with a plane, the axis seen end-on as a dot or a cross.
TEST(ProfilePlot, TheColumnAndItsAxesAtTrueScale) {
  const RecordingCanvas bare = Drawn(Column({kBending}), std::nullopt, 1);
  ASSERT_EQ(bare.Lines.size(), 11u);
  EXPECT_TRUE(bare.Texts.empty() && bare.Circles.empty() && bare.LinesIn(kBlack).size() == 11u);
  EXPECT_EQ(bare.Lines[0].Ends(), (std::vector<double>{kX0, kTop, kX0, kBase}));
  EXPECT_EQ(bare.Lines[1].Ends(), (std::vector<double>{kX0 - 2 * kScale, kTop, kX0 - 2 * kScale, kBase}));  // inner
  EXPECT_EQ(bare.Lines[4].Ends(), (std::vector<double>{kX0 + 3 * kScale, kTop, kX0 + 3 * kScale, kBase}));  // outer
  EXPECT_EQ(bare.Lines[5].Ends(), (std::vector<double>{kX0, kTop, 284, kTop}));  // 150 + 150 / 1.12
  EXPECT_TRUE(bare.Lines[6].X1 == 284 && bare.Lines[6].X2 < 284);                // pointing right
  EXPECT_EQ(bare.Lines[8].Ends(), (std::vector<double>{kX0, kTop, kX0, kBase + 12}));
  EXPECT_TRUE(bare.Lines[9].Y1 == kBase + 12 && bare.Lines[9].Y2 < kBase + 12);  // pointing down

  // A white disc in a black ring, with a dot (Y) or a cross (X); then the scale bar and its ends.
  EXPECT_EQ(Drawn(Column({}), 0, 1).Circles.size(), 3u);
  const RecordingCanvas crossed = Drawn(Column({}), 1, 1);
  EXPECT_EQ(crossed.LinesIn(kBlack).size(), 11u + 2u + 3u);
  int diagonals = 0;  // the cross: two diagonals through the axis point
  for (const DrawnLine& l : crossed.Lines)
    diagonals += l.X1 != l.X2 && l.Y1 != l.Y2 && l.X1 + l.X2 == 2 * kX0 && l.Y1 + l.Y2 == 2 * kTop;
  EXPECT_EQ(diagonals, 2);
  EXPECT_STRNE(ProfilePlaneItems()[0], ProfilePlaneItems()[1]) << "each plane offered under its own name";
}

// Point j at x = centre + scale * deflection * factor (to the right for a
// positive one), y = base - (25 j - DeflZ) * scale: a positive Z deflection lowers it.
TEST(ProfilePlot, AProfileRunsFromBaseToTipWithItsDeflectionMagnified) {
  DeflectionProfile mirrored = kBending;
  for (double& y : mirrored.DeflY) y = -y;
  mirrored.DeflZ = {0, 0.25, 0, 0, -0.5};
  const SectionGrid grid = Column({mirrored});
  for (const auto& [plane, factor] : {std::pair{0, 10.0f}, std::pair{1, 1.0f}}) {
    const std::vector<DrawnLine> red = Drawn(grid, plane, factor).LinesIn(kResultRed);
    ASSERT_EQ(red.size(), 4u);
    const std::vector<double>& across = plane == 0 ? mirrored.DeflX : mirrored.DeflY;
    for (std::size_t j = 0; j < 4; ++j)
      for (std::size_t end : {j, j + 1}) {
        const double x = std::nearbyint(kX0 + kScale * across[end] * factor);
        const double y = std::nearbyint(kBase - (25.0 * static_cast<double>(end) - mirrored.DeflZ[end]) * kScale);
        EXPECT_EQ((end == j ? std::vector{red[j].X1, red[j].Y1} : std::vector{red[j].X2, red[j].Y2}),
                  (std::vector{x, y}))
            << "plane " << plane << " factor " << factor << " point " << end;
      }
  }
}

// "Deflections x N" draws the deflections N times enlarged, for all nine.
TEST(ProfilePlot, MagnificationFactorsAreWhatTheirCaptionsSay) {
  for (int option = 0; option < 9; ++option) {
    const std::string caption = MagnificationCaptions()[static_cast<std::size_t>(option)];
    ASSERT_TRUE(caption.starts_with("Deflections x ")) << caption;
    std::string digits = caption.substr(14);
    std::erase(digits, ',');
    EXPECT_EQ(MagnificationFactor(option), std::stof(digits)) << caption;
  }
}

// The plot opens at the largest magnification whose profiles stay within 90 %
// of the half-width (135 px here, 4 px a metre) and, where they pass the
// directions top left, right of their text (126 px from the left edge).
TEST(ProfilePlot, OpensOnTheLargestMagnificationThatKeepsTheProfilesInside) {
  const DeflectionProfile small = Profile({0, 0.001, -0.003, 0.002, 0.001}, {0, 0, 0, 0, 0}, 0.001);
  const struct {
    SectionGrid Grid;
    int Plane, Option;
  } cases[] = {{Column({small}), 0, 4},            // x 10,000: 120 px; x 100,000 would be 1200
               {Column({small, kBending}), 0, 0},  // 8 m at x 1: 32 px
               {Column({Profile({0, 0, 0, 0, 3.3}, {0, 0, 0, 0, 0}, 3.3)}), 1, 1},    // x 10: 132 px
               {Column({Profile({0, 0, 0, 0, -3.3}, {0, 0, 0, 0, 0}, -3.3)}), 0, 0},  // x 10 would cross the directions
               {Column({}), 0, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(FittingProfileOption(RecordingCanvas(300, 448), c.Grid, c.Plane), c.Option) << c.Option;
}

TEST(ProfilePlot, ProfilesRunFromBlueForTheFirstToRedForTheLast) {
  EXPECT_EQ(ProfileColor(1, 3), (RgbColor{0, 0, 255}));
  EXPECT_EQ(ProfileColor(2, 3), (RgbColor{128, 0, 127}));
  EXPECT_EQ(ProfileColor(1, 1), kResultRed);  // a single profile is the last

  std::vector<DeflectionProfile> profiles(3, kBending);
  profiles[0].DateText = "1/1/2001";
  profiles[2].DateText = "31/12/2001";
  const RecordingCanvas canvas = Drawn(Column(profiles), 0, 1);
  for (std::int64_t p = 1; p <= 3; ++p) EXPECT_EQ(canvas.LinesIn(ProfileColor(p, 3)).size(), 4u) << p;
  const DrawnText* first = canvas.FindText("First 1/1/2001");
  const DrawnText* last = canvas.FindText("Last  31/12/2001");
  ASSERT_TRUE(first && last && canvas.FindText("20 m"));  // the scale bar: at most 120 px at 4 px/m
  EXPECT_TRUE(first->Color == ProfileColor(1, 3) && last->Color == kResultRed && first->Y < last->Y);
}

// Only the last stored profile's tip is written, in red at the top; what
// cannot be drawn is left out.
TEST(ProfilePlot, TheLastStoredTipIsWrittenAndUnusableProfilesAreLeftOut) {
  const DeflectionProfile small = Profile({0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 0.0123);
  EXPECT_NE(Drawn(Column({}), 0, 1).FindText("Final Tip X-Deflection : 0 m."), nullptr);
  const RecordingCanvas canvas = Drawn(Column({small, kBending}), 1, 1);
  const DrawnText* tip = canvas.FindText("Final Tip Y-Deflection :-.5 m.");
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(std::vector<double>({tip->X, tip->Y}), std::vector<double>({kX0 - 3.0 * tip->Text.size(), 0}));
  // Stored before the slices changed, no height, no such plane.
  EXPECT_EQ(Drawn(Column({Profile({0, 1, 2}, {0, 0, 0}, 1), kBending}), 0, 1).LinesIn(kResultRed).size(), 4u);
  SectionGrid noHeight = Column({kBending});
  noHeight.Height = 0;
  EXPECT_TRUE(Drawn(noHeight, 0, 1).Empty());
  EXPECT_TRUE(Drawn(Column({kBending}), 2, 1).Texts.empty());
}

}  // namespace
}  // namespace kolvane

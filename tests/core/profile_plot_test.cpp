#include "core/plots/profile_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine_test_support.h"
#include "recording_canvas.h"

namespace kolvane {
namespace {

using testing::DrawnLine;
using testing::DrawnText;
using testing::In;
using testing::RecordingCanvas;

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

std::vector<double> Ends(const DrawnLine& l) { return {l.X1, l.Y1, l.X2, l.Y2}; }

// The column upright at true scale, the across axis to the right at the tip's
// level, Z down past the base; with a plane, the axis seen end-on as a dot or a cross.
TEST(ProfilePlot, TheColumnAndItsAxesAtTrueScale) {
  const RecordingCanvas bare = Drawn(Column({kBending}), std::nullopt, 1);
  ASSERT_EQ(bare.Lines.size(), 11u);
  EXPECT_TRUE(bare.Texts.empty() && bare.Circles.empty() && bare.LinesIn(kBlack).size() == 11u);
  EXPECT_EQ(Ends(bare.Lines[0]), (std::vector<double>{kX0, kTop, kX0, kBase}));
  for (std::size_t n = 1; n < 5; ++n) {
    const double offset = (n < 3 ? 2 : 3) * kScale * (n % 2 ? -1 : 1);
    EXPECT_EQ(Ends(bare.Lines[n]), (std::vector<double>{kX0 + offset, kTop, kX0 + offset, kBase})) << n;
  }
  EXPECT_EQ(Ends(bare.Lines[5]), (std::vector<double>{kX0, kTop, 284, kTop}));  // 150 + 150 / 1.12
  EXPECT_TRUE(bare.Lines[6].X1 == 284 && bare.Lines[6].X2 < 284);               // pointing right
  EXPECT_EQ(Ends(bare.Lines[8]), (std::vector<double>{kX0, kTop, kX0, kBase + 12}));
  EXPECT_TRUE(bare.Lines[9].Y1 == kBase + 12 && bare.Lines[9].Y2 < kBase + 12);  // pointing down

  for (const auto& [plane, dot] : {std::pair{0, true}, std::pair{1, false}}) {
    const RecordingCanvas canvas = Drawn(Column({}), plane, 1);
    EXPECT_NE(canvas.FindText(plane == 0 ? "X" : "Y"), nullptr);
    ASSERT_EQ(canvas.Circles.size(), dot ? 3u : 2u) << plane;  // a white disc in a black ring
    EXPECT_TRUE(canvas.Circles[0].Filled && canvas.Circles[0].Color == kWhite && canvas.Circles[0].Y == kTop);
    EXPECT_EQ(canvas.LinesIn(kBlack).size(), (dot ? 11u : 13u) + 3u);  // the cross, the scale bar and its ends
  }
}

// Point j at x = centre + scale * deflection * factor (to the right for a
// positive one), y = base - (25 j - DeflZ) * scale: a positive Z deflection lowers it.
TEST(ProfilePlot, AProfileRunsFromBaseToTipWithItsDeflectionMagnified) {
  DeflectionProfile mirrored = kBending;
  for (double& y : mirrored.DeflY) y = -y;
  mirrored.DeflZ = {0, 0.25, 0, 0, -0.5};
  const SectionGrid grid = Column({mirrored});
  for (const auto& [plane, factor] :
       {std::pair{0, 1.0f}, std::pair{0, 0.1f}, std::pair{0, 10.0f}, std::pair{1, 1.0f}}) {
    const std::vector<DrawnLine> red = Drawn(grid, plane, factor).LinesIn(kResultRed);
    ASSERT_EQ(red.size(), 4u);
    const std::vector<double>& across = plane == 0 ? mirrored.DeflX : mirrored.DeflY;
    for (std::size_t j = 0; j < 4; ++j)
      for (std::size_t end : {j, j + 1}) {
        const double x = std::nearbyint(kX0 + kScale * across[end] * factor);
        const double y = std::nearbyint(kBase - (25.0 * end - mirrored.DeflZ[end]) * kScale);
        EXPECT_EQ((end == j ? std::vector{red[j].X1, red[j].Y1} : std::vector{red[j].X2, red[j].Y2}),
                  (std::vector{x, y}))
            << "plane " << plane << " factor " << factor << " point " << end;
      }
  }
  EXPECT_EQ(ProfileDirectionLines("X")[2], "+Z deflection: down");
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

TEST(ProfilePlot, TheScaleBarIsTheLongestRoundLengthThatFits) {
  struct Case {
    double pixelsPerMetre, factor;
    int longest;
    double metres;  // 0 for no bar
    int pixels;
  };
  for (const Case& c :
       {Case{4, 1, 120, 20, 80}, Case{4, 1000, 120, 0.02, 80}, Case{2.9, 1000, 100, 0.02, 58}, Case{4, 1, 100, 20, 80},
        Case{4, 1, 79, 10, 40}, Case{4, 100000000, 120, 2E-07, 80}, Case{1, 1, 100, 100, 100},  // exactly the longest
        Case{4, 0, 120, 0, 0}, Case{4, 1, 0, 0, 0},
        Case{2.4E-306, 1, 120, 5E307, 120},  // the decade above is infinite: passed over
        Case{1E-310, 1, 120, 0, 0}}) {       // no length is finite: no bar
    const std::optional<ScaleBar> bar = ChooseScaleBar(c.pixelsPerMetre, c.factor, c.longest);
    ASSERT_EQ(bar.has_value(), c.metres > 0) << c.factor;
    if (!bar) continue;
    EXPECT_NEAR(bar->Metres, c.metres, c.metres * 1e-12) << c.factor;
    EXPECT_EQ(bar->Pixels, c.pixels) << c.factor;
  }
  EXPECT_EQ(ScaleBarText(ScaleBar{0.02, 80}), ".02 m");
}

TEST(ProfilePlot, ProfilesRunFromBlueForTheFirstToRedForTheLast) {
  EXPECT_EQ(ProfileColor(1, 3), (RgbColor{0, 0, 255}));
  EXPECT_EQ(ProfileColor(2, 3), (RgbColor{128, 0, 127}));
  EXPECT_EQ(ProfileColor(3, 3), kResultRed);
  EXPECT_EQ(ProfileColor(1, 1), kResultRed);  // a single profile is the last

  std::vector<DeflectionProfile> profiles(3, kBending);
  profiles[0].DateText = "1/1/2001";
  profiles[2].DateText = "31/12/2001";
  const RecordingCanvas canvas = Drawn(Column(profiles), 0, 1);
  for (std::int64_t p = 1; p <= 3; ++p) EXPECT_EQ(canvas.LinesIn(ProfileColor(p, 3)).size(), 4u) << p;
  const DrawnText* first = canvas.FindText("First 1/1/2001");
  const DrawnText* last = canvas.FindText("Last  31/12/2001");
  const DrawnText* bar = canvas.FindText("20 m");  // at most 120 px at 4 px/m
  ASSERT_TRUE(first && last && bar);
  EXPECT_TRUE(first->Color == ProfileColor(1, 3) && last->Color == kResultRed && bar->Color == kBlack);
  EXPECT_TRUE(first->Y < last->Y && last->Y < bar->Y && bar->Y + 12 < kBase);  // bottom left, over the bar
  EXPECT_LE(last->X + 6 * last->Text.size(), kX0 - 3 * kScale) << "left of the column";
}

// Only the last stored profile's tip is written, in red at the top.
TEST(ProfilePlot, TheLastStoredTipIsWrittenAndUnusableProfilesAreLeftOut) {
  const DeflectionProfile small = Profile({0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 0.0123);
  struct Case {
    std::vector<DeflectionProfile> profiles;
    int plane;
    std::string tip;
  };
  for (const Case& c :
       {Case{{}, 0, "Final Tip X-Deflection : 0 m."}, Case{{kBending, small}, 0, "Final Tip X-Deflection : .0123 m."},
        Case{{small, kBending}, 1, "Final Tip Y-Deflection :-.5 m."}}) {
    const RecordingCanvas canvas = Drawn(Column(c.profiles), c.plane, 1);
    const DrawnText* tip = canvas.FindText(c.tip);
    ASSERT_NE(tip, nullptr) << c.tip;
    EXPECT_EQ(std::vector<double>({tip->X, tip->Y}),
              std::vector<double>({kX0 - 3 * static_cast<double>(c.tip.size()), 0}));
    EXPECT_EQ(tip->Color, kResultRed);
  }
  // Stored before the slices changed, no slices, no height, no such plane.
  EXPECT_EQ(Drawn(Column({Profile({0, 1, 2}, {0, 0, 0}, 1), kBending}), 0, 1).LinesIn(kResultRed).size(), 4u);
  SectionGrid noSlices = Column({kBending});
  noSlices.K = 0;
  EXPECT_TRUE(Drawn(noSlices, 0, 1).LinesIn(kResultRed).empty());
  SectionGrid noHeight = Column({kBending});
  noHeight.Height = 0;
  for (std::optional<int> plane : {std::optional<int>(), std::optional<int>(0)})
    EXPECT_TRUE(Drawn(noHeight, plane, 1).Empty());
  EXPECT_TRUE(Drawn(Column({kBending}), 2, 1).Texts.empty());
}

}  // namespace
}  // namespace kolvane

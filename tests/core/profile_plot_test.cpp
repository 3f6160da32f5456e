#include "core/plots/profile_plot.h"

#include <gtest/gtest.h>

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

// Four slices of 25 m; the tip sags by half a metre so that the axial
// displacement shows at true scale (2 px).
SectionGrid ColumnWithProfiles(std::vector<DeflectionProfile> profiles) {
  SectionGrid grid = ChimneyGrid(2, 8, 4, 2, 3);
  for (DeflectionProfile& profile : profiles) grid.Profiles.push_back(std::move(profile));
  grid.ProfileCount = static_cast<std::int32_t>(grid.Profiles.size()) - 1;
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
      {150, 24, 150, 424},                                            // centre line
      {142, 24, 142, 424}, {158, 24, 158, 424},                       // inner faces
      {138, 24, 138, 424}, {162, 24, 162, 424},                       // outer faces
      {150, 24, 284, 24},  {284, 24, 278, 30},  {284, 24, 278, 18},   // horizontal axis at the tip's level
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
      EXPECT_EQ(canvas.LinesIn(kBlack).size(), 11u);
    } else {
      const std::vector<DrawnLine> black = canvas.LinesIn(kBlack);
      ASSERT_EQ(black.size(), 13u);
      EXPECT_EQ(Ends(black[11]), (std::vector<double>{146, 20, 154, 28}));
      EXPECT_EQ(Ends(black[12]), (std::vector<double>{154, 20, 146, 28}));
    }
  }
}

TEST(ProfilePlot, MagnificationOptionsAreTenthsOfTheirCaptions) {
  struct Option {
    int index;
    const char* caption;
    float factor;
  };
  for (const Option& o : {Option{0, "Deflections x 1", 0.1f}, Option{1, "Deflections x 10", 1},
                          Option{2, "Deflections x 100", 10}, Option{4, "Deflections x 10,000", 1000},
                          Option{5, "Deflections x 100,000", 10000},
                          Option{8, "Deflections x 100,000,000", 10000000}}) {
    EXPECT_STREQ(MagnificationCaptions()[static_cast<std::size_t>(o.index)], o.caption);
    EXPECT_EQ(MagnificationFactor(o.index), o.factor) << o.caption;
  }
  EXPECT_STREQ(ProfilePlaneItems()[0], "Deflections in ZX plane");
  EXPECT_STREQ(ProfilePlaneItems()[1], "Deflections in YZ plane");
}

struct ProfileLine {
  int plane;
  float factor;
  std::vector<double> xs;  // points 0..4
};

// Point j at x = 150 + 4 px/m * deflection * factor, y = 424 - (25 j + DeflZ) * 4.
TEST(ProfilePlot, AProfileRunsFromBaseToTipWithItsDeflectionMagnified) {
  DeflectionProfile mirrored = kBending;
  for (double& y : mirrored.DeflY) y = -y;
  const SectionGrid grid = ColumnWithProfiles({mirrored});
  const std::vector<double> ys{424, 324, 224, 124, 26};
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
        if (t.Color == kResultRed) found.push_back(t);
      return found;
    }();
    ASSERT_EQ(red.size(), 1u) << row.expected;
    EXPECT_EQ(red[0].Text, row.expected);
    EXPECT_EQ(red[0].X, 150 - static_cast<int>(6 * row.expected.size()) / 2);
    EXPECT_EQ(red[0].Y, 0);
    EXPECT_EQ(canvas.LinesIn(kResultRed).size(), 4 * row.profiles.size());  // every profile, all in red
  }
}

// Profiles stored before the slices changed, counts beyond the store, no
// slices or no height: what cannot be drawn is left out.
TEST(ProfilePlot, UnusableProfilesAndColumnsAreLeftOut) {
  SectionGrid grid = ColumnWithProfiles({Profile({0, 1, 2}, {0, 0, 0}, 1), kBending});
  EXPECT_EQ(Drawn(grid, 0, 1).LinesIn(kResultRed).size(), 4u);  // the three-point profile is skipped

  grid.ProfileCount = 5;
  const RecordingCanvas beyond = Drawn(grid, 0, 1);
  EXPECT_EQ(beyond.LinesIn(kResultRed).size(), 4u);
  EXPECT_EQ(beyond.FindText("Final Tip X-Deflection :-.5 m."), nullptr);

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

#include "core/plots/profile_plot.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/common/number_text.h"
#include "core/plots/plot_axes.h"
#include "core/plots/plot_text.h"

namespace kolvane {
namespace {

constexpr double kMargin = 0.06;  // empty share of the height above the tip and below the base
constexpr int kAxisOverrun = 12;  // the vertical axis runs on below the base
constexpr int kLabelGap = 12;
constexpr int kZLabelGap = 11;
constexpr int kSymbolRadius = 6;
constexpr int kDotRadius = 1;

// One plane of view: what the axes are called and which deflections it shows.
struct PlaneRow {
  const char* Item;
  const char* AcrossAxis;      // the horizontal axis
  const char* OutOfPlaneAxis;  // the axis seen end-on at the top of the centre line
  bool OutOfPlaneAsDot;        // a dot in the circle, else a cross
  const char* TipName;
  std::vector<double> DeflectionProfile::*Deflections;
  double DeflectionProfile::*Tip;
};

const std::array<PlaneRow, 2> kPlanes{{
    {"Deflections in ZX plane", "X", "Y", true, "X", &DeflectionProfile::DeflX, &DeflectionProfile::TipX},
    {"Deflections in YZ plane", "Y", "X", false, "Y", &DeflectionProfile::DeflY, &DeflectionProfile::TipY},
}};

constexpr std::array<const char*, 9> kMagnificationCaptions{
    "Deflections x 1",         "Deflections x 10",         "Deflections x 100",
    "Deflections x 1000",      "Deflections x 10,000",     "Deflections x 100,000",
    "Deflections x 1,000,000", "Deflections x 10,000,000", "Deflections x 100,000,000"};

// The factor each caption promises, option by option.
constexpr std::array<float, 9> kMagnificationFactors{1, 10, 100, 1000, 1E4f, 1E5f, 1E6f, 1E7f, 1E8f};

constexpr int kLegendEdge = 6;     // the legends keep this far from the picture's sides and the base
constexpr int kLegendLineGap = 2;  // between the legend's lines of text
constexpr int kScaleBarLongest = 120;

// Where the column lies on the canvas, in pixels.
struct ProfileFrame {
  double Scale;  // pixels per metre, the same across and up
  int X0;        // the centre line
  int YTop;      // the tip's level
  int YBottom;   // the base's level
  int XEnd;      // the tip of the horizontal axis
};

std::optional<ProfileFrame> FrameFor(const Canvas& canvas, const SectionGrid& grid) {
  const double scale = canvas.Height() / ((1 + 2 * kMargin) * grid.Height);
  if (!(grid.Height > 0) || !(scale > 0) || !std::isfinite(scale)) return std::nullopt;
  ProfileFrame frame{scale, NearestPixel(canvas.Width()) / 2, NearestPixel(kMargin * grid.Height * scale), 0, 0};
  frame.YBottom = NearestPixel(grid.Height * scale + frame.YTop);
  frame.XEnd = NearestPixel(frame.X0 + canvas.Width() * 0.5 / (1 + 2 * kMargin));
  return frame;
}

void DrawColumn(Canvas& canvas, const ProfileFrame& f, const SectionGrid& grid) {
  canvas.Line(f.X0, f.YTop, f.X0, f.YBottom);
  for (const double radius : {grid.IRadius, grid.ERadius}) {
    canvas.Line(f.X0 - radius * f.Scale, f.YTop, f.X0 - radius * f.Scale, f.YBottom);
    canvas.Line(f.X0 + radius * f.Scale, f.YTop, f.X0 + radius * f.Scale, f.YBottom);
  }
}

void DrawAxes(Canvas& canvas, const ProfileFrame& f) {
  canvas.Line(f.X0, f.YTop, f.XEnd, f.YTop);
  DrawArrowhead(canvas, f.XEnd, f.YTop, ArrowDirection::Right);
  const int yEnd = f.YBottom + kAxisOverrun;
  canvas.Line(f.X0, f.YTop, f.X0, yEnd);
  DrawArrowhead(canvas, f.X0, yEnd, ArrowDirection::Down);
}

// The axis seen end-on: a white disc in a black ring, with a dot or a cross.
void DrawOutOfPlaneSymbol(Canvas& canvas, const ProfileFrame& f, bool dot) {
  canvas.SetPenColor(kWhite);
  canvas.Circle(f.X0, f.YTop, kSymbolRadius, true);
  canvas.SetPenColor(kBlack);
  canvas.Circle(f.X0, f.YTop, kSymbolRadius, false);
  if (dot) {
    canvas.Circle(f.X0, f.YTop, kDotRadius, true);
    return;
  }
  const int a = NearestPixel(kSymbolRadius * std::sqrt(2.0)) / 2;
  canvas.Line(f.X0 - a, f.YTop - a, f.X0 + a, f.YTop + a);
  canvas.Line(f.X0 + a, f.YTop - a, f.X0 - a, f.YTop + a);
}

void DrawAxisLabels(Canvas& canvas, const ProfileFrame& f, const PlaneRow& plane) {
  canvas.Text(f.XEnd - HalfTextWidth(canvas, plane.AcrossAxis), f.YTop + kLabelGap, plane.AcrossAxis);
  canvas.Text(f.X0 + kZLabelGap, f.YBottom - HalfTextHeight(canvas, "Z") + kLabelGap, "Z");
  DrawOutOfPlaneSymbol(canvas, f, plane.OutOfPlaneAsDot);
  const std::string label = plane.OutOfPlaneAxis;
  canvas.Text(f.X0 - NearestPixel(canvas.TextWidth(label)) - kLabelGap, f.YTop - HalfTextHeight(canvas, label), label);
}

// Each stored profile from the base (point 0) to the tip (point K); the
// axial displacement is drawn at true scale, the sideways one magnified.
std::int64_t DrawnProfileCount(const SectionGrid& grid) { return static_cast<std::int64_t>(grid.Profiles.size()); }

void DrawProfiles(Canvas& canvas, const ProfileFrame& f, const SectionGrid& grid, const PlaneRow& plane, float factor) {
  if (grid.K < 1) return;
  const auto points = static_cast<std::size_t>(grid.K) + 1;
  const double sliceHeight = grid.Height / grid.K;
  const std::int64_t count = DrawnProfileCount(grid);
  for (std::int64_t p = 1; p <= count; ++p) {
    canvas.SetPenColor(ProfileColor(p, count));
    const DeflectionProfile& profile = grid.Profiles[static_cast<std::size_t>(p - 1)];
    const std::vector<double>& across = profile.*plane.Deflections;
    if (across.size() < points || profile.DeflZ.size() < points) continue;
    auto x = [&](std::size_t j) { return NearestPixel(f.Scale * across[j] * factor + f.X0); };
    // A positive Z deflection moves a point down (the column shortens), as
    // the reports count it, so it lowers the point below its slice's level.
    auto y = [&](std::size_t j) {
      return NearestPixel(f.YBottom - (sliceHeight * static_cast<double>(j) - profile.DeflZ[j]) * f.Scale);
    };
    for (std::size_t k = 1; k < points; ++k) canvas.Line(x(k - 1), y(k - 1), x(k), y(k));
  }
}

// The last stored profile's tip, or 0 when none is stored.
void DrawTipText(Canvas& canvas, const ProfileFrame& f, const SectionGrid& grid, const PlaneRow& plane) {
  const DeflectionProfile last = grid.Profiles.empty() ? DeflectionProfile{} : grid.Profiles.back();
  const std::string text =
      std::string("Final Tip ") + plane.TipName + "-Deflection :" + NumberText(last.*plane.Tip, false) + " m.";
  canvas.Text(f.X0 - HalfTextWidth(canvas, text), 0, text);
}

// Bottom left: the dates of the first and the last profile in their colours,
// and below them the scale bar, black, with its length in metres.
void DrawDatesAndScaleBar(Canvas& canvas, const ProfileFrame& f, const SectionGrid& grid, float factor) {
  const std::int64_t count = DrawnProfileCount(grid);
  const int lineHeight = NearestPixel(canvas.TextHeight("0")) + kLegendLineGap;
  const int longest = std::min(kScaleBarLongest, NearestPixel((f.X0 - grid.ERadius * f.Scale) - 2 * kLegendEdge));
  const std::optional<ScaleBar> bar = ChooseScaleBar(f.Scale, factor, longest);
  const int barY = f.YBottom - kLegendEdge - kScaleBarTick;
  int y = barY - kScaleBarTick - lineHeight;
  if (bar) y = DrawScaleBar(canvas, kLegendEdge, barY, *bar, ScaleBarText(*bar)) - lineHeight;
  if (count < 1) return;
  const DeflectionProfile& first = grid.Profiles.front();
  const DeflectionProfile& last = grid.Profiles.back();
  canvas.SetPenColor(ProfileColor(count, count));
  canvas.Text(kLegendEdge, y, "Last  " + last.DateText);
  canvas.SetPenColor(ProfileColor(1, count));
  canvas.Text(kLegendEdge, y - lineHeight, "First " + first.DateText);
}

// Top left, below the axis seen end-on, the axes' positive directions: the
// rows they take and how far right they reach.
struct DirectionsBand {
  int Top, Bottom, Right;
};

DirectionsBand DirectionsBandOf(const Canvas& canvas, const ProfileFrame& f, const PlaneRow& plane) {
  const int lineHeight = NearestPixel(canvas.TextHeight("0")) + kLegendLineGap;
  DirectionsBand band{f.YTop + kSymbolRadius + lineHeight, 0, kLegendEdge};
  band.Bottom = band.Top;
  for (const std::string& line : ProfileDirectionLines(plane.AcrossAxis)) {
    band.Right = std::max(band.Right, kLegendEdge + NearestPixel(canvas.TextWidth(line)));
    band.Bottom += lineHeight;
  }
  return band;
}

void DrawDirections(Canvas& canvas, const ProfileFrame& f, const PlaneRow& plane) {
  const int lineHeight = NearestPixel(canvas.TextHeight("0")) + kLegendLineGap;
  int y = DirectionsBandOf(canvas, f, plane).Top;
  canvas.SetPenColor(kBlack);
  for (const std::string& line : ProfileDirectionLines(plane.AcrossAxis)) {
    canvas.Text(kLegendEdge, y, line);
    y += lineHeight;
  }
}

// Whether every profile, drawn at `factor`, keeps within `room` pixels of the
// centre line and, in the rows of the directions, right of their text.
bool ProfilesFit(const Canvas& canvas, const ProfileFrame& f, const SectionGrid& grid, const PlaneRow& plane,
                 double factor, double room) {
  const DirectionsBand band = DirectionsBandOf(canvas, f, plane);
  const double sliceHeight = grid.K > 0 ? grid.Height / grid.K : 0;
  for (const DeflectionProfile& profile : grid.Profiles) {
    const std::vector<double>& across = profile.*plane.Deflections;
    for (std::size_t j = 0; j < across.size(); ++j) {
      if (!std::isfinite(across[j])) continue;
      const double x = factor * across[j] * f.Scale;
      if (std::abs(x) > room) return false;
      // The slice from this point up to the next crosses the band: its
      // leftmost end must stay clear of the text.
      const double y = f.YBottom - sliceHeight * static_cast<double>(j) * f.Scale;
      const double above = y - sliceHeight * f.Scale;
      const bool inBand = j + 1 < across.size() && above <= band.Bottom && y >= band.Top;
      const double leftEnd = std::min(x, factor * across[std::min(j + 1, across.size() - 1)] * f.Scale);
      if (inBand && f.X0 + leftEnd < band.Right + kLegendEdge) return false;
    }
  }
  return true;
}

}  // namespace

int FittingProfileOption(const Canvas& canvas, const SectionGrid& grid, int plane) {
  const std::optional<ProfileFrame> frame = FrameFor(canvas, grid);
  if (plane < 0 || plane >= static_cast<int>(kPlanes.size()) || !frame) return 0;
  const PlaneRow& row = kPlanes[static_cast<std::size_t>(plane)];
  bool moves = false;
  for (const DeflectionProfile& profile : grid.Profiles)
    for (const double d : profile.*row.Deflections) moves = moves || (std::isfinite(d) && d != 0);
  if (!moves) return 0;
  const double room = 0.9 * canvas.Width() / 2.0;
  const int options = static_cast<int>(MagnificationCaptions().size());
  for (int option = options - 1; option > 0; --option)
    if (ProfilesFit(canvas, *frame, grid, row, MagnificationFactor(option), room)) return option;
  return 0;
}

RgbColor ProfileColor(std::int64_t profile, std::int64_t count) {
  if (count <= 1 || profile >= count) return kResultRed;
  const double share = static_cast<double>(profile - 1) / static_cast<double>(count - 1);
  const auto red = static_cast<std::uint8_t>(NearestPixel(share * 255));
  return RgbColor{red, 0, static_cast<std::uint8_t>(255 - red)};
}

std::array<std::string, 3> ProfileDirectionLines(const std::string& acrossAxis) {
  return {"+" + acrossAxis + " to the right", "+Z down the column", "+Z deflection: down"};
}

const std::array<const char*, 2>& ProfilePlaneItems() {
  static const std::array<const char*, 2> kItems{kPlanes[0].Item, kPlanes[1].Item};
  return kItems;
}

const std::array<const char*, 9>& MagnificationCaptions() { return kMagnificationCaptions; }

float MagnificationFactor(int option) {
  return kMagnificationFactors[static_cast<std::size_t>(std::clamp(option, 0, 8))];
}

void DrawProfile(Canvas& canvas, const SectionGrid& grid, std::optional<int> plane, float factor) {
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kBlack);
  canvas.Clear();
  const std::optional<ProfileFrame> frame = FrameFor(canvas, grid);
  if (!frame) return;

  DrawColumn(canvas, *frame, grid);
  DrawAxes(canvas, *frame);
  const bool chosen = plane && *plane >= 0 && *plane < static_cast<int>(kPlanes.size());
  if (chosen) DrawAxisLabels(canvas, *frame, kPlanes[static_cast<std::size_t>(*plane)]);

  canvas.SetPenColor(kResultRed);
  if (!chosen) return;
  const PlaneRow& row = kPlanes[static_cast<std::size_t>(*plane)];
  DrawProfiles(canvas, *frame, grid, row, factor);
  canvas.SetPenColor(kResultRed);
  DrawTipText(canvas, *frame, grid, row);
  DrawDatesAndScaleBar(canvas, *frame, grid, factor);
  DrawDirections(canvas, *frame, row);
}

}  // namespace kolvane

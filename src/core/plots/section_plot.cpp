#include "core/plots/section_plot.h"

#include <cmath>
#include <string>
#include <vector>

#include "core/common/number_text.h"
#include "core/common/rounding.h"
#include "core/plots/plot_axes.h"
#include "core/plots/plot_text.h"

namespace kolvane {
namespace {

constexpr double kMargin = 0.06;  // empty share of the diameter on either side of the outer circle
constexpr int kAxisOverrun = 18;
constexpr int kLabelGap = 12;
constexpr int kTitleTop = 6;
constexpr int kFaceTextGap = 9;  // face values stand this far outside the outer face, inside the inner one
constexpr int kTipTextGap = 12;
constexpr int kTipCross = 5;
constexpr int kCentroidRadius = 1;
constexpr int kValueDecimals = 3;
constexpr int kVariationDecimals = 0;
constexpr int kDirectionEdge = 6;  // the directions keep this far from the picture's left and bottom
constexpr int kDirectionLineGap = 2;

struct ResultRow {
  const char* Item;
  const char* Title;
};

enum SectionResult {
  kBlockCentroids,
  kXCoordinates,
  kYCoordinates,
  kBlockAngles,
  kBlockAreas,
  kAnglesToSun,
  kExternalVariation,
  kInternalVariation,
  kBlockTemperatures,
  kFreeStrains,
  kDeflectedTip,
  kResultCount
};

constexpr std::array<ResultRow, kResultCount> kResults{{
    {"Block Centroids", "Position of Block Centroids"},
    {"X Coordinates", "X Coordinates of Block Centroids (m)"},
    {"Y Coordinates", "Y Coordinates of Block Centroids (m)"},
    {"Block Angles", "Angles of Sectors with respect to the East (degrees)"},
    {"Block Areas", "Block Areas (m\u00b2)"},
    {"Block Angles To Sun + Sun Position", "Angles of Sectors with respect to Sun Position (degrees)"},
    {"External Temperature Variation + Sun Position", "External Surface Temperature Variation (%)"},
    {"Internal Temperature Variation + Sun Position", "Internal Surface Temperature Variation (%)"},
    {"Block Temperatures", "Block Temperatures (degrees)"},
    {"Initial Free Strains x 10^-6", "Initial Free Thermal Strains (x e-06)"},
    {"Deflected Tip Position + Sun Position", "Deflected Tip Position"},
}};

// The element at a 1-based position of an engine array, or nothing when the
// last run has not made the array that long.
std::optional<double> Element(const std::vector<double>& array, std::int64_t position) {
  if (position < 1 || position > static_cast<std::int64_t>(array.size())) return std::nullopt;
  return array[static_cast<std::size_t>(position - 1)];
}

std::optional<double> BlockElement(const std::vector<double>& array, const SectionGrid& grid, int i, int j) {
  return Element(array, static_cast<std::int64_t>(grid.Block(i, j)) + 1);
}

std::optional<BlockPoint> CentroidOf(const SectionGrid& grid, int i, int j) {
  const std::size_t index = grid.Block(i, j);
  if (index >= grid.Centroid.size()) return std::nullopt;
  return grid.Centroid[index];
}

std::optional<double> CoordinateOf(const SectionGrid& grid, int i, int j, double BlockPoint::*axis) {
  const std::optional<BlockPoint> centroid = CentroidOf(grid, i, j);
  if (!centroid) return std::nullopt;
  return (*centroid).*axis;
}

// Where the section lies on the canvas: the centre, the scale and the tips of
// the axes, all in pixels.
struct SectionFrame {
  double Scale;  // pixels per metre
  int X0, Y0, XEnd, YEnd;
};

std::optional<SectionFrame> FrameFor(const Canvas& canvas, const SectionGrid& grid) {
  const int width = canvas.Width();
  const int height = canvas.Height();
  const double side = width > height ? height : width;
  const double scale = side / ((1 + 2 * kMargin) * 2 * grid.ERadius);
  if (!(grid.ERadius > 0) || !(scale > 0) || !std::isfinite(scale)) return std::nullopt;
  SectionFrame frame{scale, NearestPixel(width) / 2, NearestPixel(height) / 2, 0, 0};
  frame.XEnd = NearestPixel(grid.ERadius * scale + frame.X0 + kAxisOverrun);
  frame.YEnd = NearestPixel(grid.ERadius * scale + frame.Y0 + kAxisOverrun);
  return frame;
}

void DrawAxes(Canvas& canvas, const SectionFrame& f) {
  canvas.Line(f.X0, f.Y0, f.XEnd, f.Y0);
  DrawArrowhead(canvas, f.XEnd, f.Y0, ArrowDirection::Right);
  canvas.Line(f.X0, f.Y0, f.X0, f.YEnd);
  DrawArrowhead(canvas, f.X0, f.YEnd, ArrowDirection::Down);
  canvas.Text(f.XEnd - HalfTextWidth(canvas, "X"), f.Y0 + kLabelGap, "X");
  canvas.Text(f.X0 + kLabelGap, f.YEnd - HalfTextHeight(canvas, "Y"), "Y");
}

// Bottom left, black: which way the axes count.
void DrawDirections(Canvas& canvas) {
  const std::array<std::string, 2> lines = SectionDirectionLines();
  const int lineHeight = NearestPixel(canvas.TextHeight("0")) + kDirectionLineGap;
  int y = canvas.Height() - kDirectionEdge - static_cast<int>(lines.size()) * lineHeight;
  for (const std::string& line : lines) {
    canvas.Text(kDirectionEdge, y, line);
    y += lineHeight;
  }
}

// The inner face, the boundaries between rings and the outer face.
void DrawRings(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid) {
  if (grid.I < 1) return;
  for (int r = 0; r <= grid.I; ++r) {
    const double radius = (grid.IRadius + r * (grid.ERadius - grid.IRadius) / grid.I) * f.Scale;
    canvas.Circle(f.X0, f.Y0, radius, false);
  }
}

void DrawSectorBoundaries(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid) {
  for (int a = 1; a <= grid.J; ++a) {
    const double angle = a * 2 * kPi / grid.J;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    canvas.Line(NearestPixel(f.X0 + grid.IRadius * f.Scale * c), NearestPixel(f.Y0 + grid.IRadius * f.Scale * s),
                NearestPixel(f.X0 + grid.ERadius * f.Scale * c), NearestPixel(f.Y0 + grid.ERadius * f.Scale * s));
  }
}

void TextCentredOn(Canvas& canvas, double x, double y, const std::string& text) {
  canvas.Text(x - HalfTextWidth(canvas, text), y - HalfTextHeight(canvas, text), text);
}

std::string ValueText(double value, int decimals) { return NumberText(RoundedValue(value, decimals), true); }

// The direction of the sun, from (x, y) out to the outer face's distance.
void DrawSunLine(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid, double x, double y) {
  const double sun = grid.SunPosition * kPi / 180;
  const double reach = grid.ERadius * f.Scale;
  canvas.Line(x, y, NearestPixel(x + reach * std::cos(sun)), NearestPixel(y + reach * std::sin(sun)));
}

// Calls mark(x, y, i, j) at the point of every block whose centroid the last
// run has placed, ring by ring.
template <typename Mark>
void ForEachBlockPoint(const SectionFrame& f, const SectionGrid& grid, Mark&& mark) {
  for (int i = 1; i <= grid.I; ++i)
    for (int j = 1; j <= grid.J; ++j)
      if (const auto centroid = CentroidOf(grid, i, j))
        mark(f.X0 + f.Scale * centroid->X, f.Y0 + f.Scale * centroid->Y, i, j);
}

// valueOf(i, j) gives the block's value, or nothing where it is missing.
template <typename ValueOf>
void WriteBlockValues(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid, ValueOf&& valueOf) {
  ForEachBlockPoint(f, grid, [&](double x, double y, int i, int j) {
    if (const std::optional<double> value = valueOf(i, j))
      TextCentredOn(canvas, x, y, ValueText(*value, kValueDecimals));
  });
}

std::optional<double> InDegrees(std::optional<double> radians) {
  if (!radians) return std::nullopt;
  return DegreesFromRadians(*radians);
}

// One whole-number value per sector, at `distance` pixels from the centre on
// the sector's mid-line.
void WriteFaceValues(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid, const std::vector<double>& values,
                     double distance) {
  for (int j = 1; j <= grid.J; ++j) {
    const std::optional<double> value = Element(values, j);
    const std::optional<double> angle = Element(grid.SectorAngle, j);
    if (!value || !angle) continue;
    TextCentredOn(canvas, f.X0 + distance * std::cos(*angle), f.Y0 + distance * std::sin(*angle),
                  ValueText(*value, kVariationDecimals));
  }
}

// The section moved by the tip's deflection at the drawing's own scale, with
// the deflection written above its centre.
void DrawDeflectedTip(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid) {
  const int xt = NearestPixel(f.X0 + grid.TipX * f.Scale);
  const int yt = NearestPixel(f.Y0 + grid.TipY * f.Scale);
  canvas.Circle(xt, yt, grid.IRadius * f.Scale, false);
  canvas.Circle(xt, yt, grid.ERadius * f.Scale, false);
  const std::string text =
      "X = " + ValueText(grid.TipX, kValueDecimals) + " m, Y = " + ValueText(grid.TipY, kValueDecimals) + " m";
  canvas.Text(xt - HalfTextWidth(canvas, text), yt - NearestPixel(canvas.TextHeight(text)) - kTipTextGap, text);
  canvas.Line(xt - kTipCross, yt - kTipCross, xt + kTipCross, yt + kTipCross);
  canvas.Line(xt + kTipCross, yt - kTipCross, xt - kTipCross, yt + kTipCross);
  DrawSunLine(canvas, f, grid, xt, yt);
}

void DrawResult(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid, int result) {
  DrawCentredTitle(canvas, kTitleTop, kResults[static_cast<std::size_t>(result)].Title);
  switch (result) {
    case kBlockCentroids:
      ForEachBlockPoint(f, grid, [&](double x, double y, int, int) { canvas.Circle(x, y, kCentroidRadius, false); });
      break;
    case kXCoordinates:
      WriteBlockValues(canvas, f, grid, [&](int i, int j) { return CoordinateOf(grid, i, j, &BlockPoint::X); });
      break;
    case kYCoordinates:
      WriteBlockValues(canvas, f, grid, [&](int i, int j) { return CoordinateOf(grid, i, j, &BlockPoint::Y); });
      break;
    case kBlockAngles:
      WriteBlockValues(canvas, f, grid, [&](int, int j) { return InDegrees(Element(grid.SectorAngle, j)); });
      break;
    case kBlockAreas:
      WriteBlockValues(canvas, f, grid, [&](int i, int) { return Element(grid.BlockArea, i); });
      break;
    case kAnglesToSun:
      DrawSunLine(canvas, f, grid, f.X0, f.Y0);
      WriteBlockValues(canvas, f, grid, [&](int, int j) { return InDegrees(Element(grid.AngleToSun, j)); });
      break;
    case kExternalVariation:
      DrawSunLine(canvas, f, grid, f.X0, f.Y0);
      WriteFaceValues(canvas, f, grid, grid.ExtVariation, grid.ERadius * f.Scale + kFaceTextGap);
      break;
    case kInternalVariation:
      DrawSunLine(canvas, f, grid, f.X0, f.Y0);
      WriteFaceValues(canvas, f, grid, grid.IntVariation, grid.IRadius * f.Scale - kFaceTextGap);
      break;
    case kBlockTemperatures:
      WriteBlockValues(canvas, f, grid, [&](int i, int j) { return BlockElement(grid.BlockTemp, grid, i, j); });
      break;
    case kFreeStrains:
      WriteBlockValues(canvas, f, grid, [&](int i, int j) {
        const std::optional<double> strain = BlockElement(grid.FreeStrain, grid, i, j);
        return strain ? std::optional(*strain * 1e6) : std::nullopt;
      });
      break;
    case kDeflectedTip:
      DrawDeflectedTip(canvas, f, grid);
      break;
  }
}

}  // namespace

const std::array<const char*, 11>& SectionResultItems() {
  static const std::array<const char*, 11> items = [] {
    std::array<const char*, 11> names{};
    for (std::size_t n = 0; n < names.size(); ++n) names[n] = kResults[n].Item;
    return names;
  }();
  return items;
}

std::array<std::string, 2> SectionDirectionLines() { return {"+X: to the right (East)", "+Y: down"}; }

void DrawSection(Canvas& canvas, const SectionGrid& grid, std::optional<int> result) {
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kBlack);
  canvas.Clear();
  const std::optional<SectionFrame> frame = FrameFor(canvas, grid);
  if (!frame) return;

  DrawAxes(canvas, *frame);
  DrawRings(canvas, *frame, grid);
  DrawSectorBoundaries(canvas, *frame, grid);
  DrawDirections(canvas);

  canvas.SetPenColor(kResultRed);
  if (result && *result >= 0 && *result < kResultCount) DrawResult(canvas, *frame, grid, *result);
}

}  // namespace kolvane

#include "core/plots/section_plot.h"

#include <algorithm>
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
    {"Block Temperatures", "Block Temperatures (\u00b0C)"},
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

// Bottom left of the part shown, black: which way the axes count.
void DrawDirections(Canvas& canvas) {
  const PixelRect shown = canvas.Visible();
  const std::array<std::string, 2> lines = SectionDirectionLines();
  const int lineHeight = NearestPixel(canvas.TextHeight("0")) + kDirectionLineGap;
  int y = shown.Top + shown.Height - kDirectionEdge - static_cast<int>(lines.size()) * lineHeight;
  for (const std::string& line : lines) {
    canvas.Text(shown.Left + kDirectionEdge, y, line);
    y += lineHeight;
  }
}

// The title stands at the top of the part shown, so that a zoomed view keeps
// it; the diagrams of the run, when known, on a line of their own below it.
void DrawTitle(Canvas& canvas, const std::string& title, const std::string& diagrams) {
  const PixelRect shown = canvas.Visible();
  int top = shown.Top + kTitleTop;
  for (const std::string& line : {title, diagrams}) {
    if (line.empty()) continue;
    // On white, drawn after the result: no ring, face or line crosses the title.
    const int left = std::max(shown.Left, shown.Left + shown.Width / 2 - HalfTextWidth(canvas, line));
    const std::vector<RgbColor> white(static_cast<std::size_t>(NearestPixel(canvas.TextWidth(line))), kWhite);
    for (int row = 0; row < NearestPixel(canvas.TextHeight(line)); ++row) canvas.PixelRow(left, top + row, white);
    canvas.Text(std::max(shown.Left, shown.Left + shown.Width / 2 - HalfTextWidth(canvas, line)), top, line);
    top += NearestPixel(canvas.TextHeight(line)) + kDirectionLineGap;
  }
}

// "Diagrams: summer, summer, dry, summer, calm", kind by kind, as the run
// read them; nothing for a grid that holds no run's diagrams.
std::string DiagramsLine(const SectionGrid& grid) {
  std::vector<DiagramRead> read = grid.DiagramsRead;
  if (read.empty()) return {};
  std::stable_sort(read.begin(), read.end(),
                   [](const DiagramRead& a, const DiagramRead& b) { return a.Kind < b.Kind; });
  std::string line = "Diagrams: ";
  for (std::size_t n = 0; n < read.size(); ++n) line += (n > 0 ? ", " : "") + read[n].Name;
  return line;
}

bool Shows(const PixelRect& shown, double left, double top, double right, double bottom) {
  return right >= shown.Left && left <= shown.Left + shown.Width && bottom >= shown.Top &&
         top <= shown.Top + shown.Height;
}

double RingPixels(const SectionFrame& f, const SectionGrid& grid) {
  return (grid.ERadius - grid.IRadius) / grid.I * f.Scale;
}

// The faces always; the boundaries between rings where they stand apart.
void DrawRings(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid) {
  if (grid.I < 1) return;
  const bool boundaries = RingPixels(f, grid) >= kSmallestLineGap;
  for (int r = 0; r <= grid.I; ++r) {
    if (!boundaries && r != 0 && r != grid.I) continue;
    const double radius = (grid.IRadius + r * (grid.ERadius - grid.IRadius) / grid.I) * f.Scale;
    canvas.Circle(f.X0, f.Y0, radius, false);
  }
}

// The boundaries between sectors where they stand apart at the outer face,
// and only those that cross the part shown.
void DrawSectorBoundaries(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid) {
  if (grid.J < 1 || grid.ERadius * f.Scale * 2 * kPi / grid.J < kSmallestLineGap) return;
  const PixelRect shown = canvas.Visible();
  for (int a = 1; a <= grid.J; ++a) {
    const double angle = a * 2 * kPi / grid.J;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const int x1 = NearestPixel(f.X0 + grid.IRadius * f.Scale * c),
              y1 = NearestPixel(f.Y0 + grid.IRadius * f.Scale * s);
    const int x2 = NearestPixel(f.X0 + grid.ERadius * f.Scale * c),
              y2 = NearestPixel(f.Y0 + grid.ERadius * f.Scale * s);
    if (Shows(shown, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)))
      canvas.Line(x1, y1, x2, y2);
  }
}

void TextCentredOn(Canvas& canvas, double x, double y, const std::string& text) {
  canvas.Text(x - HalfTextWidth(canvas, text), y - HalfTextHeight(canvas, text), text);
}

std::string ValueText(double value, int decimals) { return NumberText(RoundedValue(value, decimals), true); }

// The direction of the sun, from (x, y) out to the outer face's distance,
// named at its end with its angle from the East.
void DrawSunLine(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid, double x, double y) {
  const double sun = grid.SunPosition * kPi / 180;
  const double reach = grid.ERadius * f.Scale;
  canvas.Line(x, y, NearestPixel(x + reach * std::cos(sun)), NearestPixel(y + reach * std::sin(sun)));
  const std::string label = "Sun " + ValueText(grid.SunPosition, 1) + "\u00b0";
  const double beyond = reach + kFaceTextGap + HalfTextWidth(canvas, label);
  TextCentredOn(canvas, x + beyond * std::cos(sun), y + beyond * std::sin(sun), label);
}

// Calls mark(x, y, i, j) at the point of every block whose centroid the last
// run has placed and that lies in the part shown (widened by `reach` pixels),
// ring by ring; rings thinner than `thinnest` pixels are passed over whole.
template <typename Mark>
void ForEachBlockPoint(const Canvas& canvas, const SectionFrame& f, const SectionGrid& grid, double reach,
                       double thinnest, Mark&& mark) {
  if (RingPixels(f, grid) < thinnest) return;
  const PixelRect shown = canvas.Visible();
  for (int i = 1; i <= grid.I; ++i)
    for (int j = 1; j <= grid.J; ++j)
      if (const auto centroid = CentroidOf(grid, i, j)) {
        const double x = f.X0 + f.Scale * centroid->X, y = f.Y0 + f.Scale * centroid->Y;
        if (Shows(shown, x - reach, y - reach, x + reach, y + reach)) mark(x, y, i, j);
      }
}

// The width of a sector at the centroid of ring i's blocks, in pixels.
double ArcPixels(const SectionFrame& f, const SectionGrid& grid, double x, double y) {
  return std::hypot(x - f.X0, y - f.Y0) * 2 * kPi / grid.J;
}

// The block of ring i (1..I) and sector j (1..J) under the pixel whose centre
// lies at (dx, dy) from the section's centre, or nothing outside the wall.
std::optional<std::pair<int, int>> BlockUnder(const SectionFrame& f, const SectionGrid& grid, double dx, double dy) {
  const double radius = std::hypot(dx, dy) / f.Scale;
  if (radius < grid.IRadius || radius >= grid.ERadius) return std::nullopt;
  double angle = std::atan2(dy, dx);
  if (angle < 0) angle += 2 * kPi;
  const int i =
      std::clamp(static_cast<int>((radius - grid.IRadius) / (grid.ERadius - grid.IRadius) * grid.I), 0, grid.I - 1);
  const int j = std::clamp(static_cast<int>(angle / (2 * kPi / grid.J)), 0, grid.J - 1);
  return std::pair(i + 1, j + 1);
}

// The smallest and largest of the values the blocks have.
template <typename ValueOf>
std::optional<std::pair<double, double>> ValueRange(const SectionGrid& grid, ValueOf&& valueOf) {
  std::optional<std::pair<double, double>> range;
  for (int i = 1; i <= grid.I; ++i)
    for (int j = 1; j <= grid.J; ++j)
      if (const std::optional<double> value = valueOf(i, j); value && std::isfinite(*value))
        range = range ? std::pair(std::min(range->first, *value), std::max(range->second, *value))
                      : std::pair(*value, *value);
  return range;
}

// Colours, pixel by pixel over the part shown, every block for which
// fits(i, j) says its value cannot be written. True when any was coloured.
template <typename ValueOf, typename Fits>
bool ColourBlocks(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid, std::pair<double, double> range,
                  ValueOf&& valueOf, Fits&& fits) {
  const PixelRect shown = canvas.Visible();
  bool coloured = false;
  std::vector<RgbColor> run;
  // Neighbouring pixels mostly lie on one block: its colour is worked out once.
  std::pair<int, int> lastBlock{0, 0};
  std::optional<RgbColor> lastColor;
  const auto colorOf = [&](std::pair<int, int> block) {
    if (block == lastBlock) return lastColor;
    lastBlock = block;
    lastColor.reset();
    if (!fits(block))
      if (const std::optional<double> value = valueOf(block.first, block.second); value && std::isfinite(*value))
        lastColor = ValueColor(*value, range.first, range.second);
    return lastColor;
  };
  for (int y = shown.Top; y < shown.Top + shown.Height; ++y) {
    int runStart = shown.Left;
    run.clear();
    for (int x = shown.Left; x <= shown.Left + shown.Width; ++x) {
      std::optional<RgbColor> color;
      if (x < shown.Left + shown.Width)
        if (const auto block = BlockUnder(f, grid, x + 0.5 - f.X0, y + 0.5 - f.Y0)) color = colorOf(*block);
      if (color) {
        if (run.empty()) runStart = x;
        run.push_back(*color);
        continue;
      }
      if (!run.empty()) {
        canvas.PixelRow(runStart, y, run);
        coloured = true;
      }
      run.clear();
    }
  }
  return coloured;
}

// Under the directions at the bottom right: which colour stands for which value.
void DrawColourKey(Canvas& canvas, std::pair<double, double> range) {
  const PixelRect shown = canvas.Visible();
  const std::string low = ValueText(range.first, kValueDecimals), high = ValueText(range.second, kValueDecimals);
  const std::string text = "Colour: " + low + " (blue) to " + high + " (red)";
  const int textTop = shown.Top + shown.Height - kDirectionEdge - NearestPixel(canvas.TextHeight(text));
  const int right = shown.Left + shown.Width - kDirectionEdge;
  canvas.Text(right - NearestPixel(canvas.TextWidth(text)), textTop, text);
  constexpr int kKeyLength = 120, kKeyThickness = 6;
  std::vector<RgbColor> bar(kKeyLength);
  for (int n = 0; n < kKeyLength; ++n) bar[n] = ValueColor(n, 0, kKeyLength - 1);
  for (int row = 0; row < kKeyThickness; ++row)
    canvas.PixelRow(right - kKeyLength, textTop - 3 - kKeyThickness + row, bar);
}

// valueOf(i, j) gives the block's value, or nothing where it is missing. A
// value is written on its block where its text fits; the blocks too small
// for theirs are coloured by value, with a key.
template <typename ValueOf>
void WriteBlockValues(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid, ValueOf&& valueOf) {
  if (grid.I < 1 || grid.J < 1) return;
  const std::optional<std::pair<double, double>> range = ValueRange(grid, valueOf);
  if (!range) return;
  const double textHeight = canvas.TextHeight("0");
  // No value's text is narrower or lower than one digit: thinner rings hold none.
  const double thinnest = std::min(textHeight, canvas.TextWidth("0"));
  const auto fits = [&](int j, double x, double y, const std::string& text) {
    const std::optional<double> angle = Element(grid.SectorAngle, j);
    return RingPixels(f, grid) >= thinnest && ValueFitsBlock(canvas.TextWidth(text), textHeight, RingPixels(f, grid),
                                                             ArcPixels(f, grid, x, y), angle.value_or(0));
  };
  const auto blockFits = [&](std::pair<int, int> block) {
    const auto [i, j] = block;
    if (RingPixels(f, grid) < thinnest) return false;
    const std::optional<BlockPoint> centroid = CentroidOf(grid, i, j);
    const std::optional<double> value = valueOf(i, j);
    if (!centroid || !value) return false;
    return fits(j, f.X0 + f.Scale * centroid->X, f.Y0 + f.Scale * centroid->Y, ValueText(*value, kValueDecimals));
  };
  if (ColourBlocks(canvas, f, grid, *range, valueOf, blockFits)) DrawColourKey(canvas, *range);
  const double reach = std::max(RingPixels(f, grid), textHeight);
  ForEachBlockPoint(canvas, f, grid, reach, thinnest, [&](double x, double y, int i, int j) {
    if (const std::optional<double> value = valueOf(i, j)) {
      const std::string text = ValueText(*value, kValueDecimals);
      if (fits(j, x, y, text)) TextCentredOn(canvas, x, y, text);
    }
  });
}

std::optional<double> InDegrees(std::optional<double> radians) {
  if (!radians) return std::nullopt;
  return DegreesFromRadians(*radians);
}

// One whole-number value per sector, at `distance` pixels from the centre on
// the sector's mid-line.
// Where neighbours' texts would overlap, only every n-th sector's value is
// written, n as small as keeps them apart.
void WriteFaceValues(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid, const std::vector<double>& values,
                     double distance) {
  if (grid.J < 1) return;
  const double spacing = distance * 2 * kPi / grid.J;
  const double widest = canvas.TextWidth("-100") + kSmallestLineGap;  // variations are per cent
  const int every = spacing >= widest ? 1 : static_cast<int>(std::ceil(widest / std::max(spacing, 1e-9)));
  const PixelRect shown = canvas.Visible();
  const double reach = widest;
  for (int j = 1; j <= grid.J; j += every) {
    const std::optional<double> value = Element(values, j);
    const std::optional<double> angle = Element(grid.SectorAngle, j);
    if (!value || !angle) continue;
    const double x = f.X0 + distance * std::cos(*angle), y = f.Y0 + distance * std::sin(*angle);
    if (Shows(shown, x - reach, y - reach, x + reach, y + reach))
      TextCentredOn(canvas, x, y, ValueText(*value, kVariationDecimals));
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

// The result's title with the hour of the run; the deflected tip's says its scale.
std::string TitleOf(const SectionFrame& f, const SectionGrid& grid, int result) {
  std::string title =
      std::string(kResults[static_cast<std::size_t>(result)].Title) + " at " + NumberText(grid.Hour) + " h";
  if (result == kDeflectedTip) title += ", true scale: 1 px = " + ValueText(1000 / f.Scale, 1) + " mm";
  return title;
}

void DrawResult(Canvas& canvas, const SectionFrame& f, const SectionGrid& grid, int result) {
  switch (result) {
    case kBlockCentroids:
      // Only where the blocks stand apart: closer dots would fill the wall.
      ForEachBlockPoint(canvas, f, grid, kSmallestLineGap, 2 * kSmallestLineGap, [&](double x, double y, int, int) {
        if (ArcPixels(f, grid, x, y) >= 2 * kSmallestLineGap) canvas.Circle(x, y, kCentroidRadius, false);
      });
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
  canvas.SetPenColor(kResultRed);
  DrawTitle(canvas, TitleOf(f, grid, result), DiagramsLine(grid));
}

}  // namespace

const std::array<const char*, 11>& SectionResultItems() {
  static const std::array<const char*, 11> kItems = [] {
    std::array<const char*, 11> names{};
    for (std::size_t n = 0; n < names.size(); ++n) names[n] = kResults[n].Item;
    return names;
  }();
  return kItems;
}

bool ValueFitsBlock(double textWidth, double textHeight, double ringPixels, double arcPixels, double angle) {
  const double c = std::abs(std::cos(angle)), s = std::abs(std::sin(angle));
  return textWidth * c + textHeight * s <= ringPixels && textWidth * s + textHeight * c <= arcPixels;
}

RgbColor ValueColor(double value, double smallest, double largest) {
  const double share = largest > smallest ? std::clamp((value - smallest) / (largest - smallest), 0.0, 1.0) : 0.5;
  const auto level = [](double v) { return static_cast<std::uint8_t>(std::lround(v)); };
  return {level(255 * share), level(64), level(255 * (1 - share))};
}

std::array<std::string, 2> SectionDirectionLines() { return {"+X: to the right (East)", "+Y: down (South)"}; }

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

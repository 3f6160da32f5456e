#include "core/plots/orbit_plot.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/common/number_text.h"
#include "core/engine/section_grid.h"
#include "core/plots/plot_axes.h"
#include "core/plots/plot_text.h"
#include "core/plots/profile_plot.h"
#include "core/plots/scale_bar.h"

namespace kolvane {
namespace {

constexpr int kMargin = 20;
constexpr double kSectionShare = 0.25;  // of the half-width the outer face takes
constexpr int kLabelGap = 4;
constexpr int kMarkRadius = 2;
constexpr int kRingRadius = 5;
constexpr int kPickRadius = 6;
constexpr double kLabelEvery = 3;      // hours
constexpr int kTextBand = 30;          // above and below the plan view, for a line of text each
constexpr double kFittingShare = 0.9;  // of the half-width the largest movement may take
constexpr int kScaleBarLongest = 120;

// Where the plan view lies on the canvas.
struct OrbitFrame {
  double CentreX, CentreY;
  double Half;   // pixels from the centre to the end of an axis
  double Scale;  // pixels per metre of the section
};

// The text band at the top holds the largest movement, the one at the bottom
// the sun's hour; the plan view is the largest square between them.
std::optional<OrbitFrame> FrameFor(int width, int height, const OrbitPlotData& data) {
  const double top = kTextBand, bottom = kTextBand;
  const double half = std::min(width / 2.0, (height - top - bottom) / 2.0) - kMargin;
  if (!(data.ERadius > 0) || !(half > 0)) return std::nullopt;
  const double scale = kSectionShare * half / data.ERadius;
  if (!std::isfinite(scale)) return std::nullopt;
  return OrbitFrame{width / 2.0, top + (height - top - bottom) / 2.0, half, scale};
}

struct Pixel {
  int X, Y;
};

// Plan view as the section plot shows the section: X to the right (East), Y
// down the screen, so that the sun and the tip stand where they stand there.
Pixel TipPixel(const OrbitFrame& f, const OrbitPoint& point, float factor) {
  return {NearestPixel(f.CentreX + point.TipX * factor * f.Scale),
          NearestPixel(f.CentreY + point.TipY * factor * f.Scale)};
}

// Where a line of text centred in the band above or below the plan view starts.
int TopBandTextTop(const Canvas& canvas, const std::string& text) {
  return (kTextBand - NearestPixel(canvas.TextHeight(text))) / 2;
}
int BottomBandTextTop(const Canvas& canvas, const std::string& text) {
  return canvas.Height() - (kTextBand + NearestPixel(canvas.TextHeight(text))) / 2;
}

void DrawAxes(Canvas& canvas, const OrbitFrame& f) {
  const int x0 = NearestPixel(f.CentreX), y0 = NearestPixel(f.CentreY), h = NearestPixel(f.Half);
  canvas.Line(x0 - h, y0, x0 + h, y0);
  DrawArrowhead(canvas, x0 + h, y0, ArrowDirection::Right);
  canvas.Text(x0 + h - HalfTextWidth(canvas, "X"), y0 + kArrowSize + kLabelGap, "X");
  canvas.Line(x0, y0 - h, x0, y0 + h);
  DrawArrowhead(canvas, x0, y0 + h, ArrowDirection::Down);
  canvas.Text(x0 + kArrowSize + kLabelGap, y0 + h - HalfTextHeight(canvas, "Y"), "Y");
}

void DrawSection(Canvas& canvas, const OrbitFrame& f, const OrbitPlotData& data) {
  for (const double radius : {data.IRadius, data.ERadius})
    if (radius > 0) canvas.Circle(f.CentreX, f.CentreY, radius * f.Scale, false);
}

bool Labelled(double hour) { return std::fmod(hour, kLabelEvery) == 0; }

struct HourLabel {
  Pixel At;  // the hour's point
  int X, Y;  // the label's top-left corner
  std::string Text;
};

bool Overlap(const Canvas& canvas, const HourLabel& label, int x, int y, const std::string& text) {
  const double height = canvas.TextHeight(text);
  const bool apartX = x >= label.X + canvas.TextWidth(label.Text) || label.X >= x + canvas.TextWidth(text);
  const bool apartY = y >= label.Y + height || label.Y >= y + height;
  return !apartX && !apartY;
}

// Every label stands beside its own point. Hours at one point (the tip still
// at night) share its label ("18, 21, 0"); another hour's label takes the
// first corner of its point where it touches no label placed, and where none
// is free it is left out rather than written over another (its mark stays).
void AddHourLabel(const Canvas& canvas, std::vector<HourLabel>& labels, Pixel at, const std::string& text) {
  for (HourLabel& label : labels)
    if (std::abs(label.At.X - at.X) <= kMarkRadius && std::abs(label.At.Y - at.Y) <= kMarkRadius) {
      label.Text += ", " + text;
      return;
    }
  const int width = NearestPixel(canvas.TextWidth(text)), height = NearestPixel(canvas.TextHeight(text));
  const std::pair<int, int> corners[] = {{at.X + kLabelGap, at.Y + kLabelGap},
                                         {at.X - kLabelGap - width, at.Y + kLabelGap},
                                         {at.X + kLabelGap, at.Y - kLabelGap - height},
                                         {at.X - kLabelGap - width, at.Y - kLabelGap - height}};
  for (const std::pair<int, int>& corner : corners) {
    // Named copies: clang 14 cannot capture a structured binding in a lambda.
    const int x = corner.first, y = corner.second;
    if (std::none_of(labels.begin(), labels.end(),
                     [&](const HourLabel& label) { return Overlap(canvas, label, x, y, text); })) {
      labels.push_back({at, x, y, text});
      return;
    }
  }
}

void DrawPath(Canvas& canvas, const OrbitFrame& f, const OrbitPlotData& data, float factor) {
  const auto& points = data.Points;
  canvas.SetPenColor(kResultRed);
  // Hour by hour to the day's end: the path closes only where the last hour
  // comes back to the first, as it does when the day's diagrams do.
  for (std::size_t n = 0; n + 1 < points.size(); ++n) {
    const Pixel from = TipPixel(f, points[n], factor);
    const Pixel to = TipPixel(f, points[n + 1], factor);
    canvas.Line(from.X, from.Y, to.X, to.Y);
  }
  const Pixel first = TipPixel(f, points.front(), factor);
  std::vector<HourLabel> labels;
  for (std::size_t n = 0; n < points.size(); ++n) {
    if (!Labelled(points[n].Hour)) continue;
    const Pixel at = TipPixel(f, points[n], factor);
    // Hour 24 ends where hour 0 began on a day that repeats: one label there.
    if (n > 0 && n + 1 == points.size() && at.X == first.X && at.Y == first.Y) continue;
    canvas.SetPenColor(kResultRed);
    canvas.Circle(at.X, at.Y, kMarkRadius, true);
    AddHourLabel(canvas, labels, at, NumberText(points[n].Hour));
  }
  canvas.SetPenColor(kBlack);
  for (const HourLabel& label : labels) canvas.Text(label.X, label.Y, label.Text);
}

void DrawSun(Canvas& canvas, const OrbitFrame& f, const OrbitPoint& point, float factor) {
  const double angle = RadiansFromDegrees(point.SunPosition);
  canvas.SetPenColor(kSunColor);
  canvas.SetPenWidth(2);
  canvas.Line(f.CentreX, f.CentreY, NearestPixel(f.CentreX + f.Half * std::cos(angle)),
              NearestPixel(f.CentreY + f.Half * std::sin(angle)));
  canvas.SetPenWidth(1);
  const Pixel at = TipPixel(f, point, factor);
  canvas.SetPenColor(kBlack);
  canvas.Circle(at.X, at.Y, kRingRadius, false);
  const std::string text = "Sun at " + OrbitHourText(point.Hour) + " : " + NumberText(point.SunPosition) + " degrees";
  canvas.Text(kMargin, BottomBandTextTop(canvas, text), text);
}

// Right in the bands: which way the axes count, and that the tip's movement is
// magnified while the section is drawn to its own scale.
void DrawScaleNotes(Canvas& canvas, float factor) {
  canvas.SetPenColor(kBlack);
  const std::string directions = "+X: East, +Y: South";
  const std::string scale = "Tip x " + NumberText(static_cast<double>(factor)) + ", section to scale";
  const int right = canvas.Width() - kMargin;
  // In the plan view's top corner: the top band holds the largest movement.
  canvas.Text(right - NearestPixel(canvas.TextWidth(directions)), kTextBand, directions);
  canvas.Text(right - NearestPixel(canvas.TextWidth(scale)), BottomBandTextTop(canvas, scale), scale);
}

// Bottom left of the plan view, where a path that fits the picture does not
// reach: how many metres of tip movement the bar's length stands for.
void DrawTipScaleBar(Canvas& canvas, const OrbitFrame& f, float factor) {
  const int longest = std::min(kScaleBarLongest, NearestPixel(f.Half / 2));
  const std::optional<ScaleBar> bar = ChooseScaleBar(f.Scale, factor, longest);
  if (!bar) return;
  const int left = NearestPixel(f.CentreX - f.Half);
  DrawScaleBar(canvas, left, NearestPixel(f.CentreY + f.Half) - kScaleBarTick, *bar, OrbitScaleBarText(*bar));
}

}  // namespace

std::string OrbitScaleBarText(const ScaleBar& bar) { return "Tip movement " + ScaleBarText(bar); }

std::string OrbitHourText(double hour) { return NumberText(hour) + " h"; }

void DrawOrbit(Canvas& canvas, const OrbitPlotData& data, float factor, std::optional<std::size_t> sunAt) {
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kBlack);
  canvas.Clear();
  const auto frame = FrameFor(canvas.Width(), canvas.Height(), data);
  if (!frame) return;
  DrawSection(canvas, *frame, data);
  DrawAxes(canvas, *frame);
  if (data.Points.empty()) return;
  if (const auto largest = LargestTipMovement(data.Points))
    canvas.Text(kMargin, TopBandTextTop(canvas, "X"), LargestTipMovementText(data.Points[*largest]));
  DrawPath(canvas, *frame, data, factor);
  DrawScaleNotes(canvas, factor);
  DrawTipScaleBar(canvas, *frame, factor);
  if (sunAt && *sunAt < data.Points.size()) DrawSun(canvas, *frame, data.Points[*sunAt], factor);
}

int FittingMagnificationOption(const OrbitPlotData& data) {
  const auto largest = LargestTipMovement(data.Points);
  if (!largest || !(data.ERadius > 0)) return 0;
  const double distance = PlanDistance(data.Points[*largest].TipX, data.Points[*largest].TipY);
  // In pixels the movement is factor * distance * scale, and the half-width
  // is ERadius * scale / kSectionShare, whatever the picture's size.
  const double room = kFittingShare * data.ERadius / kSectionShare;
  const int options = static_cast<int>(MagnificationCaptions().size());
  for (int option = options - 1; option > 0; --option)
    if (MagnificationFactor(option) * distance <= room) return option;
  return 0;
}

std::optional<std::size_t> OrbitPointAt(int width, int height, const OrbitPlotData& data, float factor, double x,
                                        double y) {
  const auto frame = FrameFor(width, height, data);
  if (!frame) return std::nullopt;
  std::optional<std::size_t> nearest;
  double best = kPickRadius * kPickRadius;
  for (std::size_t n = 0; n < data.Points.size(); ++n) {
    const Pixel at = TipPixel(*frame, data.Points[n], factor);
    const double dx = at.X - x, dy = at.Y - y;
    const double distance = dx * dx + dy * dy;
    if (distance < best || (!nearest && distance == best)) {
      best = distance;
      nearest = n;
    }
  }
  return nearest;
}

}  // namespace kolvane

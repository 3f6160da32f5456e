#include "core/plots/tip_history_plot.h"

#include <algorithm>
#include <cmath>

#include "core/common/number_text.h"
#include "core/plots/plot_axes.h"
#include "core/plots/plot_text.h"

namespace kolvane {
namespace {

constexpr int kMargin = 10;
constexpr int kTickLength = 4;
constexpr int kGap = 4;
constexpr int kRingRadius = 4;
constexpr int kDotRadius = 3;
constexpr double kChartShare = 0.5;  // of the height, the chart against time

struct Box {
  double Left, Top, Right, Bottom;
  double Width() const { return Right - Left; }
  double Height() const { return Bottom - Top; }
};

struct Range {
  double Low, High;
};

Range ValueRange(const std::vector<TipSample>& history) {
  Range range{0, 0};  // the axis (0) always shows
  for (const TipSample& s : history) {
    range.Low = std::min({range.Low, s.TipX, s.TipY});
    range.High = std::max({range.High, s.TipX, s.TipY});
  }
  if (!(range.High > range.Low)) range.High = range.Low + 1e-3;  // a still tip: a millimetre's scale
  return range;
}

// Ticks on the date axis: the first of every month or of every year, and the
// label each carries.
struct DateTick {
  std::size_t Day;
  std::string Label;
};

std::vector<DateTick> DateTicks(const std::vector<TipSample>& history) {
  std::vector<DateTick> ticks;
  const bool months = history.size() <= kMonthTicksUpTo;
  for (std::size_t n = 0; n < history.size(); ++n) {
    const TipSample& s = history[n];
    if (s.Day != 1 || (!months && s.Month != 1)) continue;
    ticks.push_back({n, months ? std::to_string(s.Month) + "/" + std::to_string(s.Year) : std::to_string(s.Year)});
  }
  return ticks;
}

void DrawChart(Canvas& canvas, const Box& area, const std::vector<TipSample>& history) {
  const Range range = ValueRange(history);
  const std::vector<double> ticks = ScaleTicks(range.Low, range.High);
  const double low = std::min(range.Low, ticks.front()), high = std::max(range.High, ticks.back());
  double labelWidth = 0;
  for (const double tick : ticks) labelWidth = std::max(labelWidth, canvas.TextWidth(NumberText(tick)));
  const double textHeight = canvas.TextHeight("0");
  const Box plot{area.Left + labelWidth + kGap + kTickLength, area.Top + 2 * textHeight, area.Right,
                 area.Bottom - textHeight - kTickLength - kGap};
  if (!(plot.Width() > 0) || !(plot.Height() > 0)) return;
  const auto x = [&](std::size_t day) {
    const double last = history.size() > 1 ? static_cast<double>(history.size() - 1) : 1;
    return NearestPixel(plot.Left + plot.Width() * static_cast<double>(day) / last);
  };
  const auto y = [&](double value) { return NearestPixel(plot.Bottom - plot.Height() * (value - low) / (high - low)); };

  canvas.SetPenColor(kBlack);
  canvas.Line(plot.Left, plot.Top, plot.Left, plot.Bottom);
  canvas.Line(plot.Left, plot.Bottom, plot.Right, plot.Bottom);
  canvas.Text(area.Left, area.Top, "m");
  for (const double tick : ticks) {
    const std::string label = NumberText(tick);
    canvas.Line(plot.Left - kTickLength, y(tick), plot.Left, y(tick));
    canvas.Text(plot.Left - kTickLength - kGap - NearestPixel(canvas.TextWidth(label)),
                y(tick) - HalfTextHeight(canvas, label), label);
  }
  if (low < 0 && high > 0) canvas.Line(plot.Left, y(0), plot.Right, y(0));
  double freeFrom = plot.Left - canvas.Width();  // labels must not overlap
  for (const DateTick& tick : DateTicks(history)) {
    canvas.Line(x(tick.Day), plot.Bottom, x(tick.Day), plot.Bottom + kTickLength);
    const double left = x(tick.Day) - HalfTextWidth(canvas, tick.Label);
    if (left < freeFrom || left + canvas.TextWidth(tick.Label) > area.Right) continue;
    canvas.Text(left, plot.Bottom + kTickLength + 0.5 * kGap, tick.Label);
    freeFrom = left + canvas.TextWidth(tick.Label) + kGap;
  }

  const std::pair<RgbColor, double TipSample::*> curves[] = {{kResultRed, &TipSample::TipX},
                                                             {kTipYBlue, &TipSample::TipY}};
  const char* names[] = {"Tip X", "Tip Y"};
  double legend = plot.Left + kGap;
  for (int c = 0; c < 2; ++c) {
    const auto [color, tip] = curves[c];
    canvas.SetPenColor(color);
    canvas.Text(legend, area.Top, names[c]);
    legend += canvas.TextWidth(names[c]) + 3 * kGap;
    for (std::size_t n = 1; n < history.size(); ++n)
      canvas.Line(x(n - 1), y(history[n - 1].*tip), x(n), y(history[n].*tip));
  }
}

// The path seen from above, as the section plot shows the section (X to the
// right, Y down the screen), both to one scale that fits the path and the
// column's axis.
void DrawPlan(Canvas& canvas, const Box& area, const std::vector<TipSample>& history) {
  double lowX = 0, highX = 0, lowY = 0, highY = 0;
  for (const TipSample& s : history) {
    lowX = std::min(lowX, s.TipX);
    highX = std::max(highX, s.TipX);
    lowY = std::min(lowY, s.TipY);
    highY = std::max(highY, s.TipY);
  }
  const double textHeight = canvas.TextHeight("0");
  // Below the path, a band for the scale bar.
  const Box plot{area.Left + kMargin, area.Top + 2 * textHeight, area.Right - kMargin,
                 area.Bottom - kMargin - 2 * textHeight};
  const double spanX = std::max(highX - lowX, 1e-6), spanY = std::max(highY - lowY, 1e-6);
  const double scale = std::min(plot.Width() / spanX, plot.Height() / spanY);
  if (!(scale > 0) || !std::isfinite(scale)) return;
  const double centreX = (plot.Left + plot.Right) / 2 - (lowX + highX) / 2 * scale;
  const double centreY = (plot.Top + plot.Bottom) / 2 - (lowY + highY) / 2 * scale;
  const auto px = [&](double value) { return NearestPixel(centreX + value * scale); };
  const auto py = [&](double value) { return NearestPixel(centreY + value * scale); };

  canvas.SetPenColor(kBlack);
  canvas.Text(area.Left, area.Top, "Plan view (+X: East, +Y: South)");
  canvas.Line(plot.Left, py(0), plot.Right, py(0));
  DrawArrowhead(canvas, plot.Right, py(0), ArrowDirection::Right);
  canvas.Text(plot.Right - NearestPixel(canvas.TextWidth("X")), py(0) + kArrowSize + kGap, "X");
  canvas.Line(px(0), plot.Top, px(0), plot.Bottom);
  DrawArrowhead(canvas, px(0), plot.Bottom, ArrowDirection::Down);
  canvas.Text(px(0) + kArrowSize + kGap, plot.Bottom - NearestPixel(textHeight), "Y");
  // A bar of one scale tick's length, for the metres.
  const std::vector<double> ticks = ScaleTicks(0, std::max(spanX, spanY));
  const double bar = ticks.size() > 1 ? ticks[1] - ticks[0] : 0;
  if (bar > 0) {
    const int barY = NearestPixel(area.Bottom - textHeight);
    const int barEnd = NearestPixel(plot.Left + bar * scale);
    canvas.Line(plot.Left, barY, barEnd, barY);
    canvas.Line(plot.Left, barY - kTickLength, plot.Left, barY + kTickLength);
    canvas.Line(barEnd, barY - kTickLength, barEnd, barY + kTickLength);
    canvas.Text(barEnd + kGap, barY - HalfTextHeight(canvas, "m"), NumberText(bar) + " m");
  }

  canvas.SetPenColor(kResultRed);
  for (std::size_t n = 1; n < history.size(); ++n)
    canvas.Line(px(history[n - 1].TipX), py(history[n - 1].TipY), px(history[n].TipX), py(history[n].TipY));
  canvas.Circle(px(history.front().TipX), py(history.front().TipY), kRingRadius, false);
  canvas.Circle(px(history.back().TipX), py(history.back().TipY), kDotRadius, true);
}

}  // namespace

std::vector<double> ScaleTicks(double low, double high) {
  std::vector<double> ticks;
  if (!(high > low) || !std::isfinite(high - low)) return {low};
  const double rough = (high - low) / 5;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  double step = power;
  for (const double multiple : {1.0, 2.0, 5.0, 10.0})
    if (multiple * power >= rough) {
      step = multiple * power;
      break;
    }
  const double first = std::floor(low / step), last = std::ceil(high / step);
  for (double n = first; n <= last; ++n) ticks.push_back(n * step == 0 ? 0.0 : n * step);
  return ticks;
}

void DrawTipHistory(Canvas& canvas, const std::vector<TipSample>& history) {
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kBlack);
  canvas.Clear();
  if (history.empty()) return;
  const double split = NearestPixel(canvas.Height() * kChartShare);
  DrawChart(canvas, {kMargin, kMargin, canvas.Width() - kMargin * 2.0, split - kMargin}, history);
  DrawPlan(canvas, {kMargin, split + kMargin, canvas.Width() - kMargin * 2.0, canvas.Height() - kMargin * 1.0},
           history);
}

}  // namespace kolvane

#include "core/plots/diagram_plot.h"

#include <cmath>

#include "core/common/number_text.h"
#include "core/diagrams/diagram_file.h"
#include "core/plots/plot_axes.h"
#include "core/plots/plot_text.h"

namespace kolvane {
namespace {

constexpr float kMargin = 0.2f;  // empty share of each range on either side of the data area
constexpr int kAxisOverrun = 18;
constexpr int kMinorTick = 3;
constexpr int kMajorTick = 6;
constexpr int kLabelGap = 11;
constexpr int kTitleTop = 11;
constexpr int kQuantityGap = 4;  // between the X axis's tick labels and its quantity

// Ticks and grid lines are counted in single precision, from `from` while the
// running value stays at or below `to`, so their number and labels do not
// depend on how the steps' decimal fractions round in double precision.
template <typename OnTick>
void ForEachTick(double from, double to, float step, OnTick&& onTick) {
  if (!(step > 0)) return;
  const float end = static_cast<float>(to);
  for (float v = static_cast<float>(from); v <= end; v += step) {
    onTick(v);
    if (v + step == v) break;  // a step too small to move on would never end the loop
  }
}

void DrawAxes(Canvas& canvas, const DiagramPlotFrame& f) {
  canvas.Line(f.X0(), f.Y0(), f.XE(), f.Y0());
  DrawArrowhead(canvas, f.XE(), f.Y0(), ArrowDirection::Right);
  canvas.Line(f.X0(), f.Y0(), f.X0(), f.YE());
  DrawArrowhead(canvas, f.X0(), f.YE(), ArrowDirection::Up);
}

// "X" and "Y" at the arrow tips; the quantities with their units centred
// under the X axis's labels and to the right of the Y axis's tip.
void DrawAxisTitles(Canvas& canvas, const DiagramPlotFrame& f, const DiagramKindRow& row) {
  canvas.Text(f.XE() - HalfTextWidth(canvas, "X"), f.Y0() + kLabelGap, "X");
  canvas.Text(f.X0() - NearestPixel(canvas.TextWidth("Y")) - kLabelGap, f.YE() - HalfTextHeight(canvas, "Y"), "Y");
  const int middle = NearestPixel((f.X0() + f.PixelX(row.XMax)) / 2);
  const int below = f.Y0() + kLabelGap + NearestPixel(canvas.TextHeight(row.XQuantity)) + kQuantityGap;
  canvas.Text(middle - HalfTextWidth(canvas, row.XQuantity), below, row.XQuantity);
  canvas.Text(f.X0() + kLabelGap, f.YE() - HalfTextHeight(canvas, row.YQuantity), row.YQuantity);
}

void DrawXTicks(Canvas& canvas, const DiagramPlotFrame& f, const DiagramKindRow& row) {
  ForEachTick(row.XMin, row.XMax, row.XMinorStep,
              [&](float v) { canvas.Line(f.PixelX(v), f.Y0(), f.PixelX(v), f.Y0() + kMinorTick); });
  ForEachTick(row.XMin, row.XMax, row.XMajorStep, [&](float v) {
    const double x = f.PixelX(v);
    canvas.Line(x, f.Y0(), x, f.Y0() + kMajorTick);
    const std::string label = SingleNumberText(v);
    canvas.Text(x - HalfTextWidth(canvas, label), f.Y0() + kLabelGap, label);
  });
}

void DrawYTicks(Canvas& canvas, const DiagramPlotFrame& f, const DiagramKindRow& row) {
  ForEachTick(row.YMin, row.YMax, row.YMinorStep,
              [&](float v) { canvas.Line(f.X0(), f.PixelY(v), f.X0() - kMinorTick, f.PixelY(v)); });
  ForEachTick(row.YMin, row.YMax, row.YMajorStep, [&](float v) {
    const double y = f.PixelY(v);
    canvas.Line(f.X0(), y, f.X0() - kMajorTick, y);
    const std::string label = SingleNumberText(v);
    canvas.Text(f.X0() - NearestPixel(canvas.TextWidth(label)) - kLabelGap, y - HalfTextHeight(canvas, label), label);
  });
}

// Grid lines at every labelled value but the axes themselves.
void DrawGrid(Canvas& canvas, const DiagramPlotFrame& f, const DiagramKindRow& row) {
  const float firstY = static_cast<float>(row.YMin) + row.YMajorStep;
  ForEachTick(firstY, row.YMax, row.YMajorStep,
              [&](float v) { canvas.Line(f.X0(), f.PixelY(v), f.XE(), f.PixelY(v)); });
  const float firstX = static_cast<float>(row.XMin) + row.XMajorStep;
  ForEachTick(firstX, row.XMax, row.XMajorStep,
              [&](float v) { canvas.Line(f.PixelX(v), f.Y0(), f.PixelX(v), f.YE()); });
}

void DrawCurve(Canvas& canvas, const DiagramPlotFrame& f, const Diagram& diagram) {
  for (std::size_t i = 0; i + 1 < diagram.Points.size(); ++i) {
    const DiagramPoint& a = diagram.Points[i];
    const DiagramPoint& b = diagram.Points[i + 1];
    canvas.Line(NearestPixel(f.PixelX(a.X)), NearestPixel(f.PixelY(a.Y)), NearestPixel(f.PixelX(b.X)),
                NearestPixel(f.PixelY(b.Y)));
  }
}

}  // namespace

std::string DiagramPlotTitle(DiagramKind kind, const std::string& name) {
  return std::string(DiagramKindTable(kind).KindName) + " diagram : " + DiagramFileName(name, kind);
}

DiagramPlotFrame::DiagramPlotFrame(DiagramKind kind, int width, int height) {
  const DiagramKindRow& row = DiagramKindTable(kind);
  xMin_ = row.XMin;
  yMin_ = row.YMin;
  const float rangeX = static_cast<float>(row.XMax - row.XMin);
  const float rangeY = static_cast<float>(row.YMax - row.YMin);
  scaleX_ = static_cast<float>(width) / ((2 * kMargin + 1) * rangeX);
  scaleY_ = static_cast<float>(height) / ((2 * kMargin + 1) * rangeY);
  x0_ = NearestPixel(rangeX * kMargin * scaleX_);
  y0_ = NearestPixel((kMargin + 1) * rangeY * scaleY_);
  xEnd_ = NearestPixel(rangeX * scaleX_ + static_cast<float>(x0_) + kAxisOverrun);
  yEnd_ = NearestPixel(static_cast<float>(y0_) - rangeY * scaleY_ - kAxisOverrun);
}

double DiagramPlotFrame::PixelX(double x) const { return (x - xMin_) * scaleX_ + x0_; }

double DiagramPlotFrame::PixelY(double y) const { return y0_ - (y - yMin_) * scaleY_; }

void DrawDiagram(Canvas& canvas, const Diagram& diagram, DiagramKind kind, const std::string& title) {
  const DiagramKindRow& row = DiagramKindTable(kind);
  const DiagramPlotFrame frame(kind, canvas.Width(), canvas.Height());

  canvas.SetPenWidth(1);
  canvas.SetPenColor(kBlack);
  canvas.Clear();
  DrawAxes(canvas, frame);
  DrawAxisTitles(canvas, frame, row);
  DrawXTicks(canvas, frame, row);
  DrawYTicks(canvas, frame, row);

  canvas.SetPenColor(kGridGrey);
  DrawGrid(canvas, frame, row);

  canvas.SetPenColor(kResultRed);  // the title shares the curve's colour
  DrawCurve(canvas, frame, diagram);
  DrawCentredTitle(canvas, kTitleTop, title);
}

}  // namespace kolvane

#pragma once
// The drawing of one diagram: a red polyline over its kind's fixed axes, with
// ticks, labels, a light grey grid and a title, scaled to the canvas.

#include <string>

#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/plots/canvas.h"

namespace kolvane {

inline constexpr RgbColor kGridGrey{192, 192, 192};

// "Sun position diagram : June.dg1": the plot window's caption, repeated as
// the title at the top of the drawing.
std::string DiagramPlotTitle(DiagramKind kind, const std::string& name);

// Where the plot's data area lies on a canvas: the axes span exactly the
// kind's box [XMin, XMax] x [YMin, YMax], whatever the data.
class DiagramPlotFrame {
 public:
  DiagramPlotFrame(DiagramKind kind, int width, int height);

  double PixelX(double x) const;  // picture column of the value x
  double PixelY(double y) const;  // picture row of the value y (rows grow downwards)

  int X0() const { return x0_; }    // left edge of the data area, where the Y axis stands
  int Y0() const { return y0_; }    // bottom edge of the data area, where the X axis lies
  int XE() const { return xEnd_; }  // tip of the X axis, 18 pixels right of the data area
  int YE() const { return yEnd_; }  // tip of the Y axis, 18 pixels above the data area

 private:
  double xMin_, yMin_;
  float scaleX_, scaleY_;  // pixels per unit, in single precision as the plot has always scaled
  int x0_, y0_, xEnd_, yEnd_;
};

// Clears the canvas and draws the diagram of `kind` with `title` above it.
// Points outside the kind's box are drawn where the scale puts them.
void DrawDiagram(Canvas& canvas, const Diagram& diagram, DiagramKind kind, const std::string& title);

}  // namespace kolvane

#pragma once
// A plot canvas on any QPainter: the calculation report draws the plots with
// the same routines as the windows, as vector graphics on its pages.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>

#include "core/plots/canvas.h"

namespace kolvane::report {

class PainterCanvas final : public Canvas {
 public:
  // The plot sees a picture of `width` x `height` pixels, drawn into `target`
  // (in the painter's units), scaled alike in both directions.
  PainterCanvas(QPainter& painter, QRectF target, int width, int height);
  ~PainterCanvas() override;
  PainterCanvas(const PainterCanvas&) = delete;
  PainterCanvas& operator=(const PainterCanvas&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Clear() override;
  void SetPenColor(RgbColor color) override;
  void SetPenWidth(int pixels) override;
  void Line(double x1, double y1, double x2, double y2) override;
  void Circle(double centreX, double centreY, double radius, bool filled) override;
  void Text(double x, double y, const std::string& text) override;
  double TextWidth(const std::string& text) const override;
  double TextHeight(const std::string& text) const override;
  void PixelRow(int x, int y, const std::vector<RgbColor>& colors) override;

 private:
  QPainter& painter_;
  int width_, height_;
  QFont font_;
  QColor penColor_ = Qt::black;
  int penWidth_ = 1;
};

}  // namespace kolvane::report

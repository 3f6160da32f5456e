#pragma once
// The canvas of the desktop program: a white QImage in "Courier New" 8 pt
// (Liberation Mono on Linux, through fontconfig's metric aliases). The image
// is what a plot window shows and what it saves as a bitmap.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>

#include "core/plots/canvas.h"

class QPainter;

namespace kolvane::ui {

class ImageCanvas final : public kolvane::Canvas {
 public:
  // A white picture of `size` pixels. With a device pixel ratio above 1 the
  // image holds that many more pixels and the drawing stays sharp on a
  // high-density screen; the plot still sees `size`.
  explicit ImageCanvas(QSize size, qreal devicePixelRatio = 1.0);
  // The same picture of which only `visible` (logical pixels) is held: the
  // image is that part, and what falls outside it is not drawn.
  ImageCanvas(QSize size, QRect visible, qreal devicePixelRatio);

  const QImage& Image() const { return image_; }
  QImage TakeImage() { return std::move(image_); }

  int Width() const override { return size_.width(); }
  int Height() const override { return size_.height(); }
  void Clear() override;
  void SetPenColor(RgbColor color) override;
  void SetPenWidth(int pixels) override;
  void Line(double x1, double y1, double x2, double y2) override;
  void Circle(double centreX, double centreY, double radius, bool filled) override;
  void Text(double x, double y, const std::string& text) override;
  double TextWidth(const std::string& text) const override;
  double TextHeight(const std::string& text) const override;
  PixelRect Visible() const override;
  void PixelRow(int x, int y, const std::vector<RgbColor>& colors) override;

  // "Courier New" 8 pt, the font of every plot.
  static QFont PlotFont();

 private:
  // A painter on the image, placed so that the picture's coordinates apply.
  void Begin(QPainter& painter);

  QSize size_;
  QRect visible_;
  QImage image_;
  QFont font_;
  QColor penColor_ = Qt::black;
  int penWidth_ = 1;
};

}  // namespace kolvane::ui

#pragma once
// Looking at a plot's picture in window tests: the red ink drawn on it, and
// what the core draws at its size, to check a window shows exactly that.

#include <QColor>
#include <QImage>

#include "ui/plots/image_canvas.h"

namespace kolvane::testing {

// Red lines and red text, whose smoothed edges are pink: the results, never
// the black frame of a plot.
inline int CountRedInk(const QImage& picture) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c(image.pixel(x, y));
      count += c.red() > c.green() + 60 && c.red() > c.blue() + 60;
    }
  return count;
}

inline QImage Rgb(const QImage& picture) { return picture.convertToFormat(QImage::Format_RGB32); }

template <typename Draw>
QImage CoreDrawing(QSize size, Draw&& draw, QRect held = {}) {
  ui::ImageCanvas canvas(size, held.isEmpty() ? QRect(QPoint(0, 0), size) : held, 1.0);
  draw(canvas);
  return Rgb(canvas.Image());
}

}  // namespace kolvane::testing

#pragma once
// Counting what a plot drew on its picture, for window tests that look at
// the picture itself rather than the drawing calls.

#include <QColor>
#include <QImage>

namespace kolvane::testing {

template <typename Test>
int CountPixelsWhere(const QImage& picture, Test&& test) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += test(QColor(image.pixel(x, y)));
  return count;
}

inline int CountPixels(const QImage& picture, const QColor& color) {
  return CountPixelsWhere(picture, [&](const QColor& c) { return c == color; });
}

// Red lines and red text, whose smoothed edges are pink: the results, never
// the black frame of a plot.
inline int CountRedInk(const QImage& picture) {
  return CountPixelsWhere(picture, [](const QColor& c) { return c.red() > c.green() + 60 && c.red() > c.blue() + 60; });
}

}  // namespace kolvane::testing

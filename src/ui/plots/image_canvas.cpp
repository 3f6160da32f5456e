#include "ui/plots/image_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <cmath>

namespace kolvane::ui {
namespace {

// 96 dots per inch, in dots per metre: point sizes then mean the same number
// of pixels on every machine, whatever its screen says.
constexpr int kDotsPerMetre = 3780;

// Lines start and end on whole pixels, so a grid line computed at 209.99998
// lies on row 210 with its label, not a row above.
double Pixel(double coordinate) { return std::nearbyint(coordinate); }

}  // namespace

ImageCanvas::ImageCanvas(QSize size, qreal devicePixelRatio)
    : ImageCanvas(size, QRect(QPoint(0, 0), size.expandedTo(QSize(1, 1))), devicePixelRatio) {}

ImageCanvas::ImageCanvas(QSize size, QRect visible, qreal devicePixelRatio)
    : size_(size.expandedTo(QSize(1, 1))),
      visible_(visible.isEmpty() ? QRect(QPoint(0, 0), QSize(1, 1)) : visible),
      image_(visible_.size() * devicePixelRatio, QImage::Format_RGB32),
      font_(PlotFont()) {
  image_.setDotsPerMeterX(kDotsPerMetre);
  image_.setDotsPerMeterY(kDotsPerMetre);
  image_.setDevicePixelRatio(devicePixelRatio);
  image_.fill(Qt::white);
}

QFont ImageCanvas::PlotFont() {
  QFont font("Courier New");
  font.setPointSizeF(8);
  font.setStyleHint(QFont::TypeWriter);  // any fixed-pitch font where Courier New has no stand-in
  return font;
}

void ImageCanvas::Begin(QPainter& painter) {
  painter.begin(&image_);
  painter.translate(-visible_.topLeft());
}

PixelRect ImageCanvas::Visible() const {
  return {visible_.left(), visible_.top(), visible_.width(), visible_.height()};
}

void ImageCanvas::PixelRow(int x, int y, const std::vector<RgbColor>& colors) {
  const qreal ratio = image_.devicePixelRatio();
  const int row = y - visible_.top();
  if (ratio == 1.0 && row >= 0 && row < image_.height()) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
    for (std::size_t n = 0; n < colors.size(); ++n) {
      const int column = x - visible_.left() + static_cast<int>(n);
      if (column >= 0 && column < image_.width()) line[column] = qRgb(colors[n].Red, colors[n].Green, colors[n].Blue);
    }
    return;
  }
  QPainter painter;
  Begin(painter);
  for (std::size_t n = 0; n < colors.size(); ++n)
    painter.fillRect(QRectF(x + static_cast<double>(n), y, 1, 1),
                     QColor(colors[n].Red, colors[n].Green, colors[n].Blue));
}

void ImageCanvas::Clear() { image_.fill(Qt::white); }

void ImageCanvas::SetPenColor(RgbColor color) { penColor_ = QColor(color.Red, color.Green, color.Blue); }

void ImageCanvas::SetPenWidth(int pixels) { penWidth_ = pixels; }

void ImageCanvas::Line(double x1, double y1, double x2, double y2) {
  QPainter painter;
  Begin(painter);
  painter.setPen(QPen(penColor_, penWidth_));
  painter.drawLine(QPointF(Pixel(x1), Pixel(y1)), QPointF(Pixel(x2), Pixel(y2)));
}

// Without smoothing, like the lines, so that a plot holds only its own colours.
void ImageCanvas::Circle(double centreX, double centreY, double radius, bool filled) {
  QPainter painter;
  Begin(painter);
  painter.setPen(QPen(penColor_, penWidth_));
  painter.setBrush(filled ? QBrush(penColor_) : QBrush(Qt::NoBrush));
  painter.drawEllipse(QPointF(centreX, centreY), radius, radius);
}

void ImageCanvas::Text(double x, double y, const std::string& text) {
  QPainter painter;
  Begin(painter);
  painter.setFont(font_);
  painter.setPen(penColor_);
  const QFontMetricsF metrics(font_, &image_);
  painter.drawText(QPointF(x, y + metrics.ascent()), QString::fromStdString(text));
}

double ImageCanvas::TextWidth(const std::string& text) const {
  return QFontMetricsF(font_, &image_).horizontalAdvance(QString::fromStdString(text));
}

double ImageCanvas::TextHeight(const std::string&) const { return QFontMetricsF(font_, &image_).height(); }

}  // namespace kolvane::ui

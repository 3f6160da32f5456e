#include "report/painter_canvas.h"

#include <QFontMetricsF>
#include <QPen>

namespace kolvane::report {
namespace {

// The windows' "Courier New" 8 pt at 96 dots per inch, in picture pixels.
constexpr int kPlotFontPixels = 11;

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, QRectF target, int width, int height)
    : painter_(painter), width_(std::max(width, 1)), height_(std::max(height, 1)), font_("Courier New") {
  font_.setStyleHint(QFont::TypeWriter);
  font_.setPixelSize(kPlotFontPixels);
  painter_.save();
  painter_.translate(target.topLeft());
  painter_.scale(target.width() / width_, target.height() / height_);
  painter_.setClipRect(QRectF(0, 0, width_, height_));
  painter_.setRenderHint(QPainter::Antialiasing, true);
}

PainterCanvas::~PainterCanvas() { painter_.restore(); }

void PainterCanvas::Clear() { painter_.fillRect(QRectF(0, 0, width_, height_), Qt::white); }

void PainterCanvas::SetPenColor(RgbColor color) { penColor_ = QColor(color.Red, color.Green, color.Blue); }

void PainterCanvas::SetPenWidth(int pixels) { penWidth_ = pixels; }

void PainterCanvas::Line(double x1, double y1, double x2, double y2) {
  painter_.setPen(QPen(penColor_, penWidth_));
  painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterCanvas::Circle(double centreX, double centreY, double radius, bool filled) {
  painter_.setPen(QPen(penColor_, penWidth_));
  painter_.setBrush(filled ? QBrush(penColor_) : QBrush(Qt::NoBrush));
  painter_.drawEllipse(QPointF(centreX, centreY), radius, radius);
}

void PainterCanvas::Text(double x, double y, const std::string& text) {
  painter_.setFont(font_);
  painter_.setPen(penColor_);
  painter_.drawText(QPointF(x, y + QFontMetricsF(font_).ascent()), QString::fromStdString(text));
}

double PainterCanvas::TextWidth(const std::string& text) const {
  return QFontMetricsF(font_).horizontalAdvance(QString::fromStdString(text));
}

double PainterCanvas::TextHeight(const std::string&) const { return QFontMetricsF(font_).height(); }

// Runs of one colour become one rectangle each, so that a filled area stays
// a few shapes on the page.
void PainterCanvas::PixelRow(int x, int y, const std::vector<RgbColor>& colors) {
  for (std::size_t start = 0; start < colors.size();) {
    std::size_t end = start + 1;
    while (end < colors.size() && colors[end] == colors[start]) ++end;
    const RgbColor& c = colors[start];
    painter_.fillRect(QRectF(x + static_cast<double>(start), y, static_cast<double>(end - start), 1),
                      QColor(c.Red, c.Green, c.Blue));
    start = end;
  }
}

}  // namespace kolvane::report

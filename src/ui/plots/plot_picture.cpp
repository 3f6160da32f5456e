#include "ui/plots/plot_picture.h"

#include <QPainter>
#include <QResizeEvent>

#include "ui/plots/image_canvas.h"

namespace kolvane::ui {

PlotPicture::PlotPicture(QSize defaultSize, QSize minimumSize, QWidget* parent)
    : QWidget(parent), defaultSize_(defaultSize), minimumSize_(minimumSize) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  resize(defaultSize_);
}

void PlotPicture::SetDrawing(Drawing drawing) {
  drawing_ = std::move(drawing);
  Redraw();
}

void PlotPicture::Redraw() {
  Render();
  update();
}

void PlotPicture::Render() {
  const QRect whole(QPoint(0, 0), size());
  held_ = visiblePart_ ? visiblePart_().intersected(whole) : whole;
  if (held_.isEmpty()) held_ = whole;
  ImageCanvas canvas(size(), held_, devicePixelRatioF());
  if (drawing_) drawing_(canvas);
  image_ = canvas.TakeImage();
}

void PlotPicture::paintEvent(QPaintEvent*) {
  if (image_.devicePixelRatio() != devicePixelRatioF()) Render();  // moved to a screen of another density
  QPainter painter(this);
  painter.drawImage(held_.topLeft(), image_);
}

void PlotPicture::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (event->size() != event->oldSize()) Redraw();
}

}  // namespace kolvane::ui

#pragma once
// A picture box for plots: it draws its plot on a white image of its own size,
// shows it, and keeps it as the picture that is saved. The plot is drawn from
// scratch again when the box changes size, so it always fills the box.

#include <QImage>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>

#include "core/plots/canvas.h"

namespace kolvane::ui {

class PlotPicture : public QWidget {
  Q_OBJECT

 public:
  using Drawing = std::function<void(kolvane::Canvas&)>;

  // `defaultSize` is the box's size until a layout gives it another; below
  // `minimumSize` the plot's fixed-size texts would run into each other.
  PlotPicture(QSize defaultSize, QSize minimumSize, QWidget* parent = nullptr);

  // Draws at once, and again whenever the box's size changes.
  void SetDrawing(Drawing drawing);
  void Redraw();

  // A picture larger than its view holds only the part `visiblePart` gives
  // (in the box's pixels): that part is drawn, shown and saved.
  void SetVisiblePart(std::function<QRect()> visiblePart) { visiblePart_ = std::move(visiblePart); }
  // Where the part held lies in the box.
  QRect HeldPart() const { return held_; }

  // The drawing as shown, in device pixels.
  const QImage& Image() const { return image_; }

  QSize sizeHint() const override { return defaultSize_; }
  QSize minimumSizeHint() const override { return minimumSize_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Render();

  QSize defaultSize_;
  QSize minimumSize_;
  Drawing drawing_;
  std::function<QRect()> visiblePart_;
  QRect held_;
  QImage image_;
};

}  // namespace kolvane::ui

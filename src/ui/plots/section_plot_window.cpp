#include "ui/plots/section_plot_window.h"

#include <QComboBox>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "core/plots/picture_size.h"
#include "core/plots/section_plot.h"
#include "ui/plots/plot_picture.h"

namespace kolvane::ui {
namespace {

// The picture's size until the user enlarges the window. Below the smallest
// size the longest title would not fit and the values of neighbouring blocks
// would run into each other.
constexpr QSize kPictureSize(549, 493);
constexpr QSize kSmallestPicture(420, 380);

// A fine grid writes hundreds of values around a thin wall: they only part
// from each other in a picture many times the frame's size, scrolled. The
// first zoom, 100 %, is the picture fitted to the frame.
QString ZoomCaption(int zoom) { return zoom == 100 ? QString("Fit") : QString::number(zoom) + " %"; }

PictureSize SizeOf(QSize size) { return {size.width(), size.height()}; }

}  // namespace

SectionPlotWindow::SectionPlotWindow(AppContext& context, const SectionGrid& grid, QWidget* parent)
    : PlotDialog(context, {"Section", "Section", kPictureSize, kSmallestPicture, PlotControls::Below, {}}, parent),
      grid_(grid) {
  setObjectName("frmDrawSection");
  setWindowTitle("Draw section");
  BuildControls();
  // A scroll area offers a small size of its own: open with the picture at
  // its usual size instead.
  const QSize shortOf = (kPictureSize - scroll_->sizeHint()).expandedTo(QSize(0, 0));
  resize(sizeHint() + shortOf);
  SetDrawing([this](Canvas& canvas) { DrawSection(canvas, grid_, ChosenPosition(cboShowResult_)); });
}

void SectionPlotWindow::BuildControls() {
  scroll_ = new QScrollArea;
  scroll_->setObjectName("scrPicture");
  scroll_->setWidgetResizable(true);  // the picture fills the frame, and grows past it when zoomed
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setMinimumSize(kSmallestPicture);
  ShowPictureIn(scroll_);

  cboShowResult_ = AddChoiceList("cboShowResult", "Select Result :", SectionResultItems());
  AddChoiceSpacing();
  cboZoom_ = new QComboBox;
  cboZoom_->setObjectName("cboZoom");
  for (int zoom : kSectionZooms) cboZoom_->addItem(ZoomCaption(zoom));
  AddChoice("Zoom :", cboZoom_);

  connect(cboZoom_, &QComboBox::currentIndexChanged, this, [this](int index) {
    const QSize view = scroll_->viewport()->size();
    ApplyZoom(index, QPoint(view.width() / 2, view.height() / 2));
  });
  scroll_->viewport()->installEventFilter(this);
  // Only the part of the picture in view is drawn, held and saved: a zoomed
  // fine grid draws in a moment, whatever the zoom.
  PictureBox()->SetVisiblePart([this] { return QRect(-PictureBox()->pos(), scroll_->viewport()->size()); });
  for (QScrollBar* bar : {scroll_->horizontalScrollBar(), scroll_->verticalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, PictureBox(), &PlotPicture::Redraw);
}

int SectionPlotWindow::Zoom() const { return kSectionZooms[static_cast<std::size_t>(zoomIndex_)]; }

// Ctrl and the wheel zoom in and out a step at a time around the cursor.
bool SectionPlotWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_->viewport() && event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->modifiers() & Qt::ControlModifier) {
      const int step = wheel->angleDelta().y() > 0 ? 1 : wheel->angleDelta().y() < 0 ? -1 : 0;
      const int index = std::clamp(zoomIndex_ + step, 0, static_cast<int>(kSectionZooms.size()) - 1);
      if (index != zoomIndex_) ApplyZoom(index, wheel->position().toPoint());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

// The picture becomes a square of the zoom times the view's smaller side (at
// "Fit" it simply fills the view), unless it would be too large to hold. The
// point of the picture at `pointInView` stays where it is.
void SectionPlotWindow::ApplyZoom(int index, QPoint pointInView) {
  index = std::clamp(index, 0, static_cast<int>(kSectionZooms.size()) - 1);
  const int zoom = kSectionZooms[static_cast<std::size_t>(index)];
  const QSize view = scroll_->viewport()->size();
  const PictureSize smallest = SizeOf(kSmallestPicture);
  const PictureSize zoomed = zoom == 100 ? smallest : ZoomedPictureSize(view.width(), view.height(), zoom, smallest);
  zoomIndex_ = index;
  if (cboZoom_->currentIndex() != index) {
    const QSignalBlocker quiet(cboZoom_);
    cboZoom_->setCurrentIndex(index);
  }
  PlotPicture* picture = PictureBox();
  const QSize before = picture->size();
  const QPoint scrolled(scroll_->horizontalScrollBar()->value(), scroll_->verticalScrollBar()->value());
  picture->setMinimumSize(QSize(static_cast<int>(zoomed.Width), static_cast<int>(zoomed.Height)));
  // The layout gives the picture its size with the next turn of the events.
  QTimer::singleShot(0, this, [this, picture, before, scrolled, pointInView] {
    const QSize after = picture->size();
    const QSize view = scroll_->viewport()->size();
    const int oldSide = std::min(before.width(), before.height()), newSide = std::min(after.width(), after.height());
    scroll_->horizontalScrollBar()->setValue(ScrollKeepingPoint(scrolled.x(), view.width(), before.width(),
                                                                after.width(), pointInView.x(), oldSide, newSide));
    scroll_->verticalScrollBar()->setValue(ScrollKeepingPoint(scrolled.y(), view.height(), before.height(),
                                                              after.height(), pointInView.y(), oldSide, newSide));
  });
}

void ShowSectionPlot(AppContext& context, const SectionGrid& grid, QWidget* parent) {
  SectionPlotWindow window(context, grid, parent);
  window.exec();
}

}  // namespace kolvane::ui

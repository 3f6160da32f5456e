#include "ui/plots/section_plot_window.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "core/plots/picture_size.h"
#include "core/plots/section_plot.h"
#include "ui/plots/plot_controls.h"
#include "ui/plots/plot_picture.h"
#include "ui/plots/save_plot_picture.h"

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
    : QDialog(parent), context_(context), grid_(grid) {
  setObjectName("frmDrawSection");
  setWindowTitle("Draw section");
  BuildControls();
  // A scroll area offers a small size of its own: open with the picture at
  // its usual size instead.
  const QSize shortOf = (kPictureSize - scroll_->sizeHint()).expandedTo(QSize(0, 0));
  resize(sizeHint() + shortOf);
  picture_->SetDrawing([this](Canvas& canvas) { DrawSection(canvas, grid_, ChosenResult()); });
}

void SectionPlotWindow::BuildControls() {
  picture_ = new PlotPicture(kPictureSize, kSmallestPicture);
  picture_->setObjectName("piC");
  auto* frame = new QGroupBox("Section");
  frame->setObjectName("frameSection");
  scroll_ = new QScrollArea;
  scroll_->setObjectName("scrPicture");
  scroll_->setWidgetResizable(true);  // the picture fills the frame, and grows past it when zoomed
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidget(picture_);
  scroll_->setMinimumSize(kSmallestPicture);
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(scroll_);

  const ResultChoice choice = CreateResultChoice(SectionResultItems());
  cboShowResult_ = choice.Box;
  cboZoom_ = new QComboBox;
  cboZoom_->setObjectName("cboZoom");
  for (int zoom : kSectionZooms) cboZoom_->addItem(ZoomCaption(zoom));
  auto* zoomLabel = new QLabel("Zoom :");
  zoomLabel->setBuddy(cboZoom_);
  const PlotButtons buttons = CreatePlotButtons();
  cmdSave_ = buttons.Save;
  cmdOk_ = buttons.Ok;

  auto* controls = new QHBoxLayout;
  controls->addWidget(choice.Label);
  controls->addWidget(cboShowResult_);
  controls->addSpacing(12);
  controls->addWidget(zoomLabel);
  controls->addWidget(cboZoom_);
  controls->addStretch(1);
  controls->addWidget(cmdSave_);
  controls->addWidget(cmdOk_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame, 1);
  layout->addLayout(controls);

  connect(cboShowResult_, &QComboBox::currentIndexChanged, picture_, &PlotPicture::Redraw);
  connect(cboZoom_, &QComboBox::currentIndexChanged, this, [this](int index) {
    const QSize view = scroll_->viewport()->size();
    ApplyZoom(index, QPoint(view.width() / 2, view.height() / 2));
  });
  scroll_->viewport()->installEventFilter(this);
  connect(cmdSave_, &QPushButton::clicked, this, &SectionPlotWindow::SavePicture);
  connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);
}

const QImage& SectionPlotWindow::Picture() const { return picture_->Image(); }

std::optional<int> SectionPlotWindow::ChosenResult() const {
  const int index = cboShowResult_->currentIndex();
  return index >= 0 ? std::optional<int>(index) : std::nullopt;
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
  const PictureSize shown{std::max<std::int64_t>(zoomed.Width, view.width()),
                          std::max<std::int64_t>(zoomed.Height, view.height())};
  if (const std::optional<std::string> refusal = RefuseOversizedPicture(shown, devicePixelRatioF(), zoom)) {
    context_.messages->Error(this, *refusal);
    const QSignalBlocker quiet(cboZoom_);
    cboZoom_->setCurrentIndex(zoomIndex_);  // the zoom stays as it was
    return;
  }
  zoomIndex_ = index;
  if (cboZoom_->currentIndex() != index) {
    const QSignalBlocker quiet(cboZoom_);
    cboZoom_->setCurrentIndex(index);
  }
  const QSize before = picture_->size();
  const QPoint scrolled(scroll_->horizontalScrollBar()->value(), scroll_->verticalScrollBar()->value());
  picture_->setMinimumSize(QSize(static_cast<int>(zoomed.Width), static_cast<int>(zoomed.Height)));
  QTimer::singleShot(0, this, [this, before, scrolled, pointInView] {
    const QSize after = picture_->size();
    const QSize view = scroll_->viewport()->size();
    scroll_->horizontalScrollBar()->setValue(
        ScrollKeepingPoint(scrolled.x(), view.width(), before.width(), after.width(), pointInView.x()));
    scroll_->verticalScrollBar()->setValue(
        ScrollKeepingPoint(scrolled.y(), view.height(), before.height(), after.height(), pointInView.y()));
  });
}

void SectionPlotWindow::SavePicture() { SavePlotPicture(Picture(), "Section", context_, this); }

void ShowSectionPlot(AppContext& context, const SectionGrid& grid, QWidget* parent) {
  SectionPlotWindow window(context, grid, parent);
  window.exec();
}

}  // namespace kolvane::ui

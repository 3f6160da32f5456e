#include "ui/plots/section_plot_window.h"

#include <QComboBox>
#include <algorithm>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

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
// from each other in a picture several times the frame's size, scrolled.
constexpr int kZooms[] = {100, 200, 300, 400, 600, 800};

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
  for (int zoom : kZooms) cboZoom_->addItem(QString::number(zoom) + " %");
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
  connect(cboZoom_, &QComboBox::currentIndexChanged, this, &SectionPlotWindow::ApplyZoom);
  connect(cmdSave_, &QPushButton::clicked, this, &SectionPlotWindow::SavePicture);
  connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);
}

const QImage& SectionPlotWindow::Picture() const { return picture_->Image(); }

std::optional<int> SectionPlotWindow::ChosenResult() const {
  const int index = cboShowResult_->currentIndex();
  return index >= 0 ? std::optional<int>(index) : std::nullopt;
}

int SectionPlotWindow::Zoom() const { return kZooms[std::max(0, cboZoom_->currentIndex())]; }

// The picture is at least the zoom times the frame's view; at 100 % it simply
// fills the view. The view then shows the top middle: the title and the top
// of the wall, not the empty inside of the column.
void SectionPlotWindow::ApplyZoom() {
  const QSize view = scroll_->viewport()->size();
  const QSize zoomed = Zoom() == 100 ? kSmallestPicture : view * Zoom() / 100;
  picture_->setMinimumSize(zoomed);
  QTimer::singleShot(0, this, [this] {
    QScrollBar* across = scroll_->horizontalScrollBar();
    across->setValue((across->minimum() + across->maximum()) / 2);
    scroll_->verticalScrollBar()->setValue(0);
  });
}

void SectionPlotWindow::SavePicture() { SavePlotPicture(Picture(), "Section", context_, this); }

void ShowSectionPlot(AppContext& context, const SectionGrid& grid, QWidget* parent) {
  SectionPlotWindow window(context, grid, parent);
  window.exec();
}

}  // namespace kolvane::ui

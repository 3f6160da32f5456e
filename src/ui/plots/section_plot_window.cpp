#include "ui/plots/section_plot_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/plots/section_plot.h"
#include "ui/plots/plot_picture.h"
#include "ui/plots/save_plot_picture.h"

namespace kolvane::ui {
namespace {

// The picture's size until the user enlarges the window. Below the smallest
// size the longest title would not fit and the values of neighbouring blocks
// would run into each other.
constexpr QSize kPictureSize(549, 493);
constexpr QSize kSmallestPicture(420, 380);

}  // namespace

SectionPlotWindow::SectionPlotWindow(AppContext& context, const SectionGrid& grid, QWidget* parent)
    : QDialog(parent), context_(context), grid_(grid) {
  setObjectName("frmDrawSection");
  setWindowTitle("Draw section");
  BuildControls();
  picture_->SetDrawing([this](Canvas& canvas) { DrawSection(canvas, grid_, ChosenResult()); });
}

void SectionPlotWindow::BuildControls() {
  picture_ = new PlotPicture(kPictureSize, kSmallestPicture);
  picture_->setObjectName("piC");
  auto* frame = new QGroupBox("Section");
  frame->setObjectName("frameSection");
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(picture_);

  cboShowResult_ = new QComboBox;
  cboShowResult_->setObjectName("cboShowResult");
  for (const char* item : SectionResultItems()) cboShowResult_->addItem(QString::fromUtf8(item));
  cboShowResult_->setCurrentIndex(-1);  // the section alone until a result is picked
  auto* label = new QLabel("Select Result :");
  label->setBuddy(cboShowResult_);
  cmdSave_ = new QPushButton("&Save Picture");
  cmdSave_->setObjectName("cmdSave");
  cmdOk_ = new QPushButton("OK");
  cmdOk_->setObjectName("cmdOk");
  cmdSave_->setAutoDefault(false);
  cmdOk_->setAutoDefault(false);

  auto* controls = new QHBoxLayout;
  controls->addWidget(label);
  controls->addWidget(cboShowResult_);
  controls->addStretch(1);
  controls->addWidget(cmdSave_);
  controls->addWidget(cmdOk_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame, 1);
  layout->addLayout(controls);

  connect(cboShowResult_, &QComboBox::currentIndexChanged, picture_, &PlotPicture::Redraw);
  connect(cmdSave_, &QPushButton::clicked, this, &SectionPlotWindow::SavePicture);
  connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);
}

const QImage& SectionPlotWindow::Picture() const { return picture_->Image(); }

std::optional<int> SectionPlotWindow::ChosenResult() const {
  const int index = cboShowResult_->currentIndex();
  return index >= 0 ? std::optional<int>(index) : std::nullopt;
}

void SectionPlotWindow::SavePicture() { SavePlotPicture(Picture(), "Section", context_, this); }

void ShowSectionPlot(AppContext& context, const SectionGrid& grid, QWidget* parent) {
  SectionPlotWindow window(context, grid, parent);
  window.exec();
}

}  // namespace kolvane::ui

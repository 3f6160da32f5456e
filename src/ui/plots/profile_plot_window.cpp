#include "ui/plots/profile_plot_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/export/csv_tables.h"
#include "core/plots/profile_plot.h"
#include "ui/plots/csv_export.h"
#include "ui/plots/magnification_options.h"
#include "ui/plots/plot_controls.h"
#include "ui/plots/plot_picture.h"
#include "ui/plots/save_plot_picture.h"

namespace kolvane::ui {
namespace {

// The picture's size until the user enlarges the window. Below the smallest
// size the tip deflection's line would not fit across.
constexpr QSize kPictureSize(349, 493);
constexpr QSize kSmallestPicture(330, 360);

}  // namespace

ProfilePlotWindow::ProfilePlotWindow(AppContext& context, const SectionGrid& grid, QWidget* parent)
    : QDialog(parent), context_(context), grid_(grid) {
  setObjectName("frmDrawProfile");
  setWindowTitle("Draw profile");
  BuildControls();
  picture_->SetDrawing([this](Canvas& canvas) { DrawProfile(canvas, grid_, ChosenPlane(), factor_); });
  optMagnification_[0]->setChecked(true);
}

void ProfilePlotWindow::BuildControls() {
  picture_ = new PlotPicture(kPictureSize, kSmallestPicture);
  picture_->setObjectName("piC");
  auto* frame = new QGroupBox("Profile");
  frame->setObjectName("frameProfile");
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(picture_);

  const ResultChoice choice = CreateResultChoice(ProfilePlaneItems());
  cboShowResult_ = choice.Box;
  const PlotButtons buttons = CreatePlotButtons();
  cmdSave_ = buttons.Save;
  cmdOk_ = buttons.Ok;
  cmdExportCsv_ = CreateExportCsvButton();

  auto* choices = new QVBoxLayout;
  choices->addWidget(choice.Label);
  choices->addWidget(cboShowResult_);
  choices->addSpacing(12);
  choices->addLayout(
      CreateMagnificationOptions(this, optMagnification_, [this](int option) { ChooseMagnification(option); }));
  choices->addStretch(1);
  choices->addWidget(cmdSave_);
  choices->addWidget(cmdExportCsv_);
  choices->addWidget(cmdOk_);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(frame, 1);
  layout->addLayout(choices);

  connect(cboShowResult_, &QComboBox::currentIndexChanged, picture_, &PlotPicture::Redraw);
  connect(cmdSave_, &QPushButton::clicked, this, &ProfilePlotWindow::SavePicture);
  connect(cmdExportCsv_, &QPushButton::clicked, this, &ProfilePlotWindow::ExportCsv);
  connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);
}

const QImage& ProfilePlotWindow::Picture() const { return picture_->Image(); }

std::optional<int> ProfilePlotWindow::ChosenPlane() const {
  const int index = cboShowResult_->currentIndex();
  return index >= 0 ? std::optional<int>(index) : std::nullopt;
}

void ProfilePlotWindow::ChooseMagnification(int option) {
  factor_ = MagnificationFactor(option);
  picture_->Redraw();
}

void ProfilePlotWindow::SavePicture() { SavePlotPicture(Picture(), "Profile", context_, this); }

void ProfilePlotWindow::ExportCsv() { ui::ExportCsv(context_, kProfilesCsvFileName, ProfilesCsvLines(grid_), this); }

void ShowProfilePlot(AppContext& context, const SectionGrid& grid, QWidget* parent) {
  ProfilePlotWindow window(context, grid, parent);
  window.exec();
}

}  // namespace kolvane::ui

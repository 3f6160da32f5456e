#include "ui/plots/profile_plot_window.h"

#include <QComboBox>
#include <QLabel>
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

  const ResultChoice choice = CreateResultChoice(ProfilePlaneItems());
  cboShowResult_ = choice.Box;
  auto* choices = new QVBoxLayout;
  choices->addWidget(choice.Label);
  choices->addWidget(cboShowResult_);
  choices->addSpacing(12);
  choices->addLayout(
      CreateMagnificationOptions(this, optMagnification_, [this](int option) { ChooseMagnification(option); }));
  LayOutExportingPlot(
      this, picture_, "Profile", choices, [this] { SavePicture(); }, [this] { ExportCsv(); });
  connect(cboShowResult_, &QComboBox::currentIndexChanged, picture_, &PlotPicture::Redraw);
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

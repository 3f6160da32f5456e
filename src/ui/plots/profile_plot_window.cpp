#include "ui/plots/profile_plot_window.h"

#include <QComboBox>

#include "core/export/csv_tables.h"
#include "core/plots/profile_plot.h"
#include "ui/plots/csv_export.h"
#include "ui/plots/image_canvas.h"

namespace kolvane::ui {
namespace {

// The picture's size until the user enlarges the window. Below the smallest
// size the tip deflection's line would not fit across.
constexpr QSize kPictureSize(349, 493);
constexpr QSize kSmallestPicture(330, 360);

}  // namespace

ProfilePlotWindow::ProfilePlotWindow(AppContext& context, const SectionGrid& grid, QWidget* parent)
    : PlotDialog(context,
                 {"Profile", "Profile", kPictureSize, kSmallestPicture, PlotControls::Beside, [this] { ExportCsv(); }},
                 parent),
      grid_(grid) {
  setObjectName("frmDrawProfile");
  setWindowTitle("Draw profile");
  cboShowResult_ = AddChoiceList("cboShowResult", "Select Result :", ProfilePlaneItems());
  AddChoiceSpacing();
  AddChoiceLayout(magnification_.Create(this, [this] { Redraw(); }));
  SetDrawing(
      [this](Canvas& canvas) { DrawProfile(canvas, grid_, ChosenPosition(cboShowResult_), magnification_.Factor()); });
  // It opens on a plane, at the largest magnification that keeps the profiles inside.
  cboShowResult_->setCurrentIndex(0);
  // Fitted with the picture's own font, so that the profiles keep clear of the text it writes.
  magnification_.Check(FittingProfileOption(ImageCanvas(kPictureSize), grid_, 0));
}

void ProfilePlotWindow::ExportCsv() { ui::ExportCsv(Context(), kProfilesCsvFileName, ProfilesCsvLines(grid_), this); }

void ShowProfilePlot(AppContext& context, const SectionGrid& grid, QWidget* parent) {
  ProfilePlotWindow window(context, grid, parent);
  window.exec();
}

}  // namespace kolvane::ui

#pragma once
// frmDrawProfile: the deflection profiles a creep run has stored, drawn on the
// upright column with a chosen magnification, saved as "Profile.bmp".
//
// Its only state is the magnification factor; every choice redraws the
// picture from the engine state it was opened on.

#include "core/engine/section_grid.h"
#include "ui/common/app_context.h"
#include "ui/plots/magnification_options.h"
#include "ui/plots/plot_dialog.h"

class QComboBox;

namespace kolvane::ui {

class ProfilePlotWindow : public PlotDialog {
  Q_OBJECT

 public:
  // Opens on the first magnification and no plane: the column and its axes
  // only. `grid` must outlive the window.
  ProfilePlotWindow(AppContext& context, const SectionGrid& grid, QWidget* parent = nullptr);

  float Factor() const { return magnification_.Factor(); }

 private:
  void ExportCsv();  // cmdExportCsv

  const SectionGrid& grid_;
  QComboBox* cboShowResult_ = nullptr;
  MagnificationChoice magnification_;
};

// Shows the profile plot of `grid` modally over `parent` and destroys it when
// it closes.
void ShowProfilePlot(AppContext& context, const SectionGrid& grid, QWidget* parent);

}  // namespace kolvane::ui

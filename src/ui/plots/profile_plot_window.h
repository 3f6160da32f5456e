#pragma once
// frmDrawProfile: the deflection profiles a creep run has stored, drawn on the
// upright column with a chosen magnification, saved as "Profile.bmp".
//
// Its only state is the magnification factor; every choice redraws the
// picture from the engine state it was opened on.

#include <QDialog>
#include <optional>

#include "core/engine/section_grid.h"
#include "ui/common/app_context.h"
#include "ui/plots/magnification_options.h"

class QComboBox;
class QPushButton;
class QRadioButton;

namespace kolvane::ui {

class PlotPicture;

class ProfilePlotWindow : public QDialog {
  Q_OBJECT

 public:
  // Opens on the first magnification and no plane: the column and its axes
  // only. `grid` must outlive the window.
  ProfilePlotWindow(AppContext& context, const SectionGrid& grid, QWidget* parent = nullptr);

  const QImage& Picture() const;  // the drawing as shown and saved
  float Factor() const { return factor_; }

 private:
  void BuildControls();
  std::optional<int> ChosenPlane() const;
  void ChooseMagnification(int option);  // optMagnification n
  void SavePicture();                    // cmdSave
  void ExportCsv();                      // cmdExportCsv

  AppContext& context_;
  const SectionGrid& grid_;
  float factor_ = 0;
  PlotPicture* picture_ = nullptr;
  QComboBox* cboShowResult_ = nullptr;
  MagnificationButtons optMagnification_{};
};

// Shows the profile plot of `grid` modally over `parent` and destroys it when
// it closes.
void ShowProfilePlot(AppContext& context, const SectionGrid& grid, QWidget* parent);

}  // namespace kolvane::ui

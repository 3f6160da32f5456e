#pragma once
// frmDrawSection: the column's cross-section as the last run divided it, with
// one chosen result of that run written onto it, saved as "Section.bmp".
//
// It keeps nothing of its own: every choice redraws the picture from the
// engine state it was opened on.

#include <QDialog>
#include <optional>

#include "core/engine/section_grid.h"
#include "ui/common/app_context.h"

class QComboBox;
class QPushButton;
class QScrollArea;

namespace kolvane::ui {

class PlotPicture;

class SectionPlotWindow : public QDialog {
  Q_OBJECT

 public:
  // Draws the section without a result at once; `grid` must outlive the window.
  SectionPlotWindow(AppContext& context, const SectionGrid& grid, QWidget* parent = nullptr);

  const QImage& Picture() const;  // the drawing as shown and saved
  int Zoom() const;                // per cent of the frame the picture fills

 private:
  void BuildControls();
  std::optional<int> ChosenResult() const;
  void SavePicture();  // cmdSave
  void ApplyZoom();    // cboZoom

  AppContext& context_;
  const SectionGrid& grid_;
  PlotPicture* picture_ = nullptr;
  QComboBox* cboShowResult_ = nullptr;
  QComboBox* cboZoom_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QPushButton* cmdSave_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
};

// Shows the section plot of `grid` modally over `parent` and destroys it when
// it closes.
void ShowSectionPlot(AppContext& context, const SectionGrid& grid, QWidget* parent);

}  // namespace kolvane::ui

#pragma once
// frmDrawSection: the column's cross-section as the last run divided it, with
// one chosen result of that run written onto it, saved as "Section.bmp".
//
// It keeps nothing of its own: every choice redraws the picture from the
// engine state it was opened on.

#include <QPoint>

#include "core/engine/section_grid.h"
#include "ui/common/app_context.h"
#include "ui/plots/plot_dialog.h"

class QComboBox;
class QScrollArea;

namespace kolvane::ui {

class SectionPlotWindow : public PlotDialog {
  Q_OBJECT

 public:
  // Draws the section without a result at once; `grid` must outlive the window.
  SectionPlotWindow(AppContext& context, const SectionGrid& grid, QWidget* parent = nullptr);

  int Zoom() const;  // per cent of the frame the picture fills; 100 is "Fit"

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  // cboZoom or Ctrl+wheel: the zoom of kSectionZooms[index], keeping the
  // picture's point under `pointInView` (viewport pixels) in place.
  void ApplyZoom(int index, QPoint pointInView);

  const SectionGrid& grid_;
  QComboBox* cboShowResult_ = nullptr;
  QComboBox* cboZoom_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  int zoomIndex_ = 0;
};

// Shows the section plot of `grid` modally over `parent` and destroys it when
// it closes.
void ShowSectionPlot(AppContext& context, const SectionGrid& grid, QWidget* parent);

}  // namespace kolvane::ui

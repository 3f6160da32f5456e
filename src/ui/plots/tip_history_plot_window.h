#pragma once
// frmDrawTipHistory: the tip's history through the last creep run, tip X and
// Y against the date and the plan view of the same path, with "Save Picture"
// (TipHistory.bmp) and "Export CSV" (TipHistory.csv).

#include <vector>

#include "core/engine/section_grid.h"
#include "ui/common/app_context.h"
#include "ui/plots/plot_dialog.h"

namespace kolvane::ui {

class TipHistoryPlotWindow : public PlotDialog {
  Q_OBJECT

 public:
  // `history` must outlive the window.
  TipHistoryPlotWindow(AppContext& context, const std::vector<TipSample>& history, QWidget* parent = nullptr);

 private:
  void ExportCsv();  // cmdExportCsv

  const std::vector<TipSample>& history_;
};

// Shows the tip history plot modally over `parent` and destroys it when it closes.
void ShowTipHistoryPlot(AppContext& context, const std::vector<TipSample>& history, QWidget* parent);

}  // namespace kolvane::ui

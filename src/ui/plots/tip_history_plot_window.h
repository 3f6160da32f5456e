#pragma once
// frmDrawTipHistory: the tip's history through the last creep run, tip X and
// Y against the date and the plan view of the same path, with "Save Picture"
// (TipHistory.bmp) and "Export CSV" (TipHistory.csv).

#include <QDialog>
#include <vector>

#include "core/engine/section_grid.h"
#include "ui/common/app_context.h"

class QPushButton;

namespace kolvane::ui {

class PlotPicture;

class TipHistoryPlotWindow : public QDialog {
  Q_OBJECT

 public:
  // `history` must outlive the window.
  TipHistoryPlotWindow(AppContext& context, const std::vector<TipSample>& history, QWidget* parent = nullptr);

  const QImage& Picture() const;

 private:
  void SavePicture();  // cmdSave
  void ExportCsv();    // cmdExportCsv

  AppContext& context_;
  const std::vector<TipSample>& history_;
  PlotPicture* picture_ = nullptr;
};

// Shows the tip history plot modally over `parent` and destroys it when it closes.
void ShowTipHistoryPlot(AppContext& context, const std::vector<TipSample>& history, QWidget* parent);

}  // namespace kolvane::ui

#include "ui/plots/tip_history_plot_window.h"

#include "core/export/csv_tables.h"
#include "core/plots/tip_history_plot.h"
#include "ui/plots/csv_export.h"

namespace kolvane::ui {
namespace {

constexpr QSize kPictureSize(560, 620);
constexpr QSize kSmallestPicture(360, 420);

}  // namespace

TipHistoryPlotWindow::TipHistoryPlotWindow(AppContext& context, const std::vector<TipSample>& history, QWidget* parent)
    : PlotDialog(
          context,
          {"TipHistory", "Tip history", kPictureSize, kSmallestPicture, PlotControls::Beside, [this] { ExportCsv(); }},
          parent),
      history_(history) {
  setObjectName("frmDrawTipHistory");
  setWindowTitle("Tip history");
  SetDrawing([this](Canvas& canvas) { DrawTipHistory(canvas, history_); });
}

void TipHistoryPlotWindow::ExportCsv() {
  ui::ExportCsv(Context(), kTipHistoryCsvFileName, TipHistoryCsvLines(history_), this);
}

void ShowTipHistoryPlot(AppContext& context, const std::vector<TipSample>& history, QWidget* parent) {
  TipHistoryPlotWindow window(context, history, parent);
  window.exec();
}

}  // namespace kolvane::ui

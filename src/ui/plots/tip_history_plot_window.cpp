#include "ui/plots/tip_history_plot_window.h"

#include <QVBoxLayout>

#include "core/export/csv_tables.h"
#include "core/plots/tip_history_plot.h"
#include "ui/plots/csv_export.h"
#include "ui/plots/plot_controls.h"
#include "ui/plots/plot_picture.h"
#include "ui/plots/save_plot_picture.h"

namespace kolvane::ui {
namespace {

constexpr QSize kPictureSize(560, 620);
constexpr QSize kSmallestPicture(360, 420);

}  // namespace

TipHistoryPlotWindow::TipHistoryPlotWindow(AppContext& context, const std::vector<TipSample>& history, QWidget* parent)
    : QDialog(parent), context_(context), history_(history) {
  setObjectName("frmDrawTipHistory");
  setWindowTitle("Tip history");
  picture_ = new PlotPicture(kPictureSize, kSmallestPicture);
  picture_->setObjectName("piC");
  LayOutExportingPlot(
      this, picture_, "Tip history", new QVBoxLayout, [this] { SavePicture(); }, [this] { ExportCsv(); });
  picture_->SetDrawing([this](Canvas& canvas) { DrawTipHistory(canvas, history_); });
}

const QImage& TipHistoryPlotWindow::Picture() const { return picture_->Image(); }

void TipHistoryPlotWindow::SavePicture() { SavePlotPicture(Picture(), "TipHistory", context_, this); }

void TipHistoryPlotWindow::ExportCsv() {
  ui::ExportCsv(context_, kTipHistoryCsvFileName, TipHistoryCsvLines(history_), this);
}

void ShowTipHistoryPlot(AppContext& context, const std::vector<TipSample>& history, QWidget* parent) {
  TipHistoryPlotWindow window(context, history, parent);
  window.exec();
}

}  // namespace kolvane::ui

#include "ui/plots/tip_history_plot_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
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

TipHistoryPlotWindow::TipHistoryPlotWindow(AppContext& context, const std::vector<TipSample>& history,
                                           QWidget* parent)
    : QDialog(parent), context_(context), history_(history) {
  setObjectName("frmDrawTipHistory");
  setWindowTitle("Tip history");
  picture_ = new PlotPicture(kPictureSize, kSmallestPicture);
  picture_->setObjectName("piC");
  auto* frame = new QGroupBox("Tip history");
  frame->setObjectName("frameTipHistory");
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(picture_);

  const PlotButtons buttons = CreatePlotButtons();
  cmdSave_ = buttons.Save;
  cmdOk_ = buttons.Ok;
  cmdExportCsv_ = CreateExportCsvButton();
  auto* choices = new QVBoxLayout;
  choices->addStretch(1);
  choices->addWidget(cmdSave_);
  choices->addWidget(cmdExportCsv_);
  choices->addWidget(cmdOk_);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(frame, 1);
  layout->addLayout(choices);

  connect(cmdSave_, &QPushButton::clicked, this, &TipHistoryPlotWindow::SavePicture);
  connect(cmdExportCsv_, &QPushButton::clicked, this, &TipHistoryPlotWindow::ExportCsv);
  connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);
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

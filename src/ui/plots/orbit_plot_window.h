#pragma once
// frmDrawOrbit: the daily tip orbit in plan view, with the sun's direction at
// the hour under the mouse or chosen from the list, a magnification choice,
// "Save Picture" (Orbit.bmp) and "Export CSV" (Orbit.csv).

#include <optional>

#include "core/plots/orbit_plot.h"
#include "ui/common/app_context.h"
#include "ui/plots/magnification_options.h"
#include "ui/plots/plot_dialog.h"

class QComboBox;

namespace kolvane::ui {

class OrbitPlotWindow : public PlotDialog {
  Q_OBJECT

 public:
  // Opens on the largest magnification at which the orbit fits the picture,
  // and no hour chosen.
  OrbitPlotWindow(AppContext& context, OrbitPlotData data, QWidget* parent = nullptr);

  const OrbitPlotData& Data() const { return data_; }
  std::optional<std::size_t> SunHour() const;  // the point whose sun is drawn

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ExportCsv();  // cmdExportCsv

  const OrbitPlotData data_;
  QComboBox* cboHour_ = nullptr;
  MagnificationChoice magnification_;
};

// Shows the orbit plot modally over `parent` and destroys it when it closes.
void ShowOrbitPlot(AppContext& context, const OrbitPlotData& data, QWidget* parent);

}  // namespace kolvane::ui

#pragma once
// frmDrawOrbit: the daily tip orbit in plan view, with the sun's direction at
// the hour under the mouse or chosen from the list, a magnification choice,
// "Save Picture" (Orbit.bmp) and "Export CSV" (Orbit.csv).

#include <QDialog>
#include <optional>

#include "core/plots/orbit_plot.h"
#include "ui/common/app_context.h"
#include "ui/plots/magnification_options.h"

class QComboBox;
class QPushButton;

namespace kolvane::ui {

class PlotPicture;

class OrbitPlotWindow : public QDialog {
  Q_OBJECT

 public:
  // Opens on the largest magnification at which the orbit fits the picture,
  // and no hour chosen.
  OrbitPlotWindow(AppContext& context, OrbitPlotData data, QWidget* parent = nullptr);

  const QImage& Picture() const;  // the drawing as shown and saved
  const OrbitPlotData& Data() const { return data_; }
  std::optional<std::size_t> SunHour() const;  // the point whose sun is drawn

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ChooseMagnification(int option);
  void SavePicture();  // cmdSave
  void ExportCsv();    // cmdExportCsv

  AppContext& context_;
  const OrbitPlotData data_;
  float factor_ = 0;
  PlotPicture* picture_ = nullptr;
  QComboBox* cboHour_ = nullptr;
  MagnificationButtons optMagnification_{};
};

// Shows the orbit plot modally over `parent` and destroys it when it closes.
void ShowOrbitPlot(AppContext& context, const OrbitPlotData& data, QWidget* parent);

}  // namespace kolvane::ui

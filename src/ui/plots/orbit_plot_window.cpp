#include "ui/plots/orbit_plot_window.h"

#include <QComboBox>
#include <QMouseEvent>

#include "core/export/csv_tables.h"
#include "ui/plots/csv_export.h"
#include "ui/plots/plot_picture.h"

namespace kolvane::ui {
namespace {

constexpr QSize kPictureSize(480, 520);
constexpr QSize kSmallestPicture(360, 400);

}  // namespace

OrbitPlotWindow::OrbitPlotWindow(AppContext& context, OrbitPlotData data, QWidget* parent)
    : PlotDialog(context,
                 {"Orbit", "Orbit", kPictureSize, kSmallestPicture, PlotControls::Beside, [this] { ExportCsv(); }},
                 parent),
      data_(std::move(data)) {
  setObjectName("frmDrawOrbit");
  setWindowTitle("Daily orbit");
  PictureBox()->setMouseTracking(true);
  PictureBox()->installEventFilter(this);

  std::vector<std::string> hours;
  for (const OrbitPoint& point : data_.Points) hours.push_back(OrbitHourText(point.Hour));
  std::vector<const char*> items;
  for (const std::string& hour : hours) items.push_back(hour.c_str());
  cboHour_ = AddChoiceList("cboHour", "Sun at :", items);
  AddChoiceSpacing();
  AddChoiceLayout(magnification_.Create(this, [this] { Redraw(); }));
  SetDrawing([this](Canvas& canvas) { DrawOrbit(canvas, data_, magnification_.Factor(), SunHour()); });
  magnification_.Check(FittingMagnificationOption(data_));
}

std::optional<std::size_t> OrbitPlotWindow::SunHour() const {
  const std::optional<int> chosen = ChosenPosition(cboHour_);
  return chosen ? std::optional<std::size_t>(static_cast<std::size_t>(*chosen)) : std::nullopt;
}

// The hour under the mouse becomes the chosen one, so the list and the
// picture always agree.
bool OrbitPlotWindow::eventFilter(QObject* watched, QEvent* event) {
  PlotPicture* picture = PictureBox();
  if (watched == picture && event->type() == QEvent::MouseMove) {
    const QPointF at = static_cast<QMouseEvent*>(event)->position();
    if (const auto point =
            OrbitPointAt(picture->width(), picture->height(), data_, magnification_.Factor(), at.x(), at.y()))
      cboHour_->setCurrentIndex(static_cast<int>(*point));
  }
  return PlotDialog::eventFilter(watched, event);
}

void OrbitPlotWindow::ExportCsv() { ui::ExportCsv(Context(), kOrbitCsvFileName, OrbitCsvLines(data_.Points), this); }

void ShowOrbitPlot(AppContext& context, const OrbitPlotData& data, QWidget* parent) {
  OrbitPlotWindow window(context, data, parent);
  window.exec();
}

}  // namespace kolvane::ui

#include "ui/plots/orbit_plot_window.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/export/csv_tables.h"
#include "core/plots/profile_plot.h"
#include "ui/plots/csv_export.h"
#include "ui/plots/plot_controls.h"
#include "ui/plots/plot_picture.h"
#include "ui/plots/save_plot_picture.h"

namespace kolvane::ui {
namespace {

constexpr QSize kPictureSize(480, 520);
constexpr QSize kSmallestPicture(360, 400);

}  // namespace

OrbitPlotWindow::OrbitPlotWindow(AppContext& context, OrbitPlotData data, QWidget* parent)
    : QDialog(parent), context_(context), data_(std::move(data)) {
  setObjectName("frmDrawOrbit");
  setWindowTitle("Daily orbit");
  BuildControls();
  picture_->SetDrawing([this](Canvas& canvas) { DrawOrbit(canvas, data_, factor_, SunHour()); });
  optMagnification_[static_cast<std::size_t>(FittingMagnificationOption(data_))]->setChecked(true);
}

void OrbitPlotWindow::BuildControls() {
  picture_ = new PlotPicture(kPictureSize, kSmallestPicture);
  picture_->setObjectName("piC");
  picture_->setMouseTracking(true);
  picture_->installEventFilter(this);

  cboHour_ = new QComboBox;
  cboHour_->setObjectName("cboHour");
  for (const OrbitPoint& point : data_.Points) cboHour_->addItem(QString::fromStdString(OrbitHourText(point.Hour)));
  cboHour_->setCurrentIndex(-1);
  auto* hourLabel = new QLabel("Sun at :");
  hourLabel->setBuddy(cboHour_);

  auto* choices = new QVBoxLayout;
  choices->addWidget(hourLabel);
  choices->addWidget(cboHour_);
  choices->addSpacing(12);
  choices->addLayout(
      CreateMagnificationOptions(this, optMagnification_, [this](int option) { ChooseMagnification(option); }));
  LayOutExportingPlot(
      this, picture_, "Orbit", choices, [this] { SavePicture(); }, [this] { ExportCsv(); });
  connect(cboHour_, &QComboBox::currentIndexChanged, picture_, &PlotPicture::Redraw);
}

const QImage& OrbitPlotWindow::Picture() const { return picture_->Image(); }

std::optional<std::size_t> OrbitPlotWindow::SunHour() const {
  const int index = cboHour_->currentIndex();
  return index >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(index)) : std::nullopt;
}

// The hour under the mouse becomes the chosen one, so the list and the
// picture always agree.
bool OrbitPlotWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_ && event->type() == QEvent::MouseMove) {
    const QPointF at = static_cast<QMouseEvent*>(event)->position();
    if (const auto point = OrbitPointAt(picture_->width(), picture_->height(), data_, factor_, at.x(), at.y()))
      cboHour_->setCurrentIndex(static_cast<int>(*point));
  }
  return QDialog::eventFilter(watched, event);
}

void OrbitPlotWindow::ChooseMagnification(int option) {
  factor_ = MagnificationFactor(option);
  picture_->Redraw();
}

void OrbitPlotWindow::SavePicture() { SavePlotPicture(Picture(), "Orbit", context_, this); }

void OrbitPlotWindow::ExportCsv() { ui::ExportCsv(context_, kOrbitCsvFileName, OrbitCsvLines(data_.Points), this); }

void ShowOrbitPlot(AppContext& context, const OrbitPlotData& data, QWidget* parent) {
  OrbitPlotWindow window(context, data, parent);
  window.exec();
}

}  // namespace kolvane::ui

#include "ui/diagrams/diagram_plot_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/plots/diagram_plot.h"
#include "ui/controls/filtered_text_box.h"
#include "ui/plots/image_canvas.h"
#include "ui/plots/plot_controls.h"
#include "ui/plots/plot_picture.h"
#include "ui/plots/save_plot_picture.h"

namespace kolvane::ui {
namespace {

// The picture's size until the user enlarges the window; the drawing scales
// to whatever size the picture gets. Below the smallest size the title of a
// long diagram name would be cut off and labels would crowd.
constexpr QSize kPictureSize(600, 440);
constexpr QSize kSmallestPicture(560, 400);
constexpr int kWidestDefault = 1000;
constexpr int kTitleRoom = 24;

// Wide enough for the title of a long diagram name, if the screen allows.
QSize DefaultPictureSize(const std::string& title) {
  const int titleWidth = static_cast<int>(ImageCanvas(QSize(1, 1)).TextWidth(title)) + kTitleRoom;
  return QSize(std::clamp(titleWidth, kPictureSize.width(), kWidestDefault), kPictureSize.height());
}

}  // namespace

DiagramPlotWindow::DiagramPlotWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), shown_(context.current) {
  setObjectName("frmDrawDiagram");
  const std::string title = DiagramPlotTitle(shown_.Kind, shown_.Name);
  setWindowTitle(QString::fromStdString(title));
  BuildControls(DefaultPictureSize(title));
  picture_->SetDrawing([this, title](Canvas& canvas) { DrawDiagram(canvas, shown_.Points, shown_.Kind, title); });
}

void DiagramPlotWindow::BuildControls(QSize pictureSize) {
  picture_ = new PlotPicture(pictureSize, kSmallestPicture);
  picture_->setObjectName("piC");
  auto* frame = new QGroupBox("Diagram");
  frame->setObjectName("frameDiagram");
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(picture_);

  txtX_ = new QLineEdit;
  txtX_->setObjectName("txtX");
  new FilteredTextBox(txtX_, InputMode::SignedDecimal, 10);
  txtX_->setMinimumWidth(txtX_->fontMetrics().horizontalAdvance(QString(14, '0')));  // ten characters and room
  auto* labelX = new QLabel("Interpolate X :");
  labelX->setBuddy(txtX_);
  lblY_ = new QLabel;
  lblY_->setObjectName("lblY");
  lblY_->setMinimumWidth(lblY_->fontMetrics().horizontalAdvance("Not applicable  "));
  lblY_->setTextInteractionFlags(Qt::TextSelectableByMouse);  // so a value read can be copied
  const PlotButtons buttons = CreatePlotButtons();
  cmdSave_ = buttons.Save;
  cmdOk_ = buttons.Ok;

  auto* controls = new QHBoxLayout;
  controls->addWidget(labelX);
  controls->addWidget(txtX_);
  controls->addSpacing(12);
  controls->addWidget(new QLabel("Y :"));
  controls->addWidget(lblY_, 1);
  controls->addWidget(cmdSave_);
  controls->addWidget(cmdOk_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame, 1);
  layout->addLayout(controls);

  connect(txtX_, &QLineEdit::textChanged, this, &DiagramPlotWindow::ShowValueAt);
  connect(cmdSave_, &QPushButton::clicked, this, &DiagramPlotWindow::SavePicture);
  connect(cmdOk_, &QPushButton::clicked, this, &DiagramPlotWindow::Confirm);
}

const QImage& DiagramPlotWindow::Picture() const { return picture_->Image(); }

void DiagramPlotWindow::ShowValueAt(const QString& text) {
  DiagramPoint point{NumericValue(text.toStdString()), 0};
  const bool inside = InterpolateDiagram(shown_.Points, point) == 1;
  lblY_->setText(inside ? QString::fromStdString(NumberText(point.Y)) : QString("Not applicable"));
}

void DiagramPlotWindow::SavePicture() { SavePlotPicture(Picture(), shown_.Name, context_, this); }

void DiagramPlotWindow::Confirm() {
  tag_ = "OK";
  accept();
}

void ShowDiagramPlot(AppContext& context, const CurrentDiagram& diagram, QWidget* parent) {
  context.current = diagram;
  DiagramPlotWindow window(context, parent);
  window.exec();
}

}  // namespace kolvane::ui

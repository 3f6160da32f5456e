#include "ui/diagrams/diagram_plot_window.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/plots/diagram_plot.h"
#include "ui/controls/filtered_text_box.h"
#include "ui/plots/image_canvas.h"

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

// The bitmap is named after the diagram.
PlotWindowLayout LayoutFor(const CurrentDiagram& diagram) {
  const std::string title = DiagramPlotTitle(diagram.Kind, diagram.Name);
  return {diagram.Name, "Diagram", DefaultPictureSize(title), kSmallestPicture, PlotControls::Below, {}};
}

}  // namespace

DiagramPlotWindow::DiagramPlotWindow(AppContext& context, const CurrentDiagram& diagram, QWidget* parent)
    : PlotDialog(context, LayoutFor(diagram), parent), shown_(diagram) {
  setObjectName("frmDrawDiagram");
  const std::string title = DiagramPlotTitle(shown_.Kind, shown_.Name);
  setWindowTitle(QString::fromStdString(title));

  txtX_ = new QLineEdit;
  txtX_->setObjectName("txtX");
  new FilteredTextBox(txtX_, InputMode::SignedDecimal, 10);
  txtX_->setMinimumWidth(txtX_->fontMetrics().horizontalAdvance(QString(14, '0')));  // ten characters and room
  AddChoice("Interpolate X :", txtX_);
  AddChoiceSpacing();
  lblY_ = new QLabel;
  lblY_->setObjectName("lblY");
  lblY_->setMinimumWidth(lblY_->fontMetrics().horizontalAdvance("Not applicable  "));
  lblY_->setTextInteractionFlags(Qt::TextSelectableByMouse);  // so a value read can be copied
  AddChoice("Y :", lblY_);
  connect(txtX_, &QLineEdit::textChanged, this, &DiagramPlotWindow::ShowValueAt);

  SetDrawing([this, title](Canvas& canvas) { DrawDiagram(canvas, shown_.Points, shown_.Kind, title); });
}

void DiagramPlotWindow::ShowValueAt(const QString& text) {
  DiagramPoint point{NumericValue(text.toStdString()), 0};
  const bool inside = InterpolateDiagram(shown_.Points, point) == 1;
  lblY_->setText(inside ? QString::fromStdString(NumberText(point.Y)) : QString("Not applicable"));
}

void ShowDiagramPlot(AppContext& context, const CurrentDiagram& diagram, QWidget* parent) {
  DiagramPlotWindow window(context, diagram, parent);
  window.exec();
}

}  // namespace kolvane::ui

#pragma once
// frmDrawDiagram: one diagram drawn on its kind's fixed axes, read at any X,
// and saved as a bitmap named after the diagram.
//
// The diagram manager opens it from its Draw button, the solution windows for
// the diagram chosen for a kind; each hands it the diagram to show.

#include "core/diagrams/current_diagram.h"
#include "ui/common/app_context.h"
#include "ui/plots/plot_dialog.h"

class QLabel;
class QLineEdit;

namespace kolvane::ui {

class DiagramPlotWindow : public PlotDialog {
  Q_OBJECT

 public:
  // Takes a copy of `diagram` (its points, name and kind) and draws it at once.
  DiagramPlotWindow(AppContext& context, const CurrentDiagram& diagram, QWidget* parent = nullptr);

 private:
  void ShowValueAt(const QString& text);  // txtX changed

  const CurrentDiagram shown_;
  QLineEdit* txtX_ = nullptr;
  QLabel* lblY_ = nullptr;
};

// Shows the plot of `diagram` modally over `parent` and destroys the window
// when it closes.
void ShowDiagramPlot(AppContext& context, const CurrentDiagram& diagram, QWidget* parent);

}  // namespace kolvane::ui

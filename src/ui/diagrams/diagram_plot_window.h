#pragma once
// frmDrawDiagram: one diagram drawn on its kind's fixed axes, read at any X,
// and saved as a bitmap named after the diagram.
//
// It shows the diagram the opener has put in context.current (the diagram,
// its name and its kind). The diagram manager opens it from its Draw button,
// the solution windows for the diagram chosen for a kind.

#include <QDialog>
#include <QString>

#include "core/diagrams/current_diagram.h"
#include "ui/common/app_context.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kolvane::ui {

class PlotPicture;

class DiagramPlotWindow : public QDialog {
  Q_OBJECT

 public:
  // Takes a copy of context.current and draws it at once.
  explicit DiagramPlotWindow(AppContext& context, QWidget* parent = nullptr);

  QString Tag() const { return tag_; }  // "OK" once closed with OK
  const QImage& Picture() const;        // the drawing as shown and saved

 private:
  void BuildControls(QSize pictureSize);
  void ShowValueAt(const QString& text);  // txtX changed
  void SavePicture();                     // cmdSave
  void Confirm();                         // cmdOk

  AppContext& context_;
  const CurrentDiagram shown_;
  QString tag_;
  PlotPicture* picture_ = nullptr;
  QLineEdit* txtX_ = nullptr;
  QLabel* lblY_ = nullptr;
  QPushButton* cmdSave_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
};

// Puts `diagram` in context.current, shows its plot modally over `parent` and
// destroys the window when it closes.
void ShowDiagramPlot(AppContext& context, const CurrentDiagram& diagram, QWidget* parent);

}  // namespace kolvane::ui

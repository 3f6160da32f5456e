#pragma once
// frmDiagrams: the diagrams of one kind in the working folder, to plot,
// modify, delete or create.
//
// Opened by the main window for one kind:
//   DiagramManagerWindow window(context, this);
//   window.SetMode(kind);
//   window.SetTitle(...);   // e.g. "Sun position diagrams (*.dg1)"
//   window.Initialise();
//   window.exec();
// It opens the chosen diagram, hands it to the editor or the plot window and
// writes the editor's result to disk.

#include <QDialog>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/diagrams/current_diagram.h"
#include "core/diagrams/diagram_kinds.h"
#include "ui/common/app_context.h"

class QListWidget;
class QPushButton;

namespace kolvane::ui {

class DiagramManagerWindow : public QDialog {
  Q_OBJECT

 public:
  explicit DiagramManagerWindow(AppContext& context, QWidget* parent = nullptr);

  DiagramKind Mode() const { return mode_; }
  void SetMode(DiagramKind kind);
  QString Title() const { return windowTitle(); }
  void SetTitle(const QString& title);
  // Lists the diagrams of the kind again and selects the first.
  void Initialise();

 private:
  void BuildControls();
  std::vector<std::string> ListedNames() const;
  std::string SelectedName() const;
  void SelectName(const std::string& name);
  std::optional<CurrentDiagram> OpenSelected();  // nothing after a critical incident
  void EnableForSelection();
  void Draw();            // cmdDraw
  void Modify();          // cmdModify, or a double click on a name
  void DeleteSelected();  // cmdDelete
  void New();             // cmdNew
  // Runs the editor on `diagram`: what it holds on OK, nothing otherwise.
  std::optional<CurrentDiagram> Edit(const CurrentDiagram& diagram);
  // Saves `edited` under its name, removing the file of oldName on a rename.
  bool Store(const std::string& oldName, const CurrentDiagram& edited);

  AppContext& context_;
  DiagramKind mode_ = kFirstDiagramKind;
  QListWidget* lstDiagrams_ = nullptr;
  QPushButton* cmdDraw_ = nullptr;
  QPushButton* cmdModify_ = nullptr;
  QPushButton* cmdDelete_ = nullptr;
  QPushButton* cmdNew_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
};

}  // namespace kolvane::ui

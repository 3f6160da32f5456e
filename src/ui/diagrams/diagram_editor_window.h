#pragma once
// frmEditDiagrams: the points and the name of one diagram.
//
// The dialog edits its own copy of the diagram, only by adding and deleting
// points, so the diagram stays sorted by X without duplicates. It writes no
// file: exec() returns Accepted for OK (Rejected for Cancel or a close) and
// EditedDiagram() holds the result; the manager saves, renames or discards.

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "core/diagrams/current_diagram.h"
#include "ui/common/app_context.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kolvane::ui {

class DiagramEditorWindow : public QDialog {
  Q_OBJECT

 public:
  // `diagram` is the one to edit (its name empty for a new one); listedNames:
  // the diagrams of the kind the manager lists, so that a new name that would
  // replace one of them is asked about.
  DiagramEditorWindow(AppContext& context, CurrentDiagram diagram, std::vector<std::string> listedNames,
                      QWidget* parent = nullptr);

  // txtName without leading and trailing blanks.
  std::string DiagramName() const;
  // The points as edited, under DiagramName(), of the same kind.
  CurrentDiagram EditedDiagram() const;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void SetUpGrid();
  void FitColumns();
  void RefreshGrid();
  void AddOrModifyPoint();       // cmdAddModify
  void TakePointOfRow(int row);  // a click on the grid
  void DeletePointOfRow();       // cmdDelete
  void Confirm();                // cmdOk
  void EnableOk();               // txtName changed

  AppContext& context_;
  CurrentDiagram diagram_;  // Name stays the name it was opened under
  std::vector<std::string> listedNames_;
  QString shownName_;  // the diagram's own name as the name box first showed it
  QTableWidget* grid_ = nullptr;
  QLineEdit* txtX_ = nullptr;
  QLineEdit* txtY_ = nullptr;
  QLineEdit* txtName_ = nullptr;
  QPushButton* cmdAddModify_ = nullptr;
  QPushButton* cmdDelete_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
};

}  // namespace kolvane::ui

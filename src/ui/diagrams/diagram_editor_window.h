#pragma once
// frmEditDiagrams: the points and the name of one diagram.
//
// The dialog edits context.current in place, only by adding and deleting
// points, so the diagram stays sorted by X without duplicates. It writes no
// file: it reports its outcome in Tag() ("OK" or "CANCEL"; empty when closed
// otherwise) and leaves the name in txtName; the manager saves, renames or
// discards.

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "ui/common/app_context.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kolvane::ui {

class DiagramEditorWindow : public QDialog {
  Q_OBJECT

 public:
  // listedNames: the diagrams of the kind the manager lists, so that a new
  // name that would replace one of them is asked about.
  DiagramEditorWindow(AppContext& context, std::vector<std::string> listedNames, QWidget* parent = nullptr);

  QString Tag() const { return tag_; }
  // txtName without leading and trailing blanks.
  std::string DiagramName() const;

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
  void Cancel();                 // cmdCancel
  void EnableOk();               // txtName changed

  AppContext& context_;
  std::vector<std::string> listedNames_;
  QString shownName_;  // the diagram's own name as the name box first showed it
  QString tag_;
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

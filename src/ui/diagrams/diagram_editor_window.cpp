#include "ui/diagrams/diagram_editor_window.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/diagram_name.h"
#include "core/diagrams/diagram_rename.h"
#include "ui/common/file_names.h"
#include "ui/common/named_button.h"
#include "ui/controls/filtered_text_box.h"

namespace kolvane::ui {
namespace {

enum Column { kEntryColumn = 0, kXColumn = 1, kYColumn = 2 };

// Rows of the grid are 350 twips (1/1440 inch) high, as users of the old grid know them.
constexpr int kRowTwips = 350;

QTableWidgetItem* Cell(const std::string& text, Qt::Alignment alignment) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setTextAlignment(alignment | Qt::AlignVCenter);
  return item;
}

QLineEdit* TextBox(const char* name) {
  auto* box = new QLineEdit;
  box->setObjectName(name);
  return box;
}

}  // namespace

DiagramEditorWindow::DiagramEditorWindow(AppContext& context, CurrentDiagram diagram,
                                         std::vector<std::string> listedNames, QWidget* parent)
    : QDialog(parent), context_(context), diagram_(std::move(diagram)), listedNames_(std::move(listedNames)) {
  setObjectName("frmEditDiagrams");
  const CurrentDiagram& current = diagram_;
  // A diagram without a name is one the user has just asked for with New.
  setWindowTitle(current.Name.empty() ? QString::fromStdString(
                                            "New " + std::string(DiagramKindTable(current.Kind).KindName) + " diagram")
                                      : "Modify " + ShownFileName(DiagramFileName(current.Name, current.Kind)));
  BuildControls();
  SetUpGrid();

  shownName_ = ShownFileName(current.Name);
  txtName_->setText(shownName_);
  EnableOk();
  RefreshGrid();
  if (grid_->rowCount() > 0) {
    grid_->setCurrentCell(0, kXColumn);
    grid_->selectRow(0);
  }
}

void DiagramEditorWindow::BuildControls() {
  grid_ = new QTableWidget;
  grid_->setObjectName("Grid");
  txtX_ = TextBox("txtX");
  txtY_ = TextBox("txtY");
  txtName_ = TextBox("txtName");
  // Named buttons never take Enter: it belongs to the text boxes (see below).
  cmdAddModify_ = NamedButton("cmdAddModify", "&Add / Modify");
  cmdDelete_ = NamedButton("cmdDelete", "&Delete");
  cmdOk_ = NamedButton("cmdOk", "OK");
  cmdCancel_ = NamedButton("cmdCancel", "Cancel");
  new FilteredTextBox(txtName_, InputMode::FileName, 40);
  // Both may stay empty: nothing is added then. Y takes a minus sign where the
  // kind's values go below zero (the temperatures, down to -10).
  const DiagramKindRow& box = DiagramKindTable(diagram_.Kind);
  new FilteredTextBox(txtX_, InputMode::UnsignedDecimal, 15, true);
  new FilteredTextBox(txtY_, box.YMin < 0 ? InputMode::SignedDecimal : InputMode::UnsignedDecimal, 15, true);
  txtX_->setToolTip(QString::fromStdString(DiagramXTip(diagram_.Kind)));
  txtY_->setToolTip(QString::fromStdString(DiagramYTip(diagram_.Kind)));

  auto* point = new QFormLayout;
  point->addRow("X :", txtX_);
  point->addRow("Y :", txtY_);
  // The kind's box, so that a point left out for lying outside it is no surprise.
  auto* ranges = new QLabel(QString::fromStdString(DiagramRangeText(diagram_.Kind)));
  ranges->setObjectName("lblRanges");
  ranges->setWordWrap(true);
  auto* side = new QVBoxLayout;
  side->addLayout(point);
  side->addWidget(ranges);
  side->addWidget(cmdAddModify_);
  side->addWidget(cmdDelete_);
  side->addStretch(1);

  auto* top = new QHBoxLayout;
  top->addWidget(grid_, 1);
  top->addLayout(side);

  auto* name = new QHBoxLayout;
  auto* nameLabel = new QLabel("Diagram Name :");
  nameLabel->setBuddy(txtName_);
  name->addWidget(nameLabel);
  name->addWidget(txtName_, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdOk_);
  buttons->addWidget(cmdCancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(name);
  layout->addLayout(buttons);

  // Enter in the point boxes adds the point; Enter in the name box confirms.
  connect(txtX_, &QLineEdit::returnPressed, this, &DiagramEditorWindow::AddOrModifyPoint);
  connect(txtY_, &QLineEdit::returnPressed, this, &DiagramEditorWindow::AddOrModifyPoint);
  connect(txtName_, &QLineEdit::returnPressed, this, [this] {
    if (cmdOk_->isEnabled()) Confirm();
  });
  connect(txtName_, &QLineEdit::textChanged, this, &DiagramEditorWindow::EnableOk);
  connect(grid_, &QTableWidget::cellClicked, this, &DiagramEditorWindow::TakePointOfRow);
  connect(cmdAddModify_, &QPushButton::clicked, this, &DiagramEditorWindow::AddOrModifyPoint);
  connect(cmdDelete_, &QPushButton::clicked, this, &DiagramEditorWindow::DeletePointOfRow);
  connect(cmdOk_, &QPushButton::clicked, this, &DiagramEditorWindow::Confirm);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void DiagramEditorWindow::SetUpGrid() {
  grid_->setColumnCount(3);
  grid_->setHorizontalHeaderLabels({"Entry", "X", "Y"});
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->horizontalHeader()->setHighlightSections(false);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(
      std::max(grid_->fontMetrics().height() + 6, logicalDpiY() * kRowTwips / 1440));
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the columns always fill the width
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);    // points change only through the boxes
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);   // one whole row at a time
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setMinimumSize(300, 260);
  grid_->viewport()->installEventFilter(this);
}

bool DiagramEditorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_->viewport() && event->type() == QEvent::Resize) FitColumns();
  return QDialog::eventFilter(watched, event);
}

// The entry number takes a fifth of the width, X and Y two fifths each.
void DiagramEditorWindow::FitColumns() {
  const int width = grid_->viewport()->width();
  const int entry = static_cast<int>(std::lround(width * 0.2));
  const int x = static_cast<int>(std::lround(width * 0.4));
  grid_->setColumnWidth(kEntryColumn, entry);
  grid_->setColumnWidth(kXColumn, x);
  grid_->setColumnWidth(kYColumn, width - entry - x);
}

void DiagramEditorWindow::RefreshGrid() {
  const int remembered = std::max(grid_->currentRow(), 0);
  const std::vector<DiagramPoint>& points = diagram_.Points.Points;
  const int count = static_cast<int>(points.size());

  grid_->setUpdatesEnabled(false);
  grid_->setRowCount(count);
  for (int i = 0; i < count; ++i) {
    grid_->setItem(i, kEntryColumn, Cell(NumberText(std::int32_t{i + 1}), Qt::AlignHCenter));
    grid_->setItem(i, kXColumn, Cell(NumberText(points[i].X), Qt::AlignRight));
    grid_->setItem(i, kYColumn, Cell(NumberText(points[i].Y), Qt::AlignRight));
  }
  cmdDelete_->setEnabled(count >= 1);
  if (count > 0) {
    const int row = std::min(remembered, count - 1);
    grid_->setCurrentCell(row, kXColumn);
    grid_->selectRow(row);
  }
  grid_->setUpdatesEnabled(true);
}

void DiagramEditorWindow::AddOrModifyPoint() {
  if (!txtX_->text().isEmpty() && !txtY_->text().isEmpty()) {
    const DiagramPoint point{NumericValue(txtX_->text().toStdString()), NumericValue(txtY_->text().toStdString())};
    // A point outside the kind's box is left out without a word, as users
    // know it: the range label beside the boxes says where the box lies.
    if (AddPointInBox(diagram_.Points, diagram_.Kind, point) == PointPlacement::OutsideBox) return;
  }
  RefreshGrid();
}

// A clicked row's point goes into the boxes, ready to be changed and added back.
void DiagramEditorWindow::TakePointOfRow(int row) {
  const std::vector<DiagramPoint>& points = diagram_.Points.Points;
  if (row < 0 || row >= static_cast<int>(points.size())) return;
  txtX_->setText(QString::fromStdString(NumberText(points[static_cast<std::size_t>(row)].X)));
  txtY_->setText(QString::fromStdString(NumberText(points[static_cast<std::size_t>(row)].Y)));
}

void DiagramEditorWindow::DeletePointOfRow() {
  const int row = grid_->currentRow();
  if (row < 0 || row >= diagram_.Points.PointCount()) return;
  DeletePoint(diagram_.Points, row);
  RefreshGrid();
}

// The name as it stands in the box; a name left as it was shown is the
// diagram's own, by its bytes (a name that is not UTF-8 is shown altered).
std::string DiagramEditorWindow::DiagramName() const {
  const QString text = txtName_->text();
  if (text == shownName_) return TrimmedDiagramName(diagram_.Name);
  return TrimmedDiagramName(QFile::encodeName(text).toStdString());
}

CurrentDiagram DiagramEditorWindow::EditedDiagram() const { return {diagram_.Points, DiagramName(), diagram_.Kind}; }

void DiagramEditorWindow::EnableOk() { cmdOk_->setEnabled(!DiagramName().empty()); }

void DiagramEditorWindow::Confirm() {
  const std::string name = DiagramName();
  // Pasted text passes the name box's filter; a name such as "../x" would
  // write outside the working folder. The diagram's own name is not checked.
  if (!IsAcceptedDiagramName(name, diagram_.Name)) {
    context_.Messages->Error(this, kInvalidDiagramNameMessage);
    return;
  }
  if (RenameOverwritesAnother(name, diagram_.Name, listedNames_) &&
      !context_.Messages->Question(this, kDiagramOverwriteQuestion))
    return;
  accept();
}

void DiagramEditorWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (DiagramName().empty())
    txtName_->setFocus();
  else
    txtX_->setFocus();
}

}  // namespace kolvane::ui

#include "ui/diagrams/diagram_manager_window.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_repair.h"
#include "core/diagrams/diagram_store.h"
#include "core/diagrams/open_diagram.h"
#include "ui/common/file_names.h"
#include "ui/common/named_button.h"
#include "ui/diagrams/diagram_editor_window.h"
#include "ui/diagrams/diagram_plot_window.h"

namespace kolvane::ui {
namespace {

std::string NameOf(const QListWidgetItem* item) { return ListedFileName(item->data(kFileNameBytesRole), item->text()); }

}  // namespace

DiagramManagerWindow::DiagramManagerWindow(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName("frmDiagrams");
  BuildControls();
}

void DiagramManagerWindow::BuildControls() {
  lstDiagrams_ = new QListWidget;
  lstDiagrams_->setObjectName("lstDiagrams");
  lstDiagrams_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstDiagrams_->setMinimumSize(260, 220);
  cmdDraw_ = NamedButton("cmdDraw", "D&raw");
  cmdModify_ = NamedButton("cmdModify", "&Modify");
  cmdDelete_ = NamedButton("cmdDelete", "&Delete");
  cmdNew_ = NamedButton("cmdNew", "&New");
  cmdOk_ = NamedButton("cmdOk", "OK");
  // Here no text box takes Enter: it presses the focused button, or OK.
  for (QPushButton* button : {cmdDraw_, cmdModify_, cmdDelete_, cmdNew_, cmdOk_}) button->setAutoDefault(true);
  cmdOk_->setDefault(true);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {cmdDraw_, cmdModify_, cmdDelete_, cmdNew_}) buttons->addWidget(button);
  buttons->addStretch(1);
  buttons->addWidget(cmdOk_);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(lstDiagrams_, 1);
  layout->addLayout(buttons);

  connect(lstDiagrams_, &QListWidget::itemSelectionChanged, this, &DiagramManagerWindow::EnableForSelection);
  connect(lstDiagrams_, &QListWidget::itemDoubleClicked, this, [this] {
    if (SelectedName().empty()) return;
    cmdModify_->setEnabled(true);
    Modify();
  });
  connect(cmdDraw_, &QPushButton::clicked, this, &DiagramManagerWindow::Draw);
  connect(cmdModify_, &QPushButton::clicked, this, &DiagramManagerWindow::Modify);
  connect(cmdDelete_, &QPushButton::clicked, this, &DiagramManagerWindow::DeleteSelected);
  connect(cmdNew_, &QPushButton::clicked, this, &DiagramManagerWindow::New);
  connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);
}

void DiagramManagerWindow::SetMode(DiagramKind kind) { mode_ = kind; }

void DiagramManagerWindow::SetTitle(const QString& title) { setWindowTitle(title); }

void DiagramManagerWindow::Initialise() {
  lstDiagrams_->clear();
  for (const std::string& name : ListDiagramNames(context_.Workspace, mode_)) {
    auto* item = new QListWidgetItem(ShownFileName(name), lstDiagrams_);
    item->setData(kFileNameBytesRole, FileNameBytes(name));
  }
  if (lstDiagrams_->count() > 0) lstDiagrams_->setCurrentRow(0);
  EnableForSelection();
}

void DiagramManagerWindow::EnableForSelection() {
  const bool selected = !lstDiagrams_->selectedItems().isEmpty();
  for (QPushButton* button : {cmdDraw_, cmdModify_, cmdDelete_}) button->setEnabled(selected);
}

std::vector<std::string> DiagramManagerWindow::ListedNames() const {
  std::vector<std::string> names;
  for (int i = 0; i < lstDiagrams_->count(); ++i) names.push_back(NameOf(lstDiagrams_->item(i)));
  return names;
}

std::string DiagramManagerWindow::SelectedName() const {
  const QList<QListWidgetItem*> selected = lstDiagrams_->selectedItems();
  return selected.isEmpty() ? std::string() : NameOf(selected.front());
}

std::optional<CurrentDiagram> DiagramManagerWindow::OpenSelected() {
  const std::string name = SelectedName();
  if (name.empty()) return std::nullopt;
  Diagram diagram;
  const bool ready = OpenDiagramForUse(
      context_.Workspace, name, mode_, diagram, IncidentWording::Manager,
      [this](DiagramIncident, const std::string& message) { context_.Messages->Notice(this, message); });
  if (!ready) return std::nullopt;
  return CurrentDiagram{std::move(diagram), name, mode_};
}

void DiagramManagerWindow::Draw() {
  if (const std::optional<CurrentDiagram> diagram = OpenSelected()) ShowDiagramPlot(context_, *diagram, this);
}

void DiagramManagerWindow::Modify() {
  const std::optional<CurrentDiagram> opened = OpenSelected();
  if (!opened) return;
  const std::optional<CurrentDiagram> edited = Edit(*opened);
  if (!edited) return;  // cancelled: the edits are dropped
  if (!Store(opened->Name, *edited) || edited->Name == opened->Name) return;
  Initialise();
  SelectName(edited->Name);
}

void DiagramManagerWindow::New() {
  Diagram diagram;
  FixDiagram(diagram, mode_);  // an empty diagram becomes the kind's default two points
  const std::optional<CurrentDiagram> edited = Edit(CurrentDiagram{std::move(diagram), "", mode_});
  if (!edited || !Store("", *edited)) return;
  Initialise();
  SelectName(edited->Name);  // the new diagram, ready to be drawn or changed
}

void DiagramManagerWindow::SelectName(const std::string& name) {
  const QList<QListWidgetItem*> found =
      lstDiagrams_->findItems(QString::fromStdString(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (!found.isEmpty()) lstDiagrams_->setCurrentItem(found.front());
}

std::optional<CurrentDiagram> DiagramManagerWindow::Edit(const CurrentDiagram& diagram) {
  DiagramEditorWindow editor(context_, diagram, ListedNames(), this);
  if (editor.exec() != QDialog::Accepted) return std::nullopt;
  return editor.EditedDiagram();
}

// A save that fails is said so, and a renamed diagram's old file then stays.
bool DiagramManagerWindow::Store(const std::string& oldName, const CurrentDiagram& edited) {
  const WriteResult written = StoreEditedDiagram(context_.Workspace, mode_, oldName, edited.Name, edited.Points);
  if (!written.Ok) context_.Messages->Error(this, DiagramNotSavedMessage(edited.Name, mode_, written.Reason));
  return written.Ok;
}

void DiagramManagerWindow::DeleteSelected() {
  const std::string name = SelectedName();
  if (name.empty()) return;
  if (!context_.Messages->QuestionNoByDefault(this, DeleteDiagramQuestion(name))) return;
  DeleteDiagramFile(context_.Workspace, name, mode_);  // a file that will not go stays in the list
  Initialise();
}

}  // namespace kolvane::ui

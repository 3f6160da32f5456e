#include "ui/diagrams/diagram_manager_window.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/file_listing.h"
#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_repair.h"
#include "core/diagrams/diagram_store.h"
#include "core/diagrams/open_diagram.h"
#include "ui/common/file_names.h"
#include "ui/diagrams/diagram_editor_window.h"
#include "ui/diagrams/diagram_plot_window.h"

namespace kolvane::ui {
namespace {

QPushButton* Button(const char* text, const char* name) {
  auto* button = new QPushButton(text);
  button->setObjectName(name);
  return button;
}

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
  cmdDraw_ = Button("D&raw", "cmdDraw");
  cmdModify_ = Button("&Modify", "cmdModify");
  cmdDelete_ = Button("&Delete", "cmdDelete");
  cmdNew_ = Button("&New", "cmdNew");
  cmdOk_ = Button("OK", "cmdOk");
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
  for (const std::string& name : ListFiles(context_.workspace.Folder(), DiagramExtension(mode_), false)) {
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

bool DiagramManagerWindow::OpenSelected() {
  const std::string name = SelectedName();
  if (name.empty()) return false;
  Diagram diagram;
  const bool ready = OpenDiagramForUse(
      context_.workspace, name, mode_, diagram, IncidentWording::Manager,
      [this](DiagramIncident, const std::string& message) { context_.messages->Notice(this, message); });
  if (!ready) return false;
  context_.current = CurrentDiagram{std::move(diagram), name, mode_};
  return true;
}

void DiagramManagerWindow::Draw() {
  if (!OpenSelected()) return;
  ShowDiagramPlot(context_, context_.current, this);
}

void DiagramManagerWindow::Modify() {
  if (!OpenSelected()) return;
  const std::string oldName = context_.current.Name;
  const std::string newName = Edit();
  if (newName.empty()) return;  // cancelled: the edits are dropped
  if (!Store(oldName, newName) || newName == oldName) return;
  Initialise();
  SelectName(newName);
}

void DiagramManagerWindow::New() {
  Diagram diagram;
  FixDiagram(diagram, mode_);  // an empty diagram becomes the kind's default two points
  context_.current = CurrentDiagram{std::move(diagram), "", mode_};
  const std::string name = Edit();
  if (name.empty() || !Store("", name)) return;
  Initialise();
  SelectName(name);  // the new diagram, ready to be drawn or changed
}

void DiagramManagerWindow::SelectName(const std::string& name) {
  const QList<QListWidgetItem*> found =
      lstDiagrams_->findItems(QString::fromStdString(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (!found.isEmpty()) lstDiagrams_->setCurrentItem(found.front());
}

std::string DiagramManagerWindow::Edit() {
  DiagramEditorWindow editor(context_, ListedNames(), this);
  editor.exec();
  return editor.Tag() == "OK" ? editor.DiagramName() : std::string();
}

// A save that fails is said so, and a renamed diagram's old file then stays.
bool DiagramManagerWindow::Store(const std::string& oldName, const std::string& newName) {
  const WriteResult written = StoreEditedDiagram(context_.workspace, mode_, oldName, newName, context_.current.Points);
  if (!written.ok) context_.messages->Error(this, DiagramNotSavedMessage(newName, mode_, written.reason));
  return written.ok;
}

void DiagramManagerWindow::DeleteSelected() {
  const std::string name = SelectedName();
  if (name.empty()) return;
  if (!context_.messages->QuestionNoByDefault(this, DeleteDiagramQuestion(name))) return;
  DeleteDiagramFile(context_.workspace, name, mode_);  // a file that will not go stays in the list
  Initialise();
}

}  // namespace kolvane::ui

#include "ui/solutions/diagram_rows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cassert>

#include "core/diagrams/diagram_file.h"
#include "core/engine/run_diagrams.h"
#include "ui/common/file_names.h"
#include "ui/common/named_button.h"
#include "ui/diagrams/diagram_plot_window.h"

namespace kolvane::ui {
namespace {

QString Numbered(const char* name, DiagramKind kind) { return QString::fromLatin1(name) + QString::number(kind); }

DiagramRow CreateRow(DiagramKind kind, const Workspace& workspace) {
  DiagramRow row;
  row.Kind = kind;
  row.Label = new QLabel(QString::fromStdString(std::string(DiagramKindTable(kind).KindName) + " :"));
  row.Label->setObjectName(Numbered("Label1_", kind));
  row.Box = new QComboBox;
  row.Box->setObjectName(Numbered("cboDiagram", kind));
  row.Box->setMinimumContentsLength(16);
  row.Box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  for (const std::string& name : ListDiagramNames(workspace, kind))
    row.Box->addItem(ShownFileName(name), FileNameBytes(name));
  row.Box->setCurrentIndex(-1);
  row.Draw = NamedButton(Numbered("cmdDraw", kind).toLatin1().constData(), "Draw");
  row.Label->setBuddy(row.Box);
  return row;
}

}  // namespace

QGroupBox* CreateDiagramRows(std::span<const DiagramKind> kinds, const Workspace& workspace,
                             std::vector<DiagramRow>& rows) {
  auto* frame = new QGroupBox("Diagrams used");
  frame->setObjectName("frameDiagrams");
  auto* grid = new QGridLayout(frame);
  rows.clear();
  for (const DiagramKind kind : kinds) {
    const DiagramRow row = CreateRow(kind, workspace);
    const int line = static_cast<int>(rows.size());
    grid->addWidget(row.Label, line, 0);
    grid->addWidget(row.Box, line, 1);
    grid->addWidget(row.Draw, line, 2);
    rows.push_back(row);
  }
  grid->setColumnStretch(1, 1);
  return frame;
}

const DiagramRow& RowOf(const std::vector<DiagramRow>& rows, DiagramKind kind) {
  const auto row = std::find_if(rows.begin(), rows.end(), [kind](const DiagramRow& r) { return r.Kind == kind; });
  assert(row != rows.end());
  return *row;
}

bool OpenChosenDiagram(AppContext& context, const std::string& name, DiagramKind kind, QWidget* parent) {
  return OpenRunDiagram(context.Grid, context.Workspace, name, kind, DiagramNotices(context, parent));
}

IncidentReport DiagramNotices(AppContext& context, QWidget* parent) {
  return [&context, parent](DiagramIncident, const std::string& message) { context.Messages->Notice(parent, message); };
}

std::string NoDiagramToDrawMessage(DiagramKind kind) {
  return std::string("Choose the ") + DiagramKindTable(kind).KindName + " diagram to draw first.";
}

void ShowLoadedDiagram(AppContext& context, const std::string& name, DiagramKind kind, QWidget* parent) {
  CurrentDiagram shown;
  shown.Points = context.Grid.LoadedDiagram(kind);
  shown.Name = name;
  shown.Kind = kind;
  ShowDiagramPlot(context, shown, parent);
}

std::string ChosenName(const QComboBox* box) { return ItemName(box, box->currentIndex()); }

std::string ItemName(const QComboBox* box, int position) {
  if (position < 0 || position >= box->count()) return {};
  return ListedFileName(box->itemData(position), box->itemText(position));
}

int ItemPosition(const QComboBox* box, const std::string& name) {
  for (int position = 0; position < box->count(); ++position)
    if (ItemName(box, position) == name) return position;
  return -1;
}

}  // namespace kolvane::ui

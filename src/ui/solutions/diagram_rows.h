#pragma once
// The "Diagrams used" rows the solution windows share: for each diagram kind
// a label, a list of the working folder's diagrams of that kind and a Draw
// button, one row per kind the window uses, in the order it lists them.

#include <QString>
#include <span>
#include <string>
#include <vector>

#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/open_diagram.h"
#include "ui/common/app_context.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace kolvane::ui {

struct DiagramRow {
  DiagramKind Kind = 1;
  QLabel* Label = nullptr;      // Label1_n: the kind's name and " :"
  QComboBox* Box = nullptr;     // cboDiagram<n>
  QPushButton* Draw = nullptr;  // cmdDraw<n>
};

// A frame "Diagrams used" with a row for each of `kinds`, in that order, their
// lists filled from the working folder (bare names, sorted) and nothing chosen.
QGroupBox* CreateDiagramRows(std::span<const DiagramKind> kinds, const Workspace& workspace,
                             std::vector<DiagramRow>& rows);

// The row of `kind`; a kind without a row is a programming error.
const DiagramRow& RowOf(const std::vector<DiagramRow>& rows, DiagramKind kind);

// Loads and repairs diagram `name` of `kind` into the engine's loaded diagram
// of that kind, with the solution windows' messages. False after a critical
// incident: the diagram cannot be used.
bool OpenChosenDiagram(AppContext& context, const std::string& name, DiagramKind kind, QWidget* parent);

// A diagram's incidents as the solution windows show them: a "Notice" each.
IncidentReport DiagramNotices(AppContext& context, QWidget* parent);

// Why Draw does nothing in a row without a chosen diagram.
std::string NoDiagramToDrawMessage(DiagramKind kind);

// Shows the plot of the engine's loaded diagram of `kind` under `name`.
void ShowLoadedDiagram(AppContext& context, const std::string& name, DiagramKind kind, QWidget* parent);

// The file name of the box's chosen entry, as listed (blanks and bytes kept:
// a trimmed or re-encoded name could open, and create, another file); empty
// when none is chosen.
std::string ChosenName(const QComboBox* box);
// The same for the entry at `position`.
std::string ItemName(const QComboBox* box, int position);
// The position of the entry named `name`, -1 when the box has none.
int ItemPosition(const QComboBox* box, const std::string& name);

}  // namespace kolvane::ui

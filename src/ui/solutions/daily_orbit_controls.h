#pragma once
// The "Daily orbit" frame of the thermo-elastic window: the step of the orbit
// and the button that computes it from the five diagrams chosen above and
// opens its plot.

#include <vector>

#include "core/maindata/main_data.h"
#include "core/plots/orbit_plot.h"
#include "core/thermoelastic/thermo_elastic_run.h"
#include "ui/solutions/diagram_rows.h"

class QComboBox;
class QGroupBox;
class QPushButton;

namespace kolvane::ui {

struct DailyOrbitControls {
  QGroupBox* Frame = nullptr;
  QComboBox* Step = nullptr;      // cboOrbitStep: the offered steps, 1 hour chosen
  QPushButton* Button = nullptr;  // cmdDailyOrbit
};
DailyOrbitControls CreateDailyOrbitControls();

// The names of the diagrams chosen in the rows, by kind number - 1; empty for
// a row without one.
RunDiagramNames ChosenDiagrams(const std::vector<DiagramRow>& rows);

// The orbit of the diagrams chosen in the rows, ready to be drawn and kept as
// the folder's latest orbit result; nothing,
// after an "Error" message or a diagram's incident, when it cannot be computed.
std::optional<OrbitPlotData> ComputeOrbit(AppContext& context, const MainDataTexts& mainData,
                                          const DailyOrbitControls& controls, const std::vector<DiagramRow>& rows,
                                          QWidget* parent);

}  // namespace kolvane::ui

#pragma once
// The "Daily orbit" frame of the thermo-elastic window: the step of the orbit
// and the button that computes it from the five diagrams chosen above and
// opens its plot.

#include <vector>

#include "core/maindata/main_data.h"
#include "core/plots/orbit_plot.h"
#include "core/thermoelastic/daily_orbit.h"
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

// Keeps a finished orbit as the folder's latest orbit result and gives it
// ready to be drawn; nothing, after an "Error" message for a refused one,
// when it did not complete (a diagram's incident has said why; a cancelled
// orbit has no result). A completed orbit that is not finite is kept with a
// notice.
std::optional<OrbitPlotData> KeepOrbit(AppContext& context, const MainDataTexts& mainData, double step,
                                       OrbitOutcome orbit, QWidget* parent);

}  // namespace kolvane::ui

#include "ui/solutions/daily_orbit_controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/creep/time_steps.h"
#include "core/engine/finite_results.h"
#include "core/thermoelastic/daily_orbit.h"
#include "ui/common/named_button.h"

namespace kolvane::ui {

DailyOrbitControls CreateDailyOrbitControls() {
  DailyOrbitControls controls;
  controls.Frame = new QGroupBox("Daily orbit");
  controls.Frame->setObjectName("frameDailyOrbit");
  controls.Step = new QComboBox;
  controls.Step->setObjectName("cboOrbitStep");
  for (const double step : kOfferedTimeSteps)
    controls.Step->addItem(QString::number(step), step);  // as the creep window lists its steps
  controls.Step->setCurrentIndex(controls.Step->findData(1.0));
  auto* label = new QLabel("Step :");
  label->setBuddy(controls.Step);
  controls.Button = NamedButton("cmdDailyOrbit", "Daily &Orbit");

  auto* row = new QHBoxLayout(controls.Frame);
  row->addWidget(label);
  row->addWidget(controls.Step);
  row->addWidget(new QLabel("hours"));
  row->addStretch(1);
  row->addWidget(controls.Button);
  return controls;
}

RunDiagramNames ChosenDiagrams(const std::vector<DiagramRow>& rows) {
  RunDiagramNames chosen{};
  for (const DiagramRow& row : rows)
    if (HasRole(kTemperatureKinds, row.Kind)) chosen[TemperatureSlot(row.Kind)] = ChosenName(row.Box);
  return chosen;
}

std::optional<OrbitPlotData> KeepOrbit(AppContext& context, const MainDataTexts& mainData, double step,
                                       OrbitOutcome orbit, QWidget* parent) {
  if (orbit.End == RunEnd::Refused) context.Messages->Error(parent, orbit.Message);
  if (orbit.End != RunEnd::Completed) return std::nullopt;
  if (!OrbitIsFinite(orbit.Points)) context.Messages->Notice(parent, kNonFiniteResultsMessage);
  const MainData column = MainDataFromTexts(mainData);
  context.Results.Orbit =
      std::make_shared<const OrbitResult>(OrbitResult{column, step, std::move(orbit.Diagrams), orbit.Points});
  return OrbitPlotData{column.IRadius, column.ERadius, std::move(orbit.Points)};
}

}  // namespace kolvane::ui

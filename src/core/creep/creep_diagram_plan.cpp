#include "core/creep/creep_diagram_plan.h"

#include <algorithm>
#include <set>

#include "core/diagrams/diagram_name.h"

namespace kolvane {

namespace {

void AddOnce(std::vector<NamedDiagram>& plan, const std::string& name, DiagramKind kind, bool used) {
  const std::string opened = TrimmedDiagramName(name);
  const auto known = std::find_if(plan.begin(), plan.end(), [&](const NamedDiagram& diagram) {
    return diagram.Name == opened && diagram.Kind == kind;
  });
  if (known == plan.end()) {
    plan.push_back({opened, kind, used});
  } else {
    known->Used = known->Used || used;
  }
}

}  // namespace

std::vector<NamedDiagram> CreepDiagramPlan(const CreepRunInputs& inputs, UnreachedMonths unreached) {
  std::vector<NamedDiagram> plan;
  const std::set<std::int32_t> reached = MonthsOfTheRun(inputs);
  for (std::int32_t month = 1; month <= 12; ++month) {
    const bool used = reached.count(month) != 0;
    if (!used && unreached == UnreachedMonths::NotLookedFor) continue;
    const RunDiagramNames& names = inputs.MonthDiagrams[static_cast<std::size_t>(month - 1)];
    for (const DiagramKind kind : kTemperatureKinds) AddOnce(plan, names[TemperatureSlot(kind)], kind, used);
  }
  AddOnce(plan, inputs.CreepDiagram, kNormalisedCreep, true);
  AddOnce(plan, inputs.TemperatureFactorDiagram, kNormalisedTemperature, true);
  return plan;
}

std::optional<std::string> CreepDiagramsProblem(const Workspace& workspace, const CreepRunInputs& inputs,
                                                UnreachedMonths unreached) {
  return RunDiagramsProblem(workspace, CreepDiagramPlan(inputs, unreached));
}

}  // namespace kolvane

#include "core/thermoelastic/thermo_elastic_run.h"

#include <new>

#include "core/common/numeric_reading.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/engine/column_data.h"
#include "core/engine/grid_memory.h"
#include "core/engine/stages.h"

namespace kolvane {

std::optional<std::string> CheckThermoElasticInputs(const std::string& hourText,
                                                    const ThermoElasticChoices& chosen) {
  const double hour = NumericValue(hourText);
  if (hour < 0 || hour > 24) return "The hour you selected is invalid.";
  for (int kind = 1; kind <= 5; ++kind)
    if (!chosen[kind - 1])
      return std::string("You haven't selected the ") + DiagramKindTable(kind).KindName + " diagram.";
  return std::nullopt;
}

ThermoElasticOutcome RunThermoElastic(SectionGrid& grid, const MainDataTexts& mainData,
                                      const std::string& hourText, const ThermoElasticChoices& chosen,
                                      std::uint64_t availableBytes) {
  if (auto message = CheckThermoElasticInputs(hourText, chosen)) return {false, *message};
  const MainData data = MainDataFromTexts(mainData);
  const std::uint64_t needed = ThermoElasticBytesNeeded(data.I, data.J, data.K);
  if (auto message = GridTooLargeMessage(needed, availableBytes)) return {false, *message};

  CopyMainData(grid, data);
  grid.Hour = NumericValue(hourText);
  try {
    CalculateGeometry(grid);
    CalculatePreliminaries(grid);
    CalculateTemperatures(grid);
    CalculateFreeStrains(grid);
    ResetCreepStrainsWithoutStore(grid);
    CalculateCurvatures(grid);
    VerifyEquations(grid);
    CalculateDeflections(grid);
  } catch (const std::bad_alloc&) {
    // The machine promised more than it could give (other programs took it
    // meanwhile): the same refusal, after the fact.
    return {false, GridTooLargeText(needed, availableBytes), true};
  }
  return {true, {}, true};
}

}  // namespace kolvane

#include "core/creep/creep_diagram_plan.h"

#include <gtest/gtest.h>

#include "core/support/test_support.h"

namespace kolvane {
namespace {

// From 20 February to 5 March 2001: February and March are reached. Every
// month on "day", the creep kinds on "concrete".
CreepRunInputs FebruaryToMarch() {
  CreepRunInputs inputs;
  for (auto& month : inputs.MonthDiagrams) month.fill("day");
  inputs.CreepDiagram = "concrete";
  inputs.TemperatureFactorDiagram = "concrete";
  inputs.TimeStep = 4;
  inputs.StartDate = ChoiceOf({20, 2, 2001});
  inputs.EndDate = ChoiceOf({5, 3, 2001});
  return inputs;
}

using Spoil = void (*)(CreepRunInputs&);

std::string& Named(CreepRunInputs& inputs, int month, DiagramKind kind) {
  return inputs.MonthDiagrams[static_cast<std::size_t>(month - 1)][TemperatureSlot(kind)];
}

// The first diagram that would stop the run, found before its first day and
// without writing anything: a later month's diagram included, each name
// trimmed and looked for once per kind, read when any month the dates reach
// names it; the months never reached are left out for a climate.
TEST(CreepDiagramsProblem, RefusesWhatALaterMonthWouldMeet) {
  ScratchFolder folder;
  testing::WriteDayAndConcrete(folder);
  WriteBytes(folder.File("broken.dg4"), "0\t100\r\n90\t1E400\r\n180\t0\r\n");
  const std::string unsorted = "24\t14\r\n0\t12\r\n14\t26\r\n";  // opening would sort it and write it back
  WriteBytes(folder.File("unsorted.dg2"), unsorted);
  const std::string listing = FolderListing(folder.Path());
  const std::string broken =
      "LoadDiagram reported a critical error for broken.\nbroken.dg4 could not be read: line 2 "
      "holds a number out of range.";
  const struct {
    const char* Name;
    kolvane::Spoil Spoil;
    UnreachedMonths Unreached;
    std::string Expected;
  } cases[] = {
      {"all usable", [](CreepRunInputs&) {}, UnreachedMonths::LookedFor, ""},
      {"a later month's diagram cannot be used",
       [](CreepRunInputs& in) { Named(in, 3, kExternalTemperatureVariation) = "broken"; },
       UnreachedMonths::NotLookedFor, broken},
      {"one to repair is left as it is, its name trimmed",
       [](CreepRunInputs& in) { Named(in, 3, kAmbientTemperature) = " unsorted "; }, UnreachedMonths::LookedFor, ""},
      {"named by months never reached before and after a reached one",
       [](CreepRunInputs& in) {
         for (const int month : {1, 3, 7}) Named(in, month, kExternalTemperatureVariation) = "broken";
       },
       UnreachedMonths::LookedFor, broken},
      {"one never reached is not read",
       [](CreepRunInputs& in) { Named(in, 7, kExternalTemperatureVariation) = "broken"; }, UnreachedMonths::LookedFor,
       ""},
      {"one never reached must be there", [](CreepRunInputs& in) { Named(in, 7, kSurfaceTemperature) = "sumer"; },
       UnreachedMonths::LookedFor, "sumer.dg3 was not found in " + folder.Path() + "."},
      {"unless a climate gives it", [](CreepRunInputs& in) { Named(in, 7, kSurfaceTemperature) = "sumer"; },
       UnreachedMonths::NotLookedFor, ""},
      {"a creep function name that is not one", [](CreepRunInputs& in) { in.CreepDiagram = "../concrete"; },
       UnreachedMonths::LookedFor, "The diagram name is invalid: '../concrete'"},
      {"a temperature factor name that is not one", [](CreepRunInputs& in) { in.TemperatureFactorDiagram = "../c"; },
       UnreachedMonths::LookedFor, "The diagram name is invalid: '../c'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    CreepRunInputs inputs = FebruaryToMarch();
    c.Spoil(inputs);
    EXPECT_EQ(CreepDiagramsProblem(Workspace(folder.Path()), inputs, c.Unreached).value_or(""), c.Expected);
  }
  EXPECT_EQ(FolderListing(folder.Path()), listing);             // nothing created
  EXPECT_EQ(ReadBytes(folder.File("unsorted.dg2")), unsorted);  // nothing repaired
}

}  // namespace
}  // namespace kolvane

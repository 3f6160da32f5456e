#pragma once
// kolvane-batch elastic: the thermo-elastic solution of a column folder for
// one hour, written as the report the desktop program saves.

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "batch/batch_arguments.h"
#include "batch/report_output.h"
#include "core/common/workspace.h"
#include "core/engine/section_grid.h"
#include "core/maindata/main_data.h"
#include "core/results/serviceability.h"
#include "core/thermoelastic/thermo_elastic_run.h"

namespace kolvane::batch {

inline const std::vector<std::string> kElasticOptions = {
    "--folder", "--hour", "--diagrams", "--out", "--pdf", "--limit-deflection", "--limit-rotation"};

// What a command on the five diagrams of a day (elastic, orbit) has before
// its run.
struct ThermoElasticSetup {
  kolvane::Workspace Workspace{"."};
  MainDataTexts MainData{};
  RunDiagramNames Diagrams{};  // the temperature kinds; empty: not named
  ReportTarget Target;         // where the command's file goes
  ServiceabilityLimits Limits;
  std::optional<std::string> Pdf;  // --pdf: the calculation report's file
};

// The command's own checks of the diagrams chosen: the first message that
// refuses the run, or nothing.
using SetupCheck = std::function<std::optional<std::string>(const RunDiagramNames& diagrams)>;

// Reads --diagrams and --folder, loads and checks the main data, runs
// `check`, checks that every diagram named exists and can be used and that
// --out (default: `fileName` in the folder, holding `what`) and --pdf may be
// written, and reads the limits. kExitDone when
// the run may go on, else the exit status (the reason is on err). Nothing is
// written before the run may go on; the run opens the diagrams itself.
int PrepareThermoElastic(const ParsedArguments& arguments, const std::string& command, const char* fileName,
                         const std::string& what, const SetupCheck& check, ThermoElasticSetup& setup, std::ostream& err,
                         const BatchHooks& hooks = {});

// Returns the exit status.
int RunElasticCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err,
                      const BatchHooks& hooks = {});

}  // namespace kolvane::batch

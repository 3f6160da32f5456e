#include "batch/batch_main.h"

#include "batch/column_folder.h"
#include "batch/elastic_command.h"
#include "core/common/program_info.h"

namespace kolvane::batch {

namespace {

const char* const kHelp = R"(Usage:
  kolvane-batch elastic [--folder DIR] --hour H --diagrams SUN,AMBIENT,SURFACE,EXTVAR,INTVAR [--out FILE]
  kolvane-batch --help

Runs the solutions of the desktop program on a column folder, for scripts and
parameter studies. The folder holds main.dat and the diagram files, as the
desktop program keeps them.

elastic   The thermo-elastic solution for one hour of the day.
  --folder DIR   the column's folder (default: the current folder)
  --hour H       the hour of the day, 0 to 24
  --diagrams     the names of the five diagrams, separated by commas, in this
                 order: sun position (.dg1), ambient temperature (.dg2),
                 surface temperature (.dg3), external temperature variation
                 (.dg4), internal temperature variation (.dg5)
  --out FILE     where to write the report (default: DIR/Elastic.txt)

  main.dat is read and checked as the desktop program does. Each diagram is
  opened as the solution windows open it: a diagram that had to be repaired is
  written back repaired and a note goes to the error output. The report is
  byte for byte the file the desktop program's Save Report writes (Latin-1,
  CR LF line ends); it replaces FILE only once it is complete.

Options take their value as "--name value" or "--name=value".

Exit status:
  0  the report was written
  1  the report could not be written
  2  the command line, main.dat, a diagram, the hour or the grid size was
     refused; the reason is on the error output
)";

}  // namespace

int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(arguments, {"elastic"}, {{"elastic", kElasticOptions}});
  if (!parsed.error.empty()) {
    err << parsed.error << "\n";
    return kExitRefused;
  }
  if (parsed.command == "help") {
    out << ProgramTitle() << "\n\n" << kHelp;
    return kExitDone;
  }
  return RunElasticCommand(parsed, out, err);
}

}  // namespace kolvane::batch

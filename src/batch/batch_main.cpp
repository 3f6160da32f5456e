#include "batch/batch_main.h"

#include "batch/climate_command.h"
#include "batch/column_folder.h"
#include "batch/creep_command.h"
#include "batch/elastic_command.h"
#include "batch/orbit_command.h"
#include "core/climate/climate_diagrams.h"
#include "core/common/number_text.h"
#include "core/common/program_info.h"
#include "core/creep/creep_run.h"
#include "core/creep/time_steps.h"

namespace kolvane::batch {

namespace {

// The offered steps, the orbit's default marked.
std::string OrbitStepsText() {
  std::vector<std::string> texts = OfferedTimeStepTexts();
  for (std::string& text : texts)
    if (text == kOrbitDefaultStep) text += " (default)";
  return JoinedTexts(texts, " or ");
}

// The years and steps come from the tables the runs check them against.
std::string HelpText() {
  return R"(Usage:
  kolvane-batch elastic [--folder DIR] --hour H --diagrams SUN,AMBIENT,SURFACE,EXTVAR,INTVAR [--out FILE]
                        [--pdf FILE] [--limit-deflection N] [--limit-rotation DEG]
  kolvane-batch creep [--folder DIR] --from D/M/YYYY --to D/M/YYYY --step H
                      [--store-every N] [--store-at H]
                      --diagrams SUN,AMBIENT,SURFACE,EXTVAR,INTVAR --creep NAME --phi NAME
                      [--month M=SUN,AMBIENT,SURFACE,EXTVAR,INTVAR]... [--out FILE]
                      [--tip-history FILE] [--pdf FILE] [--limit-deflection N] [--limit-rotation DEG]
  kolvane-batch creep [--folder DIR] --from D/M/YYYY --to D/M/YYYY --step H ... --climate NAME
                      --creep NAME --phi NAME
  kolvane-batch orbit [--folder DIR] --diagrams SUN,AMBIENT,SURFACE,EXTVAR,INTVAR [--step H]
                      [--out FILE] [--pdf FILE] [--limit-deflection N] [--limit-rotation DEG]
  kolvane-batch climate [--folder DIR] --weather FILE [--name NAME] [--month M|all]
                      [--day mean|clear] [--absorptance A] [--surface-coefficient H]
                      [--reflectance R] [--diffusivity D] [--shift-hours H] [--replace]
  kolvane-batch --help

Runs the solutions of the desktop program on a column folder, for scripts and
parameter studies. The folder holds main.dat and the diagram files, as the
desktop program keeps them.

elastic   The thermo-elastic solution for one hour of the day.
  --folder DIR   the column's folder (default: the current folder)
  --hour H       the hour of the day, a number from 0 to 24 (nothing else)
  --diagrams     the names of the five diagrams, separated by commas, in this
                 order: sun position (.dg1), ambient temperature (.dg2),
                 surface temperature (.dg3), external temperature variation
                 (.dg4), internal temperature variation (.dg5)
  --out FILE     where to write the report (default: DIR/Elastic.txt); "-"
                 writes it to the standard output

  main.dat is read and checked as the desktop program does; one it cannot
  read completely (too few values, or more than its eleven, as a decimal
  comma makes) is refused. Every diagram named must exist: a missing one is
  refused, never created. Each diagram is opened as the solution windows open
  it: a diagram that had to be repaired is written back repaired and a note
  goes to the error output. The report is byte for byte the file the desktop
  program's Save Report writes (Latin-1, CR LF line ends); it replaces FILE
  only once it is complete, and never a folder, FIFO or device, nor main.dat
  or a diagram the run reads, nor the .bak backup of one. /dev/stdout,
  /dev/stderr and /dev/fd/N are written into, as "-" is, so ">>" appends.

creep     The creep solution, day by day from one date to another.
  --from, --to   the first and the last day, D/M/YYYY, from )" +
         FormatDate(1, 1, kFirstCreepYear) + R"( to
                 )" +
         FormatDate(31, 12, kLastCreepYear) + R"(; the last day must come after the first
  --step H       the time step in hours: )" +
         OfferedTimeStepsText(" or ") + R"(
  --store-every N  store a deflection profile every N days (default: none
                 but the final one)
  --store-at H   the hour of the day, 0 to 24, at which profiles are
                 computed (default: 0)
  --diagrams     the five diagrams of every month, as for elastic
  --month M=...  the five diagrams of month M (1 to 12) instead; may be given
                 for several months
  --creep NAME   the normalised creep function (.dg6)
  --phi NAME     the normalised temperature factor (.dg7)
  --out FILE     where to write the report (default: DIR/Creep.txt); "-"
                 writes it to the standard output
  --tip-history FILE  also write the tip's X, Y and Z deflections at the
                 --store-at hour at the end of every day, as a CSV file
                 ("-": to the standard output, when the report is not)
  --climate NAME  every month M gets the five diagrams of the climate set
                 NAME-MM (as the climate command makes them), in place of
                 --diagrams and --month; a month the dates reach without its
                 set stops the command before the first day

  Every diagram of every month the dates reach is checked before the first
  day: a missing or unusable one stops the command at once, and one that
  goes or becomes unusable during the run stops it when its month comes.
  The report and the tip history may not be one file by any path. A creep
  step that relaxes more than the whole stress (E' * Phi * dC above 1) is
  said on the error output after the run, with exit status 3. The closing
  message (days calculated, calculation time) goes to the output (to the
  error output when the report does); on a terminal the date being computed
  is shown on the error output while the run goes on.

orbit     The daily tip orbit: the tip's deflections at every step of the
          day from hour 0 to 24, each as elastic computes it for that hour.
  --diagrams     the five diagrams, as for elastic
  --step H       the step in hours: )" +
         OrbitStepsText() + R"(
  --out FILE     where to write the orbit (default: DIR/Orbit.csv); "-"
                 writes it to the standard output

  The folder, main.dat, the diagrams and FILE are checked as for elastic.
  The largest tip movement (its distance from the column's axis in plan
  view, and the hour) goes to the output (to the error output when the
  orbit does).

elastic, creep and orbit then print the serviceability summary: the tip's deflection
(length, bearing in degrees from the East towards the South, H/n) and
rotation (mrad and degrees); for orbit the day's largest values and changes,
for creep the largest stored profile and the drift from the first to the last.
  --limit-deflection N  a deflection limit of H/N (N a number above 0)
  --limit-rotation DEG  a rotation limit in degrees (above 0)
                 each limit set is stated with its verdict, within or
                 exceeded, and the margin
  --pdf FILE     also write the calculation report (A4 PDF: title block,
                 inputs with the SHA-256 digest of every diagram file, sign
                 conventions, the summary with any verdicts, the tip
                 deflections with every digit, the plots); refused where
                 --out would be, or onto another file the command writes

climate   The five diagrams of each month (sun position, ambient and surface
          temperature, external and internal temperature variation) made from
          a typical-year weather file, written as the set NAME-MM
          (NAME-07.dg1 to NAME-07.dg5) in DIR.
  --weather FILE  an EPW file, or a TMY3 CSV file
  --name NAME    the climate's name (default: the file's place)
  --month M      one month, 1 to 12, or all (default: all)
  --day          mean (every hour the month's mean; default) or clear (the
                 month's day with the most direct sunshine)
  --absorptance A           of the concrete for sunlight (default: )" +
         NumberText(ClimateCoefficients{}.Absorptance) + R"()
  --surface-coefficient H   outer surface heat transfer, W/m2K (default: )" +
         NumberText(ClimateCoefficients{}.SurfaceCoefficient) + R"()
  --reflectance R           of the ground (default: )" +
         NumberText(ClimateCoefficients{}.Reflectance) + R"()
  --diffusivity D           of the concrete, m2/s (default: )" +
         NumberText(ClimateCoefficients{}.Diffusivity) + R"()
  --shift-hours H  move the file's hours H later (whole or half hours,
                 -12 to 12), before everything else
  --replace      replace a set that exists, keeping each replaced diagram as
                 its .bak (without it, an existing set is refused)

  main.dat gives the wall's thickness, which damps the internal temperature
  variation. It prints the site, the sets made and what was held at the
  edge of a diagram's box, and warns when the file's sunshine peaks away
  from the sun's highest point (its hours may not be local standard time),
  with the shift that would put it right. A weather file that cannot be
  used is refused with its line and the reason, and nothing is written.

CSV files (orbit, --tip-history) are comma-separated with a header line
("hour,tip_x_m,tip_y_m,tip_z_m" or "date,tip_x_m,tip_y_m,tip_z_m"), CR LF
line ends, "." decimals, dates as YYYY-MM-DD, and every number as the
shortest text that reads back to the same double.

Options take their value as "--name value" or "--name=value", and each is
given once (--month once per month).

Exit status:
  0  the report (and CSV file), or the climate's diagrams, were written
  1  the report, a CSV file or a diagram could not be written
  2  the command line, main.dat, a diagram, the hour, the step, the dates,
     the report's place, the grid size, the weather file or an existing
     climate set was refused, or a diagram could not be used during the
     run; the reason is on the error output
  3  the report was written, but its results include numbers that are not
     finite (NaN or Infinity): check the main data; or a creep step relaxes
     more than the whole stress: use a shorter step
  130, 143  interrupted by Ctrl-C or SIGTERM while the report was written
     (the old report is left as it was) or a climate's months were made
     (nothing is written)
)";
}

}  // namespace

int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err, bool errIsTerminal,
             const BatchHooks& hooks) {
  const ParsedArguments parsed = ParseArguments(
      arguments, {"elastic", "creep", "orbit", "climate"},
      {{"elastic", kElasticOptions}, {"creep", kCreepOptions}, {"orbit", kOrbitOptions}, {"climate", kClimateOptions}},
      {"--month"}, kClimateFlags);
  if (!parsed.Error.empty()) {
    err << parsed.Error << "\n";
    return kExitRefused;
  }
  if (parsed.Command == "help") {
    out << ProgramTitle() << "\n\n" << HelpText();
    return kExitDone;
  }
  if (parsed.Command == "creep") return RunCreepCommand(parsed, out, err, errIsTerminal, hooks);
  if (parsed.Command == "orbit") return RunOrbitCommand(parsed, out, err, hooks);
  if (parsed.Command == "climate") return RunClimateCommand(parsed, out, err);
  return RunElasticCommand(parsed, out, err, hooks);
}

}  // namespace kolvane::batch

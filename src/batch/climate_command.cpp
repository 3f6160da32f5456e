#include "batch/climate_command.h"

#include <cmath>
#include <optional>

#include "batch/batch_feedback.h"
#include "batch/column_folder.h"
#include "batch/interruption.h"
#include "core/climate/climate_diagrams.h"
#include "core/climate/climate_report.h"
#include "core/climate/climate_set.h"
#include "core/climate/time_check.h"
#include "core/climate/weather_file.h"
#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/maindata/main_data.h"

namespace kolvane::batch {
namespace {

struct ClimateInputs {
  std::string Weather;
  std::string Name;  // empty: made from the file's place
  std::vector<int> Months;
  DayType Type = DayType::Mean;
  ClimateCoefficients Coefficients;
  double ShiftHours = 0;
  bool Replace = false;
};

bool Refuse(std::ostream& err, const std::string& what) {
  ReportUsageError(err, what);
  return false;
}

// A number option: the whole value one number, nothing else.
bool ReadNumber(const ParsedArguments& arguments, const char* option, double& value, std::ostream& err) {
  const auto text = LastValue(arguments, option);
  if (!text) return true;  // the default stays
  const std::optional<double> number = TryWholeNumericValue(*text);
  if (!number) return Refuse(err, std::string(option) + " takes one number, not '" + *text + "'");
  value = *number;
  return true;
}

bool ReadMonths(const std::string& text, std::vector<int>& months) {
  months.clear();
  if (text == "all") {
    for (int month = 1; month <= 12; ++month) months.push_back(month);
    return true;
  }
  const std::optional<double> month = TryWholeNumericValue(text);
  if (!month || *month != std::floor(*month) || *month < 1 || *month > 12) return false;
  months.push_back(static_cast<int>(*month));
  return true;
}

bool ReadInputs(const ParsedArguments& arguments, ClimateInputs& inputs, std::ostream& err) {
  const auto weather = LastValue(arguments, "--weather");
  if (!weather) return Refuse(err, "climate needs --weather");
  inputs.Weather = *weather;
  inputs.Name = LastValue(arguments, "--name").value_or("");
  if (arguments.Values.count("--month") != 0 && arguments.Values.at("--month").size() > 1)
    return Refuse(err, "--month is given twice");
  const std::string month = LastValue(arguments, "--month").value_or("all");
  if (!ReadMonths(month, inputs.Months))
    return Refuse(err, "--month takes a month from 1 to 12 or all, not '" + month + "'");
  const std::string day = LastValue(arguments, "--day").value_or("mean");
  if (day != "mean" && day != "clear") return Refuse(err, "--day takes mean or clear, not '" + day + "'");
  inputs.Type = day == "clear" ? DayType::Clear : DayType::Mean;
  ClimateCoefficients& c = inputs.Coefficients;
  const std::pair<const char*, double*> numbers[] = {{"--absorptance", &c.Absorptance},
                                                     {"--surface-coefficient", &c.SurfaceCoefficient},
                                                     {"--reflectance", &c.Reflectance},
                                                     {"--diffusivity", &c.Diffusivity},
                                                     {"--shift-hours", &inputs.ShiftHours}};
  for (const auto& [option, value] : numbers)
    if (!ReadNumber(arguments, option, *value, err)) return false;
  if (!IsWeatherShift(inputs.ShiftHours))
    return Refuse(err, "--shift-hours takes whole or half hours from -12 to 12, not '" +
                           *LastValue(arguments, "--shift-hours") + "'");
  inputs.Replace = LastValue(arguments, "--replace").has_value();
  return true;
}

void PrintTimeCheck(const TimeCheck& check, bool shifted, std::ostream& out) {
  if (!check.Doubtful) return;
  out << check.Warning << "\n";
  out << (shifted ? "A further --shift-hours " : "--shift-hours ") << ShiftHoursText(check.OfferedShiftHours)
      << " would move its hours onto the sun's.\n";
}

}  // namespace

int RunClimateCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err) {
  ClimateInputs inputs;
  if (!ReadInputs(arguments, inputs, err)) return kExitRefused;
  if (const std::string refusal = CheckClimateCoefficients(inputs.Coefficients); !refusal.empty()) {
    err << refusal << "\n";
    return kExitRefused;
  }
  const std::string folder = LastValue(arguments, "--folder").value_or(".");
  if (!CheckFolder(folder, err)) return kExitRefused;
  const Workspace workspace(folder);
  // The wall's thickness damps the internal temperature variation.
  MainDataTexts mainData;
  if (!LoadValidMainData(workspace, mainData, err)) return kExitRefused;
  const MainData column = MainDataFromTexts(mainData);

  WeatherReadResult read = ReadWeatherFile(inputs.Weather);
  if (!read.Ok) {
    err << read.Error << "\n";
    return kExitRefused;
  }
  WeatherData& data = read.Data;
  const std::string name = inputs.Name.empty() ? ClimateNameFromSite(data.Site) : inputs.Name;
  if (const std::string refusal = CheckClimateName(name); !refusal.empty()) {
    err << refusal << "\n";
    return kExitRefused;
  }

  // The shift comes before everything else, the time check included.
  ShiftWeatherHours(data, inputs.ShiftHours);
  std::vector<MonthDiagrams> months;
  {
    // Ctrl-C while the months are made stops before anything is written.
    const InterruptionGuard guard;
    BatchFeedback feedback(err, {}, &guard);
    auto made = MakeMonthsDiagrams(data, inputs.Months, inputs.Type, inputs.Coefficients,
                                   column.ERadius - column.IRadius, feedback);
    if (!made) {
      err << "kolvane-batch: interrupted; nothing was written.\n";
      return InterruptedExitStatus(guard.Signal());
    }
    months = std::move(*made);
  }
  const ClimateWriteResult written = WriteClimateSets(workspace, name, months, inputs.Replace);
  if (!written.Ok && written.Refused) {
    err << written.Error << "\n";
    if (!inputs.Replace) err << "Give --replace to replace it (each replaced diagram is kept as its .bak).\n";
    return kExitRefused;
  }

  out << SiteText(data.Site) << "\n";
  if (const std::string mirrored = MirroredPlanText(data.Site); !mirrored.empty()) out << mirrored << "\n";
  if (inputs.ShiftHours != 0) out << ShiftText(inputs.ShiftHours) << "\n";
  PrintTimeCheck(CheckWeatherTime(data), inputs.ShiftHours != 0, out);
  // The months whose diagrams were all written.
  const std::size_t whole = written.Written.size() / kTemperatureKinds.size();
  for (std::size_t n = 0; n < whole; ++n)
    for (const std::string& line : MonthReportLines(ClimateSetName(name, months[n].Month), months[n]))
      out << line << "\n";
  if (!written.Kept.empty())
    out << "The replaced diagrams were kept as their .bak (" << written.Kept.size() << " files).\n";
  if (!written.Ok) {
    err << written.Error << "\n";
    return kExitFailed;
  }
  out << "Made " << written.Written.size() << " diagrams in " << (folder == "." ? "the current folder" : folder)
      << ".\n";
  return kExitDone;
}

}  // namespace kolvane::batch

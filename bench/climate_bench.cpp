// A year's climate from the shared typical-year file: reading it, the time
// check, and the five diagrams of all twelve months for each day type.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/climate/climate_diagrams.h"
#include "core/climate/time_check.h"
#include "core/climate/weather_file.h"

namespace kolvane {
namespace {

const char* const kYearFile = KOLVANE_SHARED_CLIMATE_DIR "/pvgis_45N_8E_tmy.epw";

void BmReadWeatherFile(benchmark::State& state) {
  if (!std::filesystem::exists(kYearFile)) return state.SkipWithError("the shared weather file is not there");
  for (auto _ : state) benchmark::DoNotOptimize(ReadWeatherFile(kYearFile));
}

void BmClimateOfAYear(benchmark::State& state) {
  if (!std::filesystem::exists(kYearFile)) return state.SkipWithError("the shared weather file is not there");
  WeatherData data = ReadWeatherFile(kYearFile).Data;
  ShiftWeatherHours(data, CheckWeatherTime(data).OfferedShiftHours);
  const DayType type = state.range(0) == 0 ? DayType::Mean : DayType::Clear;
  for (auto _ : state)
    for (int month = 1; month <= 12; ++month) benchmark::DoNotOptimize(MakeMonthDiagrams(data, month, type, {}, 0.4));
}

BENCHMARK(BmReadWeatherFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BmClimateOfAYear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvane

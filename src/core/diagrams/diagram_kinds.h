#pragma once
// The kinds of diagram: one row each with its box of allowed values, plot
// steps and axis quantities, and the roles that group them (the kinds a run's
// temperatures need, the creep functions). Constant tables: nothing fills or
// changes them at run time.

#include <array>
#include <cstddef>
#include <string>

namespace kolvane {

// Kind numbers from 1, as the windows and the file extensions (.dg1, .dg2...)
// use them.
using DiagramKind = int;

enum : DiagramKind {
  kSunPosition = 1,
  kAmbientTemperature = 2,
  kSurfaceTemperature = 3,
  kExternalTemperatureVariation = 4,
  kInternalTemperatureVariation = 5,
  kNormalisedCreep = 6,
  kNormalisedTemperature = 7,
};

struct DiagramKindRow {
  DiagramKind Kind;
  const char* KindName;
  double XMin, XMax, YMin, YMax;  // the box repair and the editor enforce; the plot's fixed axes
  // Plot steps, held in single precision as the plot has always used them.
  float XMajorStep, XMinorStep, YMajorStep, YMinorStep;
  // What the axes measure, with their units (UTF-8), as the plot labels them.
  const char* XQuantity;
  const char* YQuantity;
};

// Every kind, in kind order: a new kind is registered here (and named above).
// YMax of the creep function is a hair above 4E-06 so that 4E-06 itself lies
// inside the box.
inline constexpr auto kDiagramKindRows = std::to_array<DiagramKindRow>({
    {kSunPosition, "Sun position", 0, 24, 0, 180, 4, 2, 30, 10, "Hour (h)", "Sun position (degrees)"},
    {kAmbientTemperature, "Ambient temperature", 0, 24, -10, 60, 4, 2, 10, 5, "Hour (h)", "Temperature (\u00b0C)"},
    {kSurfaceTemperature, "Surface temperature", 0, 24, -10, 60, 4, 2, 10, 5, "Hour (h)", "Temperature (\u00b0C)"},
    {kExternalTemperatureVariation, "External temperature variation", 0, 180, 0, 100, 30, 10, 10, 5,
     "Angle to sun (degrees)", "Variation (%)"},
    {kInternalTemperatureVariation, "Internal temperature variation", 0, 180, 0, 100, 30, 10, 10, 5,
     "Angle to sun (degrees)", "Variation (%)"},
    {kNormalisedCreep, "Normalised creep (t*)", 0, 100, 0, 4.0001E-06, 10, 5, 1E-06f, 5E-07f, "Time (years)",
     "Normalised creep t* (-)"},
    {kNormalisedTemperature, "Normalised temperature (Phi)", 0, 80, 0, 100, 10, 5, 10, 5, "Temperature (\u00b0C)",
     "Factor Phi (-)"},
});

inline constexpr std::size_t kDiagramKindCount = kDiagramKindRows.size();
inline constexpr DiagramKind kFirstDiagramKind = kDiagramKindRows.front().Kind;
inline constexpr DiagramKind kLastDiagramKind = kDiagramKindRows.back().Kind;

// The kinds a run's temperatures need: what the hour and the orbit open,
// every month of a creep run opens and a climate makes for each month. Arrays
// of one entry per such kind (RunDiagramNames...) follow this order.
inline constexpr std::array<DiagramKind, 5> kTemperatureKinds = {kSunPosition, kAmbientTemperature, kSurfaceTemperature,
                                                                 kExternalTemperatureVariation,
                                                                 kInternalTemperatureVariation};
// The creep functions, which a creep run opens once at its start.
inline constexpr std::array<DiagramKind, 2> kCreepKinds = {kNormalisedCreep, kNormalisedTemperature};

namespace diagram_kinds_detail {
constexpr bool RowsInKindOrder() {
  for (std::size_t n = 0; n < kDiagramKindRows.size(); ++n)
    if (kDiagramKindRows[n].Kind != kDiagramKindRows.front().Kind + static_cast<DiagramKind>(n)) return false;
  return true;
}
}  // namespace diagram_kinds_detail
static_assert(diagram_kinds_detail::RowsInKindOrder(), "the kinds table lists the kinds in order, none left out");

bool IsDiagramKind(DiagramKind kind);

// Where `kind` stands in a role list (kTemperatureKinds, kCreepKinds) and in
// the arrays that follow it; a kind outside the role is a programming error.
template <std::size_t N>
constexpr std::size_t RolePosition(const std::array<DiagramKind, N>& role, DiagramKind kind) {
  std::size_t position = 0;
  while (position < N && role[position] != kind) ++position;
  return position;
}

// Where `kind` stands among kTemperatureKinds: its entry in RunDiagramNames
// and the other arrays of one entry per temperature kind.
constexpr std::size_t TemperatureSlot(DiagramKind kind) { return RolePosition(kTemperatureKinds, kind); }

// Whether `kind` is one of a role's kinds.
template <std::size_t N>
constexpr bool HasRole(const std::array<DiagramKind, N>& role, DiagramKind kind) {
  return RolePosition(role, kind) < N;
}

// Row of a kind of the table; a kind outside it is a programming error.
const DiagramKindRow& DiagramKindTable(DiagramKind kind);

// The kind's box as the diagram editor shows it: "X 0 to 24, Y -10 to 60".
std::string DiagramRangeText(DiagramKind kind);

// The tips of the editor's X and Y boxes: the axis's quantity with its unit
// and the values the kind's box allows ("Temperature (°C): -10 to 60").
std::string DiagramXTip(DiagramKind kind);
std::string DiagramYTip(DiagramKind kind);

}  // namespace kolvane

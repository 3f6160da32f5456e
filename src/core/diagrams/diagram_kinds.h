#pragma once
// The seven kinds of diagram, their boxes of allowed values and plot steps,
// and the month tables of the calendar. Constant tables: nothing fills or
// changes them at run time.

#include <array>
#include <string>

namespace kolvane {

// Kind numbers 1 to 7, as the windows, the file extensions (.dg1 to .dg7) and
// the per-kind arrays (indexed by kind - 1) use them.
using DiagramKind = int;
inline constexpr DiagramKind kFirstDiagramKind = 1;
inline constexpr DiagramKind kLastDiagramKind = 7;
inline constexpr int kDiagramKindCount = 7;
// the diagrams one run uses: kinds 1 to 5
inline constexpr int kRunDiagramCount = 5;

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
  const char* KindName;
  double XMin, XMax, YMin, YMax;  // the box repair and the editor enforce; the plot's fixed axes
  // Plot steps, held in single precision as the plot has always used them.
  float XMajorStep, XMinorStep, YMajorStep, YMinorStep;
  // What the axes measure, with their units (UTF-8), as the plot labels them.
  const char* XQuantity;
  const char* YQuantity;
};

bool IsDiagramKind(DiagramKind kind);

// Row of kind 1..7; a kind outside that range is a programming error.
const DiagramKindRow& DiagramKindTable(DiagramKind kind);

// The kind's box as the diagram editor shows it: "X 0 to 24, Y -10 to 60".
std::string DiagramRangeText(DiagramKind kind);

// The tips of the editor's X and Y boxes: the axis's quantity with its unit
// and the values the kind's box allows ("Temperature (°C): -10 to 60").
std::string DiagramXTip(DiagramKind kind);
std::string DiagramYTip(DiagramKind kind);

inline constexpr std::array<const char*, 12> MonthNames = {"January",   "February", "March",    "April",
                                                           "May",       "June",     "July",     "August",
                                                           "September", "October",  "November", "December"};

// February holds 28; leap years are the calendar's business.
inline constexpr std::array<int, 12> MonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace kolvane

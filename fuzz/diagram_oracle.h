#pragma once
// Slow, literal counterparts of the diagram routines, for the harnesses to
// compare the real ones against. They follow the rules step by step (delete
// and rescan, exchange sort) and take no short cuts, so that a short cut in the
// real routines that changes an outcome shows up as a difference.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_repair.h"

namespace kolvane::fuzz {

struct Box {
  double XMin, XMax, YMin, YMax;
};

struct StepByStepRepair {
  DiagramFixResult Result = DiagramFixResult::Failed;
  std::vector<DiagramPoint> Points;
};

// The repair done as its rules state it: empty diagram, box filter with a
// rescan after every deletion, order check, exchange sort, deletion of the
// first of every pair of equal X with a rescan, then the two ends.
StepByStepRepair RepairStepByStep(std::vector<DiagramPoint> points, const Box& box);

// What a repaired diagram breaks, or nothing: at least two points, X strictly
// increasing, first X the box's XMin, last X its XMax, every point in the box.
std::optional<std::string> RepairedDiagramFault(const std::vector<DiagramPoint>& points, const Box& box);

// The lines of a diagram file: split at CR LF, LF or CR; a line end at the very
// end does not start another line.
std::vector<std::string_view> FileLines(std::string_view text);

// A line holds a point when it splits into exactly two fields at TABs.
bool IsPointLine(std::string_view line);

// Points for messages, cut short after a few.
std::string Describe(const std::vector<DiagramPoint>& points);

// Where two point lists first differ, for messages.
std::string Difference(const std::vector<DiagramPoint>& got, const std::vector<DiagramPoint>& expected);

}  // namespace kolvane::fuzz

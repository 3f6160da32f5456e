#include "diagram_oracle.h"

#include <algorithm>
#include <utility>

#include "fuzz_support.h"

namespace kolvane::fuzz {
namespace {

// "Not inside", so that a NaN, which lies in no box, is outside too.
bool Outside(const DiagramPoint& p, const Box& box) {
  return !(p.X >= box.XMin && p.X <= box.XMax && p.Y >= box.YMin && p.Y <= box.YMax);
}

}  // namespace

StepByStepRepair RepairStepByStep(std::vector<DiagramPoint> points, const Box& box) {
  if (points.empty()) return {DiagramFixResult::Changed, {{box.XMin, box.YMin}, {box.XMax, box.YMin}}};
  DiagramFixResult result = DiagramFixResult::Unchanged;

  for (bool deleted = true; deleted;) {
    deleted = false;
    for (std::size_t i = 0; i < points.size(); ++i) {
      if (Outside(points[i], box)) {
        points.erase(points.begin() + static_cast<std::ptrdiff_t>(i));
        result = DiagramFixResult::Changed;
        deleted = true;
        break;
      }
    }
  }

  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    if (points[i].X > points[i + 1].X) {
      result = DiagramFixResult::Changed;
      break;
    }
  }

  for (std::size_t i = 0; i < points.size(); ++i)
    for (std::size_t j = i + 1; j < points.size(); ++j)
      if (points[j].X < points[i].X) std::swap(points[i], points[j]);

  for (bool deleted = true; deleted;) {
    deleted = false;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      if (points[i].X == points[i + 1].X) {
        points.erase(points.begin() + static_cast<std::ptrdiff_t>(i));
        result = DiagramFixResult::Changed;
        deleted = true;
        break;
      }
    }
  }

  if (points.empty()) return {result, {{box.XMin, box.YMin}, {box.XMax, box.YMin}}};
  if (points.front().X != box.XMin) points.insert(points.begin(), {box.XMin, box.YMin});
  if (points.back().X != box.XMax) points.push_back({box.XMax, box.YMin});
  return {result, std::move(points)};
}

std::optional<std::string> RepairedDiagramFault(const std::vector<DiagramPoint>& points, const Box& box) {
  if (points.size() < 2) return "fewer than two points: " + Describe(points);
  if (points.front().X != box.XMin) return "first X " + Exact(points.front().X) + " is not " + Exact(box.XMin);
  if (points.back().X != box.XMax) return "last X " + Exact(points.back().X) + " is not " + Exact(box.XMax);
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (Outside(points[i], box))
      return "point " + std::to_string(i) + " (" + Exact(points[i].X) + ", " + Exact(points[i].Y) +
             ") lies outside the box";
    if (i > 0 && !(points[i - 1].X < points[i].X))
      return "X does not increase strictly at point " + std::to_string(i) + ": " + Exact(points[i - 1].X) + " then " +
             Exact(points[i].X);
  }
  return std::nullopt;
}

std::vector<std::string_view> FileLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

bool IsPointLine(std::string_view line) { return std::count(line.begin(), line.end(), '\t') == 1; }

std::string Describe(const std::vector<DiagramPoint>& points) {
  constexpr std::size_t kShown = 8;
  std::string text = std::to_string(points.size()) + " points {";
  for (std::size_t i = 0; i < points.size() && i < kShown; ++i)
    text.append(i ? ", (" : "(").append(Exact(points[i].X)).append(", ").append(Exact(points[i].Y)).append(")");
  return text + (points.size() > kShown ? ", ...}" : "}");
}

std::string Difference(const std::vector<DiagramPoint>& got, const std::vector<DiagramPoint>& expected) {
  auto point = [](const DiagramPoint& p) {
    return std::string("(").append(Exact(p.X)).append(", ").append(Exact(p.Y)).append(")");
  };
  for (std::size_t i = 0; i < got.size() && i < expected.size(); ++i)
    if (!SameBits(got[i].X, expected[i].X) || !SameBits(got[i].Y, expected[i].Y))
      return "point " + std::to_string(i) + " is " + point(got[i]) + ", expected " + point(expected[i]);
  return std::to_string(got.size()) + " points, expected " + std::to_string(expected.size());
}

}  // namespace kolvane::fuzz

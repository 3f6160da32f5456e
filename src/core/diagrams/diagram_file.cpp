#include "core/diagrams/diagram_file.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/common/file_listing.h"
#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/common/sha256.h"

namespace kolvane {
namespace {

// A line of two fields needs at least its TAB and a line end, two bytes, and
// becomes one point in memory.
constexpr double kMemoryPerFileByte = 1.0 + sizeof(DiagramPoint) / 2.0;

std::optional<double> FieldValue(std::string_view field) {
  std::string text(field);
  std::replace(text.begin(), text.end(), ',', '.');  // files written with decimal commas read right
  return TryNumericValue(text);
}

}  // namespace

std::string DiagramExtension(DiagramKind kind) { return "dg" + std::to_string(kind); }

std::string DiagramFileName(const std::string& name, DiagramKind kind) { return name + "." + DiagramExtension(kind); }

std::string DiagramPath(const Workspace& workspace, const std::string& name, DiagramKind kind) {
  return workspace.PathOf(DiagramFileName(name, kind));
}

std::vector<std::string> ListDiagramNames(const Workspace& workspace, DiagramKind kind) {
  return ListFiles(workspace.Folder(), DiagramExtension(kind), false);
}

DiagramLoadResult LoadDiagram(const std::string& path, Diagram& diagram, std::string* why, std::string* sha256) {
  diagram.Points.clear();
  if (sha256) sha256->clear();
  TextFileContent file = ReadWholeFile(path, kMemoryPerFileByte);
  if (why) *why = file.Reason;
  if (file.Status == ReadStatus::Missing) return DiagramLoadResult::Missing;
  if (file.Status != ReadStatus::Ok) return DiagramLoadResult::Failed;
  if (sha256) *sha256 = Sha256Hex(file.Bytes);

  DiagramLoadResult result = DiagramLoadResult::Ok;
  bool failed = false;
  std::size_t lineNumber = 0;
  try {
    ForEachLine(file.Bytes, [&](std::string_view line) {
      if (failed) return;
      ++lineNumber;
      const std::size_t tab = line.find('\t');
      if (tab == std::string_view::npos || line.find('\t', tab + 1) != std::string_view::npos) {
        result = DiagramLoadResult::Skipped;  // not exactly two fields
        return;
      }
      std::optional<double> x = FieldValue(line.substr(0, tab));
      std::optional<double> y = FieldValue(line.substr(tab + 1));
      if (!x || !y) {
        failed = true;
        if (why) *why = "line " + std::to_string(lineNumber) + " holds a number out of range";
        return;
      }
      diagram.Points.push_back({*x, *y});
    });
  } catch (const std::bad_alloc&) {
    failed = true;
    if (why) *why = "not enough memory";
  }
  return failed ? DiagramLoadResult::Failed : result;
}

WriteResult SaveDiagram(const std::string& path, const Diagram& diagram) {
  std::string bytes;
  try {
    for (const DiagramPoint& point : diagram.Points) {
      bytes += NumberText(point.X);
      bytes += '\t';
      bytes += NumberText(point.Y);
      bytes += "\r\n";
    }
  } catch (const std::bad_alloc&) {
    return {false, "not enough memory"};
  }
  return WriteBytesAtomically(path, bytes);
}

}  // namespace kolvane

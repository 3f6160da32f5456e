#pragma once
// Diagram files: "<name>.dg<kind>" in the working folder, one line per point,
// the X text, a TAB, the Y text, CR LF. An empty diagram is an empty file.

#include <string>
#include <vector>

#include "core/common/text_file.h"
#include "core/common/workspace.h"
#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"

namespace kolvane {

// "dg1" to "dg7": the extension of the files of a kind.
std::string DiagramExtension(DiagramKind kind);

// "<name>.dg<kind>": the diagram's file name, as the messages name it too.
std::string DiagramFileName(const std::string& name, DiagramKind kind);

std::string DiagramPath(const Workspace& workspace, const std::string& name, DiagramKind kind);

// The names of the diagrams of `kind` in the working folder, without their
// extension, in the order the lists show them.
std::vector<std::string> ListDiagramNames(const Workspace& workspace, DiagramKind kind);

enum class DiagramLoadResult {
  Missing,  // no file: the diagram is empty
  Failed,   // read failure or a number out of range: points read before it
  Ok,       // every line held exactly two fields
  Skipped,  // lines without exactly two fields were skipped
};

// Reads the points in file order, without sorting or checking them. When the
// file is missing or cannot be read, `why` (if given) says why, for the user.
// With `sha256`, it receives the digest of the bytes read (empty when none were).
DiagramLoadResult LoadDiagram(const std::string& path, Diagram& diagram, std::string* why = nullptr,
                              std::string* sha256 = nullptr);

// Writes the whole file or, on any failure, leaves the old one as it was and
// says why (the reason is for the user).
WriteResult SaveDiagram(const std::string& path, const Diagram& diagram);

}  // namespace kolvane

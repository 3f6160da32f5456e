#pragma once
// Diagram files: "<name>.dg<kind>" in the working folder, one line per point,
// the X text, a TAB, the Y text, CR LF. An empty diagram is an empty file.

#include <cstdint>
#include <string>

#include "core/common/text_file.h"
#include "core/common/workspace.h"
#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"

namespace kolvane {

// "dg1" to "dg7": the extension of the files of a kind.
std::string DiagramExtension(DiagramKind kind);

std::string DiagramPath(const Workspace& workspace, const std::string& name, DiagramKind kind);

// Results of LoadDiagram.
inline constexpr std::int32_t kLoadMissing = -1;  // no file: the diagram is empty
inline constexpr std::int32_t kLoadFailed = 0;    // read failure or a number out of range: points read before it
inline constexpr std::int32_t kLoadOk = 1;        // every line held exactly two fields
inline constexpr std::int32_t kLoadSkipped = 2;   // lines without exactly two fields were skipped

// Reads the points in file order, without sorting or checking them.
std::int32_t LoadDiagram(const std::string& path, Diagram& diagram);

// 1 when the file was written, 0 on any failure (the old file stays).
std::int32_t SaveDiagram(const std::string& path, const Diagram& diagram);

// The same, with the reason of a failure for the user.
WriteResult WriteDiagramFile(const std::string& path, const Diagram& diagram);

}  // namespace kolvane

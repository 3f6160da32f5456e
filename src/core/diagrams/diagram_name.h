#pragma once
// Whether a name the user gives a diagram can be its file name in the working
// folder. The name box filters typing, but pasted text bypasses the filter, so
// the name is checked again before anything is written.

#include <string>
#include <string_view>

namespace kolvane {

// The name without leading and trailing blanks, as it is saved.
std::string TrimmedDiagramName(std::string_view name);

// True when the trimmed name names a file inside the working folder: not
// empty, not "." or "..", well-formed UTF-8, no character the name box
// refuses (the path separator, \ / : * ? < > | and the double quote), no
// control character, and short enough that its backup name + ".dgN.bak"
// fits a file name (255 bytes). An empty or blank name is refused too; the editor keeps its OK
// button disabled for it, so users never see a message for that.
bool IsValidDiagramName(std::string_view name);

// Whether the editor may save a diagram that was opened as `originalName`
// (empty for a new one) under `name`: its own name, unchanged, always (the
// file exists, whatever name rule it was made under, such as "a:b"); a new or
// changed name only when it is valid.
bool IsAcceptedDiagramName(std::string_view name, std::string_view originalName);

}  // namespace kolvane

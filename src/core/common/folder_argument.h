#pragma once
// The desktop program's command line: nothing, or the one working folder to
// open instead of the program's own.

#include <string>
#include <vector>

namespace kolvane {

// True when --help or -h is among the arguments (program name excluded):
// the usage is shown and nothing else done.
bool AsksForHelp(const std::vector<std::string>& arguments);

std::string UsageText(const std::string& programName);

struct FolderChoice {
  bool Ok = false;
  std::string Folder;  // the working folder, absolute, when ok
  std::string Error;   // why the arguments were refused, when not ok
};

// The working folder the arguments (program name excluded) name: the
// program's folder when there are none, else the one argument, which must be
// an existing folder. An option, or more than one argument, is refused.
FolderChoice ChooseWorkingFolder(const std::vector<std::string>& arguments, const std::string& programFolder);

}  // namespace kolvane

#include "core/common/folder_argument.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace kolvane {

bool AsksForHelp(const std::vector<std::string>& arguments) {
  return std::any_of(arguments.begin(), arguments.end(),
                     [](const std::string& a) { return a == "--help" || a == "-h"; });
}

std::string UsageText(const std::string& programName) {
  return "Usage: " + programName +
         " [FOLDER]\n"
         "\n"
         "Starts the program on a working folder: the folder that holds the column's\n"
         "main data (main.dat), its diagrams (*.dg1 to *.dg7), the reports and the\n"
         "saved plots. Without FOLDER it is the folder that holds the program.\n"
         "\n"
         "  -h, --help   show this text and exit\n";
}

FolderChoice ChooseWorkingFolder(const std::vector<std::string>& arguments, const std::string& programFolder) {
  if (arguments.empty()) return {true, programFolder, {}};
  if (arguments.size() > 1) return {false, {}, "too many arguments: give at most one working folder"};
  const std::string& folder = arguments.front();
  if (folder.starts_with('-'))
    return {false, {}, "unknown option " + folder + " (a folder of that name can be given as ./" + folder + ")"};
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return {false, {}, folder + " is not an existing folder"};
  const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
  if (error) return {false, {}, folder + ": " + error.message()};
  std::string normal = absolute.lexically_normal().string();
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  return {true, normal, {}};
}

}  // namespace kolvane

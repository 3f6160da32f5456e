#pragma once
// kolvane-batch run in-process on a small column, for the batch tests.

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch_main.h"
#include "core/support/test_support.h"

namespace kolvane::batch::testing {

using kolvane::testing::ScratchFolder;

struct Result {
  int Status;
  std::string Out;
  std::string Err;
};

inline Result RunCommand(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int status = RunBatch(arguments, out, err);
  return {status, out.str(), err.str()};
}

// A small chimney with a summer day's diagrams named "day", and a creep
// function with its temperature factor named "concrete".
inline void WriteColumn(
    const ScratchFolder& folder,
    const std::string& mainData = "120\r\n3.2\r\n3.6\r\n25\r\n32\r\n4\r\n2\r\n12\r\n6\r\n15\r\n1E-05\r\n") {
  kolvane::testing::WriteBytes(folder.File("main.dat"), mainData);
  kolvane::testing::WriteDayAndConcrete(folder);
}

// The command's arguments with `more`: an option it has already takes its new
// value in place (one given twice is refused); others are added.
inline std::vector<std::string> With(std::vector<std::string> arguments, const std::vector<std::string>& more) {
  const auto own = static_cast<std::ptrdiff_t>(arguments.size());
  for (std::size_t n = 0; n < more.size(); ++n) {
    const auto at = std::find(arguments.begin() + 3, arguments.begin() + own, more[n]);
    if (at != arguments.begin() + own && n + 1 < more.size()) {
      *(at + 1) = more[++n];
    } else {
      arguments.push_back(more[n]);
    }
  }
  return arguments;
}

// A command on a folder, and a call of it with `more`, as a case gives its arguments.
using Command = std::vector<std::string> (*)(const ScratchFolder&, const std::vector<std::string>&);
using ArgumentMaker = std::function<std::vector<std::string>(const ScratchFolder&)>;
inline ArgumentMaker Call(Command command, std::vector<std::string> more = {}) {
  return [command, more](const ScratchFolder& folder) { return command(folder, more); };
}

// Every entry of a folder with its kind and, for a file, its bytes: what a
// refused command must leave exactly as it was.
inline std::string FolderState(const ScratchFolder& folder) {
  std::string state;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    const auto status = std::filesystem::symlink_status(entry.path());
    state += "\n" + entry.path().filename().string() + " " + std::to_string(static_cast<int>(status.type()));
    if (status.type() == std::filesystem::file_type::regular) state += " " + kolvane::testing::ReadBytes(entry.path());
  }
  return state;
}

}  // namespace kolvane::batch::testing

#pragma once
// kolvane-batch run in-process on a small column, for the batch tests.

#include <sstream>
#include <string>
#include <vector>

#include "batch/batch_main.h"
#include "core/support/test_support.h"

namespace kolvane::batch::testing {

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
    const kolvane::testing::ScratchFolder& folder,
    const std::string& mainData = "120\r\n3.2\r\n3.6\r\n25\r\n32\r\n4\r\n2\r\n12\r\n6\r\n15\r\n1E-05\r\n") {
  kolvane::testing::WriteBytes(folder.File("main.dat"), mainData);
  kolvane::testing::WriteDayAndConcrete(folder);
}

}  // namespace kolvane::batch::testing

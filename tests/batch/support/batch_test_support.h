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
  using kolvane::testing::WriteBytes;
  WriteBytes(folder.File("main.dat"), mainData);
  WriteBytes(folder.File("day.dg1"), "0\t0\r\n6\t0\r\n12\t90\r\n18\t180\r\n24\t180\r\n");
  WriteBytes(folder.File("day.dg2"), "0\t12\r\n14\t26\r\n24\t14\r\n");
  WriteBytes(folder.File("day.dg3"), "0\t12\r\n14\t48\r\n24\t14\r\n");
  WriteBytes(folder.File("day.dg4"), "0\t100\r\n90\t25\r\n180\t0\r\n");
  WriteBytes(folder.File("day.dg5"), "0\t30\r\n90\t5\r\n180\t0\r\n");
  WriteBytes(folder.File("concrete.dg6"), "0\t0\r\n.02\t1E-06\r\n1\t3E-06\r\n100\t4E-06\r\n");
  WriteBytes(folder.File("concrete.dg7"), "0\t0\r\n20\t60\r\n80\t100\r\n");
}

}  // namespace kolvane::batch::testing

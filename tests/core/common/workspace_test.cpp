#include "core/common/workspace.h"

#include <gtest/gtest.h>

namespace kolvane {

TEST(Workspace, NamesFilesInItsFolder) {
  EXPECT_EQ(Workspace("/home/eng/column/").PathOf("main.dat"), "/home/eng/column/main.dat");
  EXPECT_EQ(Workspace("").PathOf("main.dat"), "./main.dat");  // never the root by accident
}

}  // namespace kolvane

#include "core/common/column_folder_title.h"

#include <gtest/gtest.h>

namespace kolvane {

// Home shown as a tilde, whole folder names only, a root home shortens nothing.
TEST(ColumnWindowTitle, ShowsTheFolderFromHomeWhereItLiesThere) {
  EXPECT_EQ(ColumnWindowTitle("/home/ann/columns/tower", "/home/ann"), "Kolvane 1.0.0 - ~/columns/tower");
  EXPECT_EQ(ColumnWindowTitle("/home/anna/tower", "/home/ann"), "Kolvane 1.0.0 - /home/anna/tower");
  EXPECT_EQ(ColumnWindowTitle("/srv/columns", "/"), "Kolvane 1.0.0 - /srv/columns");
}

TEST(WithRecentFolder, PutsTheFolderFirstOnceAndKeepsFive) {
  using List = std::vector<std::string>;
  EXPECT_EQ(WithRecentFolder({"/a", "/b", "/c"}, "/c"), (List{"/c", "/a", "/b"}));
  EXPECT_EQ(WithRecentFolder({"/a", "/b"}, "/A"), (List{"/A", "/a", "/b"}));  // names differ by case
  EXPECT_EQ(WithRecentFolder({"/1", "/2", "/3", "/4", "/5", "/6"}, "/7"), (List{"/7", "/1", "/2", "/3", "/4", "/5"}));
}

}  // namespace kolvane

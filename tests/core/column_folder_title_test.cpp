#include "core/common/column_folder_title.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kolvane {
namespace {

TEST(ColumnWindowTitle, NamesTheFolderWithHomeShownAsTilde) {
  struct Case {
    const char* folder;
    const char* home;
    const char* title;
  };
  for (const Case& c : {
           Case{"/home/ann/columns/tower", "/home/ann", "Kolvane 1.0.0 - ~/columns/tower"},
           Case{"/home/ann", "/home/ann/", "Kolvane 1.0.0 - ~"},
           Case{"/home/anna/tower", "/home/ann", "Kolvane 1.0.0 - /home/anna/tower"},  // whole names only
           Case{"/srv/columns", "/home/ann", "Kolvane 1.0.0 - /srv/columns"},
           Case{"/srv/columns", "/", "Kolvane 1.0.0 - /srv/columns"},  // a root home shortens nothing
           Case{"/srv/columns", "", "Kolvane 1.0.0 - /srv/columns"},
       })
    EXPECT_EQ(ColumnWindowTitle(c.folder, c.home), c.title) << c.folder << " in " << c.home;
}

TEST(RecentFolders, TheLastOpenedComesFirstOnceAndTheListStaysShort) {
  using List = std::vector<std::string>;
  EXPECT_EQ(WithRecentFolder({}, "/a"), (List{"/a"}));
  EXPECT_EQ(WithRecentFolder({"/a", "/b", "/c"}, "/c"), (List{"/c", "/a", "/b"}));
  EXPECT_EQ(WithRecentFolder({"/a", "/b"}, "/A"), (List{"/A", "/a", "/b"}));  // names differ by case
  const List full = {"/1", "/2", "/3", "/4", "/5", "/6"};
  EXPECT_EQ(WithRecentFolder(full, "/7"), (List{"/7", "/1", "/2", "/3", "/4", "/5"}));
}

}  // namespace
}  // namespace kolvane

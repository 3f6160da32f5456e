#include "core/common/report_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kolvane {

TEST(ReportFile, MessagesNameTheFileAndItsWholePath) {
  EXPECT_EQ(ReportNotSavedMessage("Elastic.txt", "/home/ann/tower/Elastic.txt", "Permission denied"),
            "Elastic.txt could not be saved: Permission denied\r\n/home/ann/tower/Elastic.txt");
  // A folder named from where the program started is shown from the root.
  const std::string full = (std::filesystem::current_path() / "tower" / "Creep.txt").lexically_normal().string();
  EXPECT_EQ(ReportSavedMessage("Creep.txt", "./tower/Creep.txt"), "Creep.txt was saved successfully.\r\n" + full);
}

}  // namespace kolvane

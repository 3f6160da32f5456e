#include "core/maindata/main_data_file.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace kolvane {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

MainDataTexts Texts(std::initializer_list<const char*> values) {
  MainDataTexts texts = ZeroMainDataTexts();
  int i = 0;
  for (const char* v : values) texts[i++] = v;
  return texts;
}

struct LoadCase {
  const char* name;
  std::string file;
  MainDataTexts expected;
  ReadStatus status;
  int fieldsLoaded;
};

TEST(MainDataFile, LoadsByTheItemRules) {
  const LoadCase cases[] = {
      {"a whole file", "120\r\n3.6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n0.00001\r\n",
       Texts({"120", "3.6", "4", "25", "30", "5", "4", "72", "100", "-5", "1E-05"}), ReadStatus::Ok, 11},
      {"LF and CR line ends", "120\n3.6\n4\r25\r30\n5\n4\n72\n100\n-5\n1E-05",
       Texts({"120", "3.6", "4", "25", "30", "5", "4", "72", "100", "-5", "1E-05"}), ReadStatus::Ok, 11},
      {"absolute values, whole counts, signed reference temperature",
       "-3\r\n0.5\r\n-4\r\n25\r\n30\r\n5\r\n12.7\r\n-72.9\r\n100\r\n-5.5\r\n-1E-05\r\n",
       Texts({"3", ".5", "4", "25", "30", "5", "12", "72", "100", "-5.5", "1E-05"}), ReadStatus::Ok, 11},
      {"only five lines", "1\r\n2\r\n3\r\n4\r\n5\r\n", Texts({"1", "2", "3", "4", "5"}), ReadStatus::Failed, 5},
      {"a comma ends an item", "2,5\r\n7\r\n", Texts({"2", "5", "7"}), ReadStatus::Failed, 3},
      {"quotes and leading blanks", "  \"12.5\"\r\n\t 7 m\r\n\"3\",4\r\n", Texts({"12.5", "7", "3", "4"}),
       ReadStatus::Failed, 4},
      {"letters read as zero", "abc\r\n", Texts({}), ReadStatus::Failed, 1},
      {"a number beyond a double stops the load", "1\r\n2\r\n1E400\r\n4\r\n", Texts({"1", "2"}),
       ReadStatus::Failed, 2},
      {"an empty file", "", Texts({}), ReadStatus::Failed, 0},
      {"exponent texts", "1.5E+3\r\n&H10\r\n", Texts({"1500", "16"}), ReadStatus::Failed, 2},
  };
  for (const LoadCase& c : cases) {
    ScratchFolder folder;
    WriteBytes(folder.File("main.dat"), c.file);
    MainDataTexts texts = ZeroMainDataTexts();
    const MainDataLoadResult result = LoadMainDataFile(folder.File("main.dat"), texts);
    EXPECT_EQ(texts, c.expected) << c.name;
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_EQ(result.fieldsLoaded, c.fieldsLoaded) << c.name;
  }
}

TEST(MainDataFile, AMissingFileLeavesEveryTextAsItWas) {
  ScratchFolder folder;
  MainDataTexts texts = Texts({"7", "8"});
  const MainDataLoadResult result = LoadMainDataFile(folder.File("main.dat"), texts);
  EXPECT_EQ(result.status, ReadStatus::Missing);
  EXPECT_EQ(texts, Texts({"7", "8"}));
}

TEST(MainDataFile, SavesTheTextsVerbatimAndReadsThemBack) {
  ScratchFolder folder;
  const std::string path = folder.File("main.dat");
  const MainDataTexts shown = Texts({"120", ".5", "4", "25", "30", "5", "4", "72", "100", "-5", "1E-05"});
  ASSERT_TRUE(SaveMainDataFile(path, shown).ok);
  EXPECT_EQ(ReadBytes(path), "120\r\n.5\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n1E-05\r\n");
  MainDataTexts loaded = ZeroMainDataTexts();
  EXPECT_EQ(LoadMainDataFile(path, loaded).status, ReadStatus::Ok);
  EXPECT_EQ(loaded, shown);
}

TEST(MainDataFile, AHalfTypedFieldIsSavedAsShown) {
  ScratchFolder folder;
  const std::string path = folder.File("main.dat");
  ASSERT_TRUE(SaveMainDataFile(path, Texts({"12.", "", "-"})).ok);
  EXPECT_EQ(ReadBytes(path), "12.\r\n\r\n-\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
}

TEST(MainDataFile, AFailedSaveSaysWhyAndKeepsTheOldFile) {
  ScratchFolder folder;
  const WriteResult result = SaveMainDataFile(folder.File("no-folder/main.dat"), ZeroMainDataTexts());
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.reason.empty());
}

}  // namespace
}  // namespace kolvane

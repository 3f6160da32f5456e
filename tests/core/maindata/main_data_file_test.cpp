#include "core/maindata/main_data_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/support/test_support.h"

namespace kolvane {
namespace {

using namespace testing;
using R = MainDataReading;

MainDataTexts Texts(std::initializer_list<const char*> values) {
  MainDataTexts texts = ZeroMainDataTexts();
  std::copy(values.begin(), values.end(), texts.begin());
  return texts;
}

const std::string kLines = "120\r\n3.6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n0.00001\r\n";
const MainDataTexts kColumn = Texts({"120", "3.6", "4", "25", "30", "5", "4", "72", "100", "-5", "1E-05"});

// Each row: the file, the texts it fills, the fields read, how it was read
// (only a complete reading is Ok and says nothing).
TEST(MainDataFile, LoadsByTheItemRules) {
  std::string utf16 = "\xFF\xFE";
  for (const char c : kLines) utf16.append({c, '\0'});
  const struct {
    std::string File;
    MainDataTexts Expected;
    int FieldsLoaded;
    MainDataReading Reading;
  } cases[] = {
      // clang-format off
      {kLines, kColumn, 11, R::Complete},
      {"120\n3.6\n4\r25\r30\n5\n4\n72\n100\n-5\n1E-05", kColumn, 11, R::Complete},
      {"-3\r\n0.5\r\n-4\r\n25\r\n30\r\n5\r\n12.7\r\n-72.9\r\n100\r\n-5.5\r\n-1E-05\r\n",  // absolute, whole counts
       Texts({"3", ".5", "4", "25", "30", "5", "12", "72", "100", "-5.5", "1E-05"}), 11, R::Complete},
      {kLines + "\r\n  \r\n,\t\r\n", kColumn, 11, R::Complete},  // blank lines and an empty item after the fields
      {"120\r\n3,6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n0.00001\r\n",  // a decimal comma shifts the rest
       Texts({"120", "3", "6", "4", "25", "30", "5", "4", "72", "100", "5"}), 11, R::OverFull},
      {utf16, Texts({}), 0, R::Incomplete},
      {"1\r\n2\r\n3\r\n4\r\n5\r\n", Texts({"1", "2", "3", "4", "5"}), 5, R::Incomplete},
      {"  \"12.5\"\r\n\t 7 m\r\n\"3\",4\r\n", Texts({"12.5", "7", "3", "4"}), 4, R::Incomplete},
      {"1\r\n2\r\n1E400\r\n4\r\n", Texts({"1", "2"}), 2, R::Incomplete}};
  // clang-format on
  for (const auto& c : cases) {
    ScratchFolder folder;
    WriteBytes(folder.File("main.dat"), c.File);
    MainDataTexts texts = ZeroMainDataTexts();
    const MainDataLoadResult result = LoadMainDataFile(folder.File("main.dat"), texts);
    EXPECT_EQ(texts, c.Expected) << c.File;
    EXPECT_EQ(result.Status, c.Reading == R::Complete ? ReadStatus::Ok : ReadStatus::Failed) << c.File;
    EXPECT_EQ(result.FieldsLoaded, c.FieldsLoaded) << c.File;
    EXPECT_EQ(result.Reading, c.Reading) << c.File;
    EXPECT_EQ(MainDataReadingNotice(result).has_value(), c.Reading != R::Complete) << c.File;
  }
}

TEST(MainDataFile, AMissingFileChangesNothingAndAFolderCannotBeRead) {
  ScratchFolder folder;
  MainDataTexts texts = Texts({"7", "8"});
  const MainDataLoadResult missing = LoadMainDataFile(folder.File("main.dat"), texts);
  EXPECT_EQ(missing.Status, ReadStatus::Missing);
  EXPECT_EQ(missing.Reading, R::Missing);
  EXPECT_FALSE(MainDataReadingNotice(missing));
  EXPECT_EQ(texts, Texts({"7", "8"}));
  ASSERT_EQ(::mkdir(folder.File("main.dat").c_str(), 0755), 0);
  const MainDataLoadResult unreadable = LoadMainDataFile(folder.File("main.dat"), texts);
  EXPECT_NE(MainDataReadingNotice(unreadable).value_or("").find("could not be read (it is a folder): none of its 11"),
            std::string::npos);

  MainDataLoadResult loaded;
  loaded.Reading = R::Incomplete;
  loaded.FieldsLoaded = 4;
  EXPECT_EQ(MainDataReadingNotice(loaded).value_or(""),
            "main.dat could not be read completely: 4 of its 11 fields were read; the others show 0. When the main "
            "data is saved, the original file is first kept as main.dat.bak.");
}

// Saving after an incomplete reading keeps the original first (as main.dat.bak), or refuses.
TEST(MainDataFile, SavingAfterAnIncompleteReadingKeepsTheOriginalOrRefuses) {
  const char kOriginal[] = "120\r\n3,6\r\n\xFF\0odd bytes";
  const std::string original(kOriginal, sizeof kOriginal - 1);
  const struct {
    MainDataReading Reading;
    bool FileExists;
    const char* OldBackup;  // nullptr: none
    bool BackupExpected;
  } cases[] = {{R::Complete, true, nullptr, false},  {R::Missing, true, nullptr, false},
               {R::Incomplete, true, nullptr, true}, {R::OverFull, true, "old backup", true},
               {R::Unreadable, true, nullptr, true}, {R::Incomplete, false, nullptr, false}};
  for (const auto& c : cases) {
    ScratchFolder folder;
    const std::string path = folder.File("main.dat");
    if (c.FileExists) WriteBytes(path, original);
    if (c.OldBackup) WriteBytes(folder.File("main.dat.bak"), c.OldBackup);
    const WriteResult result = SaveMainDataFile(path, Texts({"12.", "", "-"}), c.Reading);
    EXPECT_TRUE(result.Ok) << result.Reason;
    EXPECT_EQ(ReadBytes(path), "12.\r\n\r\n-\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");  // as shown
    if (c.BackupExpected)
      EXPECT_EQ(ReadBytes(folder.File("main.dat.bak")), original);
    else
      EXPECT_EQ(FolderListing(folder.Path()), "main.dat;");
  }
}

TEST(MainDataFile, WhatCannotBeReadOrKeptIsNotReplaced) {
  ScratchFolder folder;
  const std::string path = folder.File("main.dat");
  ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);  // exists, and has no bytes to keep
  WriteResult result = SaveMainDataFile(path, ZeroMainDataTexts(), R::Unreadable);
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Reason.find("could not be read"), std::string::npos) << result.Reason;
  EXPECT_EQ(FolderListing(folder.Path()), "main.dat;");

  ::unlink(path.c_str());
  WriteBytes(path, "1,2,3");
  ASSERT_EQ(::mkdir(folder.File("main.dat.bak").c_str(), 0755), 0);  // a folder in the backup's place
  result = SaveMainDataFile(path, ZeroMainDataTexts(), R::OverFull);
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Reason.find("could not be kept as main.dat.bak"), std::string::npos) << result.Reason;
  EXPECT_EQ(ReadBytes(path), "1,2,3");
  EXPECT_FALSE(SaveMainDataFile(folder.File("no-folder/main.dat"), ZeroMainDataTexts()).Ok);
}

}  // namespace
}  // namespace kolvane

#include "core/maindata/main_data_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "test_support.h"

namespace kolvane {
namespace {

using testing::FolderListing;
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
  MainDataReading reading;
};

std::string Utf16LittleEndian(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (const char c : ascii) bytes.append({c, '\0'});
  return bytes;
}

const char* const kElevenLines = "120\r\n3.6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n0.00001\r\n";

TEST(MainDataFile, LoadsByTheItemRules) {
  const LoadCase cases[] = {
      {"a whole file", "120\r\n3.6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n0.00001\r\n",
       Texts({"120", "3.6", "4", "25", "30", "5", "4", "72", "100", "-5", "1E-05"}), ReadStatus::Ok, 11,
       MainDataReading::Complete},
      {"LF and CR line ends", "120\n3.6\n4\r25\r30\n5\n4\n72\n100\n-5\n1E-05",
       Texts({"120", "3.6", "4", "25", "30", "5", "4", "72", "100", "-5", "1E-05"}), ReadStatus::Ok, 11,
       MainDataReading::Complete},
      {"absolute values, whole counts, signed reference temperature",
       "-3\r\n0.5\r\n-4\r\n25\r\n30\r\n5\r\n12.7\r\n-72.9\r\n100\r\n-5.5\r\n-1E-05\r\n",
       Texts({"3", ".5", "4", "25", "30", "5", "12", "72", "100", "-5.5", "1E-05"}), ReadStatus::Ok, 11,
       MainDataReading::Complete},
      {"blank lines and an empty item after the fields", std::string(kElevenLines) + "\r\n  \r\n,\t\r\n",
       Texts({"120", "3.6", "4", "25", "30", "5", "4", "72", "100", "-5", "1E-05"}), ReadStatus::Ok, 11,
       MainDataReading::Complete},
      {"a decimal comma shifts every later field",
       "120\r\n3,6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n0.00001\r\n",
       Texts({"120", "3", "6", "4", "25", "30", "5", "4", "72", "100", "5"}), ReadStatus::Failed, 11,
       MainDataReading::OverFull},
      {"a twelfth line", std::string(kElevenLines) + "7\r\n",
       Texts({"120", "3.6", "4", "25", "30", "5", "4", "72", "100", "-5", "1E-05"}), ReadStatus::Failed, 11,
       MainDataReading::OverFull},
      {"UTF-16 text", Utf16LittleEndian(kElevenLines), Texts({}), ReadStatus::Failed, 0, MainDataReading::Incomplete},
      {"binary bytes",
       std::string("\x7F"
                   "ELF\x02\x01\x01\0\0\0",
                   10),
       Texts({}), ReadStatus::Failed, 0, MainDataReading::Incomplete},
      {"only five lines", "1\r\n2\r\n3\r\n4\r\n5\r\n", Texts({"1", "2", "3", "4", "5"}), ReadStatus::Failed, 5,
       MainDataReading::Incomplete},
      {"a comma ends an item", "2,5\r\n7\r\n", Texts({"2", "5", "7"}), ReadStatus::Failed, 3,
       MainDataReading::Incomplete},
      {"quotes and leading blanks", "  \"12.5\"\r\n\t 7 m\r\n\"3\",4\r\n", Texts({"12.5", "7", "3", "4"}),
       ReadStatus::Failed, 4, MainDataReading::Incomplete},
      {"a quote that opens the file", "\"12.5\"\r\n7\r\n", Texts({"12.5", "7"}), ReadStatus::Failed, 2,
       MainDataReading::Incomplete},
      {"letters read as zero", "abc\r\n", Texts({}), ReadStatus::Failed, 1, MainDataReading::Incomplete},
      {"a number beyond a double stops the load", "1\r\n2\r\n1E400\r\n4\r\n", Texts({"1", "2"}), ReadStatus::Failed, 2,
       MainDataReading::Incomplete},
      {"an empty file", "", Texts({}), ReadStatus::Failed, 0, MainDataReading::Incomplete},
      {"exponent texts", "1.5E+3\r\n&H10\r\n", Texts({"1500", "16"}), ReadStatus::Failed, 2,
       MainDataReading::Incomplete},
  };
  for (const LoadCase& c : cases) {
    ScratchFolder folder;
    WriteBytes(folder.File("main.dat"), c.file);
    MainDataTexts texts = ZeroMainDataTexts();
    const MainDataLoadResult result = LoadMainDataFile(folder.File("main.dat"), texts);
    EXPECT_EQ(texts, c.expected) << c.name;
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_EQ(result.fieldsLoaded, c.fieldsLoaded) << c.name;
    EXPECT_EQ(result.reading, c.reading) << c.name;
    EXPECT_EQ(MainDataReadingNotice(result).has_value(), c.reading != MainDataReading::Complete) << c.name;
  }
}

TEST(MainDataFile, AMissingFileLeavesEveryTextAsItWas) {
  ScratchFolder folder;
  MainDataTexts texts = Texts({"7", "8"});
  const MainDataLoadResult result = LoadMainDataFile(folder.File("main.dat"), texts);
  EXPECT_EQ(result.status, ReadStatus::Missing);
  EXPECT_EQ(result.reading, MainDataReading::Missing);
  EXPECT_FALSE(MainDataReadingNotice(result));
  EXPECT_EQ(texts, Texts({"7", "8"}));
}

TEST(MainDataFile, TheNoticeSaysHowManyFieldsWereReadOrThatThereAreTooMany) {
  MainDataLoadResult loaded;
  loaded.reading = MainDataReading::Incomplete;
  loaded.fieldsLoaded = 4;
  EXPECT_EQ(MainDataReadingNotice(loaded).value_or(""),
            "main.dat could not be read completely: 4 of its 11 fields were read; the others show 0. When the main "
            "data is saved, the original file is first kept as main.dat.bak.");
  loaded.reading = MainDataReading::OverFull;
  loaded.fieldsLoaded = 11;
  EXPECT_NE(MainDataReadingNotice(loaded).value_or("").find("holds more values than its 11 fields"), std::string::npos);
  loaded.reading = MainDataReading::Unreadable;
  loaded.fieldsLoaded = 0;
  loaded.reason = "Permission denied";
  EXPECT_NE(MainDataReadingNotice(loaded).value_or("").find("could not be read (Permission denied): none of its 11"),
            std::string::npos);
}

TEST(MainDataFile, AFolderAtItsPathCannotBeRead) {
  ScratchFolder folder;
  ASSERT_EQ(::mkdir(folder.File("main.dat").c_str(), 0755), 0);
  MainDataTexts texts = ZeroMainDataTexts();
  const MainDataLoadResult result = LoadMainDataFile(folder.File("main.dat"), texts);
  EXPECT_EQ(result.reading, MainDataReading::Unreadable);
  EXPECT_FALSE(result.reason.empty());
}

// Saving after an incomplete reading keeps the original first, or refuses.
TEST(MainDataFile, SavingAfterAnIncompleteReadingKeepsTheOriginalOrRefuses) {
  const MainDataTexts shown = Texts({"120", "3", "6"});
  const std::string saved = "120\r\n3\r\n6\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
  struct Case {
    const char* name;
    MainDataReading reading;
    bool fileExists;
    const char* oldBackup;  // nullptr: none
    bool backupExpected;
  } cases[] = {
      {"complete: no backup", MainDataReading::Complete, true, nullptr, false},
      {"missing: nothing to keep", MainDataReading::Missing, false, nullptr, false},
      {"incomplete: kept first", MainDataReading::Incomplete, true, nullptr, true},
      {"over-full: kept first", MainDataReading::OverFull, true, nullptr, true},
      {"an earlier backup is replaced", MainDataReading::OverFull, true, "old backup", true},
      {"unreadable then, readable now: kept first", MainDataReading::Unreadable, true, nullptr, true},
      {"incomplete then, gone now: nothing to keep", MainDataReading::Incomplete, false, nullptr, false},
  };
  const char kOriginal[] = "120\r\n3,6\r\n\xFF\0odd bytes";
  const std::string original(kOriginal, sizeof kOriginal - 1);
  for (const Case& c : cases) {
    ScratchFolder folder;
    const std::string path = folder.File("main.dat");
    if (c.fileExists) WriteBytes(path, original);
    if (c.oldBackup) WriteBytes(folder.File("main.dat.bak"), c.oldBackup);
    const WriteResult result = SaveMainDataFile(path, shown, c.reading);
    EXPECT_TRUE(result.ok) << c.name << ": " << result.reason;
    EXPECT_EQ(ReadBytes(path), saved) << c.name;
    if (c.backupExpected) {
      EXPECT_EQ(ReadBytes(folder.File("main.dat.bak")), original) << c.name;
    } else {
      EXPECT_EQ(FolderListing(folder.Path()), "main.dat;") << c.name;
    }
  }
}

TEST(MainDataFile, AFileThatCannotBeReadIsNotReplaced) {
  ScratchFolder folder;
  const std::string path = folder.File("main.dat");
  ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);  // exists, and has no bytes to keep
  const WriteResult result = SaveMainDataFile(path, ZeroMainDataTexts(), MainDataReading::Unreadable);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.reason.find("could not be read"), std::string::npos) << result.reason;
  struct stat info;
  ASSERT_EQ(::lstat(path.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
  EXPECT_EQ(FolderListing(folder.Path()), "main.dat;");
}

TEST(MainDataFile, ABackupThatCannotBeWrittenLeavesTheFileAsItWas) {
  ScratchFolder folder;
  const std::string path = folder.File("main.dat");
  WriteBytes(path, "1,2,3");
  ASSERT_EQ(::mkdir(folder.File("main.dat.bak").c_str(), 0755), 0);  // a folder in the backup's place
  const WriteResult result = SaveMainDataFile(path, ZeroMainDataTexts(), MainDataReading::OverFull);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.reason.find("could not be kept as main.dat.bak"), std::string::npos) << result.reason;
  EXPECT_EQ(ReadBytes(path), "1,2,3");
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

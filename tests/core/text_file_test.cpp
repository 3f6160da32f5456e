#include "core/common/text_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>

#include "core/common/memory.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::FolderListing;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

TEST(SplitLines, AcceptsEveryLineEnd) {
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"", {}},
      {"\r\n", {""}},
      {"a\n\r\nb", {"a", "", "b"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(WriteLinesAtomically, WritesCrLfAndReplacesTheOldFile) {
  ScratchFolder folder;
  const std::string path = folder.File("report.txt");
  WriteBytes(path, "old content that is longer than the new one\r\n");
  ASSERT_TRUE(WriteLinesAtomically(path, {"first", "", "third"}).ok);
  EXPECT_EQ(ReadBytes(path), "first\r\n\r\nthird\r\n");
  EXPECT_EQ(FolderListing(folder.Path()), "report.txt;");  // no temporary file left behind
}

TEST(WriteLinesAtomically, AWriteThatFailsHalfwayKeepsTheOldFileAndSaysWhy) {
  // A file size limit makes the write fail after its first bytes, as a full
  // disk would, and works for every user, root included.
  ScratchFolder folder;
  const std::string path = folder.File("main.dat");
  WriteBytes(path, "good\r\n");
  struct rlimit previous;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
  void (*previousHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = previous;
  small.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const WriteResult result = WriteLinesAtomically(path, std::vector<std::string>(1000, "a line of report text"));
  ::setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.reason, "File too large");
  EXPECT_EQ(ReadBytes(path), "good\r\n");
  EXPECT_EQ(FolderListing(folder.Path()), "main.dat;");  // the temporary file is gone
}

TEST(WriteLinesAtomically, AMissingFolderIsAFailureWithAReason) {
  ScratchFolder folder;
  const WriteResult result = WriteLinesAtomically(folder.File("missing/file.txt"), {"x"});
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.reason, "No such file or directory");
}

TEST(ReadWholeFile, TellsMissingFromUnreadable) {
  ScratchFolder folder;
  EXPECT_EQ(ReadWholeFile(folder.File("none")).status, ReadStatus::Missing);
  EXPECT_EQ(ReadWholeFile(folder.Path()).status, ReadStatus::Failed);  // a folder
  WriteBytes(folder.File("f"), "a\rb");
  const TextFileContent content = ReadWholeFile(folder.File("f"));
  EXPECT_EQ(content.status, ReadStatus::Ok);
  EXPECT_EQ(content.bytes, "a\rb");
}

TEST(ReadWholeFile, RefusesAFileWhoseNeedsExceedTheFreeMemory) {
  ScratchFolder folder;
  WriteBytes(folder.File("f"), "1234567890");
  const double available = static_cast<double>(AvailableMemoryBytes());
  ASSERT_GT(available, 0);
  EXPECT_EQ(ReadWholeFile(folder.File("f"), available).status, ReadStatus::Failed);
  EXPECT_EQ(ReadWholeFile(folder.File("f"), 1.0).status, ReadStatus::Ok);
}

}  // namespace
}  // namespace kolvane

namespace kolvane {
namespace {

TEST(AtomicFileWriter, PiecesLargerAndSmallerThanItsBufferArriveInOrder) {
  testing::ScratchFolder folder;
  const std::string path = folder.File("Elastic.txt");
  testing::WriteBytes(path, "old report\r\n");
  std::string expected;
  {
    AtomicFileWriter writer(path);
    for (int n = 0; n < 40000; ++n) {
      const std::string piece = "line " + std::to_string(n) + "\r\n";
      expected += piece;
      ASSERT_TRUE(writer.Append(piece));
    }
    const std::string large(3 << 20, 'x');  // beyond the buffer in one piece
    expected += large;
    ASSERT_TRUE(writer.Append(large));
    EXPECT_EQ(testing::ReadBytes(path), "old report\r\n");  // nothing replaced before Commit
    ASSERT_TRUE(writer.Commit().ok);
    EXPECT_FALSE(writer.Commit().ok);  // once only
  }
  EXPECT_EQ(testing::ReadBytes(path), expected);
  EXPECT_EQ(testing::FolderListing(folder.Path()), "Elastic.txt;");
}

TEST(AtomicFileWriter, DroppedWithoutCommitLeavesTheOldFileAlone) {
  testing::ScratchFolder folder;
  const std::string path = folder.File("Elastic.txt");
  testing::WriteBytes(path, "old report\r\n");
  {
    AtomicFileWriter writer(path);
    writer.Append("half a report");
  }
  EXPECT_EQ(testing::ReadBytes(path), "old report\r\n");
  EXPECT_EQ(testing::FolderListing(folder.Path()), "Elastic.txt;");
}

}  // namespace
}  // namespace kolvane

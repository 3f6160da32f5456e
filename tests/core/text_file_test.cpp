#include "core/common/text_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>

#include "core/common/memory.h"
#include "test_support.h"

namespace kolvane {
namespace {

using namespace testing;

TEST(SplitLines, AcceptsEveryLineEnd) {
  using Lines = std::vector<std::string>;
  for (const auto& [text, lines] : {std::pair<const char*, Lines>{"a\r\nb\r\n", {"a", "b"}},
                                    {"a\rb\r", {"a", "b"}},
                                    {"a\nb", {"a", "b"}},
                                    {"a\r\n\r\nb", {"a", "", "b"}},
                                    {"a\n\r\nb", {"a", "", "b"}},
                                    {"", {}},
                                    {"\r\n", {""}}})
    EXPECT_EQ(SplitLines(text), lines) << text;
}

TEST(WriteLinesAtomically, WritesCrLfOrFailsWithAReasonKeepingTheOldFile) {
  ScratchFolder folder;
  const std::string path = folder.File("main.dat");
  WriteBytes(path, "old content that is longer than the new one\r\n");
  ASSERT_TRUE(WriteLinesAtomically(path, {"first", "", "third"}).ok);
  EXPECT_EQ(ReadBytes(path), "first\r\n\r\nthird\r\n");

  // A file size limit makes the write fail after its first bytes, as a full
  // disk would, and works for every user, root included.
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
  EXPECT_EQ(ReadBytes(path), "first\r\n\r\nthird\r\n");
  EXPECT_EQ(FolderListing(folder.Path()), "main.dat;");  // no temporary file left behind
  EXPECT_EQ(WriteLinesAtomically(folder.File("missing/file.txt"), {"x"}).reason, "No such file or directory");

  // The longest name a file can have: the temporary file beside it needs a
  // name of its own.
  const std::string longest(255, 'r');
  ASSERT_TRUE(WriteLinesAtomically(folder.File(longest), {"x"}).ok);
  EXPECT_EQ(ReadBytes(folder.File(longest)), "x\r\n");
}

TEST(ReadWholeFile, TellsMissingFromUnreadableAndRefusesWhatExceedsTheFreeMemory) {
  ScratchFolder folder;
  EXPECT_EQ(ReadWholeFile(folder.File("none")).status, ReadStatus::Missing);
  const TextFileContent aFolder = ReadWholeFile(folder.Path());
  EXPECT_EQ(aFolder.status, ReadStatus::Failed);
  EXPECT_EQ(aFolder.reason, "it is a folder");
  WriteBytes(folder.File("f"), "a\rb");
  EXPECT_EQ(ReadWholeFile(folder.File("f"), 1.0).bytes, "a\rb");
  const double available = static_cast<double>(AvailableMemoryBytes());
  ASSERT_GT(available, 0);
  EXPECT_EQ(ReadWholeFile(folder.File("f"), available).status, ReadStatus::Failed);
}

TEST(AtomicFileWriter, PiecesArriveInOrderOnCommitOnlyAndOnce) {
  ScratchFolder folder;
  const std::string path = folder.File("Elastic.txt");
  WriteBytes(path, "old report\r\n");
  {
    AtomicFileWriter dropped(path);
    dropped.Append("half a report");
  }
  EXPECT_EQ(ReadBytes(path), "old report\r\n");  // dropped without Commit
  std::string expected;
  AtomicFileWriter writer(path);
  for (int n = 0; n < 40000; ++n) {
    const std::string piece = "line " + std::to_string(n) + "\r\n";
    expected += piece;
    ASSERT_TRUE(writer.Append(piece));
  }
  const std::string large(3 << 20, 'x');  // beyond the buffer in one piece
  expected += large;
  ASSERT_TRUE(writer.Append(large));
  EXPECT_EQ(ReadBytes(path), "old report\r\n");
  ASSERT_TRUE(writer.Commit().ok);
  EXPECT_FALSE(writer.Commit().ok);
  EXPECT_EQ(ReadBytes(path), expected);
  EXPECT_EQ(FolderListing(folder.Path()), "Elastic.txt;");
}

}  // namespace
}  // namespace kolvane

// Reading and writing whole text files. Every save goes through one
// temporary-file-and-rename routine; the situations a file can be in when it
// is saved, and what the save must keep.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>
#include <functional>

#include "core/common/memory.h"
#include "core/common/text_file.h"
#include "core/support/test_support.h"

namespace kolvane {
namespace {

using Prepare = std::function<void(const ScratchFolder&)>;

Prepare File(const char* name, mode_t mode = 0644) {
  return [=](const ScratchFolder& f) {
    WriteBytes(f.File(name), "old");
    ::chmod(f.File(name).c_str(), mode);
  };
}
Prepare Link(const char* target, const char* name = "here/f") {
  return [=](const ScratchFolder& f) { ASSERT_EQ(::symlink(target, f.File(name).c_str()), 0) << name; };
}
Prepare Both(Prepare first, Prepare second) {
  return [=](const ScratchFolder& f) {
    first(f);
    second(f);
  };
}

struct Situation {
  const char* Name;
  Prepare SetUp;       // "here" and "there" exist, the save writes "here/f"
  const char* Reason;  // nullptr: the save succeeds
  const char* Here;    // what "here/f" holds after it; nullptr: not a regular file with content
  const char* There;   // what "there/g" holds after it; nullptr: nothing
  bool LinkStays;      // "here/f" is still a symbolic link
  mode_t Mode;         // 0: not checked; else the mode of the file "here/f" names
  const char* ThereListing;
};

TEST(SavePath, EveryFileSituationIsSavedOrRefusedWithoutLoss) {
  const Prepare nothing = [](const ScratchFolder&) {};
  const Prepare linkElsewhere = Both(File("there/g", 0640), Link("../there/g"));
  const Prepare linkReadOnly = Both(File("there/g", 0444), Link("../there/g"));
  const Prepare folderThere = [](const ScratchFolder& f) { ::mkdir(f.File("here/f").c_str(), 0755); };
  const Prepare fifoThere = [](const ScratchFolder& f) { ::mkfifo(f.File("here/f").c_str(), 0644); };
  const Prepare hardLink = [](const ScratchFolder& f) {
    WriteBytes(f.File("there/g"), "old");
    ASSERT_EQ(::link(f.File("there/g").c_str(), f.File("here/f").c_str()), 0);
  };
  const Prepare chain = [](const ScratchFolder& f) {
    File("there/g")(f);
    Link((f.Path() + "/there/g").c_str(), "there/l")(f);  // one link absolute
    Link("../there/l")(f);
  };
  const char* const denied = "Permission denied";
  // clang-format off
  const Situation situations[] = {
      {"a plain file", File("here/f"), nullptr, "new", nullptr, false, 0, ""},
      {"a missing file", nothing, nullptr, "new", nullptr, false, 0644, ""},
      {"a read-only file", File("here/f", 0444), denied, "old", nullptr, false, 0, ""},
      {"a link to a file elsewhere", linkElsewhere, nullptr, "new", "new", true, 0640, "g;"},
      {"a chain of links", chain, nullptr, "new", "new", true, 0, "g;l;"},
      {"a dangling link", Link("../there/g"), nullptr, nullptr, "new", true, 0644, "g;"},
      {"a link to a read-only file", linkReadOnly, denied, nullptr, "old", true, 0444, "g;"},
      {"a link to itself", Link("f"), "Too many levels of symbolic links", nullptr, nullptr, true, 0, ""},
      {"a hard link elsewhere", hardLink, nullptr, "new", "old", false, 0, "g;"},
      {"a folder at the path", folderThere, "Is a directory", nullptr, nullptr, false, 0, ""},
      {"a FIFO at the path", fifoThere, "it is not a regular file", nullptr, nullptr, false, 0, ""}};
  // clang-format on
  // A new file gets what the user's umask leaves of 0666, as any new file does.
  const mode_t userMask = ::umask(022);
  for (const Situation& s : situations) {
    SCOPED_TRACE(s.Name);
    ScratchFolder folder;
    ::mkdir(folder.File("here").c_str(), 0755);
    ::mkdir(folder.File("there").c_str(), 0755);
    s.SetUp(folder);
    const WriteResult result = WriteBytesAtomically(folder.File("here/f"), "new");
    EXPECT_EQ(result.Ok, s.Reason == nullptr) << result.Reason;
    if (s.Reason) EXPECT_EQ(result.Reason, s.Reason);
    if (s.Here) EXPECT_EQ(ReadBytes(folder.File("here/f")), s.Here);
    if (s.There) EXPECT_EQ(ReadBytes(folder.File("there/g")), s.There);
    struct stat info;
    ASSERT_EQ(::lstat(folder.File("here/f").c_str(), &info), 0);
    EXPECT_EQ(S_ISLNK(info.st_mode), s.LinkStays);
    if (s.Mode != 0) {
      ASSERT_EQ(::stat(folder.File("here/f").c_str(), &info), 0);
      EXPECT_EQ(info.st_mode & 07777, s.Mode);
    }
    // No temporary file is left anywhere.
    EXPECT_EQ(FolderListing(folder.File("here")), "f;");
    EXPECT_EQ(FolderListing(folder.File("there")), s.ThereListing);
  }
  ::umask(userMask);
}

// What an ordinary user's save gives: "ok" or the reason of the refusal.
std::string SaveAsOrdinaryUser(const std::string& path) {
  return testing::InChildProcess([&path] {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) return std::string("could not become an ordinary user");
    const WriteResult result = WriteBytesAtomically(path, "new");
    return result.Ok ? std::string("ok") : result.Reason;
  });
}

// Root keeps the owner, group and mode of a file it saves over; an ordinary
// user cannot save over a file they may not write, nor in a folder they may
// not write (no temporary file can be made, and none is written in place).
TEST(SavePath, OwnersAndPermissionsAreKeptAndRespected) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give files to another user";
  {
    ScratchFolder folder;
    const std::string path = folder.File("main.dat");
    WriteBytes(path, "old");
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
    ASSERT_TRUE(WriteBytesAtomically(path, "new").Ok);
    struct stat info;
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
  }
  // Root's file, which an ordinary user may write only where both modes let them.
  const struct {
    mode_t FileMode, FolderMode;
    const char *Answer, *ContentAfter;
  } cases[] = {
      {0644, 0777, "Permission denied", "old"}, {0666, 0777, "ok", "new"}, {0666, 0755, "Permission denied", "old"}};
  for (const auto& c : cases) {
    ScratchFolder scratch;
    const std::string folder = scratch.File("column");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::chmod(scratch.Path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(folder.c_str(), c.FolderMode), 0);
    const std::string path = folder + "/main.dat";
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), c.FileMode), 0);
    EXPECT_EQ(SaveAsOrdinaryUser(path), c.Answer) << c.FileMode << " " << c.FolderMode;
    EXPECT_EQ(ReadBytes(path), c.ContentAfter);
    EXPECT_EQ(FolderListing(folder), "main.dat;");
  }
}

TEST(SplitLines, AcceptsEveryLineEnd) {
  using Lines = std::vector<std::string>;
  for (const auto& [text, lines] : {std::pair<const char*, Lines>{"a\r\nb\r\n", {"a", "b"}},
                                    {"a\rb\r", {"a", "b"}},
                                    {"a\nb", {"a", "b"}},
                                    {"a\n\r\nb", {"a", "", "b"}},
                                    {"", {}},
                                    {"\r\n", {""}}})
    EXPECT_EQ(SplitLines(text), lines) << text;
}

TEST(WriteLinesAtomically, WritesCrLfOrFailsWithAReasonKeepingTheOldFile) {
  ScratchFolder folder;
  const std::string path = folder.File("main.dat");
  WriteBytes(path, "old content that is longer than the new one\r\n");
  ASSERT_TRUE(WriteLinesAtomically(path, {"first", "", "third"}).Ok);
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
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.Reason, "File too large");
  EXPECT_EQ(ReadBytes(path), "first\r\n\r\nthird\r\n");
  EXPECT_EQ(FolderListing(folder.Path()), "main.dat;");  // no temporary file left behind
  EXPECT_EQ(WriteLinesAtomically(folder.File("missing/file.txt"), {"x"}).Reason, "No such file or directory");

  // The longest name a file can have: the temporary file beside it needs a
  // name of its own.
  const std::string longest(255, 'r');
  ASSERT_TRUE(WriteLinesAtomically(folder.File(longest), {"x"}).Ok);
  EXPECT_EQ(ReadBytes(folder.File(longest)), "x\r\n");
}

TEST(ReadWholeFile, TellsMissingFromUnreadableAndRefusesWhatExceedsTheFreeMemory) {
  ScratchFolder folder;
  EXPECT_EQ(ReadWholeFile(folder.File("none")).Status, ReadStatus::Missing);
  const TextFileContent aFolder = ReadWholeFile(folder.Path());
  EXPECT_EQ(aFolder.Status, ReadStatus::Failed);
  EXPECT_EQ(aFolder.Reason, "it is a folder");
  ASSERT_EQ(::mkfifo(folder.File("p").c_str(), 0644), 0);
  EXPECT_EQ(ReadWholeFile(folder.File("p")).Reason, "it is a FIFO");  // refused, not waited on
  WriteBytes(folder.File("f"), "a\rb");
  EXPECT_EQ(ReadWholeFile(folder.File("f"), 1.0).Bytes, "a\rb");
  const double available = static_cast<double>(AvailableMemoryBytes());
  ASSERT_GT(available, 0);
  EXPECT_EQ(ReadWholeFile(folder.File("f"), available).Status, ReadStatus::Failed);
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
  AtomicFileWriter writer(path);
  const std::string large(3 << 20, 'x');  // beyond the buffer in one piece, between buffered ones
  for (const std::string& piece : {std::string("first\r\n"), large, std::string("last\r\n")})
    ASSERT_TRUE(writer.Append(piece));
  EXPECT_EQ(ReadBytes(path), "old report\r\n");
  ASSERT_TRUE(writer.Commit().Ok);
  EXPECT_FALSE(writer.Commit().Ok);
  EXPECT_EQ(ReadBytes(path), "first\r\n" + large + "last\r\n");
  EXPECT_EQ(FolderListing(folder.Path()), "Elastic.txt;");
}

}  // namespace
}  // namespace kolvane

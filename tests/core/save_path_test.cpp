// Every save goes through one temporary-file-and-rename routine; these are the
// situations a file can be in when it is saved, and what the save must keep.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <functional>

#include "core/common/text_file.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::FolderListing;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

bool IsLink(const std::string& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool Exists(const std::string& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0;
}

struct ExpectedFile {
  const char* path;     // in the scratch folder
  const char* content;  // nullptr: the entry is not a regular file with content (a folder, a FIFO)
};

struct SaveSituation {
  const char* name;
  std::function<void(const ScratchFolder&)> setUp;  // "here" and "there" exist, the save writes "here/f"
  const char* reason;                               // nullptr: the save succeeds
  std::vector<ExpectedFile> after;
  bool linkStays = false;  // "here/f" is still a symbolic link
  mode_t mode = 0;         // 0: not checked; else the mode of the file "here/f" names
  const char* hereListing = "f;";
  const char* thereListing = "";
};

void Write(const ScratchFolder& folder, const char* name, mode_t mode = 0644) {
  WriteBytes(folder.File(name), "old");
  ::chmod(folder.File(name).c_str(), mode);
}

void Link(const ScratchFolder& folder, const char* target, const char* name) {
  ASSERT_EQ(::symlink(target, folder.File(name).c_str()), 0) << name;
}

TEST(SavePath, EveryFileSituationIsSavedOrRefusedWithoutLoss) {
  const SaveSituation situations[] = {
      {"a plain file", [](auto& f) { Write(f, "here/f"); }, nullptr, {{"here/f", "new"}}},
      {"a missing file", [](auto&) {}, nullptr, {{"here/f", "new"}}},
      {"a read-only file", [](auto& f) { Write(f, "here/f", 0444); }, "Permission denied", {{"here/f", "old"}}},
      {"a file without any permission",
       [](auto& f) { Write(f, "here/f", 0); },
       "Permission denied",
       {{"here/f", "old"}}},
      {"mode 0640 kept", [](auto& f) { Write(f, "here/f", 0640); }, nullptr, {{"here/f", "new"}}, false, 0640},
      {"mode 0600 kept", [](auto& f) { Write(f, "here/f", 0600); }, nullptr, {{"here/f", "new"}}, false, 0600},
      {"a link to a file in another folder",
       [](auto& f) {
         Write(f, "there/g", 0640);
         Link(f, "../there/g", "here/f");
       },
       nullptr,
       {{"there/g", "new"}},
       true,
       0640,
       "f;",
       "g;"},
      {"a chain of links, one absolute",
       [](auto& f) {
         Write(f, "there/g");
         Link(f, (f.Path() + "/there/g").c_str(), "there/l");
         Link(f, "../there/l", "here/f");
       },
       nullptr,
       {{"there/g", "new"}},
       true,
       0,
       "f;",
       "g;l;"},
      {"a dangling link",
       [](auto& f) { Link(f, "../there/g", "here/f"); },
       nullptr,
       {{"there/g", "new"}},
       true,
       0,
       "f;",
       "g;"},
      {"a link to a read-only file",
       [](auto& f) {
         Write(f, "there/g", 0444);
         Link(f, "../there/g", "here/f");
       },
       "Permission denied",
       {{"there/g", "old"}},
       true,
       0444,
       "f;",
       "g;"},
      {"a link to itself", [](auto& f) { Link(f, "f", "here/f"); }, "Too many levels of symbolic links", {}, true},
      {"a hard link elsewhere",
       [](auto& f) {
         Write(f, "there/g");
         ASSERT_EQ(::link(f.File("there/g").c_str(), f.File("here/f").c_str()), 0);
       },
       nullptr,
       {{"here/f", "new"}, {"there/g", "old"}},
       false,
       0,
       "f;",
       "g;"},
      {"a folder at the path",
       [](auto& f) { ::mkdir(f.File("here/f").c_str(), 0755); },
       "Is a directory",
       {{"here/f", nullptr}}},
      {"a FIFO at the path",
       [](auto& f) { ::mkfifo(f.File("here/f").c_str(), 0644); },
       "it is not a regular file",
       {{"here/f", nullptr}}},
  };
  for (const SaveSituation& s : situations) {
    ScratchFolder folder;
    ::mkdir(folder.File("here").c_str(), 0755);
    ::mkdir(folder.File("there").c_str(), 0755);
    s.setUp(folder);
    const WriteResult result = WriteBytesAtomically(folder.File("here/f"), "new");
    if (s.reason == nullptr) {
      EXPECT_TRUE(result.ok) << s.name << ": " << result.reason;
    } else {
      EXPECT_FALSE(result.ok) << s.name;
      EXPECT_EQ(result.reason, s.reason) << s.name;
    }
    for (const ExpectedFile& file : s.after) {
      if (file.content) {
        EXPECT_EQ(ReadBytes(folder.File(file.path)), file.content) << s.name << ": " << file.path;
      } else {
        EXPECT_TRUE(Exists(folder.File(file.path))) << s.name << ": " << file.path;
      }
    }
    EXPECT_EQ(IsLink(folder.File("here/f")), s.linkStays) << s.name;
    if (s.mode != 0) {
      struct stat info;
      ASSERT_EQ(::stat(folder.File("here/f").c_str(), &info), 0) << s.name;
      EXPECT_EQ(info.st_mode & 07777, s.mode) << s.name;
    }
    // No temporary file is left anywhere.
    EXPECT_EQ(FolderListing(folder.File("here")), s.hereListing) << s.name;
    EXPECT_EQ(FolderListing(folder.File("there")), s.thereListing) << s.name;
  }
}

TEST(SavePath, RootKeepsTheOwnerAndGroup) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another owner";
  ScratchFolder folder;
  const std::string path = folder.File("main.dat");
  WriteBytes(path, "old");
  ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
  ASSERT_TRUE(WriteBytesAtomically(path, "new").ok);
  struct stat info;
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, 65534u);
  EXPECT_EQ(info.st_gid, 65534u);
  EXPECT_EQ(info.st_mode & 07777, 0664u);
  EXPECT_EQ(ReadBytes(path), "new");
}

// What an ordinary user's save gives, run in a child process that has given
// up root: "ok" or the reason of the refusal.
std::string SaveAsOrdinaryUser(const std::string& path) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeEnds[0]);
    std::string answer = "could not become an ordinary user";
    if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
      const WriteResult result = WriteBytesAtomically(path, "new");
      answer = result.ok ? "ok" : result.reason;
    }
    (void)!::write(pipeEnds[1], answer.data(), answer.size());
    ::_exit(0);
  }
  ::close(pipeEnds[1]);
  std::string answer;
  char buffer[256];
  ssize_t got;
  while ((got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) answer.append(buffer, static_cast<std::size_t>(got));
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return answer;
}

TEST(SavePath, AnOrdinaryUserCannotSaveOverAFileTheyMayNotWrite) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to drop to an ordinary user";
  struct Case {
    const char* name;
    uid_t owner;
    mode_t fileMode;
    mode_t folderMode;
    const char* answer;
    const char* contentAfter;
  } cases[] = {
      {"their own file", 65534, 0644, 0777, "ok", "new"},
      {"their own read-only file", 65534, 0444, 0777, "Permission denied", "old"},
      {"another user's file they may read", 0, 0644, 0777, "Permission denied", "old"},
      {"another user's file open to all", 0, 0666, 0777, "ok", "new"},
      // Writable, but the folder is not: no temporary file can be made, so
      // the save is refused rather than written in place.
      {"a writable file in a folder they may not write", 0, 0666, 0755, "Permission denied", "old"},
  };
  for (const Case& c : cases) {
    ScratchFolder scratch;
    const std::string folder = scratch.File("column");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::chmod(scratch.Path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(folder.c_str(), c.folderMode), 0);
    const std::string path = folder + "/main.dat";
    WriteBytes(path, "old");
    ASSERT_EQ(::chown(path.c_str(), c.owner, c.owner), 0);
    ASSERT_EQ(::chmod(path.c_str(), c.fileMode), 0);
    EXPECT_EQ(SaveAsOrdinaryUser(path), c.answer) << c.name;
    EXPECT_EQ(ReadBytes(path), c.contentAfter) << c.name;
    EXPECT_EQ(FolderListing(folder), "main.dat;") << c.name;
  }
}

}  // namespace
}  // namespace kolvane

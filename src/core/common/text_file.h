#pragma once
// Text files as the program's formats use them: written line by line with
// CR LF, read with any line end (CR LF, LF or CR), so that a file saved by any
// editor reads the same as one the program wrote.

#include <string>
#include <string_view>
#include <vector>

namespace kolvane {

enum class ReadStatus { Ok, Missing, Failed };

struct TextFileContent {
  ReadStatus Status = ReadStatus::Failed;
  std::string Bytes;   // the whole file, when status is Ok
  std::string Reason;  // why it could not be read, for the user, when status is Failed
};

// Reads the whole file. memoryPerByte is what the caller will need in all for
// every byte of the file (the bytes themselves included); a file whose needs
// exceed the memory the machine has free is refused (Failed) before anything
// is allocated.
TextFileContent ReadWholeFile(const std::string& path, double memoryPerByte = 1.0);

// Calls onLine for every line of text, split at CR LF, LF or CR. A line end at
// the very end of the text does not start another (empty) line.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      onLine(text.substr(start, i - start));
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) onLine(text.substr(start));
}

std::vector<std::string> SplitLines(std::string_view text);

// Where the original bytes of a file the program could not read completely,
// or had to repair, are kept before it is replaced: "June.dg1" ->
// "June.dg1.bak". No diagram or data file ends so, so a backup is never listed
// or read as one.
inline std::string BackupPathOf(const std::string& path) { return path + ".bak"; }

// Why a file that is not a regular file cannot be read or written, for the
// user: "it is a folder", "it is a FIFO", "it is not a regular file".
std::string NotARegularFileReason(unsigned mode);

// The file a write to `path` lands in: symbolic links are followed, link by
// link, so that a link stays and the file it points to is replaced (or
// created, for a link to nothing). Returns 0 or the errno of the failure.
int ResolveWriteTarget(const std::string& path, std::string& target);

struct WriteResult {
  bool Ok = false;
  std::string Reason;  // what went wrong, for the user, when !ok
};

// Every write of the program goes through AtomicFileWriter: the text goes to a
// temporary file in the folder of the file it replaces, which is flushed to
// disk and then renamed over it, so a failed write never leaves a damaged or
// empty file where a good one was. What the user set up around the file is
// kept:
// - a file the user may not write (for root: one without any write bit) is
//   refused with "Permission denied", as a direct write would be;
// - a symbolic link stays a link: the file it points to is replaced, in that
//   file's folder (a link to nothing creates the file it names);
// - the permissions are kept, and owner and group where the process may set
//   them (as root);
// - a folder or other file that is not a regular file at the path is refused;
// - a file with several hard links is replaced at this name only: the other
//   names keep the old content. Writing in place would keep the links but a
//   failure part-way would then damage every name at once.

// Writes every line followed by CR LF, as above.
WriteResult WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines);

// The same for content already laid out as bytes.
WriteResult WriteBytesAtomically(const std::string& path, std::string_view bytes);

// The same for content produced piece by piece, such as a report of millions of
// lines that is never held whole in memory. Nothing replaces `path` until
// Commit succeeds; a writer dropped without Commit removes its temporary file.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::string path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False once anything has failed; the reason then comes from Commit.
  bool Append(std::string_view bytes);
  WriteResult Commit();

 private:
  bool Flush();

  std::string path_;
  std::string target_;   // path_ with its symbolic links followed
  std::string refusal_;  // why the target may not be written, when it may not
  std::string temporary_;
  int fd_ = -1;
  int error_ = 0;
  std::string buffer_;
};

}  // namespace kolvane

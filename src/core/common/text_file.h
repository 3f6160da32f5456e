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
  ReadStatus status = ReadStatus::Failed;
  std::string bytes;   // the whole file, when status is Ok
  std::string reason;  // why it could not be read, for the user, when status is Failed
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

struct WriteResult {
  bool ok = false;
  std::string reason;  // what went wrong, for the user, when !ok
};

// Writes every line followed by CR LF. The text goes to a temporary file in the
// same folder, which is flushed to disk and then renamed over `path`, so a
// failed write never leaves a damaged or empty file where a good one was.
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
  std::string temporary_;
  int fd_ = -1;
  int error_ = 0;
  std::string buffer_;
};

}  // namespace kolvane

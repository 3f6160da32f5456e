#include "core/common/text_file.h"

#include "core/common/memory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kolvane {
namespace {

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Creates a new, unique temporary file beside `path`. Its name is short and
// its own, not derived from the file's: a file name may take all 255 bytes a
// name can have. Created with 0666 so the kernel applies the user's umask, as
// for any new file; a file that replaces another takes over its permissions.
int CreateTemporaryBeside(const std::string& path, std::string& temporary) {
  static std::atomic<unsigned> counter{0};
  const std::string stem = FolderOf(path) + "/.kolvane-" + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = stem + std::to_string(counter++) + ".tmp";
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool IsRoot() { return ::geteuid() == 0; }

// A file the user may not write is refused as a direct write would refuse it:
// the rename must not step around its protection. Root may write anything, so
// for root a file without any write bit counts as protected.
std::string RefusalOf(const std::string& target, const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return std::strerror(EISDIR);
  if (!S_ISREG(info.st_mode)) return "it is not a regular file";
  if (IsRoot()) return (info.st_mode & 0222) == 0 ? std::strerror(EACCES) : std::string();
  return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0 ? std::string() : std::strerror(errno);
}

// The new file takes over what the user set up on the old one: its
// permissions and, where the process may change them, its owner and group.
// The owner goes first: changing it clears the set-user-ID bits.
int KeepOwnerAndPermissions(const struct stat& existing, int fd) {
  struct stat fresh;
  if (::fstat(fd, &fresh) != 0) return errno;
  if ((fresh.st_uid != existing.st_uid || fresh.st_gid != existing.st_gid) &&
      ::fchown(fd, existing.st_uid, existing.st_gid) != 0 && IsRoot())
    return errno;
  return ::fchmod(fd, existing.st_mode & 07777) == 0 ? 0 : errno;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

WriteResult Failure(int error) { return {false, std::strerror(error)}; }

}  // namespace

int ResolveWriteTarget(const std::string& path, std::string& target) {
  target = path;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat info;
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return 0;
    std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4095) + 1, '\0');
    const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
    if (length < 0) return errno;
    if (static_cast<std::size_t>(length) >= link.size()) return ENAMETOOLONG;  // grew meanwhile
    link.resize(static_cast<std::size_t>(length));
    target = (!link.empty() && link[0] == '/') ? link : FolderOf(target) + "/" + link;
  }
  return ELOOP;
}

std::string NotARegularFileReason(unsigned mode) {
  if (S_ISDIR(mode)) return "it is a folder";
  if (S_ISFIFO(mode)) return "it is a FIFO";
  return "it is not a regular file";
}

TextFileContent ReadWholeFile(const std::string& path, double memoryPerByte) {
  TextFileContent content;
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) {
    content.Status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
    content.Reason = std::strerror(errno);
    return content;
  }
  if (!S_ISREG(info.st_mode)) {  // a folder, FIFO or device is not a text file
    content.Reason = NotARegularFileReason(info.st_mode);
    return content;
  }
  const unsigned long long available = AvailableMemoryBytes();
  if (available != 0 && static_cast<double>(info.st_size) * memoryPerByte > static_cast<double>(available)) {
    content.Reason = "not enough memory";
    return content;
  }

  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    content.Reason = std::strerror(errno);
    return content;
  }
  try {
    content.Bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.Bytes.append(buffer, got);
    content.Status = std::ferror(file) ? ReadStatus::Failed : ReadStatus::Ok;
    if (content.Status == ReadStatus::Failed) content.Reason = std::strerror(errno);
  } catch (const std::bad_alloc&) {
    content.Status = ReadStatus::Failed;
    content.Reason = "not enough memory";
  }
  std::fclose(file);
  if (content.Status != ReadStatus::Ok) content.Bytes.clear();
  return content;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path)) {
  if ((error_ = ResolveWriteTarget(path_, target_)) != 0) return;
  struct stat existing;
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) {
    error_ = errno;
    return;
  }
  if (exists && !(refusal_ = RefusalOf(target_, existing)).empty()) {
    error_ = EACCES;
    return;
  }
  fd_ = CreateTemporaryBeside(target_, temporary_);
  if (fd_ < 0)
    error_ = errno;
  else if (exists)
    error_ = KeepOwnerAndPermissions(existing, fd_);
}

AtomicFileWriter::~AtomicFileWriter() {
  if (fd_ >= 0) {
    ::close(fd_);
    ::unlink(temporary_.c_str());
  }
}

bool AtomicFileWriter::Append(std::string_view bytes) {
  if (error_ != 0) return false;
  constexpr std::size_t kBufferBytes = 1 << 20;  // few system calls, little memory
  if (buffer_.size() + bytes.size() > kBufferBytes && !Flush()) return false;
  if (bytes.size() > kBufferBytes) {
    if (!WriteAll(fd_, bytes)) error_ = errno;
    return error_ == 0;
  }
  buffer_.append(bytes);
  return true;
}

bool AtomicFileWriter::Flush() {
  if (error_ == 0 && !WriteAll(fd_, buffer_)) error_ = errno;
  buffer_.clear();
  return error_ == 0;
}

WriteResult AtomicFileWriter::Commit() {
  if (!refusal_.empty()) return {false, refusal_};
  if (fd_ < 0) return error_ != 0 ? Failure(error_) : WriteResult{false, "the file was already written"};
  Flush();
  if (error_ == 0 && ::fsync(fd_) != 0) error_ = errno;
  if (::close(fd_) != 0 && error_ == 0) error_ = errno;
  fd_ = -1;
  if (error_ == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) error_ = errno;
  if (error_ != 0) {
    ::unlink(temporary_.c_str());
    return Failure(error_);
  }
  return {true, {}};
}

WriteResult WriteBytesAtomically(const std::string& path, std::string_view bytes) {
  AtomicFileWriter writer(path);
  writer.Append(bytes);
  return writer.Commit();
}

WriteResult WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  try {
    bytes.reserve(size);
  } catch (const std::bad_alloc&) {
    return {false, "not enough memory"};
  }
  for (const auto& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return WriteBytesAtomically(path, bytes);
}

}  // namespace kolvane

#include "core/common/report_file.h"

#include <filesystem>
#include <system_error>

#include "core/common/latin1.h"

namespace kolvane {

void ReportFileWriter::AppendLine(std::string_view line) {
  bytes_.clear();
  AppendLatin1FromUtf8(bytes_, line);
  bytes_.append("\r\n");
  writer_.Append(bytes_);
}

namespace {

// The path from the root, however the working folder was named.
std::string FullPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  return error ? path : full.lexically_normal().string();
}

}  // namespace

std::string ReportSavedMessage(const std::string& fileName, const std::string& path) {
  return fileName + " was saved successfully.\r\n" + FullPath(path);
}

std::string ReportNotSavedMessage(const std::string& fileName, const std::string& path, const std::string& reason) {
  return fileName + " could not be saved: " + reason + "\r\n" + FullPath(path);
}

}  // namespace kolvane

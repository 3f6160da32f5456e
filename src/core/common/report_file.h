#pragma once
// Reports are kept as single-byte Latin-1 text with CR LF line ends ("m²" is
// one byte), written through a temporary file so that an old report is only
// replaced by a complete new one.

#include <string>
#include <string_view>

#include "core/common/text_file.h"

namespace kolvane {

class ReportFileWriter {
 public:
  explicit ReportFileWriter(std::string path) : writer_(std::move(path)) {}

  // The line (UTF-8) in Latin-1, characters outside it as "?", then CR LF.
  void AppendLine(std::string_view line);
  WriteResult Commit() { return writer_.Commit(); }

 private:
  AtomicFileWriter writer_;
  std::string bytes_;
};

// What Save Report tells the user: "<file> was saved successfully." and, on a
// line of its own, the full path written, so the file can be found; or why it
// could not be saved, with the path it was meant for.
std::string ReportSavedMessage(const std::string& fileName, const std::string& path);
std::string ReportNotSavedMessage(const std::string& fileName, const std::string& path, const std::string& reason);

}  // namespace kolvane

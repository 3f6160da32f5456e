#include "core/common/report_file.h"

#include "core/common/latin1.h"

namespace kolvane {

void ReportFileWriter::AppendLine(std::string_view line) {
  bytes_.clear();
  AppendLatin1FromUtf8(bytes_, line);
  bytes_.append("\r\n");
  writer_.Append(bytes_);
}

}  // namespace kolvane

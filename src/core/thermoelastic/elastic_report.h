#pragma once
// The lines of a thermo-elastic run, as the results list shows them and
// "Elastic.txt" holds them. A fine grid gives millions of lines, so they are
// not stored: each is made from the engine state when it is asked for.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/text_file.h"
#include "core/engine/section_grid.h"

namespace kolvane {

inline constexpr const char* kElasticReportFileName = "Elastic.txt";

class ElasticReport {
 public:
  ElasticReport() = default;  // no run yet: no lines
  // The lines of the run that left `grid` as it is. The report reads the grid
  // when lines are asked for, so it belongs to that run: the next run on the
  // grid makes a new report.
  explicit ElasticReport(const SectionGrid& grid);

  std::int64_t LineCount() const { return lineCount_; }
  // Line `index` (0 to LineCount - 1), UTF-8.
  std::string Line(std::int64_t index) const;
  // Every line in order, each handed over once; cheaper than Line in a loop.
  void ForEachLine(const std::function<void(std::string_view)>& onLine) const;

 private:
  // A run of lines of one shape, such as one line per block.
  struct Section {
    std::int64_t Count;
    std::function<void(std::int64_t index, std::string& line)> Write;
  };
  void AddFixed(std::string line);
  void AddRepeated(std::int64_t count, std::function<void(std::int64_t, std::string&)> write);

  std::vector<Section> sections_;
  std::vector<std::int64_t> firstLine_;  // of every section
  std::int64_t lineCount_ = 0;
};

// Writes every line, Latin-1, each followed by CR LF, replacing the file.
WriteResult SaveElasticReport(const ElasticReport& report, const std::string& path);

}  // namespace kolvane

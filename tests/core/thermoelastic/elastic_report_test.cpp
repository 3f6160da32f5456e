#include "core/thermoelastic/elastic_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/support/engine_test_support.h"
#include "core/thermoelastic/thermo_elastic_run.h"

namespace kolvane {
namespace {

using testing::ColumnTexts;
using testing::GridWithDiagrams;

TEST(ElasticReport, WarningsFollowTheirHeadingAndLinesMatchInEveryAccess) {
  SectionGrid grid = GridWithDiagrams();
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, ColumnTexts("2", "5", "3"), "10", 0).End, RunEnd::Completed);
  grid.EquationErrors = {"Caution! FE, Slice : 1 , LHS =1 , RHS =2", "Caution! Y-ME, Slice : 3 , LHS =0 , RHS =1"};
  const ElasticReport report(grid);
  std::vector<std::string> lines;
  report.ForEachLine([&](std::string_view line) { lines.emplace_back(line); });
  ASSERT_EQ(static_cast<std::int64_t>(lines.size()), report.LineCount());
  for (std::int64_t n = 0; n <= report.LineCount(); ++n)
    EXPECT_EQ(report.Line(n), n < report.LineCount() ? lines[n] : "");
  const auto heading = std::find(lines.begin(), lines.end(), ">> Verifying Equation Accuracy...");
  ASSERT_LT(heading + 4, lines.end());
  EXPECT_EQ(std::vector<std::string>(heading + 1, heading + 5),
            (std::vector<std::string>{">> Equation accuracy errors detected :", grid.EquationErrors[0],
                                      grid.EquationErrors[1], ">> Calculating Deflections..."}));
}

}  // namespace
}  // namespace kolvane

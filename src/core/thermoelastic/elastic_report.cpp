#include "core/thermoelastic/elastic_report.h"

#include <algorithm>

#include "core/common/number_text.h"
#include "core/common/report_file.h"
#include "core/engine/column_data.h"

namespace kolvane {

namespace {

// N(x): the trimmed number text; S(n): a whole number with its sign position.
std::string N(double value) { return NumberText(value); }
std::string S(std::int32_t value) { return NumberText(value, false); }

// Ring i outer, sector j inner, as the blocks are listed.
struct RingSector {
  std::int32_t I;
  std::int32_t J;
};
RingSector BlockOfLine(const SectionGrid& grid, std::int64_t index) {
  return {static_cast<std::int32_t>(index / grid.J) + 1, static_cast<std::int32_t>(index % grid.J) + 1};
}

void AppendBlockLabel(std::string& line, const RingSector& at) {
  line.append("Block (").append(S(at.I)).append(",").append(S(at.J)).append(" ) , ");
}

}  // namespace

void ElasticReport::AddFixed(std::string line) {
  AddRepeated(1, [text = std::move(line)](std::int64_t, std::string& out) { out.append(text); });
}

void ElasticReport::AddRepeated(std::int64_t count, std::function<void(std::int64_t, std::string&)> write) {
  if (count <= 0) return;
  firstLine_.push_back(lineCount_);
  sections_.push_back({count, std::move(write)});
  lineCount_ += count;
}

ElasticReport::ElasticReport(const SectionGrid& grid) {
  const SectionGrid& g = grid;
  const std::int64_t blocks = static_cast<std::int64_t>(g.I) * g.J;

  AddFixed(">> Main Data...");
  AddFixed("Time :" + N(g.Hour) + " hours.");
  for (std::string& line : ColumnDataLines(g)) AddFixed(std::move(line));

  AddFixed(">> Calculating Geometry...");
  AddRepeated(g.I, [&g](std::int64_t n, std::string& line) {
    line.append("Ring").append(S(static_cast<std::int32_t>(n + 1))).append(" , Block Area :");
    line.append(N(g.BlockArea[n])).append(" m².");
  });
  AddRepeated(g.J, [&g](std::int64_t n, std::string& line) {
    line.append("Sector").append(S(static_cast<std::int32_t>(n + 1))).append(" , Angle :");
    line.append(N(DegreesFromRadians(g.SectorAngle[n]))).append(" degrees.");
  });
  AddRepeated(blocks, [&g](std::int64_t n, std::string& line) {
    const RingSector at = BlockOfLine(g, n);
    const BlockPoint& point = g.Centroid[g.Block(at.I, at.J)];
    AppendBlockLabel(line, at);
    line.append("X :").append(N(point.X)).append(" m , Y :").append(N(point.Y)).append(" m.");
  });

  AddFixed(">> Preliminary Calculations...");
  AddFixed("Concrete Area :" + N(g.ConcreteArea) + " m².");
  AddFixed("Second Moment of Area (exact value) :" + N(g.IExact) + " m^4.");
  AddFixed("Second Moment of Area (approx. value) :" + N(g.IxApprox) + " m^4.");

  AddFixed(">> Calculating Temperatures...");
  AddFixed("Sun Position :" + N(g.SunPosition) + " degrees.");
  AddFixed("Ambient Temperature :" + N(g.AmbientTemp) + " degrees.");
  AddFixed("Surface Temperature :" + N(g.SurfaceTemp) + " degrees.");
  AddRepeated(g.J, [&g](std::int64_t n, std::string& line) {
    line.append("Sector").append(S(static_cast<std::int32_t>(n + 1))).append(" , External Variation :");
    line.append(N(g.ExtVariation[n])).append(" %.");
  });
  AddRepeated(g.J, [&g](std::int64_t n, std::string& line) {
    line.append("Sector").append(S(static_cast<std::int32_t>(n + 1))).append(" , Internal Variation :");
    line.append(N(g.IntVariation[n])).append(" %.");
  });
  AddRepeated(blocks, [&g](std::int64_t n, std::string& line) {
    const RingSector at = BlockOfLine(g, n);
    AppendBlockLabel(line, at);
    line.append("Temperature :").append(N(g.BlockTemp[g.Block(at.I, at.J)])).append(" degrees.");
  });

  AddFixed(">> Calculating Free Thermal Strains...");
  AddRepeated(blocks, [&g](std::int64_t n, std::string& line) {
    const RingSector at = BlockOfLine(g, n);
    AppendBlockLabel(line, at);
    line.append("Initial Free Strains :").append(N(g.FreeStrain[g.Block(at.I, at.J)]));
  });

  AddFixed(">> Calculating Curvatures...");
  auto sliceLines = [this, &g](const char* name, std::function<double(std::int64_t)> value) {
    AddRepeated(g.K, [name, value = std::move(value)](std::int64_t n, std::string& line) {
      line.append("Slice (").append(S(static_cast<std::int32_t>(n + 1))).append(" ) , ").append(name);
      line.append(" :").append(N(value(n)));
    });
  };
  sliceLines("Eo", [&g](std::int64_t n) { return g.Eo[n]; });
  sliceLines("Kx", [&g](std::int64_t n) { return g.Kx[n + 1]; });
  sliceLines("Ky", [&g](std::int64_t n) { return g.Ky[n + 1]; });

  AddFixed(">> Verifying Equation Accuracy...");
  if (!g.EquationErrors.empty()) {
    AddFixed(">> Equation accuracy errors detected :");
    AddRepeated(static_cast<std::int64_t>(g.EquationErrors.size()),
                [&g](std::int64_t n, std::string& line) { line.append(g.EquationErrors[n]); });
  }

  AddFixed(">> Calculating Deflections...");
  AddFixed("X - Deflection :" + N(g.TipX) + " m.");
  AddFixed("Y - Deflection :" + N(g.TipY) + " m.");
  AddFixed("Z - Deflection :" + N(g.TipZ) + " m.");
}

std::string ElasticReport::Line(std::int64_t index) const {
  std::string line;
  if (index < 0 || index >= lineCount_) return line;
  const auto after = std::upper_bound(firstLine_.begin(), firstLine_.end(), index);
  const auto section = static_cast<std::size_t>(after - firstLine_.begin()) - 1;
  sections_[section].Write(index - firstLine_[section], line);
  return line;
}

void ElasticReport::ForEachLine(const std::function<void(std::string_view)>& onLine) const {
  std::string line;
  for (const Section& section : sections_)
    for (std::int64_t n = 0; n < section.Count; ++n) {
      line.clear();
      section.Write(n, line);
      onLine(line);
    }
}

WriteResult SaveElasticReport(const ElasticReport& report, const std::string& path) {
  ReportFileWriter writer(path);
  report.ForEachLine([&](std::string_view line) { writer.AppendLine(line); });
  return writer.Commit();
}

}  // namespace kolvane

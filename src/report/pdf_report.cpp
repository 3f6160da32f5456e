#include "report/pdf_report.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <functional>
#include <set>
#include <tuple>

#include "core/common/number_text.h"
#include "core/common/program_info.h"
#include "core/creep/creep_report.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/plots/diagram_plot.h"
#include "core/plots/orbit_plot.h"
#include "core/plots/profile_plot.h"
#include "core/plots/section_plot.h"
#include "core/plots/tip_history_plot.h"
#include "core/thermoelastic/elastic_report.h"
#include "report/painter_canvas.h"

namespace kolvane::report {
namespace {

// Page geometry in points (1/72 inch): A4 with 50 pt margins.
constexpr double kPageWidth = 595.28, kPageHeight = 841.89;
constexpr double kLeft = 50, kRight = kPageWidth - 50, kTop = 62, kBottom = kPageHeight - 56;
constexpr double kWidth = kRight - kLeft;
// The device draws at ten dots per point; the painter is scaled to points.
constexpr int kDotsPerPoint = 10;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QFont Font(int points, bool bold = false, bool mono = false) {
  QFont font(mono ? "Courier New" : "Liberation Sans");
  font.setStyleHint(mono ? QFont::TypeWriter : QFont::SansSerif);
  font.setPixelSize(points);  // the painter's unit is the point
  font.setBold(bold);
  return font;
}

// Lays out the report page by page onto a painter; knowing the page count
// beforehand (from a first pass), it numbers the pages "N of M".
class Pages {
 public:
  Pages(QPdfWriter& writer, QPainter& painter, const QString& header, const QString& stamp, int total)
      : writer_(writer), painter_(painter), header_(header), stamp_(stamp), total_(total) {
    painter_.scale(kDotsPerPoint, kDotsPerPoint);
    Decorate();
  }

  int Count() const { return page_; }

  void Title(const QString& text) { Text(text, Font(18, true), 10); }
  void Heading(const QString& text) {
    Ensure(60);  // a heading never ends a page
    y_ += 8;
    Text(text, Font(12, true), 4);
  }
  void Subheading(const QString& text) {
    Ensure(50);
    y_ += 4;
    Text(text, Font(10, true), 3);
  }
  void Paragraph(const QString& text, double after = 3) { Text(text, Font(9), after); }
  void Mono(const QString& text) { Text(text, Font(8, false, true), 1); }
  void Space(double points) { y_ += points; }

  // Rows of cells; `widths` are the columns' shares of the line. The first
  // row is the head when `head`.
  void Table(const std::vector<std::vector<QString>>& rows, const std::vector<double>& widths, bool head,
             bool mono = false) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const QFont font = r == 0 && head ? Font(9, true) : Font(mono ? 8 : 9, false, mono);
      const QFontMetricsF metrics(font);
      double height = 0;
      std::vector<QStringList> cells;
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        cells.push_back(Wrapped(rows[r][c], metrics, widths[c] * kWidth - 6));
        height = std::max(height, static_cast<double>(cells.back().size()) * metrics.height());
      }
      Ensure(height + 2);
      double x = kLeft;
      painter_.setFont(font);
      for (std::size_t c = 0; c < cells.size(); ++c) {
        double y = y_;
        for (const QString& line : cells[c]) {
          painter_.drawText(QPointF(x, y + metrics.ascent()), line);
          y += metrics.height();
        }
        x += widths[c] * kWidth;
      }
      y_ += height + 2;
      if (r == 0 && head) painter_.drawLine(QPointF(kLeft, y_ - 1), QPointF(kRight, y_ - 1));
    }
    y_ += 4;
  }

  // A plot of width x height pixels drawn `shown` points wide.
  void Plot(int width, int height, double shown, const std::function<void(Canvas&)>& draw) {
    PlotRow(width, height, shown, {draw});
  }

  // Plots of one size side by side, each `shown` points wide.
  void PlotRow(int width, int height, double shown, const std::vector<std::function<void(Canvas&)>>& draws) {
    const double tall = shown * height / width;
    Ensure(tall + 6);
    double x = kLeft;
    for (const auto& draw : draws) {
      {
        PainterCanvas canvas(painter_, QRectF(x, y_, shown, tall), width, height);
        draw(canvas);
      }
      painter_.setPen(Qt::lightGray);
      painter_.setBrush(Qt::NoBrush);
      painter_.drawRect(QRectF(x, y_, shown, tall));
      x += shown + 10;
    }
    painter_.setPen(Qt::black);
    y_ += tall + 6;
  }

 private:
  void Text(const QString& text, const QFont& font, double after) {
    const QFontMetricsF metrics(font);
    painter_.setFont(font);
    for (const QString& line : Wrapped(text, metrics, kWidth)) {
      Ensure(metrics.height());
      painter_.drawText(QPointF(kLeft, y_ + metrics.ascent()), line);
      y_ += metrics.height();
    }
    y_ += after;
  }

  // Lines of at most `width`: broken at blanks, and a word longer than a line
  // (a digest, a path) where it must.
  static QStringList Wrapped(const QString& text, const QFontMetricsF& metrics, double width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(' ')) {
      const QString candidate = line.isEmpty() ? word : line + ' ' + word;
      if (metrics.horizontalAdvance(candidate) <= width) {
        line = candidate;
        continue;
      }
      if (!line.isEmpty()) lines << line;
      line = word;
      while (metrics.horizontalAdvance(line) > width && line.size() > 1) {
        int fits = static_cast<int>(line.size()) - 1;
        while (fits > 1 && metrics.horizontalAdvance(line.left(fits)) > width) --fits;
        lines << line.left(fits);
        line = line.mid(fits);
      }
    }
    lines << line;
    return lines;
  }

  void Ensure(double height) {
    if (y_ + height <= kBottom) return;
    writer_.newPage();
    ++page_;
    y_ = kTop;
    Decorate();
  }

  void Decorate() {
    const QFont font = Font(8);
    const QFontMetricsF metrics(font);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(kLeft, 36), header_);
    const QString program = Q(ProgramTitle());
    painter_.drawText(QPointF(kRight - metrics.horizontalAdvance(program), 36), program);
    painter_.drawLine(QPointF(kLeft, 42), QPointF(kRight, 42));
    painter_.drawLine(QPointF(kLeft, kPageHeight - 44), QPointF(kRight, kPageHeight - 44));
    painter_.drawText(QPointF(kLeft, kPageHeight - 32), stamp_);
    const QString number = QString("Page %1 of %2").arg(page_).arg(total_);
    painter_.drawText(QPointF(kRight - metrics.horizontalAdvance(number), kPageHeight - 32), number);
  }

  QPdfWriter& writer_;
  QPainter& painter_;
  QString header_, stamp_;
  int total_;
  int page_ = 1;
  double y_ = kTop;
};

// Every diagram the results read, each file version once, by kind and name.
std::vector<DiagramRead> DiagramsOf(const CalculationReport& report) {
  std::vector<DiagramRead> all;
  const auto add = [&all](const std::vector<DiagramRead>& diagrams) {
    for (const DiagramRead& read : diagrams)
      if (std::find(all.begin(), all.end(), read) == all.end()) all.push_back(read);
  };
  if (report.ThermoElastic) add(report.ThermoElastic->Grid.DiagramsRead);
  if (report.Orbit) add(report.Orbit->Diagrams);
  if (report.Creep) add(report.Creep->Column.DiagramsRead);
  std::stable_sort(all.begin(), all.end(), [](const DiagramRead& a, const DiagramRead& b) {
    return std::tie(a.Kind, a.Name) < std::tie(b.Kind, b.Name);
  });
  return all;
}

void TitleBlock(Pages& pages, const CalculationReport& report, const QString& stamp) {
  pages.Title("Calculation Report");
  pages.Paragraph("Serviceability of a hollow concrete column under the sun's heating", 10);
  const ReportTitleBlock& t = report.Title;
  pages.Table({{"Project", Q(t.Project)},
               {"Structure", Q(t.Structure)},
               {"Column folder", Q(t.Folder)},
               {"Engineer", Q(t.Engineer)},
               {"Checker", Q(t.Checker)},
               {"Date and time", stamp},
               {"Program", Q(ProgramTitle())}},
              {.25, .75}, false);
  pages.Space(6);
  pages.Table({{"", "Signature", "Date"}, {"Engineer", "", ""}, {"", "", ""}, {"Checker", "", ""}, {"", "", ""}},
              {.25, .45, .30}, true);
}

void MainDataSection(Pages& pages, const CalculationReport& report) {
  pages.Subheading("1.1 Main data");
  std::vector<std::pair<QString, std::vector<MainDataRow>>> tables;
  if (report.ThermoElastic) tables.push_back({"Thermo-elastic", MainDataTable(report.ThermoElastic->Grid)});
  if (report.Orbit) tables.push_back({"Daily orbit", MainDataTable(report.Orbit->Column)});
  if (report.Creep) tables.push_back({"Creep", MainDataTable(report.Creep->Column)});
  if (tables.empty()) return;
  bool same = true;
  for (const auto& table : tables)
    for (std::size_t n = 0; n < table.second.size(); ++n)
      same = same && table.second[n].Value == tables.front().second[n].Value;
  if (same) {
    tables.resize(1);
    tables[0].first = "Value";
  }
  std::vector<std::vector<QString>> rows = {{"Field"}};
  for (const auto& table : tables) rows[0].push_back(table.first);
  rows[0].push_back("Unit");
  for (std::size_t n = 0; n < tables.front().second.size(); ++n) {
    std::vector<QString> row = {Q(tables.front().second[n].Name)};
    for (const auto& table : tables) row.push_back(Q(table.second[n].Value));
    row.push_back(Q(tables.front().second[n].Unit));
    rows.push_back(row);
  }
  std::vector<double> widths = {.40};
  for (std::size_t n = 0; n < tables.size(); ++n) widths.push_back(.45 / static_cast<double>(tables.size()));
  widths.push_back(.15);
  pages.Table(rows, widths, true);
}

void DiagramsSection(Pages& pages, const CalculationReport& report) {
  pages.Subheading("1.2 Diagrams");
  for (const DiagramRead& read : DiagramsOf(report)) {
    const DiagramKindRow& kind = DiagramKindTable(read.Kind);
    pages.Paragraph(QString("%1 (kind %2) : %3").arg(kind.KindName).arg(read.Kind).arg(Q(read.Name)), 1);
    pages.Mono("SHA-256 " + Q(read.Sha256.empty() ? std::string("(no file: the kind's default)") : read.Sha256));
    pages.Plot(520, 300, 300, [&](Canvas& canvas) {
      DrawDiagram(canvas, read.Used, read.Kind, DiagramPlotTitle(read.Kind, read.Name));
    });
    QString points = "Points (X, Y):";
    for (const DiagramPoint& point : read.Used.Points)
      points += " (" + Q(NumberText(point.X)) + ", " + Q(NumberText(point.Y)) + ")";
    pages.Mono(points);
    pages.Space(6);
  }
}

void SettingsSection(Pages& pages, const CalculationReport& report) {
  pages.Subheading("1.3 Run settings");
  if (report.ThermoElastic)
    pages.Paragraph("Thermo-elastic run: the hour of the day " + Q(NumberText(report.ThermoElastic->Grid.Hour)) +
                    " h.");
  if (report.Orbit)
    pages.Paragraph("Daily orbit: every " + Q(NumberText(report.Orbit->Step)) + " h from hour 0 to 24.");
  if (const auto& creep = report.Creep) {
    const CreepSettings& s = creep->Settings;
    pages.Paragraph("Creep run:", 1);
    for (const std::string& line : CreepSettingsLines(s.Start, s.End, s.TimeStep, s.StoreEvery, s.StoreAt))
      pages.Mono(Q(line));
    pages.Mono(Q("Normalised creep (t*) : " + creep->Inputs.CreepDiagram));
    pages.Mono(Q("Normalised temperature (Phi) : " + creep->Inputs.TemperatureFactorDiagram));
    pages.Paragraph("Diagrams of every month (sun position, ambient, surface, external and internal variation):", 1);
    for (const std::string& line : MonthDiagramLines(creep->Inputs)) pages.Mono(Q(line));
  }
}

void Lines(Pages& pages, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) pages.Paragraph(Q(line), 1);
  pages.Space(4);
}

// The largest magnification option that keeps every stored profile inside
// the picture (option 0 when even that does not).
float ProfileFactor(const SectionGrid& column, int width, int height) {
  double largest = 0;
  for (const DeflectionProfile& profile : column.Profiles)
    for (const std::vector<double>* values : {&profile.DeflX, &profile.DeflY})
      for (const double value : *values) largest = std::max(largest, std::fabs(value));
  const double pixelsPerMetre = height / (1.12 * column.Height);
  for (int option = 8; option > 0; --option)
    if (largest * pixelsPerMetre * MagnificationFactor(option) <= 0.4 * width) return MagnificationFactor(option);
  return MagnificationFactor(0);
}

void ThermoElasticResults(Pages& pages, const CalculationReport& report) {
  const ThermoElasticResult& result = *report.ThermoElastic;
  pages.Subheading("3.1 Thermo-elastic solution at " + Q(NumberText(result.Grid.Hour)) + " h");
  Lines(pages, ThermoElasticServiceability(result.Grid.Height, result.Tip(), report.Limits));
  pages.Paragraph("The tip's deflections, as the text report prints them:", 1);
  const ElasticReport lines(result.Grid);
  for (std::int64_t n = std::max<std::int64_t>(0, lines.LineCount() - 3); n < lines.LineCount(); ++n)
    pages.Mono(Q(lines.Line(n)));
  pages.Space(4);
  pages.Paragraph("Equilibrium check: " + QString::number(result.Grid.EquationErrors.size()) +
                  " warning(s) of equations that missed their accuracy.");
  if (!report.ElasticReportFile.empty())
    pages.Paragraph("Every line of the run is in the text report " + Q(report.ElasticReportFile) + ".");
  // The whole width: a fine grid writes a value in every block.
  for (const int shown : {8, 10})
    pages.Plot(549, 493, kWidth, [&](Canvas& canvas) { DrawSection(canvas, result.Grid, shown); });
}

void OrbitResults(Pages& pages, const CalculationReport& report) {
  const OrbitResult& result = *report.Orbit;
  pages.Subheading("3.2 Daily orbit of the tip");
  Lines(pages, OrbitServiceability(result.Column.Height, result.Points, report.Limits));
  const OrbitPlotData data{result.Column.IRadius, result.Column.ERadius, result.Points};
  pages.Plot(500, 500, 330, [&](Canvas& canvas) {
    DrawOrbit(canvas, data, MagnificationFactor(FittingMagnificationOption(data)), std::nullopt);
  });
}

void CreepResults(Pages& pages, const CalculationReport& report) {
  const CreepResult& result = *report.Creep;
  const SectionGrid& column = result.Column;
  pages.Subheading("3.3 Creep solution");
  Lines(pages, CreepServiceability(column.Height, column.Profiles, report.Limits));
  pages.Paragraph("The stored profiles' tip deflections, as the text report prints them (m):", 1);
  std::vector<std::vector<QString>> rows = {{"Date", "X - Deflection", "Y - Deflection", "Z - Deflection"}};
  for (const DeflectionProfile& profile : column.Profiles)
    rows.push_back(
        {Q(profile.DateText), Q(NumberText(profile.TipX)), Q(NumberText(profile.TipY)), Q(NumberText(profile.TipZ))});
  pages.Table(rows, {.19, .27, .27, .27}, true, true);
  pages.Paragraph("Each stored profile's tip:", 1);
  for (const std::string& line : ProfileServiceabilityLines(column.Height, column.Profiles)) pages.Mono(Q(line));
  pages.Space(4);
  if (!report.CreepReportFile.empty())
    pages.Paragraph("Every line of the run is in the text report " + Q(report.CreepReportFile) + ".");
  const float factor = ProfileFactor(column, 349, 493);
  pages.PlotRow(349, 493, (kWidth - 10) / 2,
                {[&](Canvas& canvas) { DrawProfile(canvas, column, 0, factor); },
                 [&](Canvas& canvas) { DrawProfile(canvas, column, 1, factor); }});
  if (!column.TipHistory.empty())
    pages.Plot(600, 500, 400, [&](Canvas& canvas) { DrawTipHistory(canvas, column.TipHistory); });
}

void Results(Pages& pages, const CalculationReport& report) {
  pages.Heading("3 Results");
  if (report.Limits.DeflectionRatio || report.Limits.RotationDegrees)
    pages.Paragraph("Limits: " +
                    (report.Limits.DeflectionRatio ? "deflection H/" + Q(NumberText(*report.Limits.DeflectionRatio))
                                                   : QString("no deflection limit")) +
                    ", " +
                    (report.Limits.RotationDegrees
                         ? "rotation " + Q(NumberText(*report.Limits.RotationDegrees)) + " degrees"
                         : QString("no rotation limit")) +
                    ".");
  else
    pages.Paragraph("No limits were set: no verdicts are given.");
}

using Section = std::function<void(Pages&, const CalculationReport&, const QString&)>;

// The report's sections in order; the results of a kind of run only where it ran.
std::vector<Section> SectionsOf(const CalculationReport& report) {
  std::vector<Section> sections{
      TitleBlock,
      [](Pages& pages, const CalculationReport& r, const QString&) {
        pages.Heading("1 Inputs");
        MainDataSection(pages, r);
      },
      [](Pages& pages, const CalculationReport& r, const QString&) { DiagramsSection(pages, r); },
      [](Pages& pages, const CalculationReport& r, const QString&) { SettingsSection(pages, r); },
      [](Pages& pages, const CalculationReport&, const QString&) {
        pages.Heading("2 Sign conventions");
        for (const char* line : kSignConventionLines) pages.Paragraph(line);
      },
      [](Pages& pages, const CalculationReport& r, const QString&) { Results(pages, r); }};
  if (report.ThermoElastic)
    sections.emplace_back(
        [](Pages& pages, const CalculationReport& r, const QString&) { ThermoElasticResults(pages, r); });
  if (report.Orbit)
    sections.emplace_back([](Pages& pages, const CalculationReport& r, const QString&) { OrbitResults(pages, r); });
  if (report.Creep)
    sections.emplace_back([](Pages& pages, const CalculationReport& r, const QString&) { CreepResults(pages, r); });
  return sections;
}

// The report is laid out twice (the first pass counts the pages): each pass's
// sections are the units of its feedback.
struct Passes {
  WorkFeedback& Feedback;
  std::int64_t Done = 0, Total = 0;
};

// False when the feedback cancelled the layout before a section.
bool Contents(Pages& pages, const CalculationReport& report, const QString& stamp, Passes& passes) {
  for (const Section& section : SectionsOf(report)) {
    if (passes.Feedback.Cancelled()) return false;
    passes.Feedback.Progress(passes.Done++, passes.Total);
    section(pages, report, stamp);
  }
  return true;
}

// One pass over a fresh writer: the page count, and the bytes; 0 when the
// feedback cancelled it.
int Render(const CalculationReport& report, const QString& stamp, int total, QByteArray& bytes, Passes& passes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setResolution(72 * kDotsPerPoint);
  writer.setCreator(Q(ProgramTitle()));
  writer.setTitle("Calculation Report " + Q(report.Title.Structure));
  QPainter painter(&writer);
  const QString header = Q(report.Title.Project.empty() && report.Title.Structure.empty()
                               ? report.Title.Folder
                               : report.Title.Project + " - " + report.Title.Structure);
  Pages pages(writer, painter, header, stamp, total);
  const bool laidOut = Contents(pages, report, stamp, passes);
  painter.end();
  return laidOut ? pages.Count() : 0;
}

}  // namespace

QByteArray RenderCalculationReport(const CalculationReport& report, const QDateTime& when, WorkFeedback& feedback) {
  const QString stamp = when.toString("yyyy-MM-dd HH:mm");
  Passes passes{feedback, 0, 2 * static_cast<std::int64_t>(SectionsOf(report).size())};
  QByteArray bytes;
  const int total = Render(report, stamp, 0, bytes, passes);
  bytes.clear();
  if (total == 0 || Render(report, stamp, total, bytes, passes) == 0) return {};
  return bytes;
}

WriteResult WriteCalculationReport(const CalculationReport& report, const std::string& path, WorkFeedback& feedback) {
  QByteArray bytes;
  try {
    bytes = RenderCalculationReport(report, QDateTime::currentDateTime(), feedback);
  } catch (const std::bad_alloc&) {
    return {false, "not enough memory"};
  }
  if (feedback.Cancelled()) return {false, "it was cancelled"};
  if (bytes.isEmpty()) return {false, "the report could not be laid out"};
  return WriteBytesAtomically(path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace kolvane::report

// The calculation report read back as text (pdftotext).

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <sstream>

#include "core/common/sha256.h"
#include "report/pdf_report.h"
#include "ui/report/calculation_report_form.h"
#include "ui/shell/main_window.h"
#include "ui/support/modal_windows.h"
#include "ui/support/solution_test_support.h"

namespace kolvane::ui {
namespace {

using testing::ExampleColumn;

std::string PdfText(const std::string& pdf) {
  std::string text;
  if (FILE* pipe = popen(("pdftotext -enc UTF-8 '" + pdf + "' -").c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
    pclose(pipe);
  }
  return text;
}

TEST(CalculationReportPdf, BatchReportHoldsInputsDigestsTipDigitsVerdictsAndPageNumbers) {
  ExampleColumn column;
  const struct {
    std::vector<std::string> Command;
    const char* Report;       // the text report whose tip lines the PDF repeats
    std::size_t TipLineFrom;  // the text report's first tip line, counted from its end
    std::vector<const char*> Diagrams;
  } cases[] = {
      {{"elastic", "--hour", "14", "--diagrams", "summer,summer,summer,summer,summer"},
       "Elastic.txt",
       3,
       {"summer.dg1", "summer.dg2", "summer.dg3", "summer.dg4", "summer.dg5"}},
      {{"creep", "--from", "1/1/2001", "--to", "20/1/2001", "--step", "4", "--store-every", "7", "--store-at", "14",
        "--diagrams", "winter,winter,winter,winter,winter", "--creep", "ordinary concrete", "--phi",
        "ordinary concrete"},
       "Creep.txt",
       12,
       {"winter.dg1", "winter.dg5", "ordinary concrete.dg6", "ordinary concrete.dg7"}},
  };
  for (const auto& c : cases) {
    const std::string pdf = column.Folder().File("report.pdf");
    std::vector<std::string> arguments = c.Command;
    arguments.insert(arguments.begin() + 1, {"--folder", column.Folder().Path(), "--pdf", pdf, "--limit-deflection",
                                             "100000", "--limit-rotation", "10"});
    std::ostringstream out, err;
    ASSERT_EQ(batch::RunBatch(arguments, out, err, false, {.WritePdf = report::WriteCalculationReport}), 0)
        << err.str();
    EXPECT_NE(out.str().find("report.pdf was saved successfully."), std::string::npos);

    const std::string text = PdfText(pdf);
    // Pages numbered "Page N of M" from the first to the last, M the page
    // count (pdftotext ends every page with a form feed).
    const std::string pages = std::to_string(std::count(text.begin(), text.end(), '\f'));
    ASSERT_GT(std::stoi(pages), 1);
    for (const std::string& page : {std::string("1"), pages})
      EXPECT_NE(text.find("Page " + page + " of " + pages), std::string::npos) << page;
    for (const char* file : c.Diagrams)  // the digest's arithmetic is the core's
      EXPECT_NE(text.find(Sha256Hex(testing::ReadBytes(column.Folder().File(file)))), std::string::npos);
    // An input, and the verdicts: H/100000 is a small fraction of a millimetre, 10 degrees far off.
    for (const char* said : {"Coefficient of thermal expansion", "1E-05", "exceeded, margin", "within, margin"})
      EXPECT_NE(text.find(said), std::string::npos) << said;

    // The tip deflections: every digit of the text report's numbers.
    std::vector<std::string> lines;
    std::istringstream report(testing::ReadBytes(column.Folder().File(c.Report)));
    for (std::string line; std::getline(report, line);) lines.push_back(line.substr(0, line.size() - 1));
    ASSERT_GE(lines.size(), c.TipLineFrom);
    for (std::size_t n = lines.size() - c.TipLineFrom; n < lines.size(); ++n) {
      const std::string& line = lines[n];
      if (line.rfind("Date : ", 0) == 0) continue;
      const std::string number = line.substr(line.find(':') + 1, line.size() - line.find(':') - 4);
      EXPECT_NE(text.find(number), std::string::npos) << line;
    }
  }
}

// A thermo-elastic result of one slice of a 150 m column.
std::shared_ptr<const ThermoElasticResult> OneSliceResult() {
  ThermoElasticResult elastic;
  elastic.Grid.Height = 150;
  elastic.Grid.K = 1;
  elastic.Grid.SlopeX = {0, 0};
  elastic.Grid.SlopeY = {0, 1e-4};
  return std::make_shared<const ThermoElasticResult>(elastic);
}

// The form's inputs and the kept results of both kinds reach the report; what
// it prints of a result is the batch case's test above.
TEST(CalculationReportPdf, TheMainWindowReportsTheKeptResultsOfEveryKind) {
  ExampleColumn column;
  column.Context().Results.ThermoElastic = OneSliceResult();
  CreepResult creep;
  creep.Column.Height = 150;
  creep.Column.Profiles = {{"31/12/2001", {}, {}, {}, -.0042, 0, 0, 0, 0}};
  column.Context().Results.Creep = std::make_shared<const CreepResult>(creep);

  MainWindow window(column.Context());
  testing::WhenModalOpens form("frmCalculationReport", [](QWidget* dialog) {
    testing::Find<QLineEdit>(dialog, "txtProject")->setText("Harbour chimney");
    testing::Find<QLineEdit>(dialog, "txtLimitDeflection")->setText("500");
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
  });
  testing::Find<QPushButton>(&window, "cmdCalculationReport")->click();
  const std::string text = PdfText(column.Folder().File(kCalculationReportFileName));
  for (const char* expected : {"Harbour chimney", "3.1 Thermo-elastic solution", "3.3 Creep solution",
                               "Deflection limit H/500 = 300 mm : within"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  EXPECT_EQ(LoadReportFormInputs(column.Folder().Path()).Project, "Harbour chimney");  // kept for the folder
}

// The report counts its sections over both passes (the first counts the
// pages); a cancel between them leaves the file as it was.
TEST(CalculationReportPdf, CountsItsSectionsAndACancelLeavesTheFileAsItWas) {
  ExampleColumn column;
  CalculationReport calculation;
  calculation.ThermoElastic = OneSliceResult();
  const std::string pdf = column.Folder().File("report.pdf");
  testing::WriteBytes(pdf, "old");
  testing::RecordingFeedback stopping;
  stopping.CancelWhen = [](const testing::RecordingFeedback& f) { return f.Steps.size() == 9; };  // second pass
  EXPECT_FALSE(report::WriteCalculationReport(calculation, pdf, stopping).Ok);
  EXPECT_EQ(testing::ReadBytes(pdf), "old");
  testing::RecordingFeedback told;
  ASSERT_TRUE(report::WriteCalculationReport(calculation, pdf, told).Ok);
  EXPECT_EQ(told.Steps,
            testing::StepsBefore(std::int64_t{2} * 7));  // title, inputs (3), conventions, results, thermo-elastic
}

}  // namespace
}  // namespace kolvane::ui

#pragma once
// The calculation report as an A4 PDF: the title block, the inputs (main
// data, every diagram with its digest, plot and points, the run settings),
// the sign conventions and the results (serviceability with any verdicts, the
// tip deflections with every digit, the plots, the stored profiles, the
// equilibrium check). Searchable text, fonts embedded, "N of M" on every page.
// Needs a QGuiApplication (the offscreen platform will do).

#include <QByteArray>
#include <QDateTime>
#include <string>

#include "core/common/text_file.h"
#include "core/common/work_feedback.h"
#include "core/results/calculation_report.h"

namespace kolvane::report {

// The PDF's bytes, stamped with `when`; `feedback` is told the sections laid
// out (each twice: the first pass counts the pages) and may cancel before
// any, which leaves no bytes.
QByteArray RenderCalculationReport(const CalculationReport& report, const QDateTime& when,
                                   WorkFeedback& feedback = NoFeedback());

// Renders the report now and writes it through the atomic writer: the file is
// replaced only once it is complete, and a failure (a cancel too) says why,
// leaving the file as it was.
WriteResult WriteCalculationReport(const CalculationReport& report, const std::string& path,
                                   WorkFeedback& feedback = NoFeedback());

}  // namespace kolvane::report

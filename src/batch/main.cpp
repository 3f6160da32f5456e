#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "batch/batch_main.h"

#ifdef KOLVANE_PDF_REPORT
#include <QGuiApplication>

#include "report/pdf_report.h"

namespace {

// The report's fonts need a Qt application; it starts only for --pdf, on the
// offscreen platform unless the user chose another, so no display is needed.
kolvane::WriteResult WritePdf(const kolvane::CalculationReport& report, const std::string& path,
                              kolvane::WorkFeedback& feedback) {
  if (!QGuiApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kolvane-batch";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
  }
  return kolvane::report::WriteCalculationReport(report, path, feedback);
}

}  // namespace
#endif

int main(int argc, char* argv[]) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  kolvane::batch::BatchHooks hooks;
#ifdef KOLVANE_PDF_REPORT
  hooks.WritePdf = WritePdf;
#endif
  return kolvane::batch::RunBatch(arguments, std::cout, std::cerr, isatty(STDERR_FILENO) == 1, hooks);
}

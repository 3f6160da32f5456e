#pragma once
// The feedback of long work run from the command line: incidents are printed
// to the error stream as they come, progress is shown only where asked for
// (the creep run's days), and an interruption noted by a guard cancels the
// work between its units.

#include <ostream>
#include <string>

#include "batch/interruption.h"
#include "core/common/work_feedback.h"

namespace kolvane::batch {

class BatchFeedback final : public WorkFeedback {
 public:
  // `progressUnit` ("day"), when given, shows the progress on `err` as one
  // line rewritten in place: "<status> (day 3 of 365)". `interruption`, when
  // given, cancels the work once it has noted a signal.
  explicit BatchFeedback(std::ostream& err, std::string progressUnit = {},
                         const InterruptionGuard* interruption = nullptr);

  bool Cancelled() override;
  void Progress(std::int64_t done, std::int64_t total) override;
  void Status(const std::string& text) override { status_ = text; }
  void Incident(const std::string& message) override;

 private:
  std::ostream& err_;
  const std::string progressUnit_;
  const InterruptionGuard* interruption_;
  std::string status_;
};

}  // namespace kolvane::batch

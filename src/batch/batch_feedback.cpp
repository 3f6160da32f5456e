#include "batch/batch_feedback.h"

namespace kolvane::batch {

BatchFeedback::BatchFeedback(std::ostream& err, std::string progressUnit, const InterruptionGuard* interruption)
    : err_(err), progressUnit_(std::move(progressUnit)), interruption_(interruption) {}

bool BatchFeedback::Cancelled() { return interruption_ && interruption_->Signal() != 0; }

void BatchFeedback::Progress(std::int64_t done, std::int64_t total) {
  if (progressUnit_.empty()) return;
  // The unit being worked on, counted from 1.
  err_ << "\r" << status_ << " (" << progressUnit_ << " " << done + 1 << " of " << total << ")   " << std::flush;
}

void BatchFeedback::Incident(const std::string& message) { err_ << message << "\n"; }

}  // namespace kolvane::batch

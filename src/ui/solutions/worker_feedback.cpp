#include "ui/solutions/worker_feedback.h"

#include "ui/solutions/run_progress.h"

namespace kolvane::ui {

void WorkerFeedback::Progress(std::int64_t done, std::int64_t total) {
  shown_.Done = done;
  shown_.Total = total;
  Show();
}

void WorkerFeedback::Status(const std::string& text) {
  shown_.Status = text;
  Show();
}

void WorkerFeedback::Incident(const std::string& message) {
  worker_.ShowAndWait([this, &message] { notice_(message); });
}

// One posting for the whole state, so that a status is never lost to the
// progress that follows it.
void WorkerFeedback::Show() {
  worker_.PostLatest([view = view_, shown = shown_] { view(shown); });
}

WorkerFeedback::View ProgressBarView(QProgressBar* bar, const QString& format) {
  return [bar, format](const WorkShown& shown) {
    ShowProgress(bar, static_cast<int>(shown.Done), static_cast<int>(shown.Total), format);
  };
}

}  // namespace kolvane::ui

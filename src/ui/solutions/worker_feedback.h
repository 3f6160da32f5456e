#pragma once
// The feedback of long work run on a window's solution worker: the window's
// progress follows the work, Cancel stops it between its units, and an
// incident waits for the user's OK. A window hands Run its work, written
// against WorkFeedback, and what to do with the result; nothing else.

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "core/common/work_feedback.h"
#include "ui/solutions/solution_worker.h"

class QProgressBar;

namespace kolvane::ui {

// Where the work has come, as last told.
struct WorkShown {
  std::int64_t Done = 0, Total = 0;
  std::string Status;
};

class WorkerFeedback : public WorkFeedback {
 public:
  // Shows where the work has come, on the window thread; a work that reports
  // faster than the window paints shows only its latest.
  using View = std::function<void(const WorkShown& shown)>;
  // Shows an incident's message on the window thread while the work waits.
  using Notice = std::function<void(const std::string& message)>;

  WorkerFeedback(SolutionWorker& worker, View view, Notice notice)
      : worker_(worker), view_(std::move(view)), notice_(std::move(notice)) {}

  // Window thread: runs `work(feedback)` on the worker thread; `ended` gets
  // its result on the window thread once it has returned. The window keeps
  // this object while the worker runs.
  template <typename Work, typename Ended>
  void Run(Work work, Ended ended) {
    using Result = std::invoke_result_t<Work&, WorkFeedback&>;
    auto result = std::make_shared<Result>();
    shown_ = {};
    worker_.Start([this, result, work = std::move(work)]() mutable { *result = work(*this); },
                  [result, ended = std::move(ended)]() mutable { ended(std::move(*result)); });
  }

  bool Cancelled() override { return worker_.CancelRequested(); }
  void Progress(std::int64_t done, std::int64_t total) override;
  void Status(const std::string& text) override;
  void Incident(const std::string& message) override;

 protected:
  SolutionWorker& Worker() { return worker_; }

 private:
  void Show();

  SolutionWorker& worker_;
  const View view_;
  const Notice notice_;
  WorkShown shown_;  // the worker thread's while a work runs
};

// A view that shows done of total on `bar`, as `format` says ("%p%").
WorkerFeedback::View ProgressBarView(QProgressBar* bar, const QString& format);

}  // namespace kolvane::ui

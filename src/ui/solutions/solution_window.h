#pragma once
// What the two solution windows share about their runs: a run goes on a
// worker thread, the window refuses to close while it goes on (Cancel stops
// it), the program knows a solution is running, and a window that goes
// cancels its run and waits for it.

#include <QDialog>
#include <memory>

#include "ui/common/app_context.h"
#include "ui/solutions/solution_worker.h"

namespace kolvane::ui {

class SolutionWindow : public QDialog {
  Q_OBJECT

 public:
  ~SolutionWindow() override;

  bool IsRunning() const { return running_; }

 signals:
  // A run has ended, however, and the window shows its outcome.
  void RunEnded();

 public slots:
  // Closing is refused while a run goes on, with a message: Cancel stops it.
  void reject() override;
  // However the window closes, its inputs are kept for the folder first.
  void done(int result) override;

 protected:
  SolutionWindow(AppContext& context, QWidget* parent);

  // Marks a run as going on or over, here and for the whole program.
  void MarkRunning(bool running);
  // For the derived window's destructor, before its own members go: a run
  // still going on is cancelled and ends first, since it uses them.
  void StopRunAndWait();
  // Keeps the window's inputs for the open folder (RememberedInputs).
  virtual void RememberInputs() const = 0;

  AppContext& context_;
  const std::unique_ptr<SolutionWorker> worker_;

 private:
  bool running_ = false;
};

}  // namespace kolvane::ui

#include "ui/solutions/solution_window.h"

namespace kolvane::ui {

SolutionWindow::SolutionWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), worker_(std::make_unique<SolutionWorker>()) {}

SolutionWindow::~SolutionWindow() { StopRunAndWait(); }

void SolutionWindow::StopRunAndWait() {
  worker_->StopAndWait();
  if (running_) MarkRunning(false);
}

void SolutionWindow::MarkRunning(bool running) {
  running_ = running;
  context_.SolutionRunning = running;
}

void SolutionWindow::reject() {
  if (running_) {
    context_.Messages->Error(this, "Cancel the calculation first.");
    return;
  }
  QDialog::reject();
}

void SolutionWindow::done(int result) {
  RememberInputs();
  QDialog::done(result);
}

}  // namespace kolvane::ui

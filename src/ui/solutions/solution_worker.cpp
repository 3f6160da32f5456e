#include "ui/solutions/solution_worker.h"

#include <QThread>

namespace kolvane::ui {

SolutionWorker::SolutionWorker(QObject* parent) : QObject(parent) {}

SolutionWorker::~SolutionWorker() {
  StopAndWait();
  delete thread_;
}

void SolutionWorker::StopAndWait() {
  if (!thread_) return;
  cancel_ = true;
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
  }
  answered_.notify_all();
  thread_->wait();
}

void SolutionWorker::Start(std::function<void()> run, std::function<void()> ended) {
  if (thread_) {  // the last run's thread has ended: its `ended` was called
    thread_->wait();
    delete thread_;
  }
  cancel_ = false;
  running_ = true;
  thread_ = QThread::create(std::move(run));
  connect(
      thread_, &QThread::finished, this,
      [this, ended = std::move(ended)] {
        thread_->wait();
        running_ = false;
        ended();
      },
      Qt::QueuedConnection);
  thread_->start();
}

void SolutionWorker::ShowAndWait(std::function<void()> act) {
  std::unique_lock lock(mutex_);
  if (closing_) return;
  const std::uint64_t ticket = ++asked_;
  QMetaObject::invokeMethod(
      this,
      [this, act = std::move(act), ticket] {
        act();
        {
          std::lock_guard lock(mutex_);
          done_ = ticket;
        }
        answered_.notify_all();
      },
      Qt::QueuedConnection);
  answered_.wait(lock, [&] { return done_ >= ticket || closing_; });
}

void SolutionWorker::Post(std::function<void()> act) {
  QMetaObject::invokeMethod(this, std::move(act), Qt::QueuedConnection);
}

void SolutionWorker::PostLatest(std::function<void()> act) {
  std::lock_guard lock(mutex_);
  latest_ = std::move(act);
  if (latestQueued_) return;
  latestQueued_ = true;
  QMetaObject::invokeMethod(
      this, [this] { RunLatest(); }, Qt::QueuedConnection);
}

void SolutionWorker::RunLatest() {
  std::function<void()> act;
  {
    std::lock_guard lock(mutex_);
    act = std::move(latest_);
    latest_ = nullptr;
    latestQueued_ = false;
  }
  if (act) act();
}

}  // namespace kolvane::ui

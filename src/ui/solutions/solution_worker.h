#pragma once
// A solution run on a thread of its own, so that the window repaints, shows
// the progress and takes a click on Cancel while the run goes on. The core
// never sees the thread: the run reports through its feedback
// (worker_feedback), which calls the methods below from the worker thread;
// everything that touches a widget is handed to the window's thread.

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

class QThread;

namespace kolvane::ui {

class SolutionWorker final : public QObject {
  Q_OBJECT

 public:
  explicit SolutionWorker(QObject* parent = nullptr);
  ~SolutionWorker() override;  // stops and waits as StopAndWait

  // Window thread, for a window that goes while a run is on (the program
  // ends): cancels the run, releases it if it waits for the window, and waits
  // for the thread to end. Nothing more is shown, and `ended` is not called.
  // The run's feedback may still use this object meanwhile, so the window calls
  // this before anything the run uses goes.
  void StopAndWait();

  // Window thread: starts `run` on the worker thread; `ended` is called on the
  // window thread once `run` has returned, and sees everything it wrote.
  void Start(std::function<void()> run, std::function<void()> ended);
  bool IsRunning() const { return running_; }

  // Window thread: asks the run to stop at its next chance.
  void RequestCancel() { cancel_ = true; }
  // Any thread: whether Cancel was asked for since the run started.
  bool CancelRequested() const { return cancel_; }

  // Worker thread: runs `act` on the window thread and waits until it has
  // returned, for a message the user must answer before the run goes on.
  // While it waits the run holds still, so `act` may read what the run writes.
  void ShowAndWait(std::function<void()> act);
  // Worker thread: runs `act` on the window thread soon, without waiting.
  void Post(std::function<void()> act);
  // Worker thread: as Post, but an `act` not yet run is replaced by the next
  // one, so a run that reports faster than the window paints never floods it.
  void PostLatest(std::function<void()> act);

 private:
  void RunLatest();

  QThread* thread_ = nullptr;
  bool running_ = false;
  std::atomic<bool> cancel_{false};

  std::mutex mutex_;
  std::condition_variable answered_;
  bool closing_ = false;     // the window goes: nothing more is shown
  std::uint64_t asked_ = 0;  // ShowAndWait calls made
  std::uint64_t done_ = 0;   // and returned on the window thread
  std::function<void()> latest_;
  bool latestQueued_ = false;
};

}  // namespace kolvane::ui

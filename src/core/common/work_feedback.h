#pragma once
// How long work (a run, the daily orbit, the climate import, a report) tells
// whoever waits for it how far it has come, and lets them stop it. The work
// states its own totals and asks Cancelled() between its units; a window or
// the batch tool overrides only what it shows. Calls come from one thread at
// a time (work spread over threads serialises them).

#include <cstdint>
#include <string>

namespace kolvane {

class WorkFeedback {
 public:
  WorkFeedback() = default;
  WorkFeedback(const WorkFeedback&) = delete;
  WorkFeedback& operator=(const WorkFeedback&) = delete;
  virtual ~WorkFeedback() = default;

  // Asked between units of work: true stops the work there, with no result.
  virtual bool Cancelled() { return false; }
  // `done` of the work's `total` units are finished.
  virtual void Progress(std::int64_t /*done*/, std::int64_t /*total*/) {}
  // What the work is at, in the user's words ("Storing deflections : 12/03/2027").
  virtual void Status(const std::string& /*text*/) {}
  // Something the user must read before the work goes on (a diagram repaired
  // or unusable); returns once they have.
  virtual void Incident(const std::string& /*message*/) {}
};

// Work nobody watches: never cancelled, shows nothing.
WorkFeedback& NoFeedback();

// One part of a larger work: the part counts its own units, which the whole
// shows as `first` + done of its `total`; everything else goes to the whole.
class PartFeedback final : public WorkFeedback {
 public:
  PartFeedback(WorkFeedback& whole, std::int64_t first, std::int64_t total)
      : whole_(whole), first_(first), total_(total) {}
  bool Cancelled() override { return whole_.Cancelled(); }
  void Progress(std::int64_t done, std::int64_t /*partTotal*/) override { whole_.Progress(first_ + done, total_); }
  void Status(const std::string& text) override { whole_.Status(text); }
  void Incident(const std::string& message) override { whole_.Incident(message); }

 private:
  WorkFeedback& whole_;
  std::int64_t first_, total_;
};

}  // namespace kolvane

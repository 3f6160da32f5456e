#pragma once
// Ctrl-C (SIGINT) and SIGTERM while a report is written: they only note that
// they came, so that the writer can stop, remove its temporary file and leave
// the old report as it was, instead of dying with a stray temporary file
// beside it. Outside a guard the signals keep their usual effect (a run being
// computed simply ends; nothing is half-written then).

namespace kolvane::batch {

class InterruptionGuard {
 public:
  InterruptionGuard();   // takes over SIGINT and SIGTERM
  ~InterruptionGuard();  // gives them back as they were
  InterruptionGuard(const InterruptionGuard&) = delete;
  InterruptionGuard& operator=(const InterruptionGuard&) = delete;

  // The first signal that came while the guard lives, or 0.
  int Signal() const;
};

// The exit status of a command ended by `signal`: 130 for SIGINT, 143 for
// SIGTERM, as shells report them.
int InterruptedExitStatus(int signal);

}  // namespace kolvane::batch

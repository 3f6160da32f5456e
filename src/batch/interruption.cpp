#include "batch/interruption.h"

#include <signal.h>

namespace kolvane::batch {

namespace {

// A signal handler can reach nothing but a static of this type: the one place
// where state outside an object cannot be avoided.
volatile sig_atomic_t gSignal = 0;

extern "C" void NoteSignal(int signal) {
  if (gSignal == 0) gSignal = signal;
}

constexpr int kGuarded[] = {SIGINT, SIGTERM};
struct sigaction gPrevious[2];

}  // namespace

InterruptionGuard::InterruptionGuard() {
  gSignal = 0;
  struct sigaction noting {};
  noting.sa_handler = NoteSignal;
  sigemptyset(&noting.sa_mask);
  noting.sa_flags = SA_RESTART;  // a write in progress goes on; the writer looks at the note between lines
  for (int n = 0; n < 2; ++n) sigaction(kGuarded[n], &noting, &gPrevious[n]);
}

InterruptionGuard::~InterruptionGuard() {
  for (int n = 0; n < 2; ++n) sigaction(kGuarded[n], &gPrevious[n], nullptr);
}

int InterruptionGuard::Signal() const { return gSignal; }

int InterruptedExitStatus(int signal) { return 128 + signal; }

}  // namespace kolvane::batch

#pragma once
// The progress bar of a solution window: it reads "Idle" when no run is
// going on, rather than looking like an empty box, and counts the run's
// steps while one is.

#include <QString>

class QProgressBar;

namespace kolvane::ui {

QProgressBar* CreateRunProgress(const char* name);
void ShowProgressIdle(QProgressBar* bar);
// `done` of `total`, with `format` as QProgressBar takes it ("%v of %m days").
void ShowProgress(QProgressBar* bar, int done, int total, const QString& format);

}  // namespace kolvane::ui

#include "ui/solutions/run_progress.h"

#include <QProgressBar>

namespace kolvane::ui {

QProgressBar* CreateRunProgress(const char* name) {
  auto* bar = new QProgressBar;
  bar->setObjectName(QString::fromLatin1(name));
  bar->setAlignment(Qt::AlignCenter);
  ShowProgressIdle(bar);
  return bar;
}

void ShowProgressIdle(QProgressBar* bar) {
  bar->setRange(0, 1);
  bar->setValue(0);
  bar->setFormat("Idle");
  bar->setTextVisible(true);
  bar->setEnabled(false);  // greyed, as a control with nothing to do
}

void ShowProgress(QProgressBar* bar, int done, int total, const QString& format) {
  bar->setEnabled(true);
  bar->setFormat(format);
  bar->setTextVisible(true);
  bar->setRange(0, total);
  bar->setValue(done);
}

}  // namespace kolvane::ui

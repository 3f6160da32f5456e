#include "ui/solutions/results_list.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>

#include "core/common/line_copy.h"
#include "ui/common/messages.h"
#include "ui/solutions/report_list_model.h"

namespace kolvane::ui {
namespace {

// Above this many lines a copy takes long enough to show the wait cursor.
constexpr std::int64_t kQuickCopyLines = 20'000;

QAction* ListAction(QWidget* list, const char* name, const QString& caption, QKeySequence::StandardKey key) {
  auto* action = new QAction(caption, list);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(key);
  action->setShortcutContext(Qt::WidgetShortcut);
  action->setShortcutVisibleInContextMenu(true);
  list->addAction(action);
  return action;
}

}  // namespace

ResultsList::ResultsList(ReportListModel* model, Messages& messages, QWidget* parent)
    : QListView(parent), model_(model), messages_(messages) {
  setObjectName("lstResults");
  setUniformItemSizes(true);  // the view never measures lines it does not show
  setModel(model);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setMinimumSize(460, 360);  // room for the longest lines of the head and a screenful
  connect(ListAction(this, "actCopy", "&Copy", QKeySequence::Copy), &QAction::triggered, this,
          &ResultsList::CopySelection);
  connect(ListAction(this, "actSelectAll", "Select &All", QKeySequence::SelectAll), &QAction::triggered, this,
          &QListView::selectAll);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ResultsList::keyPressEvent(QKeyEvent* event) {
  // The view's own Ctrl+C copies the current line only.
  if (event == QKeySequence::Copy) {
    CopySelection();
    event->accept();
    return;
  }
  QListView::keyPressEvent(event);
}

void ResultsList::CopySelection() {
  // The selection's ranges, never its indexes: a whole report of a fine grid
  // is one range of millions of lines.
  std::vector<LineRange> ranges;
  for (const QItemSelectionRange& range : selectionModel()->selection())
    ranges.push_back({range.top(), range.bottom()});
  if (ranges.empty()) return;
  std::int64_t chosen = 0;
  for (const LineRange& range : ranges) chosen += range.Last - range.First + 1;

  const bool slow = chosen > kQuickCopyLines;
  if (slow) QApplication::setOverrideCursor(Qt::WaitCursor);
  const CopiedLines copied = model_->Copy(std::move(ranges));
  if (!copied.Refused) QApplication::clipboard()->setText(QString::fromStdString(copied.Text));
  if (slow) QApplication::restoreOverrideCursor();
  if (copied.Refused) messages_.Error(this, copied.Message);
}

}  // namespace kolvane::ui

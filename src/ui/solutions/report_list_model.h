#pragma once
// The results list of a solution window as a model over the report the core
// already holds: a run of millions of lines costs the list nothing until a
// line is scrolled into view, and then only that line is made.

#include <QAbstractListModel>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/common/line_copy.h"

namespace kolvane::ui {

class ReportListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  using LineSource = std::function<std::string(std::int64_t index)>;

  explicit ReportListModel(QObject* parent = nullptr);

  // Shows `count` lines read from `line` from now on.
  void Show(std::int64_t count, LineSource line);

  // A list view counts rows in an int; lines beyond that are saved with the
  // report but not listed.
  static int ShownRows(std::int64_t count);

  // The lines of `ranges` as text for the clipboard, or the refusal.
  CopiedLines Copy(std::vector<LineRange> ranges) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::int64_t count_ = 0;
  LineSource line_;
};

}  // namespace kolvane::ui

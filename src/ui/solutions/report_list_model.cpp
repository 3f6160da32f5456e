#include "ui/solutions/report_list_model.h"

#include <algorithm>
#include <limits>

namespace kolvane::ui {

ReportListModel::ReportListModel(QObject* parent) : QAbstractListModel(parent) {}

int ReportListModel::ShownRows(std::int64_t count) {
  return static_cast<int>(std::clamp<std::int64_t>(count, 0, std::numeric_limits<int>::max()));
}

void ReportListModel::Show(std::int64_t count, LineSource line) {
  beginResetModel();
  count_ = count;
  line_ = std::move(line);
  endResetModel();
}

int ReportListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ShownRows(count_); }

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || !line_ || index.row() >= ShownRows(count_)) return {};
  return QString::fromStdString(line_(index.row()));
}

CopiedLines ReportListModel::Copy(std::vector<LineRange> ranges) const {
  if (!line_) return {};
  return CopyLines(std::move(ranges), ShownRows(count_), line_);
}

}  // namespace kolvane::ui

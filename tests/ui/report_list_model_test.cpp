#include "ui/solutions/report_list_model.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListView>
#include <QSignalSpy>
#include <climits>
#include <string>

namespace kolvane::ui {
namespace {

TEST(ReportListModel, ListsMillionsOfLinesMadeOnlyWhenAsked) {
  ReportListModel model;
  std::int64_t made = 0;
  model.Show(3'000'000, [&made](std::int64_t index) {
    ++made;
    return "Line " + std::to_string(index);
  });
  QListView* view = CreateResultsList(&model);
  view->resize(400, 300);
  view->show();
  view->scrollToBottom();
  QApplication::processEvents();

  EXPECT_EQ(model.rowCount(), 3'000'000);
  EXPECT_EQ(model.index(2'999'999, 0).data().toString(), "Line 2999999");
  EXPECT_LT(made, 1000) << "the view made lines it does not show";
  EXPECT_FALSE(model.index(0, 0).data(Qt::EditRole).isValid());
  delete view;
}

TEST(ReportListModel, CountsBeyondAListsReachAreCapped) {
  EXPECT_EQ(ReportListModel::ShownRows(-1), 0);
  EXPECT_EQ(ReportListModel::ShownRows(12), 12);
  EXPECT_EQ(ReportListModel::ShownRows(std::int64_t{1} << 40), INT_MAX);
}

TEST(ReportListModel, ShowingAnotherReportResetsTheView) {
  ReportListModel model;
  model.Show(5, [](std::int64_t) { return std::string("a"); });
  QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
  model.Show(0, nullptr);
  EXPECT_EQ(resets.count(), 1);
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_FALSE(model.index(0, 0).data().isValid());
}

}  // namespace
}  // namespace kolvane::ui

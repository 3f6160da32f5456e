#include "ui/solutions/report_list_model.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <climits>
#include <string>

#include "ui/recording_messages.h"
#include "ui/solutions/results_list.h"

namespace kolvane::ui {
namespace {

TEST(ReportListModel, ListsMillionsOfLinesMadeOnlyWhenAsked) {
  ReportListModel model;
  std::int64_t made = 0;
  model.Show(3'000'000, [&made](std::int64_t index) {
    ++made;
    return "Line " + std::to_string(index);
  });
  testing::RecordingMessages messages;
  QListView* view = new ResultsList(&model, messages);
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

class ResultsListTest : public ::testing::Test {
 protected:
  ResultsListTest() : list_(&model_, messages_) {
    model_.Show(8, [this](std::int64_t index) {
      ++made_;
      return "Line " + std::to_string(index) + " m²";
    });
    list_.resize(300, 200);
    list_.show();
  }
  void Choose(int row, QItemSelectionModel::SelectionFlags how) {
    list_.selectionModel()->select(model_.index(row, 0), how);
  }
  QAction* Action(const char* name) {
    for (QAction* action : list_.actions())
      if (action->objectName() == name) return action;
    ADD_FAILURE() << name;
    return nullptr;
  }

  ReportListModel model_;
  testing::RecordingMessages messages_;
  ResultsList list_;
  std::int64_t made_ = 0;
};

TEST_F(ResultsListTest, CtrlAAndTheMenusSelectAllSelectEveryLine) {
  QTest::keyClick(&list_, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&list_, Qt::Key_C, Qt::ControlModifier);
  QString all;
  for (int row = 0; row < 8; ++row) all += (row ? "\r\n" : "") + QString::fromUtf8("Line %1 m²").arg(row);
  EXPECT_EQ(QApplication::clipboard()->text(), all);

  // The context menu's two actions, from a single line chosen.
  QApplication::clipboard()->clear();
  EXPECT_EQ(list_.contextMenuPolicy(), Qt::ActionsContextMenu);
  Choose(3, QItemSelectionModel::ClearAndSelect);
  Action("actCopy")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("Line 3 m²"));
  Action("actSelectAll")->trigger();
  EXPECT_EQ(list_.selectionModel()->selection().size(), 1);  // one range, never millions of indexes
  Action("actCopy")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), all);
}

TEST_F(ResultsListTest, TooManyLinesAreRefusedWithAMessageAndTheClipboardKept) {
  model_.Show(2'000'000, [this](std::int64_t index) {
    ++made_;
    return std::to_string(index);
  });
  QApplication::clipboard()->setText("kept");
  QTest::keyClick(&list_, Qt::Key_A, Qt::ControlModifier);
  made_ = 0;
  QTest::keyClick(&list_, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(made_, 0);
  EXPECT_EQ(QApplication::clipboard()->text(), "kept");
  ASSERT_EQ(messages_.Shown.size(), 1u);
  EXPECT_EQ(messages_.Shown[0].Kind, testing::MessageKind::Error);
  EXPECT_EQ(messages_.Shown[0].Text.rfind("The 2000000 lines chosen are too many to copy", 0), 0u);
}

}  // namespace
}  // namespace kolvane::ui

#include "ui/solutions/report_list_model.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QListView>
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
  model.Show(3'000'000, [&made](std::int64_t index) { return ++made, "Line " + std::to_string(index); });
  testing::RecordingMessages messages;
  ResultsList view(&model, messages);
  view.resize(400, 300);
  view.show();
  view.scrollToBottom();
  QApplication::processEvents();
  EXPECT_EQ(model.rowCount(), 3'000'000);
  EXPECT_EQ(model.index(2'999'999, 0).data().toString(), "Line 2999999");
  EXPECT_LT(made, 1000) << "the view made lines it does not show";
  EXPECT_EQ(ReportListModel::ShownRows(std::int64_t{1} << 40), INT_MAX);
}

// Ctrl+C copies through the core's line copy: the lines chosen, or its refusal
// shown with the clipboard kept.
TEST(ResultsList, CopiesTheChosenLinesOrShowsTheRefusal) {
  ReportListModel model;
  testing::RecordingMessages messages;
  ResultsList list(&model, messages);
  model.Show(3, [](std::int64_t index) { return "Line " + std::to_string(index) + " m²"; });
  list.show();
  QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(list.selectionModel()->selection().size(), 1);  // one range, never millions of indexes
  QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("Line 0 m²\r\nLine 1 m²\r\nLine 2 m²"));

  model.Show(2'000'000, [](std::int64_t index) { return std::to_string(index); });
  QApplication::clipboard()->setText("kept");
  QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "kept");
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Kind, testing::MessageKind::Error);
  EXPECT_EQ(messages.Shown[0].Text.rfind("The 2000000 lines chosen are too many to copy", 0), 0u);
}

}  // namespace
}  // namespace kolvane::ui

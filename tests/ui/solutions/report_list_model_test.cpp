#include "ui/solutions/report_list_model.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <string>

#include "ui/solutions/results_list.h"
#include "ui/support/recording_messages.h"

namespace kolvane::ui {
namespace {

// Millions of lines, made only when shown; Ctrl+A, Ctrl+C copy through the
// core's line copy: the lines chosen, or its refusal shown, the clipboard kept.
TEST(ResultsList, ListsMillionsOfLinesLazilyAndCopiesOrShowsTheRefusal) {
  ReportListModel model;
  testing::RecordingMessages messages;
  ResultsList list(&model, messages);
  std::int64_t made = 0;
  model.Show(3'000'000, [&made](std::int64_t index) {
    ++made;
    return "Line " + std::to_string(index) + " m²";
  });
  list.show();
  list.scrollToBottom();
  QApplication::processEvents();
  EXPECT_EQ(model.index(2'999'999, 0).data().toString(), QString::fromUtf8("Line 2999999 m²"));
  EXPECT_LT(made, 1000) << "the view made lines it does not show";

  QApplication::clipboard()->setText("kept");
  QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(list.selectionModel()->selection().size(), 1);  // one range, never millions of indexes
  QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "kept");
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Kind, testing::MessageKind::Error);  // its text is the core's

  model.Show(3, [](std::int64_t index) { return "Line " + std::to_string(index) + " m²"; });
  QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("Line 0 m²\r\nLine 1 m²\r\nLine 2 m²"));
}

}  // namespace
}  // namespace kolvane::ui

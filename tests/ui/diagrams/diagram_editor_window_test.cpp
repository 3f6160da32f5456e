#include "ui/diagrams/diagram_editor_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/diagram_rename.h"
#include "core/support/diagram_test_support.h"
#include "ui/support/modal_windows.h"
#include "ui/support/recording_messages.h"

namespace kolvane::ui {
namespace {

using testing::Find;
using testing::Shown;

// The kind's box, the name rule and the overwrite question are the core's; the
// window asks them. What Cancel leaves is tested with the manager, which saves.
class DiagramEditorTest : public ::testing::Test {
 protected:
  void Open(const std::string& name, std::vector<std::string> listed = {}) {
    editor_ =
        std::make_unique<DiagramEditorWindow>(context_, CurrentDiagram{day_, name, kSunPosition}, std::move(listed));
    editor_->show();
  }
  QLineEdit* Box(const char* name) { return Find<QLineEdit>(editor_.get(), name); }
  void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(editor_.get(), button), Qt::LeftButton); }

  const Diagram day_{{{0, 0}, {24, 0}}};
  testing::RecordingMessages messages_;
  AppContext context_{Workspace("."), &messages_, {}};
  std::unique_ptr<DiagramEditorWindow> editor_;
};

TEST_F(DiagramEditorTest, AddsAPointThroughTheCoreAndIgnoresOneOutsideTheBox) {
  Open("June");
  for (const char* x : {"12", "25"}) {  // 25 h lies beyond the day
    Box("txtX")->setText(x);
    Box("txtY")->setText("90");
    Click("cmdAddModify");
  }
  EXPECT_EQ(editor_->EditedDiagram().Points, MakeDiagram({{0, 0}, {12, 90}, {24, 0}}));
  EXPECT_TRUE(messages_.Shown.empty());
  EXPECT_EQ(Box("txtX")->toolTip().toStdString(), DiagramXTip(kSunPosition));  // the kind's, from the core
  EXPECT_EQ(Box("txtY")->toolTip().toStdString(), DiagramYTip(kSunPosition));
}

// A name the core refuses (pasted text bypasses the name box's filter) keeps
// the dialog open; one that would replace another diagram is asked about.
TEST_F(DiagramEditorTest, OkReturnsTheEditedDiagramUnderANameTheCoreAccepts) {
  Open("", {"July"});
  Box("txtName")->setText("../summer");
  Click("cmdOk");
  EXPECT_TRUE(editor_->isVisible());
  Box("txtName")->setText(" July ");
  messages_.Answers = {true};
  Click("cmdOk");
  EXPECT_EQ(messages_.Shown, (Shown{{testing::MessageKind::Error, kInvalidDiagramNameMessage},
                                    {testing::MessageKind::Question, kDiagramOverwriteQuestion}}));
  EXPECT_EQ(editor_->result(), QDialog::Accepted);
  EXPECT_EQ(editor_->EditedDiagram().Name, "July");  // its points after Ok are the manager's tests'
}

}  // namespace
}  // namespace kolvane::ui

#include "ui/diagrams/diagram_manager_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "core/diagrams/diagram_store.h"
#include "core/support/test_support.h"
#include "ui/support/modal_windows.h"
#include "ui/support/recording_messages.h"

namespace kolvane::ui {
namespace {

using testing::Shown;

constexpr const char* kJune = "0\t0\r\n12\t90\r\n24\t0\r\n";

// What the user does in a window once it has opened: an optional point (x, 40),
// an optional new name, then a button.
std::function<void(QWidget*)> InWindow(const char* x, const char* name, const char* button) {
  return [=](QWidget* window) {
    if (*x != '\0') {
      testing::Find<QLineEdit>(window, "txtX")->setText(x);
      testing::Find<QLineEdit>(window, "txtY")->setText("40");
      QTest::mouseClick(testing::Find<QPushButton>(window, "cmdAddModify"), Qt::LeftButton);
    }
    if (*name != '\0') testing::Find<QLineEdit>(window, "txtName")->setText(name);
    QTest::mouseClick(testing::Find<QPushButton>(window, button), Qt::LeftButton);
  };
}

// The rules (listing, opening, saving, renaming, deleting) are the core's;
// here each button reaches them and the window shows their answer.
class DiagramManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteBytes(folder_.File("June.dg1"), kJune);
    testing::WriteBytes(folder_.File("April.dg1"), kJune);
    testing::WriteBytes(folder_.File("Winter.dg2"), kJune);  // another kind
    manager_.SetMode(kSunPosition);
    manager_.Initialise();
    manager_.show();
    List()->setCurrentRow(1);  // June
  }
  std::vector<std::string> Listed() {
    std::vector<std::string> names;
    for (int i = 0; i < List()->count(); ++i) names.push_back(List()->item(i)->text().toStdString());
    return names;
  }
  QListWidget* List() { return testing::Find<QListWidget>(&manager_, "lstDiagrams"); }
  void Click(const char* button) { QTest::mouseClick(testing::Find<QPushButton>(&manager_, button), Qt::LeftButton); }

  testing::ScratchFolder folder_;
  testing::RecordingMessages messages_;
  AppContext context_{Workspace(folder_.Path()), &messages_, {}};
  DiagramManagerWindow manager_{context_};
};

// The list shows the kind's diagrams only (not Winter.dg2), listed again after a save.
TEST_F(DiagramManagerTest, NewSavesTheEditedDiagramUnderItsName) {
  testing::WhenModalOpens editor("frmEditDiagrams", InWindow("6", "Midsummer", "cmdOk"));
  Click("cmdNew");
  EXPECT_EQ(testing::ReadBytes(folder_.File("Midsummer.dg1")),
            "0\t0\r\n6\t40\r\n24\t0\r\n");  // from the kind's default
  EXPECT_EQ(Listed(), (std::vector<std::string>{"April", "June", "Midsummer"}));
}

TEST_F(DiagramManagerTest, ModifySavesWhatTheEditorReturnsAndNothingOnCancel) {
  {
    testing::WhenModalOpens cancelled("frmEditDiagrams", InWindow("6", "Midsummer", "cmdCancel"));
    Click("cmdModify");
    EXPECT_TRUE(cancelled.Acted());
  }
  EXPECT_EQ(testing::ReadBytes(folder_.File("June.dg1")), kJune);  // neither changed nor renamed

  testing::WhenModalOpens editor("frmEditDiagrams", InWindow("6", "Midsummer", "cmdOk"));
  Click("cmdModify");
  EXPECT_EQ(testing::ReadBytes(folder_.File("Midsummer.dg1")), "0\t0\r\n6\t40\r\n12\t90\r\n24\t0\r\n");
  EXPECT_EQ(testing::FolderListing(folder_.Path()), "April.dg1;Midsummer.dg1;Winter.dg2;");  // the old name is gone
}

TEST_F(DiagramManagerTest, DeleteRemovesTheFileWhenTheUserSaysYes) {
  messages_.Answers = {true};
  Click("cmdDelete");
  EXPECT_EQ(messages_.NoByDefault, std::vector<std::string>{DeleteDiagramQuestion("June")});
  EXPECT_EQ(testing::FolderListing(folder_.Path()), "April.dg1;Winter.dg2;");
  EXPECT_EQ(Listed(), std::vector<std::string>{"April"});
}

TEST_F(DiagramManagerTest, DrawPlotsTheRepairedDiagramAndShowsTheIncidents) {
  testing::WriteBytes(folder_.File("June.dg1"), "24\t0\r\nnote\r\n0\t0\r\n12\t90\r\n");
  testing::WhenModalOpens plot("frmDrawDiagram", InWindow("", "", "cmdOk"));
  Click("cmdDraw");
  EXPECT_TRUE(plot.Acted());
  const std::string kept = "\nThe original file was kept as June.dg1.bak.";
  EXPECT_EQ(messages_.Shown,
            (Shown{{testing::MessageKind::Notice, "LoadDiagram reported a fixed error for June" + kept},
                   {testing::MessageKind::Notice, "FixDiagram reported a fixed error for June" + kept}}));
}

// That the diagram is kept when its new name cannot be saved is the core's test.
TEST_F(DiagramManagerTest, AFailedSaveShowsTheCoresReason) {
  std::filesystem::create_directory(folder_.File("Blocked.dg1"));  // nothing can be saved over a folder
  testing::WhenModalOpens editor("frmEditDiagrams", InWindow("", "Blocked", "cmdOk"));
  Click("cmdModify");
  EXPECT_EQ(messages_.Shown, (Shown{{testing::MessageKind::Error, "Blocked.dg1 could not be saved: Is a directory"}}));
}

}  // namespace
}  // namespace kolvane::ui

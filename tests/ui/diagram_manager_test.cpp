#include "ui/diagrams/diagram_manager_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "core/test_support.h"
#include "modal_windows.h"
#include "recording_messages.h"
#include "ui/diagrams/diagram_editor_window.h"
#include "ui/diagrams/diagram_plot_window.h"

namespace kolvane::ui {
namespace {

using kolvane::testing::Child;
using kolvane::testing::FolderListing;
using kolvane::testing::MessageKind;
using kolvane::testing::ReadBytes;
using kolvane::testing::RecordingMessages;
using kolvane::testing::ScratchFolder;
using kolvane::testing::ShownMessage;
using kolvane::testing::WhenModalOpens;
using kolvane::testing::WriteBytes;
using Names = std::vector<std::string>;
using Shown = std::vector<ShownMessage>;

constexpr const char* kJune = "0\t0\r\n12\t90\r\n24\t0\r\n";

class DiagramManagerTest : public ::testing::Test {
 protected:
  // Opens the manager for `kind` as the main window does.
  void Open(DiagramKind kind = kSunPosition, const QString& title = "Sun position diagrams (*.dg1)") {
    manager = std::make_unique<DiagramManagerWindow>(context);
    manager->SetMode(kind);
    manager->SetTitle(title);
    manager->Initialise();
    manager->show();
  }
  QListWidget* List() { return Child<QListWidget>(manager.get(), "lstDiagrams"); }
  QPushButton* Button(const char* name) { return Child<QPushButton>(manager.get(), name); }
  void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
  Names Listed() {
    Names names;
    for (int i = 0; i < List()->count(); ++i) names.push_back(List()->item(i)->text().toStdString());
    return names;
  }
  std::string Selected() {
    return List()->selectedItems().isEmpty() ? "" : List()->selectedItems().front()->text().toStdString();
  }
  void Select(const QString& name) {
    const QList<QListWidgetItem*> found = List()->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const QRect place = List()->visualItemRect(found.front());
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, place.center());
  }
  std::vector<bool> DrawModifyDeleteEnabled() {
    return {Button("cmdDraw")->isEnabled(), Button("cmdModify")->isEnabled(), Button("cmdDelete")->isEnabled()};
  }
  std::string FileOf(const std::string& name) { return folder.File(name); }

  ScratchFolder folder;
  RecordingMessages messages;
  AppContext context{Workspace(folder.Path()), &messages, {}};
  std::unique_ptr<DiagramManagerWindow> manager;
};

// What the user does in the editor once it has opened.
void Type(QWidget* editor, const char* box, const QString& text) {
  auto* field = Child<QLineEdit>(editor, box);
  field->selectAll();
  QTest::keyClicks(field, text);
}
void Press(QWidget* window, const char* button) {
  QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
}
void AddPoint(QWidget* editor, const QString& x, const QString& y) {
  Type(editor, "txtX", x);
  Type(editor, "txtY", y);
  Press(editor, "cmdAddModify");
}

TEST_F(DiagramManagerTest, ListsTheKindsDiagramsAndSelectsTheFirst) {
  WriteBytes(FileOf("June.dg1"), kJune);
  WriteBytes(FileOf("april.dg1"), kJune);
  WriteBytes(FileOf("Winter.dg2"), kJune);  // another kind
  WriteBytes(FileOf("June.DG1"), kJune);    // not the extension of kind 1 here
  WriteBytes(FileOf("notes.txt"), "");
  Open();
  EXPECT_EQ(manager->objectName(), "frmDiagrams");
  EXPECT_EQ(manager->windowTitle(), "Sun position diagrams (*.dg1)");
  EXPECT_EQ(manager->Mode(), kSunPosition);
  EXPECT_EQ(Listed(), (Names{"april", "June"}));
  EXPECT_EQ(Selected(), "april");
  EXPECT_EQ(DrawModifyDeleteEnabled(), (std::vector<bool>{true, true, true}));

  Open(kSurfaceTemperature, "Surface temperature diagrams (*.dg3)");
  EXPECT_TRUE(Listed().empty());
  EXPECT_EQ(DrawModifyDeleteEnabled(), (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(Button("cmdNew")->isEnabled());
  EXPECT_TRUE(Button("cmdOk")->isEnabled());
}

TEST_F(DiagramManagerTest, DeletesOnlyWhenTheUserSaysYes) {
  WriteBytes(FileOf("April.dg1"), kJune);
  WriteBytes(FileOf("June.dg1"), kJune);
  WriteBytes(FileOf("June.dg2"), kJune);
  Open();
  Select("June");
  Click("cmdDelete");  // answered No
  EXPECT_EQ(messages.Shown, (Shown{{MessageKind::Question, "You are about to delete June. Should I proceed?"}}));
  EXPECT_EQ(messages.NoByDefault, Names{"You are about to delete June. Should I proceed?"});
  EXPECT_EQ(Listed(), (Names{"April", "June"}));
  EXPECT_EQ(Selected(), "June");

  messages.Answers = {true};
  Click("cmdDelete");
  EXPECT_EQ(FolderListing(folder.Path()), "April.dg1;June.dg2;");
  EXPECT_EQ(Listed(), (Names{"April"}));
  EXPECT_EQ(Selected(), "April");
}

TEST_F(DiagramManagerTest, ModifyingWithoutRenamingRewritesTheFileOnly) {
  WriteBytes(FileOf("April.dg1"), kJune);
  WriteBytes(FileOf("June.dg1"), kJune);
  Open();
  Select("June");
  WhenModalOpens editor("frmEditDiagrams", [](QWidget* window) {
    EXPECT_EQ(window->windowTitle(), "Modify June.dg1");
    EXPECT_EQ(Child<QTableWidget>(window, "Grid")->rowCount(), 3);
    AddPoint(window, "6", "40");
    Press(window, "cmdOk");
  });
  Click("cmdModify");
  EXPECT_TRUE(editor.Acted());
  EXPECT_EQ(ReadBytes(FileOf("June.dg1")), "0\t0\r\n6\t40\r\n12\t90\r\n24\t0\r\n");
  EXPECT_EQ(FolderListing(folder.Path()), "April.dg1;June.dg1;");
  EXPECT_EQ(Selected(), "June");  // the list was not filled again
  EXPECT_TRUE(messages.Shown.empty());
}

// A diagram made under another name rule ("a:b") or whose file name is not
// UTF-8 is listed, opened by its bytes and saved under its own name; nothing
// is created under an altered name.
TEST_F(DiagramManagerTest, AnExistingNameIsEditedAndSavedAsItIs) {
  for (const std::string name : {"a:b", "caf\xE9"}) {
    SCOPED_TRACE(name);
    ScratchFolder scratch;
    context.workspace = Workspace(scratch.Path());
    messages.Shown.clear();
    WriteBytes(scratch.File(name + ".dg1"), kJune);
    Open();
    ASSERT_EQ(List()->count(), 1);
    EXPECT_EQ(Selected(), List()->item(0)->text().toStdString());
    WhenModalOpens editor("frmEditDiagrams", [](QWidget* window) {
      AddPoint(window, "6", "40");
      Press(window, "cmdOk");
    });
    Click("cmdModify");
    EXPECT_TRUE(editor.Acted());
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(ReadBytes(scratch.File(name + ".dg1")), "0\t0\r\n6\t40\r\n12\t90\r\n24\t0\r\n");
    EXPECT_EQ(FolderListing(scratch.Path()), name + ".dg1;");
  }
}

TEST_F(DiagramManagerTest, CancelDiscardsTheEdits) {
  WriteBytes(FileOf("June.dg1"), kJune);
  Open();
  WhenModalOpens editor("frmEditDiagrams", [](QWidget* window) {
    AddPoint(window, "6", "40");
    Type(window, "txtName", "Renamed");
    Press(window, "cmdCancel");
  });
  Click("cmdModify");
  EXPECT_TRUE(editor.Acted());
  EXPECT_EQ(FolderListing(folder.Path()), "June.dg1;");
  EXPECT_EQ(ReadBytes(FileOf("June.dg1")), kJune);
}

struct RenameCase {
  const char* what;
  const char* newName;
  std::deque<bool> answers;
  const char* listingAfter;
  Names listedAfter;
  const char* selectedAfter;
  bool asked;
  friend void PrintTo(const RenameCase& c, std::ostream* out) { *out << c.what; }
};

class DiagramManagerRename : public DiagramManagerTest, public ::testing::WithParamInterface<RenameCase> {};

TEST_P(DiagramManagerRename, WritesTheNewNameAndRemovesTheOld) {
  const RenameCase& c = GetParam();
  WriteBytes(FileOf("July.dg1"), "0\t5\r\n24\t5\r\n");
  WriteBytes(FileOf("June.dg1"), kJune);
  Open();
  Select("June");
  messages.Answers = c.answers;
  WhenModalOpens editor("frmEditDiagrams", [&](QWidget* window) {
    Type(window, "txtName", c.newName);
    Press(window, "cmdOk");
  });
  Click("cmdModify");
  EXPECT_TRUE(editor.Acted());
  EXPECT_EQ(FolderListing(folder.Path()), c.listingAfter);
  EXPECT_EQ(ReadBytes(folder.File(std::string(c.newName) + ".dg1")), kJune);
  EXPECT_EQ(Listed(), c.listedAfter);
  EXPECT_EQ(Selected(), c.selectedAfter);  // filled again, on the diagram just saved
  const Shown asked{{MessageKind::Question,
                     "The new file name you propose already exists and it will be overwritten. Should I proceed?"}};
  EXPECT_EQ(messages.Shown, c.asked ? asked : Shown{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiagramManagerRename,
    ::testing::Values(
        RenameCase{
            "a free name", "Midsummer", {}, "July.dg1;Midsummer.dg1;", {"July", "Midsummer"}, "Midsummer", false},
        RenameCase{"onto another diagram", "July", {true}, "July.dg1;", {"July"}, "July", true}));

TEST_F(DiagramManagerTest, ARenameThatCannotBeSavedKeepsTheDiagramAndSaysWhy) {
  WriteBytes(FileOf("June.dg1"), kJune);
  std::filesystem::create_directory(FileOf("Blocked.dg1"));  // nothing can be renamed over a folder
  Open();
  WhenModalOpens editor("frmEditDiagrams", [](QWidget* window) {
    Type(window, "txtName", "Blocked");
    Press(window, "cmdOk");
  });
  Click("cmdModify");
  EXPECT_TRUE(editor.Acted());
  EXPECT_EQ(messages.Shown, (Shown{{MessageKind::Error, "Blocked.dg1 could not be saved: Is a directory"}}));
  EXPECT_EQ(ReadBytes(FileOf("June.dg1")), kJune);
  EXPECT_EQ(Listed(), (Names{"June"}));
}

TEST_F(DiagramManagerTest, ANewDiagramStartsFromTheKindsDefaultAndIsSavedUnderItsName) {
  WriteBytes(FileOf("Summer.dg4"), "0\t100\r\n180\t0\r\n");
  Open(kExternalTemperatureVariation, "External temperature variation diagrams (*.dg4)");
  WhenModalOpens editor("frmEditDiagrams", [](QWidget* window) {
    EXPECT_EQ(window->windowTitle(), "New External temperature variation diagram");
    EXPECT_EQ(Child<QTableWidget>(window, "Grid")->item(1, 1)->text(), "180");  // (0, 0) and (180, 0)
    AddPoint(window, "90", "50");
    Type(window, "txtName", " Winter ");
    Press(window, "cmdOk");
  });
  Click("cmdNew");
  EXPECT_TRUE(editor.Acted());
  EXPECT_EQ(ReadBytes(FileOf("Winter.dg4")), "0\t0\r\n90\t50\r\n180\t0\r\n");
  EXPECT_EQ(Listed(), (Names{"Summer", "Winter"}));
  EXPECT_EQ(Selected(), "Winter");
}

TEST_F(DiagramManagerTest, DoubleClickOnANameModifiesIt) {
  WriteBytes(FileOf("April.dg1"), kJune);
  WriteBytes(FileOf("June.dg1"), kJune);
  Open();
  QString caption;
  WhenModalOpens editor("frmEditDiagrams", [&](QWidget* window) {
    caption = window->windowTitle();
    Press(window, "cmdCancel");
  });
  const QRect place = List()->visualItemRect(List()->item(1));
  QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, place.center());  // a double click's first press
  QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, place.center());
  EXPECT_TRUE(editor.Acted());
  EXPECT_EQ(caption, "Modify June.dg1");
}

TEST_F(DiagramManagerTest, DrawShowsTheRepairedDiagramAndToldRepairs) {
  WriteBytes(FileOf("Odd.dg1"), "24\t0\r\nnote\r\n0\t0\r\n12\t90\r\n");
  Open();
  QString caption;
  WhenModalOpens plot("frmDrawDiagram", [&](QWidget* window) {
    caption = window->windowTitle();
    Type(window, "txtX", "6");
    EXPECT_EQ(Child<QLabel>(window, "lblY")->text(), "45");
    Press(window, "cmdOk");
  });
  Click("cmdDraw");
  EXPECT_TRUE(plot.Acted());
  EXPECT_EQ(caption, "Sun position diagram : Odd.dg1");
  const std::string kept = "\nThe original file was kept as Odd.dg1.bak.";
  EXPECT_EQ(messages.Shown, (Shown{{MessageKind::Notice, "LoadDiagram reported a fixed error for Odd" + kept},
                                   {MessageKind::Notice, "FixDiagram reported a fixed error for Odd" + kept}}));
  EXPECT_EQ(ReadBytes(FileOf("Odd.dg1")), kJune);  // repairs are saved
  EXPECT_EQ(ReadBytes(FileOf("Odd.dg1.bak")), "24\t0\r\nnote\r\n0\t0\r\n12\t90\r\n");
}

TEST_F(DiagramManagerTest, AnUnreadableDiagramIsNeitherDrawnNorEdited) {
  WriteBytes(FileOf("Huge.dg1"), "0\t1E400\r\n");  // beyond the range of a double
  Open();
  WhenModalOpens anyPlot("frmDrawDiagram", [](QWidget* window) { Press(window, "cmdOk"); });
  WhenModalOpens anyEditor("frmEditDiagrams", [](QWidget* window) { Press(window, "cmdCancel"); });
  Click("cmdDraw");
  Click("cmdModify");
  EXPECT_FALSE(anyPlot.Acted());
  EXPECT_FALSE(anyEditor.Acted());
  EXPECT_EQ(messages.Shown, (Shown{{MessageKind::Notice, "LoadDiagram reported a critical error for Huge"},
                                   {MessageKind::Notice, "LoadDiagram reported a critical error for Huge"}}));
  EXPECT_EQ(ReadBytes(FileOf("Huge.dg1")), "0\t1E400\r\n");
}

TEST_F(DiagramManagerTest, OkClosesTheWindow) {
  Open();
  Click("cmdOk");
  EXPECT_FALSE(manager->isVisible());
  EXPECT_EQ(manager->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace kolvane::ui

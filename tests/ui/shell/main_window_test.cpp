// The main window's wiring; what main.dat holds and which fields are valid is the core's.
#include "ui/shell/main_window.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "core/common/program_info.h"
#include "core/support/test_support.h"
#include "ui/common/app_context.h"
#include "ui/support/recording_messages.h"

namespace kolvane::ui {
namespace {

using namespace kolvane::testing;

struct OpenWindow {
  explicit OpenWindow(const std::string& mainDat)
      : Written([&] {
          WriteBytes(Folder.File("main.dat"), mainDat);
          return true;
        }()) {
    Window.SetDiagramsHook([this](DiagramKind kind, const std::string&) { Diagrams.push_back(kind); });
    Window.SetThermoElasticHook([this](const MainDataTexts& t) { Solutions.push_back(t); });
    Window.show();
    Window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
  }
  QLineEdit* Field(const char* name) { return Window.findChild<QLineEdit*>(name); }
  void Click(const char* name) { QTest::mouseClick(Window.findChild<QPushButton*>(name), Qt::LeftButton); }

  ScratchFolder Folder;
  bool Written;  // before the window opens and reads it
  RecordingMessages Messages;
  AppContext Context{Workspace(Folder.Path()), &Messages, {}};
  MainWindow Window{Context};
  std::vector<DiagramKind> Diagrams;
  std::vector<MainDataTexts> Solutions;
};

TEST(MainWindow, AMainDatNotReadCompletelyIsToldAndKeptWhenAnotherFolderIsOpened) {
  OpenWindow w("120\r\n3,6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n1E-05\r\n");
  EXPECT_EQ(w.Messages.Shown.at(0).Kind, MessageKind::Notice);  // its text is the core's, the count checked below

  ScratchFolder other;
  WriteBytes(other.File("main.dat"), "80\r\n2\r\n2.5\r\n25\r\n30\r\n5\r\n2\r\n36\r\n10\r\n0\r\n1E-05\r\n");
  w.Context.Grid.K = 100;  // a run's results belong to the column they were computed for
  w.Window.SetFolderChooser([&](const QString&) { return QString::fromStdString(other.Path()); });
  w.Field("txtHeight")->setText("150");
  w.Click("cmdOpenFolder");
  EXPECT_EQ(ReadBytes(w.Folder.File("main.dat")), "150\r\n3\r\n6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n5\r\n");
  EXPECT_EQ(FieldText(w.Window.FieldTexts(), MainField::Height), "80");  // read from the folder opened
  EXPECT_EQ(w.Context.Grid.K, 0);
  EXPECT_EQ(w.Window.windowTitle(), QString::fromStdString(ProgramTitle() + " - " + other.Path()));

  // Main data that cannot be saved keeps the window on its folder, the edit still there to keep.
  w.Field("txtHeight")->setText("81");
  ::chmod(other.File("main.dat").c_str(), 0444);
  EXPECT_FALSE(w.Window.OpenColumnFolder(QString::fromStdString(w.Folder.Path())));
  EXPECT_EQ(FieldText(w.Window.FieldTexts(), MainField::Height), "81");
  ASSERT_EQ(w.Messages.Shown.size(), 2u);
  EXPECT_EQ(w.Messages.Shown[1], (ShownMessage{MessageKind::Error, "main.dat could not be saved: Permission denied"}));
}

// The menu bar's actions reach the same code as the buttons and keys. A
// recent folder opens again by its bytes (its name need not be UTF-8); one
// that is gone leaves the list when it is refused.
TEST(MainWindow, MenusSaveEditAndDropAVanishedRecentFolder) {
  OpenWindow w("120\r\n3.6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n1E-05\r\n");
  EXPECT_NE(w.Field("txtHeight")->toolTip().indexOf("less than 500 m"), -1);
  QLineEdit* height = w.Field("txtHeight");
  height->setFocus();
  height->selectAll();
  QApplication::clipboard()->setText("152,5");
  w.Window.findChild<QAction*>("mnuPaste")->trigger();
  EXPECT_EQ(height->text(), "152.5");
  QTest::keyClick(&w.Window, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(ReadBytes(w.Folder.File("main.dat")).substr(0, 7), "152.5\r\n");
  EXPECT_EQ(w.Messages.Shown.at(0).Kind, MessageKind::Information);  // the count checked below

  ScratchFolder parent;
  const std::string latin1 = parent.File("S\xe9ville");
  ASSERT_EQ(::mkdir(latin1.c_str(), 0755), 0);
  WriteBytes(latin1 + "/main.dat", ReadBytes(w.Folder.File("main.dat")));
  {
    AppContext context{Workspace(latin1), &w.Messages, {}};
    MainWindow first(context);  // opening the folder puts it on the list
  }
  auto* recent = w.Window.findChild<QMenu*>("mnuRecentFolders");
  const auto entry = [&] {
    emit recent->aboutToShow();
    for (QAction* action : recent->actions())
      if (action->text().startsWith(QString::fromStdString(parent.Path()))) return action;
    return static_cast<QAction*>(nullptr);
  };
  ASSERT_NE(entry(), nullptr);
  entry()->trigger();
  EXPECT_EQ(w.Context.Workspace.Folder(), latin1);
  ASSERT_TRUE(w.Window.OpenColumnFolder(QString::fromStdString(w.Folder.Path())));
  std::filesystem::remove_all(latin1);
  entry()->trigger();
  ASSERT_EQ(w.Messages.Shown.size(), 2u);
  EXPECT_EQ(w.Messages.Shown.back().Kind, MessageKind::Error);
  EXPECT_EQ(entry(), nullptr);
}

TEST(MainWindow, OpensTheManagersAndTheSolutionsOnlyOnValidMainData) {
  OpenWindow w("120\r\n3.6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n1E-05\r\n");
  w.Click("cmdDiagram3");
  EXPECT_EQ(w.Diagrams, std::vector<DiagramKind>{3});
  // A solution opened on valid main data is the window links' test.
  w.Field("txtK")->setText("0");
  w.Click("cmdThermoElastic");
  EXPECT_TRUE(w.Solutions.empty());
  EXPECT_EQ(w.Messages.Shown, (Shown{{MessageKind::Error, "The number of slices is invalid."}}));
  EXPECT_EQ(QApplication::focusWidget(), w.Field("txtK"));  // the user is sent to the field at fault
  w.Window.close();                                         // saves the fields as shown
  EXPECT_EQ(ReadBytes(w.Folder.File("main.dat")),
            "120\r\n3.6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n0\r\n-5\r\n1E-05\r\n");
}

}  // namespace
}  // namespace kolvane::ui

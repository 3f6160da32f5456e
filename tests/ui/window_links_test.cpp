#include "ui/shell/window_links.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/test_support.h"
#include "ui/diagrams/diagram_manager_window.h"
#include "ui/modal_windows.h"
#include "ui/picture_ink.h"
#include "ui/plots/plot_picture.h"
#include "ui/recording_messages.h"
#include "ui/solution_test_support.h"

namespace kolvane::ui {
namespace {

// The manager lists the diagrams of the column folder opened last.
TEST(WindowLinks, EachDiagramButtonOpensTheManagerOfItsKindInTheOpenFolder) {
  kolvane::testing::ScratchFolder started;
  kolvane::testing::WriteBytes(started.File("elsewhere.dg3"), "0\t10\r\n24\t10\r\n");
  kolvane::testing::ScratchFolder folder;
  kolvane::testing::WriteBytes(folder.File("summer.dg3"), "0\t10\r\n24\t10\r\n");
  kolvane::testing::WriteBytes(folder.File("winter.dg3"), "0\t-2\r\n24\t-2\r\n");
  kolvane::testing::WriteBytes(folder.File("summer.dg1"), "0\t0\r\n24\t180\r\n");
  kolvane::testing::RecordingMessages messages;
  AppContext context{Workspace(started.Path()), &messages, {}, {}};
  MainWindow mainWindow(context);
  LinkMainWindow(mainWindow, context);
  ASSERT_TRUE(mainWindow.OpenColumnFolder(QString::fromStdString(folder.Path())));

  QString title;
  int mode = 0;
  QStringList listed;
  QTimer::singleShot(0, [&] {
    auto* manager = qobject_cast<DiagramManagerWindow*>(QApplication::activeModalWidget());
    ASSERT_NE(manager, nullptr);
    title = manager->windowTitle();
    mode = manager->Mode();
    auto* list = manager->findChild<QListWidget*>("lstDiagrams");
    ASSERT_NE(list, nullptr);
    for (int row = 0; row < list->count(); ++row) listed << list->item(row)->text();
    manager->findChild<QPushButton*>("cmdOk")->click();
  });
  auto* button = mainWindow.findChild<QPushButton*>("cmdDiagram3");
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->isEnabled());
  button->click();

  EXPECT_EQ(title, "Surface temperature diagrams (*.dg3)");
  EXPECT_EQ(mode, 3);
  EXPECT_EQ(listed, (QStringList{"summer", "winter"}));
  EXPECT_TRUE(messages.Shown.empty());
}

// From the main window to a solved column and its plot, through the windows
// the program links: solution window, Calculate, Draw, a result chosen.
struct SolutionToPlot {
  const char* solution;  // the main window's button
  const char* window;
  std::function<void(QWidget*)> solve;
  const char* drawButton;
  const char* plot;
  const char* result;                                   // chosen in the plot's list
  std::vector<kolvane::testing::MessageKind> messages;  // the creep run closes with a notice
};

TEST(WindowLinks, EachSolutionWindowRunsAndOpensItsPlotOnTheRunsResults) {
  using kolvane::testing::Choose;
  using kolvane::testing::Find;
  const SolutionToPlot cases[] = {
      {"cmdThermoElastic",
       "frmThermoElastic",
       [](QWidget* window) {
         for (int kind = 1; kind <= 5; ++kind)
           Choose(Find<QComboBox>(window, "cboDiagram" + QString::number(kind)), "summer");
         auto* hour = Find<QLineEdit>(window, "txtHour");
         hour->selectAll();
         QTest::keyClicks(hour, "14");
       },
       "cmdDrawSection",
       "frmDrawSection",
       "Deflected Tip Position + Sun Position",
       {}},
      {"cmdCreep",
       "frmCreep",
       [](QWidget* window) {
         Choose(Find<QComboBox>(window, "cboTimeInterval"), "2");
         const char* const lists[] = {"cboStDay", "cboStMonth", "cboStYear", "cboEnDay", "cboEnMonth", "cboEnYear"};
         const char* const date[] = {"1", "1", "2001", "5", "1", "2001"};
         for (int i = 0; i < 6; ++i) Choose(Find<QComboBox>(window, lists[i]), date[i]);
         QTest::keyClicks(Find<QLineEdit>(window, "txtStoreDefEvery"), "2");
       },
       "cmdDrawProfile",
       "frmDrawProfile",
       "Deflections in ZX plane",
       {kolvane::testing::MessageKind::Notice}},
  };
  for (const SolutionToPlot& c : cases) {
    SCOPED_TRACE(c.window);
    kolvane::testing::ExampleColumn column;
    MainWindow mainWindow(column.Context());
    LinkMainWindow(mainWindow, column.Context());

    int redBefore = -1, redAfter = -1;
    kolvane::testing::WhenModalOpens plot(c.plot, [&](QWidget* window) {
      auto* picture = window->findChild<PlotPicture*>("piC");
      redBefore = kolvane::testing::CountRedInk(picture->Image());
      Choose(Find<QComboBox>(window, "cboShowResult"), c.result);
      redAfter = kolvane::testing::CountRedInk(picture->Image());
      Find<QPushButton>(window, "cmdOk")->click();
    });
    kolvane::testing::WhenModalOpens solution(c.window, [&](QWidget* window) {
      c.solve(window);
      EXPECT_TRUE(kolvane::testing::CalculateAndWait(window));
      Find<QPushButton>(window, c.drawButton)->click();
      Find<QPushButton>(window, "cmdOk")->click();
    });
    mainWindow.findChild<QPushButton*>(c.solution)->click();

    EXPECT_TRUE(solution.Acted());
    EXPECT_TRUE(plot.Acted());
    EXPECT_EQ(redBefore, 0);  // no result chosen yet
    EXPECT_GT(redAfter, 100);
    std::vector<kolvane::testing::MessageKind> shown;
    for (const auto& message : column.Messages().Shown) shown.push_back(message.Kind);
    EXPECT_EQ(shown, c.messages);
  }
}

}  // namespace
}  // namespace kolvane::ui

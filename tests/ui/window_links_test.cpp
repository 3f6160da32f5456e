#include "ui/shell/window_links.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "core/test_support.h"
#include "ui/diagrams/diagram_manager_window.h"
#include "ui/recording_messages.h"

namespace kolvane::ui {
namespace {

TEST(WindowLinks, EachDiagramButtonOpensTheManagerOfItsKind) {
  kolvane::testing::ScratchFolder folder;
  kolvane::testing::WriteBytes(folder.File("summer.dg3"), "0\t10\r\n24\t10\r\n");
  kolvane::testing::WriteBytes(folder.File("winter.dg3"), "0\t-2\r\n24\t-2\r\n");
  kolvane::testing::WriteBytes(folder.File("summer.dg1"), "0\t0\r\n24\t180\r\n");
  kolvane::testing::RecordingMessages messages;
  AppContext context{Workspace(folder.Path()), &messages, {}};
  MainWindow mainWindow(context);
  LinkMainWindow(mainWindow, context);

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

}  // namespace
}  // namespace kolvane::ui

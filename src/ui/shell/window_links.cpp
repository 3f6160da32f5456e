#include "ui/shell/window_links.h"

#include "ui/diagrams/diagram_manager_window.h"

namespace kolvane::ui {

void LinkMainWindow(MainWindow& mainWindow, AppContext& context) {
  // A manager is made afresh for every click and destroyed when it closes.
  mainWindow.SetDiagramsHook([&mainWindow, &context](DiagramKind kind, const std::string& title) {
    DiagramManagerWindow manager(context, &mainWindow);
    manager.SetMode(kind);
    manager.SetTitle(QString::fromStdString(title));
    manager.Initialise();
    manager.exec();
  });
}

}  // namespace kolvane::ui

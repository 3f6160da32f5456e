// The desktop program: shows the main window on the working folder and runs
// until it is closed.
#include <QApplication>
#include <QMessageBox>
#include <iostream>
#include <string>
#include <vector>

#include "core/common/folder_argument.h"
#include "core/common/program_info.h"
#include "ui/common/app_context.h"
#include "ui/common/messages.h"
#include "ui/shell/main_window.h"
#include "ui/shell/window_links.h"

namespace {

constexpr const char* kProgramName = "kolvane";

std::vector<std::string> Arguments(int argc, char* argv[]) { return {argv + 1, argv + argc}; }

// Started from a desktop menu or a file manager, the error output is seen by
// no one: on a real display the refusal is shown in a message box as well.
// The headless platforms have nobody to press OK.
bool HasDisplay() {
  const QString platform = QGuiApplication::platformName();
  return platform != "offscreen" && platform != "minimal";
}

}  // namespace

int main(int argc, char* argv[]) {
  // Help needs no display, so it comes before the application connects to one.
  if (kolvane::AsksForHelp(Arguments(argc, argv))) {
    std::cout << kolvane::UsageText(kProgramName);
    return 0;
  }
  QApplication app(argc, argv);  // takes its own options (-platform, -style ...) out of argv
  QApplication::setApplicationName(kolvane::kProductName);
  QApplication::setApplicationVersion(QString::fromStdString(kolvane::VersionText()));

  const kolvane::FolderChoice choice =
      kolvane::ChooseWorkingFolder(Arguments(argc, argv), QCoreApplication::applicationDirPath().toStdString());
  if (!choice.ok) {
    std::cerr << kProgramName << ": " << choice.error << "\nTry '" << kProgramName << " --help'.\n";
    if (HasDisplay())
      QMessageBox::critical(nullptr, QString::fromStdString(kolvane::ProgramTitle()),
                            QString::fromStdString("The column folder cannot be opened: " + choice.error + "."));
    return 2;
  }

  kolvane::ui::MessageBoxes messages;
  kolvane::ui::AppContext context{kolvane::Workspace(choice.folder), &messages, {}, {}};
  kolvane::ui::MainWindow mainWindow(context);
  kolvane::ui::LinkMainWindow(mainWindow, context);
  mainWindow.show();
  return app.exec();
}

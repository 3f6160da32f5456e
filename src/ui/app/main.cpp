// The desktop program: shows the main window on the working folder and runs
// until it is closed.
#include <QApplication>
#include <QMessageBox>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
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

// Whether Qt is about to look for a display server and would find none: it
// then aborts with advice to reinstall. The platform is -platform NAME, else
// QT_QPA_PLATFORM (a list such as "wayland;xcb" is tried in turn), else the
// build's own, which needs one; -display names an X display itself.
bool DisplayServerMissing(const std::vector<std::string>& arguments) {
  std::string platform;
  for (std::size_t n = 0; n + 1 < arguments.size(); ++n) {
    if (arguments[n] == "-display" || arguments[n] == "--display") return false;
    if (arguments[n] == "-platform" || arguments[n] == "--platform") platform = arguments[n + 1];
  }
  if (platform.empty()) {
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    platform = chosen ? chosen : "";
  }
  std::stringstream entries(platform);
  for (std::string entry; std::getline(entries, entry, ';');) {
    const std::string name = entry.substr(0, entry.find(':'));
    if (name != "xcb" && name.rfind("wayland", 0) != 0) return false;  // offscreen, vnc ... need none
  }
  const auto set = [](const char* variable) { return std::getenv(variable) && *std::getenv(variable); };
  return !set("DISPLAY") && !set("WAYLAND_DISPLAY");
}

// The arguments without Qt's own -platform option, which the application
// would take out itself.
std::vector<std::string> ProgramArguments(std::vector<std::string> arguments) {
  for (std::size_t n = 0; n < arguments.size();) {
    const bool qtOption = arguments[n] == "-platform" || arguments[n] == "--platform";
    if (qtOption) {
      arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(n),
                      arguments.begin() + static_cast<std::ptrdiff_t>(std::min(n + 2, arguments.size())));
    } else {
      ++n;
    }
  }
  return arguments;
}

int RefuseFolder(const std::string& error) {
  std::cerr << kProgramName << ": " << error << "\nTry '" << kProgramName << " --help'.\n";
  return 2;
}

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
  // Without a display the folder is still checked first, so that a mistyped
  // folder is said as such; then the program says plainly what it needs.
  if (DisplayServerMissing(Arguments(argc, argv))) {
    std::error_code error;
    const std::string programFolder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string();
    const kolvane::FolderChoice choice =
        kolvane::ChooseWorkingFolder(ProgramArguments(Arguments(argc, argv)), programFolder);
    if (!choice.Ok) return RefuseFolder(choice.Error);
    std::cerr << kProgramName
              << ": the desktop program needs a display, and none was found (neither DISPLAY nor "
                 "WAYLAND_DISPLAY is set). kolvane-batch runs the solutions without one: see kolvane-batch --help.\n";
    return 2;
  }
  QApplication app(argc, argv);  // takes its own options (-platform, -style ...) out of argv
  QApplication::setApplicationName(kolvane::kProductName);
  QApplication::setApplicationVersion(QString::fromStdString(kolvane::VersionText()));

  const kolvane::FolderChoice choice =
      kolvane::ChooseWorkingFolder(Arguments(argc, argv), QCoreApplication::applicationDirPath().toStdString());
  if (!choice.Ok) {
    RefuseFolder(choice.Error);
    if (HasDisplay())
      QMessageBox::critical(nullptr, QString::fromStdString(kolvane::ProgramTitle()),
                            QString::fromStdString("The column folder cannot be opened: " + choice.Error + "."));
    return 2;
  }

  kolvane::ui::MessageBoxes messages;
  kolvane::ui::AppContext context{kolvane::Workspace(choice.Folder), &messages, {}, {}};
  kolvane::ui::MainWindow mainWindow(context);
  kolvane::ui::LinkMainWindow(mainWindow, context);
  mainWindow.show();
  return app.exec();
}

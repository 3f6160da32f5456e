#pragma once
// Which window each of the main window's buttons opens. Kept apart from the
// main window so that the main window can be tested on its own.

#include "ui/common/app_context.h"
#include "ui/shell/main_window.h"

namespace kolvane::ui {

void LinkMainWindow(MainWindow& mainWindow, AppContext& context);

}  // namespace kolvane::ui

#pragma once
// A scratch folder, a diagram and a small section with one stored profile, for
// the tests of the plot windows, with the helpers each of them uses.
#include <gtest/gtest.h>

#include "core/diagrams/current_diagram.h"
#include "core/engine/stages.h"
#include "core/support/test_support.h"
#include "ui/common/app_context.h"
#include "ui/support/modal_windows.h"
#include "ui/support/picture_ink.h"
#include "ui/support/recording_messages.h"

namespace kolvane::testing {

class PlotWindowTest : public ::testing::Test {
 protected:
  PlotWindowTest() {
    grid.I = 2, grid.J = 8, grid.K = 4, grid.Height = 100, grid.IRadius = 4, grid.ERadius = 5;
    CalculateGeometry(grid);
    grid.BlockTemp.assign(grid.BlockCount(), 20);
    grid.Profiles.push_back(
        {"1/1/2001", {0, 0.003, 0.0125, 0.028, 0.05}, {0, 0, 0, 0, 0.01}, {0, 0, 0, 0, 0}, 0, 0, 0});
  }

  kolvane::testing::ScratchFolder folder;
  kolvane::testing::RecordingMessages messages;
  ui::AppContext context{Workspace(folder.Path()), &messages, {}, {}};
  const CurrentDiagram june{Diagram{{{0, 0}, {12, 90}, {24, 0}}}, "June", kSunPosition};
  SectionGrid grid;
};

}  // namespace kolvane::testing

namespace kolvane::ui {
using testing::Child;
using testing::CoreDrawing;
using testing::PlotWindowTest;
using testing::Rgb;
}  // namespace kolvane::ui

#pragma once
// A scratch folder, a diagram and a small section with one stored profile, for
// the tests of the plot windows, with the helpers each of them uses.
#include <gtest/gtest.h>

#include "core/diagrams/current_diagram.h"
#include "core/engine/stages.h"
#include "core/support/engine_test_support.h"
#include "core/support/test_support.h"
#include "ui/common/app_context.h"
#include "ui/support/modal_windows.h"
#include "ui/support/picture_ink.h"
#include "ui/support/recording_messages.h"

namespace kolvane::testing {

class PlotWindowTest : public ::testing::Test {
 protected:
  PlotWindowTest() {
    CalculateGeometry(grid_);
    grid_.BlockTemp.assign(grid_.BlockCount(), 20);
    grid_.Profiles.push_back(
        {"1/1/2001", {0, 0.003, 0.0125, 0.028, 0.05}, {0, 0, 0, 0, 0.01}, {0, 0, 0, 0, 0}, 0, 0, 0});
  }

  kolvane::testing::ScratchFolder folder_;
  kolvane::testing::RecordingMessages messages_;
  ui::AppContext context_{Workspace(folder_.Path()), &messages_, {}, {}};
  const CurrentDiagram june_{Diagram{{{0, 0}, {12, 90}, {24, 0}}}, "June", kSunPosition};
  SectionGrid grid_ = ChimneyGrid(2, 8, 4, 4, 5);
};

}  // namespace kolvane::testing

namespace kolvane::ui {
using testing::CoreDrawing;
using testing::Find;
using testing::PlotWindowTest;
using testing::Rgb;
}  // namespace kolvane::ui

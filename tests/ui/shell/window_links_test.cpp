#include "ui/shell/window_links.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "ui/plots/plot_picture.h"
#include "ui/solutions/creep_window.h"
#include "ui/solutions/thermo_elastic_window.h"
#include "ui/support/modal_windows.h"
#include "ui/support/picture_ink.h"
#include "ui/support/solution_test_support.h"

namespace kolvane::ui {
namespace {

using namespace kolvane::testing;

// The latest result of each kind outlives its window and the later run of the
// other kind: a solution window opened again shows it as its run left it. The
// climate window opens with no run or diagram behind it; what it makes is its
// own tests' and the creep window's Use Climate's.
TEST(WindowLinks, OpensTheClimateAndEachSolutionWindowWhichRunsDrawsAndKeepsItsResult) {
  // clang-format off
  const struct {
    const char *Solution, *Window;
    void (*Solve)(QWidget*);
    const char *DrawButton, *Plot, *Result;
    bool OpensDrawn;  // the profile plot opens on a plane
  } cases[] = {
      {"cmdThermoElastic", "frmThermoElastic", [](QWidget* window) { ChooseElasticInputs(window, "summer", "14"); },
       "cmdDrawSection", "frmDrawSection", "Deflected Tip Position + Sun Position", false},
      {"cmdCreep", "frmCreep", [](QWidget* window) {
         ChooseCreepDates(window, "2", "5", "1");
         QTest::keyClicks(Find<QLineEdit>(window, "txtStoreDefEvery"), "2");  // a profile every second day
       }, "cmdDrawProfile", "frmDrawProfile", "Deflections in YZ plane", true}};
  // clang-format on
  ExampleColumn column;
  MainWindow mainWindow(column.Context());
  LinkMainWindow(mainWindow, column.Context());
  WhenModalOpens climate("frmClimate", [](QWidget* window) { Find<QPushButton>(window, "cmdOk")->click(); });
  mainWindow.findChild<QPushButton*>("cmdClimate")->click();
  EXPECT_TRUE(climate.Acted());
  std::vector<std::string> listed;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Window);
    int redBefore = -1, redAfter = -1;  // -1: the plot never opened
    WhenModalOpens plot(c.Plot, [&](QWidget* window) {
      auto* picture = window->findChild<PlotPicture*>("piC");
      redBefore = CountRedInk(picture->Image());
      Choose(Find<QComboBox>(window, "cboShowResult"), c.Result);
      redAfter = CountRedInk(picture->Image());
      Find<QPushButton>(window, "cmdOk")->click();
    });
    WhenModalOpens solution(c.Window, [&](QWidget* window) {
      c.Solve(window);
      EXPECT_TRUE(CalculateAndWait(window));
      listed.push_back(ListedReport(Find<QListView>(window, "lstResults")->model()));
      Find<QPushButton>(window, c.DrawButton)->click();
      Find<QPushButton>(window, "cmdOk")->click();
    });
    mainWindow.findChild<QPushButton*>(c.Solution)->click();
    EXPECT_EQ(redBefore > 100, c.OpensDrawn);
    EXPECT_GT(redAfter, 100);
  }
  ASSERT_EQ(listed.size(), 2u);
  ThermoElasticWindow elastic(column.Context(), column.MainData());
  CreepWindow creep(column.Context(), column.MainData());
  const std::pair<QWidget*, const char*> again[] = {{&elastic, "Tip deflection : "},
                                                    {&creep, "Largest tip deflection : "}};
  for (std::size_t n = 0; n < 2; ++n) {
    EXPECT_EQ(ListedReport(Find<QListView>(again[n].first, "lstResults")->model()), listed[n]);
    EXPECT_TRUE(Find<QPushButton>(again[n].first, "cmdSaveReport")->isEnabled());
    EXPECT_TRUE(Find<QLabel>(again[n].first, "lblSummary")->text().startsWith(again[n].second));
  }
}

}  // namespace
}  // namespace kolvane::ui

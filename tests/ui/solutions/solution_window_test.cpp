// The latest result of each kind outlives its window and a later run of the
// other kind: a solution window opened again shows it as its run left it.

#include <gtest/gtest.h>

#include <QLabel>
#include <QListView>
#include <QTest>

#include "ui/solutions/creep_window.h"
#include "ui/solutions/thermo_elastic_window.h"
#include "ui/support/solution_test_support.h"

namespace kolvane::ui {
namespace {

using testing::CalculateAndWait;
using testing::ExampleColumn;
using testing::Find;
using testing::ListedReport;

std::string Listed(QWidget* window) { return ListedReport(Find<QListView>(window, "lstResults")->model()); }

TEST(KeptResults, EachWindowShowsItsLatestResultAfterARunOfTheOtherKind) {
  ExampleColumn column;
  std::string elastic, creep;
  {
    ThermoElasticWindow window(column.Context(), column.MainData());
    window.show();
    testing::ChooseElasticInputs(&window, "summer", "14");
    ASSERT_TRUE(CalculateAndWait(&window));
    elastic = Listed(&window);
  }
  {
    CreepWindow window(column.Context(), column.MainData());
    window.SetRunThreads(1);
    window.show();
    testing::ChooseCreepDates(&window, "4", "5", "1");
    ASSERT_TRUE(CalculateAndWait(&window));
    creep = Listed(&window);
  }
  ASSERT_FALSE(elastic.empty());
  ASSERT_FALSE(creep.empty());

  ThermoElasticWindow elasticAgain(column.Context(), column.MainData());
  EXPECT_EQ(Listed(&elasticAgain), elastic);
  EXPECT_TRUE(Find<QPushButton>(&elasticAgain, "cmdSaveReport")->isEnabled());
  EXPECT_EQ(Find<QLabel>(&elasticAgain, "lblSummary")->text().left(17), "Tip deflection : ");
  CreepWindow creepAgain(column.Context(), column.MainData());
  EXPECT_EQ(Listed(&creepAgain), creep);
  EXPECT_TRUE(Find<QPushButton>(&creepAgain, "cmdDrawProfile")->isEnabled());
  EXPECT_EQ(Find<QLabel>(&creepAgain, "lblSummary")->text().left(25), "Largest tip deflection : ");
}

}  // namespace
}  // namespace kolvane::ui

#include "ui/solutions/creep_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <thread>

#include "ui/shell/main_window.h"

#include "core/creep/time_steps.h"
#include "core/engine/finite_results.h"
#include "ui/modal_windows.h"
#include "ui/solution_test_support.h"

namespace kolvane::ui {
namespace {

using testing::CalculateAndWait;
using testing::Choose;
using testing::ExampleColumn;
using testing::Find;
using testing::Items;
using testing::MessageKind;
using testing::ReadBytes;
using testing::ShownMessage;
using testing::WhenModalOpens;
using testing::WriteBytes;

const char* const kDateLists[] = {"cboStDay", "cboStMonth", "cboStYear", "cboEnDay", "cboEnMonth", "cboEnYear"};

class CreepWindowTest : public ::testing::Test {
 public:  // the cases of a table set the window up through these
  CreepWindow& Open() { return Open(column_.MainData()); }
  CreepWindow& Open(const MainDataTexts& mainData) {
    window_ = std::make_unique<CreepWindow>(column_.Context(), mainData);
    window_->SetRunThreads(1);
    window_->SetProfilePlotHook([this](QWidget*) { profilePlots_++; });
    window_->show();
    return *window_;
  }
  QComboBox* List(const QString& name) { return Find<QComboBox>(window_.get(), name); }
  QComboBox* Row(int kind) { return List("cboDiagram" + QString::number(kind)); }
  QPushButton* Button(const char* name) { return Find<QPushButton>(window_.get(), name); }
  QListWidget* Months() { return Find<QListWidget>(window_.get(), "lstMonths"); }
  QAbstractItemModel* Results() { return Find<QListView>(window_.get(), "lstResults")->model(); }
  void Type(const char* box, const char* text) { QTest::keyClicks(Find<QLineEdit>(window_.get(), box), text); }
  void SetDates(const char* from[3], const char* to[3]) {
    for (int part = 0; part < 3; ++part) {
      Choose(List(kDateLists[part]), from[part]);
      Choose(List(kDateLists[part + 3]), to[part]);
    }
  }
  // Everything a run needs, from 1/1/2001 to 3/2/2001 at four-hour steps,
  // with February's temperatures from the winter diagrams.
  void SetUpShortRun() {
    Months()->setCurrentRow(1);
    for (int kind = 1; kind <= 5; ++kind) Choose(Row(kind), "winter");
    Choose(List("cboTimeInterval"), "4");
    const char* from[3] = {"1", "1", "2001"};
    const char* to[3] = {"3", "2", "2001"};
    SetDates(from, to);
    Type("txtStoreDefEvery", "7");
    Type("txtStoreDefAt", "14");
  }
  // Whether the controls a run locks are enabled, cmdCancel apart.
  std::vector<bool> InputStates() {
    std::vector<bool> states;
    for (int kind = 1; kind <= 7; ++kind) {
      states.push_back(Row(kind)->isEnabled());
      states.push_back(Button(("cmdDraw" + std::to_string(kind)).c_str())->isEnabled());
    }
    for (const char* name : kDateLists) states.push_back(List(name)->isEnabled());
    for (QWidget* other : std::initializer_list<QWidget*>{
             Months(), Button("cmdApplyToAllMonths"), List("cboTimeInterval"),
             Find<QLineEdit>(window_.get(), "txtStoreDefEvery"), Find<QLineEdit>(window_.get(), "txtStoreDefAt"),
             Button("cmdCalculate"), Button("cmdOk")})
      states.push_back(other->isEnabled());
    return states;
  }
  bool ResultsEnabled() { return Button("cmdSaveReport")->isEnabled() && Button("cmdDrawProfile")->isEnabled(); }
  QString Info() { return Find<QLabel>(window_.get(), "lblInfo")->text(); }
  QProgressBar* Progress() { return Find<QProgressBar>(window_.get(), "prgDays"); }
  // The short run made one of ten years at quarter-hour steps: far longer
  // than any test waits.
  void MakeTheRunLong() {
    Choose(List("cboTimeInterval"), "0.25");
    Choose(List("cboEnYear"), "2010");
  }

  ExampleColumn column_;
  std::unique_ptr<CreepWindow> window_;
  int profilePlots_ = 0;
};

TEST_F(CreepWindowTest, OpensOnJanuaryWithTheFirstNamesAndEmptyDates) {
  Open();
  EXPECT_EQ(window_->windowTitle(), "Creep Solution");
  ASSERT_EQ(Months()->count(), 12);
  EXPECT_EQ(Months()->item(11)->text(), "December");
  EXPECT_EQ(Months()->currentRow(), 0);
  for (int kind = 1; kind <= 5; ++kind) EXPECT_EQ(Row(kind)->currentText(), "summer") << kind;
  EXPECT_EQ(Row(6)->currentText(), "ordinary concrete");
  EXPECT_EQ(Find<QLabel>(window_.get(), "Label1_7")->text(), "Normalised temperature (Phi) :");

  QStringList steps;
  for (const std::string& step : OfferedTimeStepTexts()) steps.push_back(QString::fromStdString(step));
  EXPECT_EQ(Items(List("cboTimeInterval")), steps);
  EXPECT_EQ(List("cboStYear")->itemText(0), QString::number(kFirstCreepYear));
  EXPECT_EQ(List("cboEnYear")->itemText(List("cboEnYear")->count() - 1), QString::number(kLastCreepYear));
  EXPECT_EQ(List("cboEnMonth")->count(), 12);
  EXPECT_EQ(List("cboStDay")->count(), 31);
  for (const char* name : kDateLists) EXPECT_EQ(List(name)->currentIndex(), -1) << name;
  EXPECT_EQ(List("cboTimeInterval")->currentIndex(), -1);
  EXPECT_TRUE(Find<QLineEdit>(window_.get(), "txtStoreDefEvery")->text().isEmpty());
  EXPECT_FALSE(Button("cmdCancel")->isEnabled());
  EXPECT_FALSE(ResultsEnabled());
}

TEST_F(CreepWindowTest, EachMonthKeepsItsOwnChoices) {
  Open();
  Months()->setCurrentRow(2);  // March
  Choose(Row(3), "winter");
  Months()->setCurrentRow(0);
  EXPECT_EQ(Row(3)->currentText(), "summer");
  Months()->setCurrentRow(2);
  EXPECT_EQ(Row(3)->currentText(), "winter");
  EXPECT_EQ(Row(2)->currentText(), "summer");
}

TEST_F(CreepWindowTest, TheDayListFollowsTheMonthAndYear) {
  struct Case {
    const char* day;   // chosen before, or nullptr
    const char* year;  // or nullptr: none chosen
    const char* month;
    int days;
    const char* dayAfter;  // or nullptr: still none chosen
  } const cases[] = {
      {"31", "2000", "2", 29, "29"}, {"31", "2001", "2", 28, "28"}, {nullptr, nullptr, "2", 29, nullptr},
      {"31", "2001", "4", 30, "30"}, {"15", "2001", "2", 28, "15"}, {"31", "2001", "12", 31, "31"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.month) + "/" + (c.year ? c.year : "-"));
    Open();
    for (const char* prefix : {"cboSt", "cboEn"}) {
      const QString p = prefix;
      if (c.day) Choose(List(p + "Day"), c.day);
      if (c.year) Choose(List(p + "Year"), c.year);
      Choose(List(p + "Month"), c.month);
      EXPECT_EQ(List(p + "Day")->count(), c.days);
      EXPECT_EQ(List(p + "Day")->currentText(), c.dayAfter ? c.dayAfter : "");
    }
  }
  // A year chosen after the month refills too: 29 February becomes 28.
  Open();
  Choose(List("cboStYear"), "2000");
  Choose(List("cboStMonth"), "2");
  Choose(List("cboStDay"), "29");
  Choose(List("cboStYear"), "2001");
  EXPECT_EQ(List("cboStDay")->currentText(), "28");
}

TEST_F(CreepWindowTest, RefusedRunsSayWhy) {
  const char* jan1[3] = {"1", "1", "2001"};
  const char* jan2[3] = {"2", "1", "2001"};
  struct Case {
    const char* message;
    std::function<void(CreepWindowTest&)> setUp;
  } const cases[] = {
      {"You haven't set the time interval.", [](CreepWindowTest&) {}},
      {"The time of the day for the storing of the deflection profiles is invalid.",
       [&](CreepWindowTest& t) {
         Choose(t.List("cboTimeInterval"), "1");
         t.SetDates(jan1, jan2);
         t.Type("txtStoreDefAt", "25");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Open();
    c.setUp(*this);
    column_.Messages().Shown.clear();
    Button("cmdCalculate")->click();
    EXPECT_EQ(column_.Messages().Shown, (std::vector<ShownMessage>{{MessageKind::Error, c.message}}));
    EXPECT_EQ(Results()->rowCount(), 0);
    EXPECT_TRUE(Button("cmdCalculate")->isEnabled());
  }
}

TEST_F(CreepWindowTest, AnEmptyRowIsRefusedByName) {
  for (const char* name : {"summer.dg4", "winter.dg4"}) std::filesystem::remove(column_.Folder().File(name));
  Open();
  Choose(List("cboTimeInterval"), "1");
  Button("cmdCalculate")->click();
  EXPECT_EQ(
      column_.Messages().Shown,
      (std::vector<ShownMessage>{{MessageKind::Error, "The External temperature variation diagram is not valid."}}));
}

// A user's whole run: month-by-month diagrams, dates, Calculate, Save Report.
TEST_F(CreepWindowTest, RunsTheSolutionAndSavesTheReportTheBatchToolWrites) {
  Open();
  SetUpShortRun();
  ASSERT_TRUE(CalculateAndWait(window_.get()));

  ASSERT_EQ(column_.Messages().Shown.size(), 1u);
  EXPECT_EQ(column_.Messages().Shown[0].Kind, MessageKind::Notice);
  EXPECT_EQ(column_.Messages().Shown[0].Text.rfind("Calculation is completed. 34 days were calculated.\r\n"
                                                   "Calculation time :",
                                                   0),
            0u)
      << column_.Messages().Shown[0].Text;
  EXPECT_TRUE(ResultsEnabled());
  EXPECT_FALSE(Button("cmdCancel")->isEnabled());
  EXPECT_EQ(InputStates(), std::vector<bool>(InputStates().size(), true));
  EXPECT_TRUE(Info().isEmpty());
  EXPECT_TRUE(Progress()->isEnabled());
  EXPECT_EQ(Progress()->maximum(), 34);
  EXPECT_EQ(Progress()->value(), 34);
  // Days 7, 14, 21 and 28 and the final profile.
  EXPECT_EQ(column_.Context().grid.Profiles.size(), 5u);

  column_.Messages().Shown.clear();
  Button("cmdSaveReport")->click();
  EXPECT_EQ(column_.Messages().Shown,
            (std::vector<ShownMessage>{
                {MessageKind::Information, testing::SavedMessage("Creep.txt", column_.Folder().File("Creep.txt"))}}));
  const std::string batchReport = column_.Folder().File("batch.txt");
  ASSERT_EQ(column_.Batch(
                {"creep", "--from", "1/1/2001", "--to", "3/2/2001", "--step", "4", "--store-every", "7", "--store-at",
                 "14", "--diagrams", "summer,summer,summer,summer,summer", "--month",
                 "2=winter,winter,winter,winter,winter", "--creep", "ordinary concrete", "--phi", "ordinary concrete"},
                batchReport),
            0);
  const std::string saved = ReadBytes(column_.Folder().File("Creep.txt"));
  EXPECT_EQ(saved, ReadBytes(batchReport));
  EXPECT_EQ(testing::ListedReport(Results()), saved);
  EXPECT_EQ(testing::CopiedReport(Find<QListView>(window_.get(), "lstResults")), saved);

  Button("cmdDrawProfile")->click();
  EXPECT_EQ(profilePlots_, 1);
}

TEST_F(CreepWindowTest, ResultsThatAreNotFiniteAreSaidSoAfterTheClosingMessage) {
  MainDataTexts mainData = column_.MainData();
  mainData[static_cast<std::size_t>(MainField::AThermal)] = "1E+306";
  Open(mainData);
  SetUpShortRun();
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  ASSERT_EQ(column_.Messages().Shown.size(), 2u);
  EXPECT_EQ(column_.Messages().Shown[0].Text.rfind("Calculation is completed.", 0), 0u);
  EXPECT_EQ(column_.Messages().Shown[1], (ShownMessage{MessageKind::Notice, kNonFiniteResultsMessage}));
  EXPECT_TRUE(ResultsEnabled());
}

TEST_F(CreepWindowTest, CancelIsTheOnlyWayOutOfARunAndEmptiesTheList) {
  Open();
  EXPECT_FALSE(Progress()->isEnabled());  // idle before the first run
  SetUpShortRun();
  ASSERT_TRUE(CalculateAndWait(window_.get()));  // a completed run first: its results are then lost to the cancel
  ASSERT_TRUE(ResultsEnabled());
  column_.Messages().Shown.clear();

  MakeTheRunLong();
  QSignalSpy ended(window_.get(), &CreepWindow::RunEnded);
  Button("cmdCalculate")->click();
  ASSERT_TRUE(window_->IsRunning());
  EXPECT_EQ(InputStates(), std::vector<bool>(InputStates().size(), false));
  EXPECT_TRUE(Button("cmdCancel")->isEnabled());
  EXPECT_FALSE(Button("cmdSaveReport")->isEnabled() || Button("cmdDrawProfile")->isEnabled());
  EXPECT_TRUE(Find<QListView>(window_.get(), "lstResults")->isEnabled());
  window_->reject();  // closing the window is not a way to stop the run
  EXPECT_TRUE(window_->isVisible());
  {
    MainWindow program(column_.Context());  // nor is ending the program
    program.show();
    EXPECT_FALSE(program.close());
  }
  // The days go by while the window turns its events.
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return Info().startsWith("Calculating date : ") && Progress()->value() >= 2; }, 60000));
  EXPECT_TRUE(Progress()->isEnabled());
  EXPECT_TRUE(window_->IsRunning());

  Button("cmdCancel")->click();
  ASSERT_TRUE(testing::WaitFor(ended));
  EXPECT_LT(column_.Context().grid.DayNumber, 3652);
  EXPECT_TRUE(column_.Messages().Shown.empty());  // no message box: the label says it
  EXPECT_EQ(Info(), "Calculation cancelled.");
  EXPECT_FALSE(Progress()->isEnabled());
  EXPECT_EQ(Results()->rowCount(), 0);
  EXPECT_FALSE(Button("cmdSaveReport")->isEnabled());
  EXPECT_FALSE(Button("cmdDrawProfile")->isEnabled());
  EXPECT_FALSE(Button("cmdCancel")->isEnabled());
  EXPECT_EQ(InputStates(), std::vector<bool>(InputStates().size(), true));
  EXPECT_TRUE(window_->isVisible());
  EXPECT_FALSE(column_.Context().solutionRunning);

  // The next run starts afresh: the label no longer says cancelled.
  Choose(List("cboTimeInterval"), "4");
  Choose(List("cboEnYear"), "2001");
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  EXPECT_TRUE(Info().isEmpty());
  EXPECT_TRUE(ResultsEnabled());
}

// A window that goes while a run is on (the program ends) stops the run and
// waits for it, rather than leave it writing to what is gone.
TEST_F(CreepWindowTest, AWindowThatGoesDuringARunEndsTheRunFirst) {
  Open();
  SetUpShortRun();
  MakeTheRunLong();
  Button("cmdCalculate")->click();
  ASSERT_TRUE(window_->IsRunning());
  ASSERT_TRUE(QTest::qWaitFor([&] { return Progress()->value() >= 1; }, 60000));
  window_.reset();
  EXPECT_FALSE(column_.Context().solutionRunning);
  EXPECT_LT(column_.Context().grid.DayNumber, 3652);
}

// The window's event loop turns all through a day, not once a day: a timer
// ticks many times while three long days on a finer grid are computed.
TEST_F(CreepWindowTest, TheWindowTurnsItsEventsWhileTheDaysAreComputed) {
  MainDataTexts finer = column_.MainData();
  finer[static_cast<int>(MainField::I)] = "10";
  finer[static_cast<int>(MainField::J)] = "180";
  finer[static_cast<int>(MainField::K)] = "200";
  window_ = std::make_unique<CreepWindow>(column_.Context(), finer);
  window_->show();
  SetUpShortRun();
  Choose(List("cboTimeInterval"), "0.25");
  const char* from[3] = {"1", "1", "2001"};
  const char* to[3] = {"3", "1", "2001"};
  SetDates(from, to);

  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ticks++; });
  ticker.start(0);
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  ticker.stop();
  EXPECT_EQ(column_.Context().grid.DayNumber, 3);
  EXPECT_GT(ticks, 10) << "the event loop stood still while the days ran";
}

// Diagram incidents met by the run are shown by the window's thread, in the
// order met, and the run holds still until each is answered.
TEST_F(CreepWindowTest, IncidentsOfTheRunAreShownInOrderWhileTheRunWaits) {
  WriteBytes(column_.Folder().File("creepfix.dg6"), "0\t0\r\ncomment\r\n1\t3E-06\r\n100\t4E-06\r\n");
  WriteBytes(column_.Folder().File("sunfix.dg1"), "0\t0\r\ncomment\r\n12\t90\r\n24\t180\r\n");
  Open();
  SetUpShortRun();
  Choose(Row(6), "creepfix");
  Months()->setCurrentRow(1);
  Choose(Row(1), "sunfix");  // February's sun position

  struct Seen {
    std::string text;
    bool windowThread;
    std::int32_t dayBefore, dayAfter;  // the run's day, and again a moment later
  };
  std::vector<Seen> seen;
  column_.Messages().OnShow = [&](const ShownMessage& message) {
    if (message.Text.rfind("Calculation is completed.", 0) == 0) return;
    const std::int32_t before = column_.Context().grid.DayNumber;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    seen.push_back(
        {message.Text, QThread::currentThread() == qApp->thread(), before, column_.Context().grid.DayNumber});
  };
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  column_.Messages().OnShow = nullptr;

  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].text,
            "LoadDiagram reported a fixed error for creepfix. Please review the diagram data before "
            "continuing.\nThe original file was kept as creepfix.dg6.bak.");
  EXPECT_EQ(seen[1].text,
            "LoadDiagram reported a fixed error for sunfix. Please review the diagram data before "
            "continuing.\nThe original file was kept as sunfix.dg1.bak.");
  const std::int32_t dayMet[] = {0, 31};  // before the first day; before February's first
  for (std::size_t n = 0; n < seen.size(); ++n) {
    EXPECT_TRUE(seen[n].windowThread) << n;
    EXPECT_EQ(seen[n].dayBefore, dayMet[n]) << n;
    EXPECT_EQ(seen[n].dayAfter, dayMet[n]) << n;
  }
  ASSERT_EQ(column_.Messages().Shown.size(), 3u);
  EXPECT_EQ(column_.Messages().Shown[2].Text.rfind("Calculation is completed. 34 days were calculated.", 0), 0u);
  EXPECT_TRUE(ResultsEnabled());
}

TEST_F(CreepWindowTest, ApplyToAllMonthsGivesEveryMonthTheSelectedMonthsDiagrams) {
  Open();
  Months()->setCurrentRow(4);  // May
  const char* const chosen[] = {"winter", "summer", "winter", "winter", "summer"};
  for (int kind = 1; kind <= 5; ++kind) Choose(Row(kind), chosen[kind - 1]);
  Button("cmdApplyToAllMonths")->click();
  for (int month = 0; month < 12; ++month) {
    Months()->setCurrentRow(month);
    for (int kind = 1; kind <= 5; ++kind) EXPECT_EQ(Row(kind)->currentText(), chosen[kind - 1]) << month << kind;
  }

  // The run reads them: the report is the batch tool's with these five for every month.
  Choose(List("cboTimeInterval"), "4");
  const char* from[3] = {"1", "1", "2001"};
  const char* to[3] = {"3", "2", "2001"};
  SetDates(from, to);
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  const std::string batchReport = column_.Folder().File("batch.txt");
  ASSERT_EQ(column_.Batch(
                {"creep", "--from", "1/1/2001", "--to", "3/2/2001", "--step", "4", "--diagrams",
                 "winter,summer,winter,winter,summer", "--creep", "ordinary concrete", "--phi", "ordinary concrete"},
                batchReport),
            0);
  EXPECT_EQ(testing::ListedReport(Results()), ReadBytes(batchReport));
}

TEST_F(CreepWindowTest, ADiagramThatCannotBeReadEndsTheRunAndTheWindow) {
  WriteBytes(column_.Folder().File("broken.dg1"), "0\t1\r\n1E400\t2\r\n");
  Open();
  SetUpShortRun();
  Months()->setCurrentRow(1);
  Choose(Row(1), "broken");  // February's sun position
  ASSERT_TRUE(CalculateAndWait(window_.get()));

  EXPECT_EQ(column_.Messages().Shown,
            (std::vector<ShownMessage>{{MessageKind::Notice, "LoadDiagram reported a critical error for broken."}}));
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(window_->IsRunning());
  EXPECT_EQ(Results()->rowCount(), 0);
  EXPECT_FALSE(ResultsEnabled());
}

TEST_F(CreepWindowTest, DrawLoadsTheRowsDiagramOrShowsTheEmptyOneUnnamed) {
  for (const char* name : {"ordinary concrete.dg7"}) std::filesystem::remove(column_.Folder().File(name));
  Open();
  struct Case {
    const char* button;
    const char* caption;
  } const cases[] = {
      {"cmdDraw6", "Normalised creep (t*) diagram : ordinary concrete.dg6"},
      {"cmdDraw7", "Normalised temperature (Phi) diagram : .dg7"},
  };
  for (const Case& c : cases) {
    QString caption;
    WhenModalOpens plot("frmDrawDiagram", [&](QWidget* window) {
      caption = window->windowTitle();
      window->close();
    });
    Button(c.button)->click();
    EXPECT_TRUE(plot.Acted());
    EXPECT_EQ(caption, c.caption);
  }
  EXPECT_FALSE(column_.Context().grid.LoadedDiagram(6).Points.empty());
  EXPECT_TRUE(column_.Messages().Shown.empty());
}

TEST_F(CreepWindowTest, AGridTooLargeForTheMachineIsRefusedAndTheWindowStaysUsable) {
  MainDataTexts huge = column_.MainData();
  // 7.2E+12 creep strains: no machine holds them.
  huge[static_cast<int>(MainField::I)] = "2000";
  huge[static_cast<int>(MainField::J)] = "36000";
  huge[static_cast<int>(MainField::K)] = "100000";
  window_ = std::make_unique<CreepWindow>(column_.Context(), huge);
  window_->show();
  SetUpShortRun();
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  ASSERT_EQ(column_.Messages().Shown.size(), 1u);
  EXPECT_EQ(column_.Messages().Shown[0].Kind, MessageKind::Error);
  EXPECT_EQ(column_.Messages().Shown[0].Text.rfind("The grid is too large for this computer: ", 0), 0u);
  EXPECT_FALSE(window_->IsRunning());
  EXPECT_FALSE(ResultsEnabled());
  EXPECT_EQ(InputStates(), std::vector<bool>(InputStates().size(), true));
}

TEST_F(CreepWindowTest, AReportThatCannotBeWrittenIsAnErrorAndNotASuccess) {
  std::filesystem::create_directory(column_.Folder().File("Creep.txt"));
  Open();
  SetUpShortRun();
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  column_.Messages().Shown.clear();
  Button("cmdSaveReport")->click();
  ASSERT_EQ(column_.Messages().Shown.size(), 1u);
  EXPECT_EQ(column_.Messages().Shown[0].Kind, MessageKind::Error);
  EXPECT_EQ(column_.Messages().Shown[0].Text.rfind("Creep.txt could not be saved: ", 0), 0u);
  EXPECT_NE(column_.Messages().Shown[0].Text.find(column_.Folder().File("Creep.txt")), std::string::npos);
}

}  // namespace
}  // namespace kolvane::ui

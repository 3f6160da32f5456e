#include "ui/solutions/thermo_elastic_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>

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

class ThermoElasticWindowTest : public ::testing::Test {
 protected:
  ThermoElasticWindow& Open() { return Open(column_.MainData()); }
  ThermoElasticWindow& Open(const MainDataTexts& mainData) {
    window_ = std::make_unique<ThermoElasticWindow>(column_.Context(), mainData);
    window_->SetSectionPlotHook([this](QWidget* parent) {
      sectionPlots_++;
      EXPECT_EQ(parent, window_.get());
    });
    window_->show();
    return *window_;
  }
  QComboBox* Row(int kind) { return Find<QComboBox>(window_.get(), "cboDiagram" + QString::number(kind)); }
  QPushButton* Button(const char* name) { return Find<QPushButton>(window_.get(), name); }
  void ChooseAll(const QString& name) {
    for (int kind = 1; kind <= 5; ++kind) Choose(Row(kind), name);
  }
  void TypeHour(const char* hour) {
    auto* box = Find<QLineEdit>(window_.get(), "txtHour");
    box->selectAll();
    QTest::keyClicks(box, hour);
  }
  QAbstractItemModel* Results() { return Find<QListView>(window_.get(), "lstResults")->model(); }
  // Whether the controls a run locks are enabled, cmdCancel apart.
  std::vector<bool> InputStates() {
    std::vector<bool> states;
    for (int kind = 1; kind <= 5; ++kind) {
      states.push_back(Row(kind)->isEnabled());
      states.push_back(Button(("cmdDraw" + std::to_string(kind)).c_str())->isEnabled());
    }
    for (QWidget* other : std::initializer_list<QWidget*>{Find<QLineEdit>(window_.get(), "txtHour"),
                                                          Button("cmdCalculate"), Button("cmdOk")})
      states.push_back(other->isEnabled());
    return states;
  }
  bool ResultsEnabled() { return Button("cmdSaveReport")->isEnabled() && Button("cmdDrawSection")->isEnabled(); }

  ExampleColumn column_;
  std::unique_ptr<ThermoElasticWindow> window_;
  int sectionPlots_ = 0;
};

TEST_F(ThermoElasticWindowTest, OpensWithEveryRowListedAndNothingChosen) {
  // A diagram of another kind's extension shows in its own row only.
  WriteBytes(column_.Folder().File("Ambient.dg3"), "0\t10\r\n24\t10\r\n");
  Open();
  EXPECT_EQ(window_->windowTitle(), "ThermoElastic Solution");
  const char* const labels[] = {"Sun position :", "Ambient temperature :", "Surface temperature :",
                                "External temperature variation :", "Internal temperature variation :"};
  for (int kind = 1; kind <= 5; ++kind) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(Find<QLabel>(window_.get(), "Label1_" + QString::number(kind))->text(), labels[kind - 1]);
    EXPECT_EQ(Row(kind)->currentIndex(), -1);
    EXPECT_EQ(Items(Row(kind)),
              kind == 3 ? (QStringList{"Ambient", "summer", "winter"}) : (QStringList{"summer", "winter"}));
  }
  EXPECT_EQ(window_->findChild<QComboBox*>("cboDiagram6"), nullptr);
  EXPECT_EQ(Find<QLineEdit>(window_.get(), "txtHour")->text(), "0");
  EXPECT_FALSE(Button("cmdSaveReport")->isEnabled());
  EXPECT_FALSE(Button("cmdDrawSection")->isEnabled());
  EXPECT_TRUE(Button("cmdCalculate")->isEnabled());
}

// A user's whole session: choose, type the hour, calculate, save, draw.
TEST_F(ThermoElasticWindowTest, RunsTheSolutionAndSavesTheReportTheBatchToolWrites) {
  Open();
  ChooseAll("summer");
  TypeHour("14");
  ASSERT_TRUE(CalculateAndWait(window_.get()));

  EXPECT_TRUE(column_.Messages().Shown.empty());
  EXPECT_TRUE(Button("cmdSaveReport")->isEnabled());
  EXPECT_TRUE(Button("cmdDrawSection")->isEnabled());
  ASSERT_GT(Results()->rowCount(), 20);
  EXPECT_EQ(Results()->index(0, 0).data().toString(), ">> Main Data...");

  Button("cmdSaveReport")->click();
  EXPECT_EQ(column_.Messages().Shown,
            (std::vector<ShownMessage>{{MessageKind::Information,
                                        testing::SavedMessage("Elastic.txt", column_.Folder().File("Elastic.txt"))}}));
  const std::string batchReport = column_.Folder().File("batch.txt");
  ASSERT_EQ(column_.Batch({"elastic", "--hour", "14", "--diagrams", "summer,summer,summer,summer,summer"}, batchReport),
            0);
  const std::string saved = ReadBytes(column_.Folder().File("Elastic.txt"));
  EXPECT_EQ(saved, ReadBytes(batchReport));
  EXPECT_EQ(testing::ListedReport(Results()), saved);
  EXPECT_EQ(testing::CopiedReport(Find<QListView>(window_.get(), "lstResults")), saved);

  Button("cmdDrawSection")->click();
  EXPECT_EQ(sectionPlots_, 1);
}

TEST_F(ThermoElasticWindowTest, RefusedRunsSayWhyAndChangeNothing) {
  struct Case {
    const char* hour;
    int rowsChosen;
    const char* message;
  } const cases[] = {
      {"25", 5, "The hour you selected is invalid."},
      {"24", 0, "You haven't selected the Sun position diagram."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Open();
    for (int kind = 1; kind <= c.rowsChosen; ++kind) Choose(Row(kind), "winter");
    TypeHour(c.hour);
    column_.Messages().Shown.clear();
    Button("cmdCalculate")->click();
    EXPECT_EQ(column_.Messages().Shown, (std::vector<ShownMessage>{{MessageKind::Error, c.message}}));
    EXPECT_EQ(Results()->rowCount(), 0);
    EXPECT_FALSE(Button("cmdSaveReport")->isEnabled());
    EXPECT_FALSE(Button("cmdDrawSection")->isEnabled());
  }
}

TEST_F(ThermoElasticWindowTest, ARepairedDiagramStaysChosenAndAnUnreadableOneClosesTheWindow) {
  WriteBytes(column_.Folder().File("damaged.dg2"), "24\t8\r\ncomment\r\n0\t8\r\n12\t30\r\n");
  WriteBytes(column_.Folder().File("broken.dg3"), "0\t1\r\n1E400\t2\r\n");
  Open();
  Choose(Row(2), "damaged");
  EXPECT_EQ(column_.Messages().Shown.front(),
            (ShownMessage{MessageKind::Notice,
                          "LoadDiagram reported a fixed error for damaged. Please review the "
                          "diagram data before continuing.\nThe original file was kept as "
                          "damaged.dg2.bak."}));
  EXPECT_EQ(ReadBytes(column_.Folder().File("damaged.dg2")).find("comment"), std::string::npos);
  EXPECT_EQ(Row(2)->currentText(), "damaged");
  EXPECT_TRUE(window_->isVisible());

  column_.Messages().Shown.clear();
  Choose(Row(3), "broken");
  EXPECT_EQ(column_.Messages().Shown,
            (std::vector<ShownMessage>{{MessageKind::Notice, "LoadDiagram reported a critical error for broken."}}));
  EXPECT_FALSE(window_->isVisible());
}

// The run opens the chosen diagrams itself: one spoilt after it was chosen is
// met by the run, whose incident is shown before the window closes.
TEST_F(ThermoElasticWindowTest, TheRunOpensTheChosenDiagramsAndOneSpoiltSinceClosesTheWindow) {
  Open();
  ChooseAll("summer");
  WriteBytes(column_.Folder().File("summer.dg3"), "0\t1\r\n1E400\t2\r\n");
  column_.Messages().Shown.clear();
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  EXPECT_EQ(column_.Messages().Shown,
            (std::vector<ShownMessage>{{MessageKind::Notice, "LoadDiagram reported a critical error for summer."}}));
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(ResultsEnabled());
}

// The chosen entry's file is opened as listed: blanks kept, and by its bytes
// when its name is not UTF-8. A trimmed or re-encoded name would open (and
// create) a diagram nobody drew.
TEST_F(ThermoElasticWindowTest, TheChosenFileIsOpenedByItsOwnName) {
  WriteBytes(column_.Folder().File("flat .dg1"), "0\t7\r\n24\t7\r\n");
  WriteBytes(column_.Folder().File("sun\xFF.dg1"), "0\t9\r\n24\t9\r\n");
  const std::string before = testing::FolderListing(column_.Folder().Path());
  Open();
  const struct {
    int index;
    double y;
  } choices[] = {{Row(1)->findText("flat "), 7}, {Row(1)->findText(QFile::decodeName("sun\xFF")), 9}};
  for (const auto& choice : choices) {
    ASSERT_GE(choice.index, 0);
    Row(1)->setCurrentIndex(choice.index);
    emit Row(1)->activated(choice.index);
    EXPECT_EQ(column_.Context().grid.LoadedDiagram(1), (Diagram{{{0, choice.y}, {24, choice.y}}}));
  }
  EXPECT_TRUE(column_.Messages().Shown.empty());
  EXPECT_EQ(testing::FolderListing(column_.Folder().Path()), before);  // nothing created
}

TEST_F(ThermoElasticWindowTest, ResultsThatAreNotFiniteAreSaidSoAfterTheRun) {
  MainDataTexts mainData = column_.MainData();
  mainData[static_cast<std::size_t>(MainField::AThermal)] = "1E+306";
  Open(mainData);
  ChooseAll("summer");
  TypeHour("14");
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  EXPECT_EQ(column_.Messages().Shown, (std::vector<ShownMessage>{{MessageKind::Notice, kNonFiniteResultsMessage}}));
  EXPECT_TRUE(Button("cmdSaveReport")->isEnabled());  // the report is still there to read and save
}

TEST_F(ThermoElasticWindowTest, DrawPlotsTheChosenDiagramAndNothingWithoutAChoice) {
  Open();
  {
    WhenModalOpens early("frmDrawDiagram", [](QWidget* plot) { plot->close(); });
    Button("cmdDraw1")->click();
    EXPECT_FALSE(early.Acted());
  }

  Choose(Row(4), "winter");
  QString caption;
  WhenModalOpens plot("frmDrawDiagram", [&](QWidget* window) {
    caption = window->windowTitle();
    window->close();
  });
  Button("cmdDraw4")->click();
  EXPECT_TRUE(plot.Acted());
  EXPECT_EQ(caption, "External temperature variation diagram : winter.dg4");
}

TEST_F(ThermoElasticWindowTest, AReportThatCannotBeWrittenIsAnErrorAndNotASuccess) {
  std::filesystem::create_directory(column_.Folder().File("Elastic.txt"));  // a folder in the report's place
  Open();
  ChooseAll("winter");
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  Button("cmdSaveReport")->click();
  ASSERT_EQ(column_.Messages().Shown.size(), 1u);
  EXPECT_EQ(column_.Messages().Shown[0].Kind, MessageKind::Error);
  EXPECT_EQ(column_.Messages().Shown[0].Text.rfind("Elastic.txt could not be saved: ", 0), 0u)
      << column_.Messages().Shown[0].Text;
}

// Cancel while the run goes on: the window is left as a refused run leaves
// it, idle with no results, and the earlier run's report is gone with the grid
// it read.
TEST_F(ThermoElasticWindowTest, CancelLeavesTheWindowAsARefusedRunLeavesIt) {
  Open();
  EXPECT_FALSE(Find<QProgressBar>(window_.get(), "prgRun")->isEnabled());  // idle
  ChooseAll("summer");
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  ASSERT_TRUE(ResultsEnabled());

  QSignalSpy ended(window_.get(), &ThermoElasticWindow::RunEnded);
  Button("cmdCalculate")->click();
  ASSERT_TRUE(window_->IsRunning());
  EXPECT_EQ(InputStates(), std::vector<bool>(InputStates().size(), false));
  EXPECT_TRUE(Button("cmdCancel")->isEnabled());
  EXPECT_FALSE(Button("cmdSaveReport")->isEnabled() || Button("cmdDrawSection")->isEnabled());
  EXPECT_EQ(Results()->rowCount(), 0);  // the earlier report read the grid the run rewrites
  EXPECT_TRUE(Find<QProgressBar>(window_.get(), "prgRun")->isEnabled());
  EXPECT_TRUE(column_.Context().solutionRunning);
  window_->reject();
  EXPECT_TRUE(window_->isVisible());

  Button("cmdCancel")->click();
  ASSERT_TRUE(testing::WaitFor(ended));
  EXPECT_FALSE(window_->IsRunning());
  EXPECT_TRUE(column_.Messages().Shown.empty());
  EXPECT_EQ(Results()->rowCount(), 0);
  EXPECT_FALSE(Button("cmdSaveReport")->isEnabled());
  EXPECT_FALSE(Button("cmdDrawSection")->isEnabled());
  EXPECT_FALSE(Button("cmdCancel")->isEnabled());
  EXPECT_EQ(InputStates(), std::vector<bool>(InputStates().size(), true));
  EXPECT_FALSE(Find<QProgressBar>(window_.get(), "prgRun")->isEnabled());
  EXPECT_FALSE(column_.Context().solutionRunning);
  EXPECT_TRUE(window_->isVisible());

  // The next run completes as any other.
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  EXPECT_TRUE(ResultsEnabled());
  EXPECT_GT(Results()->rowCount(), 20);
}

// The window's event loop turns while a run on a fine grid goes on.
TEST_F(ThermoElasticWindowTest, TheWindowTurnsItsEventsWhileTheRunGoesOn) {
  MainDataTexts fine = column_.MainData();
  fine[static_cast<int>(MainField::I)] = "20";
  fine[static_cast<int>(MainField::J)] = "720";
  fine[static_cast<int>(MainField::K)] = "6000";  // long enough for a busy machine to let the window run
  window_ = std::make_unique<ThermoElasticWindow>(column_.Context(), fine);
  window_->show();
  ChooseAll("summer");
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ticks++; });
  ticker.start(0);
  ASSERT_TRUE(CalculateAndWait(window_.get()));
  ticker.stop();
  EXPECT_TRUE(ResultsEnabled());
  EXPECT_GT(ticks, 10) << "the event loop stood still while the run went on";
}

}  // namespace
}  // namespace kolvane::ui

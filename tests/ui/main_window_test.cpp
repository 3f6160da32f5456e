#include "ui/shell/main_window.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/common/program_info.h"
#include "core/common/workspace.h"
#include "core/test_support.h"
#include "ui/common/app_context.h"
#include "ui/recording_messages.h"

namespace kolvane::ui {
namespace {

using testing::MessageKind;
using testing::ReadBytes;
using testing::RecordingMessages;
using testing::ScratchFolder;
using testing::ShownMessage;
using testing::WriteBytes;

const char* const kFieldNames[kMainFieldCount] = {"txtHeight", "txtIRadius", "txtERadius", "txtUnitLoad",
                                                  "txtE",      "txtF",       "txtI",       "txtJ",
                                                  "txtK",      "txtRefTemp", "txtAThermal"};

const char* const kChimney = "120\r\n3.6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n1E-05\r\n";

struct SolutionCall {
  std::string which;
  MainDataTexts texts;
};

class MainWindowTest : public ::testing::Test {
 protected:
  // Opens the main window on the scratch folder, with hooks that record what
  // they are asked to open.
  MainWindow& Open() {
    window_.emplace(context_);
    window_->SetDiagramsHook(
        [this](DiagramKind kind, const std::string& title) { diagramsOpened_.emplace_back(kind, title); });
    window_->SetThermoElasticHook([this](const MainDataTexts& t) { solutions_.push_back({"thermo", t}); });
    window_->SetCreepHook([this](const MainDataTexts& t) { solutions_.push_back({"creep", t}); });
    window_->show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&*window_));
    return *window_;
  }

  QLineEdit* Field(const char* name) { return window_->findChild<QLineEdit*>(name); }
  QPushButton* Button(const char* name) { return window_->findChild<QPushButton*>(name); }

  std::vector<QString> FieldTextsShown() {
    std::vector<QString> texts;
    for (const char* name : kFieldNames) texts.push_back(Field(name)->text());
    return texts;
  }

  void TypeInto(const char* name, const QString& keys) {
    QLineEdit* box = Field(name);
    box->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(box, keys);
  }

  std::string MainDat() const { return folder_.File("main.dat"); }

  ScratchFolder folder_;
  RecordingMessages messages_;
  AppContext context_{Workspace(folder_.Path()), &messages_, {}};
  std::optional<MainWindow> window_;
  std::vector<std::pair<DiagramKind, std::string>> diagramsOpened_;
  std::vector<SolutionCall> solutions_;
};

TEST_F(MainWindowTest, ShowsTheProgramTitleFramesAndDiagramButtons) {
  MainWindow& window = Open();
  EXPECT_EQ(window.objectName(), "frmMain");
  EXPECT_EQ(window.windowTitle(), QString::fromStdString(ProgramTitle() + " - " + folder_.Path()));
  const std::pair<const char*, const char*> frames[] = {
      {"frameMain", "Main Data"}, {"frameDiagrams", "Diagrams"}, {"frameCalculations", "Calculations"}};
  for (const auto& [name, caption] : frames) {
    auto* frame = window.findChild<QGroupBox*>(name);
    ASSERT_NE(frame, nullptr) << name;
    EXPECT_EQ(frame->title(), caption);
  }
  const char* const captions[] = {"Sun position - Diagram 1",
                                  "Ambient temperature - Diagram 2",
                                  "Surface temperature - Diagram 3",
                                  "External temperature variation - Diagram 4",
                                  "Internal temperature variation - Diagram 5",
                                  "Normalised creep (t*) - Diagram 6",
                                  "Normalised temperature (Phi) - Diagram 7"};
  for (int n = 1; n <= 7; ++n) {
    QPushButton* button = Button(("cmdDiagram" + std::to_string(n)).c_str());
    ASSERT_NE(button, nullptr) << n;
    EXPECT_EQ(button->text().remove('&'), captions[n - 1]);
  }
  EXPECT_EQ(Button("cmdThermoElastic")->text().remove('&'), "ThermoElastic Solution");
  EXPECT_EQ(Button("cmdCreep")->text().remove('&'), "Creep Solution");
  EXPECT_EQ(Button("cmdAbout")->text().remove('&'), "About");
}

TEST_F(MainWindowTest, OpensOnTheHeightReadyToBeTypedOverAndTabsThroughTheFieldsInOrder) {
  WriteBytes(MainDat(), kChimney);
  Open();
  ASSERT_EQ(QApplication::focusWidget(), Field("txtHeight"));
  EXPECT_EQ(Field("txtHeight")->selectedText(), "120");
  std::vector<QString> visited;
  for (int i = 0; i < kMainFieldCount; ++i) {
    visited.push_back(QApplication::focusWidget()->objectName());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  visited.push_back(QApplication::focusWidget()->objectName());
  std::vector<QString> expected(std::begin(kFieldNames), std::end(kFieldNames));
  expected.push_back("cmdOpenFolder");
  EXPECT_EQ(visited, expected);
}

TEST_F(MainWindowTest, AFirstStartShowsZerosAndRefusesBothSolutions) {
  Open();
  EXPECT_EQ(FieldTextsShown(), std::vector<QString>(kMainFieldCount, "0"));
  QTest::mouseClick(Button("cmdThermoElastic"), Qt::LeftButton);
  QTest::mouseClick(Button("cmdCreep"), Qt::LeftButton);
  const ShownMessage invalid{MessageKind::Error, "The height is invalid."};
  EXPECT_EQ(messages_.Shown, (std::vector<ShownMessage>{invalid, invalid}));
  EXPECT_TRUE(solutions_.empty());
}

TEST_F(MainWindowTest, LoadsMainDatWhenItOpens) {
  WriteBytes(MainDat(), "-120\r\n0.5\r\n4\r\n25\r\n30\r\n5\r\n4.9\r\n72\r\n100\r\n-5\r\n0.00001\r\n");
  Open();
  EXPECT_EQ(FieldTextsShown(),
            (std::vector<QString>{"120", ".5", "4", "25", "30", "5", "4", "72", "100", "-5", "1E-05"}));
  EXPECT_TRUE(messages_.Shown.empty());
}

// A main.dat that was not read completely is said so at start, and kept as
// main.dat.bak before closing replaces it; one that cannot even be read is
// not replaced, and the error says why.
// The readings and the backup rule are tested in the core; here, that the
// window shows the notice, and saves through the rule or shows its refusal.
TEST_F(MainWindowTest, AMainDatNotReadCompletelyIsToldAndKeptBeforeItIsReplaced) {
  struct Case {
    const char* name;
    std::string original;  // empty: a FIFO, which has no bytes to keep
    const char* noticePart;
    const char* errorPart;  // nullptr: closing saves
  } cases[] = {
      {"a decimal comma", "120\r\n3,6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n1E-05\r\n",
       "holds more values than its 11 fields", nullptr},
      {"a FIFO", "", "could not be read (it is not a regular file)",
       "main.dat could not be saved: the original file could not be read (it is not a regular file), so it was "
       "not replaced"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(MainDat());
    std::filesystem::remove_all(MainDat() + ".bak");
    messages_.Shown.clear();
    if (c.original.empty())
      ASSERT_EQ(::mkfifo(MainDat().c_str(), 0644), 0);
    else
      WriteBytes(MainDat(), c.original);
    Open();
    ASSERT_EQ(messages_.Shown.size(), 1u);
    EXPECT_EQ(messages_.Shown[0].Kind, MessageKind::Notice);
    EXPECT_NE(messages_.Shown[0].Text.find(c.noticePart), std::string::npos) << messages_.Shown[0].Text;
    const std::vector<QString> shown = FieldTextsShown();
    window_->close();
    if (c.errorPart) {
      ASSERT_EQ(messages_.Shown.size(), 2u);
      EXPECT_EQ(messages_.Shown[1], (ShownMessage{MessageKind::Error, c.errorPart}));
      EXPECT_FALSE(std::filesystem::is_regular_file(MainDat()));
      continue;
    }
    EXPECT_EQ(messages_.Shown.size(), 1u);
    EXPECT_EQ(ReadBytes(MainDat() + ".bak"), c.original);
    std::string saved;
    for (const QString& text : shown) saved += text.toStdString() + "\r\n";
    EXPECT_EQ(ReadBytes(MainDat()), saved);
  }
}

TEST_F(MainWindowTest, FieldsFilterWhatIsTyped) {
  Open();
  TypeInto("txtHeight", "12,5-");
  TypeInto("txtI", "12345");
  TypeInto("txtRefTemp", "-7.25");
  TypeInto("txtJ", "7.2");
  TypeInto("txtAThermal", "0,00001");
  TypeInto("txtK", "");  // leaving the a-thermal field normalises it
  EXPECT_EQ(Field("txtHeight")->text(), "12.5");
  EXPECT_EQ(Field("txtI")->text(), "1234");
  EXPECT_EQ(Field("txtRefTemp")->text(), "-7.25");
  EXPECT_EQ(Field("txtJ")->text(), "72");
  EXPECT_EQ(Field("txtAThermal")->text(), "1E-05");
}

TEST_F(MainWindowTest, ClosingSavesTheFieldsExactlyAsShown) {
  WriteBytes(MainDat(), kChimney);
  Open();
  TypeInto("txtHeight", "150.");  // still being typed when the window closes
  window_->close();
  EXPECT_EQ(ReadBytes(MainDat()), "150.\r\n3.6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n1E-05\r\n");
  EXPECT_TRUE(messages_.Shown.empty());
}

TEST_F(MainWindowTest, AFirstStartCreatesMainDatOnClosing) {
  Open();
  window_->close();
  EXPECT_EQ(ReadBytes(MainDat()), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
}

TEST_F(MainWindowTest, SaysSoWhenMainDatCannotBeSavedAndClosesAnyway) {
  WriteBytes(MainDat(), kChimney);
  Open();
  std::filesystem::remove_all(folder_.Path());  // the folder went away while the program ran
  window_->close();
  ASSERT_EQ(messages_.Shown.size(), 1u);
  EXPECT_EQ(messages_.Shown[0].Kind, MessageKind::Error);
  EXPECT_EQ(messages_.Shown[0].Text, "main.dat could not be saved: No such file or directory");
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, EachDiagramButtonOpensTheManagerOfItsKind) {
  Open();
  for (int n = 1; n <= 7; ++n) QTest::mouseClick(Button(("cmdDiagram" + std::to_string(n)).c_str()), Qt::LeftButton);
  const std::vector<std::pair<DiagramKind, std::string>> expected = {
      {1, "Sun position diagrams (*.dg1)"},
      {2, "Ambient temperature diagrams (*.dg2)"},
      {3, "Surface temperature diagrams (*.dg3)"},
      {4, "External temperature variation diagrams (*.dg4)"},
      {5, "Internal temperature variation diagrams (*.dg5)"},
      {6, "Normalised creep (t*) diagrams (*.dg6)"},
      {7, "Normalised temperature (Phi) diagrams (*.dg7)"}};
  EXPECT_EQ(diagramsOpened_, expected);
}

TEST_F(MainWindowTest, SolutionsOpenOnlyOnValidMainData) {
  WriteBytes(MainDat(), kChimney);
  Open();
  QTest::mouseClick(Button("cmdThermoElastic"), Qt::LeftButton);
  QTest::mouseClick(Button("cmdCreep"), Qt::LeftButton);
  ASSERT_EQ(solutions_.size(), 2u);
  EXPECT_EQ(solutions_[0].which, "thermo");
  EXPECT_EQ(solutions_[1].which, "creep");
  EXPECT_EQ(solutions_[1].texts, window_->FieldTexts());
  EXPECT_EQ(FieldText(solutions_[0].texts, MainField::J), "72");

  TypeInto("txtERadius", "3.6");  // equal to the internal radius
  QTest::mouseClick(Button("cmdCreep"), Qt::LeftButton);
  TypeInto("txtERadius", "4");
  TypeInto("txtJ", "1");
  QTest::mouseClick(Button("cmdThermoElastic"), Qt::LeftButton);
  EXPECT_EQ(solutions_.size(), 2u);
  EXPECT_EQ(messages_.Shown,
            (std::vector<ShownMessage>{{MessageKind::Error, "External radius must be more than the internal radius."},
                                       {MessageKind::Error, "The number of sectors is invalid."}}));
}

TEST_F(MainWindowTest, ARefusedRunSendsTheUserToTheFieldAtFault) {
  WriteBytes(MainDat(), kChimney);
  Open();
  Field("txtK")->setText("0");
  QTest::mouseClick(Button("cmdThermoElastic"), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), Field("txtK"));
  EXPECT_EQ(Field("txtK")->selectedText(), "0");
  EXPECT_TRUE(solutions_.empty());
}

// The folders opened last, as the menu offers them.
QStringList RecentMenuEntries(MainWindow& window) {
  auto* menu = window.findChild<QMenu*>("mnuRecentFolders");
  emit menu->aboutToShow();
  QStringList entries;
  for (QAction* action : menu->actions())
    if (action->isEnabled()) entries.append(action->text());
  return entries;
}

TEST_F(MainWindowTest, OpeningAnotherColumnFolderSavesThisOneAndLoadsThatOne) {
  WriteBytes(MainDat(), kChimney);
  ScratchFolder other;
  WriteBytes(other.File("main.dat"), "80\r\n2\r\n2.5\r\n25\r\n30\r\n5\r\n2\r\n36\r\n10\r\n0\r\n1E-05\r\n");
  Open();
  context_.grid.K = 100;  // a run's results belong to the column they were computed for
  std::vector<QString> asked;
  window_->SetFolderChooser([&](const QString& current) {
    asked.push_back(current);
    return QString::fromStdString(other.Path());
  });
  TypeInto("txtHeight", "150");
  QTest::mouseClick(Button("cmdOpenFolder"), Qt::LeftButton);

  EXPECT_EQ(asked, std::vector<QString>{QString::fromStdString(folder_.Path())});
  EXPECT_EQ(ReadBytes(MainDat()).substr(0, 5), "150\r\n");
  EXPECT_EQ(FieldText(window_->FieldTexts(), MainField::Height), "80");
  EXPECT_EQ(context_.workspace.Folder(), other.Path());
  EXPECT_EQ(context_.grid.K, 0);
  EXPECT_EQ(window_->windowTitle(), QString::fromStdString(ProgramTitle() + " - " + other.Path()));
  EXPECT_EQ(RecentMenuEntries(*window_).mid(0, 2),
            (QStringList{QString::fromStdString(other.Path()), QString::fromStdString(folder_.Path())}));

  // Ctrl+O asks again; back to the first folder through the recent menu.
  window_->SetFolderChooser([&](const QString& current) {
    asked.push_back(current);
    return QString();  // cancelled: the data is still saved, nothing else changes
  });
  TypeInto("txtHeight", "9");
  QTest::keyClick(window_->focusWidget(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_EQ(ReadBytes(other.File("main.dat")).substr(0, 3), "9\r\n");
  EXPECT_EQ(context_.workspace.Folder(), other.Path());

  auto* menu = window_->findChild<QMenu*>("mnuRecentFolders");
  emit menu->aboutToShow();
  for (QAction* action : menu->actions())
    if (action->text() == QString::fromStdString(folder_.Path())) action->trigger();
  EXPECT_EQ(context_.workspace.Folder(), folder_.Path());
  EXPECT_EQ(FieldText(window_->FieldTexts(), MainField::Height), "150");
  EXPECT_TRUE(messages_.Shown.empty());
}

TEST_F(MainWindowTest, AFolderWithoutMainDataShowsZerosAndAMissingOneIsRefused) {
  WriteBytes(MainDat(), kChimney);
  ScratchFolder empty;
  Open();
  EXPECT_TRUE(window_->OpenColumnFolder(QString::fromStdString(empty.Path())));
  EXPECT_EQ(FieldTextsShown(), std::vector<QString>(kMainFieldCount, "0"));

  EXPECT_FALSE(window_->OpenColumnFolder("/no/such/folder"));
  EXPECT_EQ(messages_.Shown,
            (std::vector<ShownMessage>{{MessageKind::Error, "/no/such/folder is not an existing folder"}}));
  EXPECT_EQ(context_.workspace.Folder(), empty.Path());
}

TEST_F(MainWindowTest, MainDataThatCannotBeSavedKeepsTheWindowOnItsFolder) {
  WriteBytes(MainDat(), kChimney);
  ScratchFolder other;
  Open();
  int asked = 0;
  window_->SetFolderChooser([&](const QString&) {
    ++asked;
    return QString::fromStdString(other.Path());
  });
  TypeInto("txtHeight", "151");
  ::chmod(MainDat().c_str(), 0444);  // write-protected: the save is refused
  QTest::keyClick(window_->focusWidget(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_FALSE(window_->OpenColumnFolder(QString::fromStdString(other.Path())));
  ::chmod(MainDat().c_str(), 0644);

  EXPECT_EQ(asked, 0);
  EXPECT_EQ(context_.workspace.Folder(), folder_.Path());
  EXPECT_EQ(FieldText(window_->FieldTexts(), MainField::Height), "151");  // the edit is still there to keep
  ASSERT_EQ(messages_.Shown.size(), 2u);
  EXPECT_EQ(messages_.Shown[0].Text, "main.dat could not be saved: Permission denied");
}

TEST_F(MainWindowTest, ButtonsWithoutAWindowToOpenAreDisabled) {
  MainWindow window(context_);
  for (int n = 1; n <= 7; ++n)
    EXPECT_FALSE(window.findChild<QPushButton*>(("cmdDiagram" + std::to_string(n)).c_str())->isEnabled());
  EXPECT_FALSE(window.findChild<QPushButton*>("cmdThermoElastic")->isEnabled());
  EXPECT_FALSE(window.findChild<QPushButton*>("cmdCreep")->isEnabled());
  EXPECT_TRUE(window.findChild<QPushButton*>("cmdAbout")->isEnabled());
  window.SetCreepHook([](const MainDataTexts&) {});
  EXPECT_TRUE(window.findChild<QPushButton*>("cmdCreep")->isEnabled());
}

TEST_F(MainWindowTest, AboutOpensTheModalAboutWindow) {
  Open();
  QString seenTitle;
  bool wasModal = false;
  QTimer::singleShot(0, [&] {
    QWidget* about = QApplication::activeModalWidget();
    ASSERT_NE(about, nullptr);
    wasModal = about->objectName() == "frmAbout";
    seenTitle = about->findChild<QLabel*>("lblTitle")->text();
    QTest::mouseClick(about->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
  });
  QTest::mouseClick(Button("cmdAbout"), Qt::LeftButton);
  EXPECT_TRUE(wasModal);
  EXPECT_EQ(seenTitle, QString::fromStdString(ProgramTitle()));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace kolvane::ui

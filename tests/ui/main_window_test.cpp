// The main window's wiring: it loads and saves main.dat through the core and
// shows the core's notice, opens the managers, and the solutions only on valid
// main data, and Open Column Folder moves to another column.
#include "ui/shell/main_window.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>
#include <vector>

#include "core/common/program_info.h"
#include "core/test_support.h"
#include "ui/common/app_context.h"
#include "ui/recording_messages.h"

namespace kolvane::ui {
namespace {

using testing::MessageKind;
using testing::ReadBytes;
using testing::ShownMessage;
using testing::WriteBytes;

const char* const kChimney = "120\r\n3.6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n1E-05\r\n";

class MainWindowTest : public ::testing::Test {
 protected:
  void Open() {
    window_.emplace(context_);
    window_->SetDiagramsHook([this](DiagramKind kind, const std::string&) { diagrams_.push_back(kind); });
    window_->SetThermoElasticHook([this](const MainDataTexts& t) { solutions_.push_back(t); });
    window_->SetCreepHook([this](const MainDataTexts& t) { solutions_.push_back(t); });
    window_->show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&*window_));
  }
  QLineEdit* Field(const char* name) { return window_->findChild<QLineEdit*>(name); }
  void Click(const char* button) { QTest::mouseClick(window_->findChild<QPushButton*>(button), Qt::LeftButton); }

  testing::ScratchFolder folder_;
  testing::RecordingMessages messages_;
  AppContext context_{Workspace(folder_.Path()), &messages_, {}};
  std::optional<MainWindow> window_;
  std::vector<DiagramKind> diagrams_;
  std::vector<MainDataTexts> solutions_;
};

TEST_F(MainWindowTest, AMainDatNotReadCompletelyIsToldAndKeptBeforeClosingReplacesIt) {
  const std::string original = "120\r\n3,6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n-5\r\n1E-05\r\n";
  WriteBytes(folder_.File("main.dat"), original);
  Open();
  ASSERT_EQ(messages_.Shown.size(), 1u);
  EXPECT_EQ(messages_.Shown[0].Kind, MessageKind::Notice);
  EXPECT_NE(messages_.Shown[0].Text.find("holds more values than its 11 fields"), std::string::npos);
  Field("txtHeight")->setText("150.");  // still being typed when the window closes
  window_->close();
  EXPECT_EQ(ReadBytes(folder_.File("main.dat") + ".bak"), original);
  EXPECT_EQ(ReadBytes(folder_.File("main.dat")), "150.\r\n3\r\n6\r\n4\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n5\r\n");
}

TEST_F(MainWindowTest, OpensTheManagersAndTheSolutionsOnlyOnValidMainData) {
  WriteBytes(folder_.File("main.dat"), kChimney);
  Open();
  Click("cmdDiagram3");
  EXPECT_EQ(diagrams_, std::vector<DiagramKind>{3});
  Click("cmdCreep");
  ASSERT_EQ(solutions_.size(), 1u);
  EXPECT_EQ(solutions_[0], window_->FieldTexts());

  Field("txtK")->setText("0");
  Click("cmdThermoElastic");
  EXPECT_EQ(solutions_.size(), 1u);
  EXPECT_EQ(messages_.Shown, (std::vector<ShownMessage>{{MessageKind::Error, "The number of slices is invalid."}}));
  EXPECT_EQ(QApplication::focusWidget(), Field("txtK"));  // the user is sent to the field at fault
}

TEST_F(MainWindowTest, OpeningAnotherColumnFolderSavesThisOneAndLoadsThatOne) {
  WriteBytes(folder_.File("main.dat"), kChimney);
  testing::ScratchFolder other;
  WriteBytes(other.File("main.dat"), "80\r\n2\r\n2.5\r\n25\r\n30\r\n5\r\n2\r\n36\r\n10\r\n0\r\n1E-05\r\n");
  Open();
  context_.grid.K = 100;  // a run's results belong to the column they were computed for
  window_->SetFolderChooser([&](const QString&) { return QString::fromStdString(other.Path()); });
  Field("txtHeight")->setText("150");
  Click("cmdOpenFolder");
  EXPECT_EQ(ReadBytes(folder_.File("main.dat")).substr(0, 5), "150\r\n");
  EXPECT_EQ(FieldText(window_->FieldTexts(), MainField::Height), "80");
  EXPECT_EQ(context_.workspace.Folder(), other.Path());
  EXPECT_EQ(context_.grid.K, 0);
  EXPECT_EQ(window_->windowTitle(), QString::fromStdString(ProgramTitle() + " - " + other.Path()));
  EXPECT_TRUE(messages_.Shown.empty());

  // Main data that cannot be saved keeps the window on its folder, the edit still there to keep.
  Field("txtHeight")->setText("81");
  ::chmod(other.File("main.dat").c_str(), 0444);
  EXPECT_FALSE(window_->OpenColumnFolder(QString::fromStdString(folder_.Path())));
  EXPECT_EQ(context_.workspace.Folder(), other.Path());
  EXPECT_EQ(FieldText(window_->FieldTexts(), MainField::Height), "81");
  ASSERT_FALSE(messages_.Shown.empty());
  EXPECT_EQ(messages_.Shown[0], (ShownMessage{MessageKind::Error, "main.dat could not be saved: Permission denied"}));
}

}  // namespace
}  // namespace kolvane::ui

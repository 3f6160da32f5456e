#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "core/common/program_info.h"
#include "ui/common/messages.h"

namespace kolvane::ui {
namespace {

struct BoxSeen {
  QString Caption;
  QString Text;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons Buttons;
  QMessageBox::StandardButton Default = QMessageBox::NoButton;
};

// Reads the box that the call under test opens and presses `press` on it.
void ReadAndAnswer(BoxSeen& seen, QMessageBox::StandardButton press) {
  QTimer::singleShot(0, [&seen, press] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
            box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton};
    box->button(press)->click();
  });
}

TEST(MessageBoxes, ShowCaptionIconAndButtonsOfEachKind) {
  MessageBoxes messages;
  BoxSeen seen;

  ReadAndAnswer(seen, QMessageBox::Ok);
  messages.Error(nullptr, "The height is invalid.");
  EXPECT_EQ(seen.Caption, "Error");
  EXPECT_EQ(seen.Text, "The height is invalid.");
  EXPECT_EQ(seen.Icon, QMessageBox::Warning);
  EXPECT_EQ(seen.Buttons, QMessageBox::Ok);

  ReadAndAnswer(seen, QMessageBox::Yes);
  EXPECT_TRUE(messages.Question(nullptr, "Overwrite?"));
  EXPECT_EQ(seen.Caption, "Caution");
  EXPECT_EQ(seen.Icon, QMessageBox::Warning);
  EXPECT_EQ(seen.Buttons, QMessageBox::Yes | QMessageBox::No);
  ReadAndAnswer(seen, QMessageBox::No);
  EXPECT_FALSE(messages.Question(nullptr, "Overwrite?"));

  ReadAndAnswer(seen, QMessageBox::Yes);
  EXPECT_TRUE(messages.QuestionNoByDefault(nullptr, "Delete?"));
  EXPECT_EQ(seen.Caption, "Caution");
  EXPECT_EQ(seen.Buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(seen.Default, QMessageBox::No);

  ReadAndAnswer(seen, QMessageBox::Ok);
  messages.Information(nullptr, "Elastic.txt was saved successfully.");
  EXPECT_EQ(seen.Caption, "Information");
  EXPECT_EQ(seen.Icon, QMessageBox::Information);

  ReadAndAnswer(seen, QMessageBox::Ok);
  messages.Notice(nullptr, "Unit load in KN/m³");
  EXPECT_EQ(seen.Caption, QString::fromStdString(ProgramTitle()));
  EXPECT_EQ(seen.Text, QString::fromUtf8("Unit load in KN/m³"));
  EXPECT_EQ(seen.Icon, QMessageBox::NoIcon);
}

}  // namespace
}  // namespace kolvane::ui

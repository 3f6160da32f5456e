// The box calls the core's typing filter on every path a character arrives
// by, and normalises when the focus leaves.
#include "ui/controls/filtered_text_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace kolvane::ui {

TEST(FilteredTextBox, FiltersKeysPastesAndComposedTextAndNormalisesOnLeaving) {
  QWidget window;
  auto* height = new QLineEdit("120", &window);
  auto* count = new QLineEdit("0", &window);
  new FilteredTextBox(height, InputMode::UnsignedDecimal, 10);
  new FilteredTextBox(count, InputMode::UnsignedInteger, 4);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(height->selectedText(), "120");  // the box a window opens with is selected, typing replaces it

  QTest::keyClicks(height, ".5,-");
  EXPECT_EQ(height->text(), ".5");
  count->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(height->text(), "0.5");       // normalised on leaving
  EXPECT_EQ(count->selectedText(), "0");  // selected on entering
  // Ctrl+A, Ctrl+C and Ctrl+V work; a paste goes through the filter whole or not at all.
  QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
  QApplication::clipboard()->setText("1,5");
  QSignalSpy refused(count->findChild<FilteredTextBox*>(), &FilteredTextBox::PasteRefused);
  QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(count->text(), "0");
  ASSERT_EQ(refused.count(), 1);
  EXPECT_EQ(refused[0][0].toString().toStdString(),
            "\"1,5\" cannot be pasted here: the field takes a whole number of 0 or more.");
  QTest::keyClick(count, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "0");
  QInputMethodEvent commit;
  commit.setCommitString("4.2x");
  QApplication::sendEvent(count, &commit);
  EXPECT_EQ(count->text(), "42");

  // Focus passing to another window and back leaves the text and caret alone.
  height->setFocus(Qt::TabFocusReason);
  height->setText(".5");
  height->setCursorPosition(1);
  QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(height, &out);
  QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(height, &in);
  EXPECT_EQ(height->text(), ".5");
  EXPECT_EQ(height->cursorPosition(), 1);
}

TEST(FilterKeyCode, MapsKeyEventsToTheFiltersCodes) {
  using Code = std::optional<char32_t>;
  // clang-format off
  const std::tuple<int, Qt::KeyboardModifiers, QString, Code> cases[] = {
      {Qt::Key_Backspace, Qt::NoModifier, "\b", kKeyBackspace}, {Qt::Key_Enter, Qt::KeypadModifier, "\r", kKeyEnter},
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", kKeyEscape}, {Qt::Key_C, Qt::ControlModifier, "\x03", kKeyCopy},
      {Qt::Key_V, Qt::ControlModifier, "", kKeyPaste}, {Qt::Key_X, Qt::ControlModifier, "x", kKeyCut},
      {Qt::Key_A, Qt::ControlModifier, "\x01", 1}, {Qt::Key_Left, Qt::ControlModifier, "", Code()},
      {Qt::Key_Udiaeresis, Qt::NoModifier, "\u00FC", U'\u00FC'}, {Qt::Key_Delete, Qt::NoModifier, "\x7f", Code()},
      {Qt::Key_Tab, Qt::NoModifier, "\t", Code()}, {0, Qt::NoModifier, "ab", Code()}};
  // clang-format on
  for (const auto& [key, modifiers, text, code] : cases)
    EXPECT_EQ(FilterKeyCode(QKeyEvent(QEvent::KeyPress, key, modifiers, text)), code) << key;
}

}  // namespace kolvane::ui

#include "ui/controls/filtered_text_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

namespace kolvane::ui {
namespace {

// A window of filtered boxes, shown and active so that focus moves as it does
// for a user.
class FilteredBoxes : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window_);
    for (QLineEdit* box : {unfiltered_, height_, refTemp_, count_, pointX_, name_}) layout->addWidget(box);
    new FilteredTextBox(height_, InputMode::UnsignedDecimal, 10);
    new FilteredTextBox(refTemp_, InputMode::SignedDecimal, 6);
    new FilteredTextBox(count_, InputMode::UnsignedInteger, 4);
    new FilteredTextBox(pointX_, InputMode::UnsignedDecimal, 15, true);
    new FilteredTextBox(name_, InputMode::FileName, 40);
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    unfiltered_->setFocus();
  }

  // Gives the box the focus afresh, as tabbing into it does.
  void Focus(QLineEdit* box) {
    if (box->hasFocus()) unfiltered_->setFocus(Qt::TabFocusReason);
    box->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }

  void Type(QLineEdit* box, const QString& keys) {
    Focus(box);
    QTest::keyClicks(box, keys);
  }

  QWidget window_;
  QLineEdit* unfiltered_ = new QLineEdit;
  QLineEdit* height_ = new QLineEdit("0");
  QLineEdit* refTemp_ = new QLineEdit("0");
  QLineEdit* count_ = new QLineEdit("0");
  QLineEdit* pointX_ = new QLineEdit;
  QLineEdit* name_ = new QLineEdit;
};

TEST_F(FilteredBoxes, TypingADecimalTurnsTheCommaIntoAPointAndRefusesWhatDoesNotFit) {
  Type(height_, "12,5");  // the 0 the box showed is selected on focus and replaced
  EXPECT_EQ(height_->text(), "12.5");
  QTest::keyClicks(height_, ".,-e");
  EXPECT_EQ(height_->text(), "12.5");
  QTest::keyClicks(height_, "1234567");
  EXPECT_EQ(height_->text(), "12.5123456");  // ten characters, the point included
}

TEST_F(FilteredBoxes, AMinusSignOnlyInFront) {
  Type(refTemp_, "5");
  QTest::keyClick(refTemp_, Qt::Key_Minus);
  EXPECT_EQ(refTemp_->text(), "5");
  QTest::keyClick(refTemp_, Qt::Key_Home);
  QTest::keyClick(refTemp_, Qt::Key_Minus);
  EXPECT_EQ(refTemp_->text(), "-5");
  QTest::keyClick(refTemp_, Qt::Key_Home);
  QTest::keyClicks(refTemp_, "-3");  // neither a second sign nor a digit in front of the sign
  EXPECT_EQ(refTemp_->text(), "-5");
  refTemp_->selectAll();
  QTest::keyClicks(refTemp_, "-12.345");
  EXPECT_EQ(refTemp_->text(), "-12.34");  // the sign counts towards the six characters
}

TEST_F(FilteredBoxes, ACountHoldsFourDigitsButKeysThatTypeNothingStillWork) {
  Type(count_, "12345");
  EXPECT_EQ(count_->text(), "1234");
  count_->setSelection(3, 1);
  QTest::keyClick(count_, Qt::Key_7);
  EXPECT_EQ(count_->text(), "1237");
  QTest::keyClick(count_, Qt::Key_Backspace);  // at the limit
  EXPECT_EQ(count_->text(), "123");
  QTest::keyClick(count_, Qt::Key_Home);
  QTest::keyClick(count_, Qt::Key_Delete);
  QTest::keyClick(count_, Qt::Key_End);
  QTest::keyClick(count_, Qt::Key_Left);
  QTest::keyClick(count_, Qt::Key_9);
  EXPECT_EQ(count_->text(), "293");
}

TEST_F(FilteredBoxes, ClipboardKeysAreRefusedInNumericBoxesOnly) {
  QApplication::clipboard()->setText("99/x");
  Focus(count_);
  QTest::keyClick(count_, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(count_, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(count_->text(), "0");
  Focus(name_);
  QTest::keyClick(name_, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(name_->text(), "99/x");  // pasted text bypasses the filter
}

TEST_F(FilteredBoxes, ANameBoxRefusesPathCharacters) {
  Type(name_, "Summer/day: \"hot\" <1>|*?.v2\\");
  EXPECT_EQ(name_->text(), "Summerday hot 1.v2");  // the backslash too
  name_->clear();
  QTest::keyClicks(name_, QString(45, 'a'));
  EXPECT_EQ(name_->text(), QString(40, 'a'));
}

TEST_F(FilteredBoxes, FocusSelectsTheWholeTextAndLeavingNormalises) {
  height_->setText(".5");
  Focus(height_);
  EXPECT_EQ(height_->selectedText(), ".5");
  Focus(refTemp_);
  EXPECT_EQ(height_->text(), "0.5");

  refTemp_->setText("-");
  count_->setText("0042");
  pointX_->setText("");
  name_->setText(" .50 ");
  for (QLineEdit* box : {count_, pointX_, name_, height_}) Focus(box);
  EXPECT_EQ(refTemp_->text(), "0");
  EXPECT_EQ(count_->text(), "42");
  EXPECT_EQ(pointX_->text(), "");  // may stay empty
  EXPECT_EQ(name_->text(), " .50 ");

  height_->setText("");
  Focus(count_);
  EXPECT_EQ(height_->text(), "0");
}

TEST_F(FilteredBoxes, FocusPassingToAnotherWindowAndBackLeavesTheTextAlone) {
  Focus(height_);
  height_->setText(".5");
  height_->setCursorPosition(1);
  QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(height_, &out);
  QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(height_, &in);
  EXPECT_EQ(height_->text(), ".5");
  EXPECT_FALSE(height_->hasSelectedText());
  EXPECT_EQ(height_->cursorPosition(), 1);
}

TEST(FilteredTextBox, TheBoxAWindowOpensWithIsSelected) {
  QWidget window;
  auto* first = new QLineEdit("120", &window);
  new FilteredTextBox(first, InputMode::UnsignedDecimal, 10);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  ASSERT_TRUE(first->hasFocus());
  EXPECT_EQ(first->selectedText(), "120");  // typing replaces it
}

TEST_F(FilteredBoxes, AClickThatGivesTheFocusSelectsAll) {
  height_->setText("123.25");
  Focus(count_);
  QTest::mouseClick(height_, Qt::LeftButton, {}, QPoint(5, height_->height() / 2));
  EXPECT_TRUE(height_->hasFocus());
  EXPECT_EQ(height_->selectedText(), "123.25");
  QTest::mouseClick(height_, Qt::LeftButton, {}, QPoint(5, height_->height() / 2));
  EXPECT_FALSE(height_->hasSelectedText());  // a second click places the caret
}

TEST_F(FilteredBoxes, SeveralCharactersInOneEventAreFilteredOneByOne) {
  Focus(height_);
  QKeyEvent compose(QEvent::KeyPress, 0, Qt::NoModifier, "1,5,-");
  QApplication::sendEvent(height_, &compose);
  EXPECT_EQ(height_->text(), "1.5");

  Focus(count_);
  QInputMethodEvent commit;
  commit.setCommitString("4.2x");
  QApplication::sendEvent(count_, &commit);
  EXPECT_EQ(count_->text(), "42");
}

TEST(FilterKeyCode, MapsKeyEventsToTheFiltersCodes) {
  const struct {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    std::optional<char32_t> code;
  } cases[] = {
      {"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", kKeyBackspace},
      {"Return", Qt::Key_Return, Qt::NoModifier, "\r", kKeyEnter},
      {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", kKeyEnter},
      {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", kKeyEscape},
      {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, "\x03", kKeyCopy},
      {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, "", kKeyPaste},
      {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, "x", kKeyCut},
      {"Shift+Insert pastes", Qt::Key_Insert, Qt::ShiftModifier, "", kKeyPaste},
      {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, "\x01", 1},
      {"Ctrl+Left", Qt::Key_Left, Qt::ControlModifier, "", std::nullopt},
      {"digit", Qt::Key_5, Qt::NoModifier, "5", U'5'},
      {"keypad comma", Qt::Key_Comma, Qt::KeypadModifier, ",", U','},
      {"shifted letter", Qt::Key_A, Qt::ShiftModifier, "A", U'A'},
      {"non-ASCII", Qt::Key_Udiaeresis, Qt::NoModifier, "\u00FC", U'\u00FC'},
      {"Left", Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
      {"Home", Qt::Key_Home, Qt::NoModifier, "", std::nullopt},
      {"Delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
      {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t", std::nullopt},
      {"F2", Qt::Key_F2, Qt::NoModifier, "", std::nullopt},
      {"two characters at once", 0, Qt::NoModifier, "ab", std::nullopt},
  };
  for (const auto& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
    EXPECT_EQ(FilterKeyCode(event), c.code) << c.name;
  }
}

}  // namespace
}  // namespace kolvane::ui

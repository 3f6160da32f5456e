#include "ui/diagrams/diagram_editor_window.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <tuple>

#include "core/common/numeric_reading.h"
#include "core/diagram_test_support.h"
#include "core/diagrams/diagram_kinds.h"
#include "modal_windows.h"
#include "recording_messages.h"

namespace kolvane::ui {
namespace {

using kolvane::testing::Child;
using kolvane::testing::MessageKind;
using kolvane::testing::RecordingMessages;
using kolvane::testing::ShownMessage;
using Rows = std::vector<std::vector<std::string>>;
using Shown = std::vector<ShownMessage>;

class DiagramEditorTest : public ::testing::Test {
 protected:
  // Opens the editor on a diagram of `kind`, shown as the manager shows it.
  void Open(const Diagram& diagram, const std::string& name, DiagramKind kind = kSunPosition,
            std::vector<std::string> listed = {}) {
    editor = std::make_unique<DiagramEditorWindow>(context, CurrentDiagram{diagram, name, kind}, std::move(listed));
    editor->show();
  }
  template <typename W>
  W* Find(const char* name) {
    return Child<W>(editor.get(), name);
  }
  QTableWidget* Grid() { return Find<QTableWidget>("Grid"); }
  void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
  void Type(const char* box, const QString& text) {
    Find<QLineEdit>(box)->clear();
    QTest::keyClicks(Find<QLineEdit>(box), text);
  }
  void AddPointTyped(const QString& x, const QString& y) {
    Type("txtX", x);
    Type("txtY", y);
    Click("cmdAddModify");
  }
  Rows GridRows() {
    Rows rows;
    for (int r = 0; r < Grid()->rowCount(); ++r) {
      std::vector<std::string> row;
      for (int c = 0; c < 3; ++c) row.push_back(Grid()->item(r, c)->text().toStdString());
      rows.push_back(row);
    }
    return rows;
  }
  int CurrentRow() { return Grid()->currentRow(); }

  RecordingMessages messages;
  AppContext context{Workspace("."), &messages, {}};
  std::unique_ptr<DiagramEditorWindow> editor;
};

TEST_F(DiagramEditorTest, ANewDiagramOpensWithItsDefaultPointsAndAnEmptyFocusedName) {
  Open(Diagram{{{0, 0}, {24, 0}}}, "");
  EXPECT_EQ(editor->objectName(), "frmEditDiagrams");
  EXPECT_EQ(editor->windowTitle(), "New Sun position diagram");
  EXPECT_EQ(GridRows(), (Rows{{"1", "0", "0"}, {"2", "24", "0"}}));
  EXPECT_EQ(CurrentRow(), 0);
  EXPECT_EQ(editor->focusWidget(), Find<QLineEdit>("txtName"));
  EXPECT_FALSE(Find<QPushButton>("cmdOk")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>("cmdDelete")->isEnabled());
}

TEST_F(DiagramEditorTest, GridShowsEntryXAndYInTheirColumns) {
  Open(Diagram{{{0, 5}, {12.5, 0.25}, {24, 5}}}, "June");
  EXPECT_EQ(editor->windowTitle(), "Modify June.dg1");
  QHeaderView* header = Grid()->horizontalHeader();
  EXPECT_EQ(Grid()->horizontalHeaderItem(0)->text(), "Entry");
  EXPECT_EQ(Grid()->horizontalHeaderItem(1)->text(), "X");
  EXPECT_EQ(Grid()->horizontalHeaderItem(2)->text(), "Y");
  EXPECT_EQ(GridRows()[1], (std::vector<std::string>{"2", "12.5", ".25"}));  // the report form of numbers
  EXPECT_TRUE(Grid()->item(1, 0)->textAlignment() & Qt::AlignHCenter);
  EXPECT_TRUE(Grid()->item(1, 1)->textAlignment() & Qt::AlignRight);
  EXPECT_TRUE(Grid()->item(1, 2)->textAlignment() & Qt::AlignRight);
  // A fifth of the width for the entry number, two fifths each for X and Y.
  EXPECT_NEAR(header->sectionSize(1), 2 * header->sectionSize(0), 2);
  EXPECT_NEAR(header->sectionSize(2), header->sectionSize(1), 2);
  EXPECT_NEAR(header->length(), Grid()->viewport()->width(), 1);
  EXPECT_TRUE(Find<QPushButton>("cmdOk")->isEnabled());
  EXPECT_EQ(editor->focusWidget(), Find<QLineEdit>("txtX"));
}

// Which points a kind takes is the core's rule; here: the window asks it and
// shows its answer, and needs both boxes filled.
TEST_F(DiagramEditorTest, AddsThePointsTheKindsBoxTakes) {
  struct Step {
    const char* x;
    const char* y;
    Rows rows;
  };
  Open(Diagram{{{0, 0}, {24, 0}}}, "");
  for (const Step& step : {
           Step{"12", "90", {{"1", "0", "0"}, {"2", "12", "90"}, {"3", "24", "0"}}},  // inserted by X
           Step{"25", "10", {{"1", "0", "0"}, {"2", "12", "90"}, {"3", "24", "0"}}},  // beyond 24 h: ignored
           Step{"6", "", {{"1", "0", "0"}, {"2", "12", "90"}, {"3", "24", "0"}}},     // Y missing
       }) {
    AddPointTyped(step.x, step.y);
    EXPECT_EQ(GridRows(), step.rows) << step.x << " " << step.y;
  }
  EXPECT_EQ(editor->EditedDiagram().Points, (Diagram{{{0, 0}, {12, 90}, {24, 0}}}));
  EXPECT_TRUE(messages.Shown.empty());  // incomplete and outlying points are ignored without a word
}

TEST_F(DiagramEditorTest, DeletingKeepsTheCurrentRowWithinTheGrid) {
  Open(Diagram{{{0, 0}, {6, 40}, {12, 90}, {24, 0}}}, "June");
  Click("cmdDelete");  // the first row
  EXPECT_EQ(GridRows(), (Rows{{"1", "6", "40"}, {"2", "12", "90"}, {"3", "24", "0"}}));
  EXPECT_EQ(CurrentRow(), 0);

  Grid()->setCurrentCell(2, 1);
  Click("cmdDelete");  // the last row: the new last one becomes current
  EXPECT_EQ(GridRows(), (Rows{{"1", "6", "40"}, {"2", "12", "90"}}));
  EXPECT_EQ(CurrentRow(), 1);

  Click("cmdDelete");
  Click("cmdDelete");
  EXPECT_EQ(Grid()->rowCount(), 0);
  EXPECT_TRUE(editor->EditedDiagram().Points.Points.empty());
  EXPECT_FALSE(Find<QPushButton>("cmdDelete")->isEnabled());
}

TEST_F(DiagramEditorTest, OkNeedsANameThatIsNotBlank) {
  Open(Diagram{{{0, 0}, {24, 0}}}, "");
  for (const auto& [typed, enabled] : {std::pair{"   ", false}, std::pair{"  Summer ", true}, std::pair{"", false}}) {
    Type("txtName", typed);
    EXPECT_EQ(Find<QPushButton>("cmdOk")->isEnabled(), enabled) << '"' << typed << '"';
  }
  Type("txtName", "  Summer ");
  Click("cmdOk");
  EXPECT_EQ(editor->result(), QDialog::Accepted);
  EXPECT_EQ(editor->EditedDiagram().Name, "Summer");
  EXPECT_FALSE(editor->isVisible());
}

TEST_F(DiagramEditorTest, ANameOfAnotherListedDiagramIsAskedAbout) {
  const Shown asked{{MessageKind::Question,
                     "The new file name you propose already exists and it will be overwritten. Should I proceed?"}};
  Open(Diagram{{{0, 0}, {24, 0}}}, "June", kSunPosition, {"April", "July", "June"});
  Type("txtName", "July");
  Click("cmdOk");  // answered No: the dialog stays open
  EXPECT_EQ(messages.Shown, asked);
  EXPECT_TRUE(editor->isVisible());

  messages.Shown.clear();
  messages.Answers = {true};
  Click("cmdOk");
  EXPECT_EQ(messages.Shown, asked);
  EXPECT_EQ(editor->result(), QDialog::Accepted);
  EXPECT_EQ(editor->EditedDiagram().Name, "July");
}

TEST_F(DiagramEditorTest, CancelRejects) {
  Open(Diagram{{{0, 0}, {24, 0}}}, "June");
  AddPointTyped("12", "90");
  Click("cmdCancel");
  EXPECT_EQ(editor->result(), QDialog::Rejected);  // the manager does not save the edits
  EXPECT_FALSE(editor->isVisible());
}

TEST_F(DiagramEditorTest, EnterAddsThePointInThePointBoxes) {
  Open(Diagram{{{0, 0}, {24, 0}}}, "June");
  Type("txtX", "12");
  Type("txtY", "90");
  QTest::keyClick(Find<QLineEdit>("txtY"), Qt::Key_Return);
  EXPECT_EQ(Grid()->rowCount(), 3);
  EXPECT_TRUE(editor->isVisible());
}

TEST_F(DiagramEditorTest, TheBoxesFilterTyping) {
  Open(Diagram{{{0, 0}, {24, 0}}}, "", kAmbientTemperature);
  Type("txtX", "-1,5x");  // unsigned decimals: no sign, a comma becomes a point, no letters
  EXPECT_EQ(Find<QLineEdit>("txtX")->text(), "1.5");
  Type("txtY", "1234567890.1234567");
  EXPECT_EQ(Find<QLineEdit>("txtY")->text(), "1234567890.1234");  // 15 characters
  Type("txtName", "a/b:c*d?e\"f<g>h|i");
  EXPECT_EQ(Find<QLineEdit>("txtName")->text(), "abcdefghi");
  Type("txtName", QString(50, 'n'));
  EXPECT_EQ(Find<QLineEdit>("txtName")->text(), QString(40, 'n'));
}

// The temperature kinds go down to -10: their Y box takes a minus sign, and
// the point keeps it. X, and Y of kinds that stay above zero, take none.
TEST_F(DiagramEditorTest, YTakesAMinusSignWhereTheKindGoesBelowZero) {
  struct Case {
    DiagramKind kind;
    const char* typedY;
    const char* shownY;
  };
  for (const Case& c : {Case{kAmbientTemperature, "-5", "-5"}, Case{kSurfaceTemperature, "-7,5", "-7.5"},
                        Case{kSunPosition, "-5", "5"}, Case{kExternalTemperatureVariation, "-5", "5"}}) {
    Open(Diagram{{{0, 0}, {24, 0}}}, "Winter", c.kind);
    Type("txtX", "-6");
    EXPECT_EQ(Find<QLineEdit>("txtX")->text(), "6") << c.kind;
    Type("txtY", c.typedY);
    EXPECT_EQ(Find<QLineEdit>("txtY")->text(), c.shownY) << c.kind;
    Click("cmdAddModify");
    EXPECT_EQ(editor->EditedDiagram().Points.Points[1], (DiagramPoint{6, NumericValue(c.shownY)})) << c.kind;
  }
}

TEST_F(DiagramEditorTest, ShowsTheKindsRangesAndTakesTheClickedPointIntoTheBoxes) {
  Open(Diagram{{{0, -10}, {12.5, 0.25}, {24, 60}}}, "Winter", kAmbientTemperature);
  auto* ranges = Find<QLabel>("lblRanges");
  ASSERT_NE(ranges, nullptr);
  EXPECT_EQ(ranges->text().toStdString(), DiagramRangeText(kAmbientTemperature));

  for (const auto& [row, x, y] : {std::tuple{1, "12.5", ".25"}, std::tuple{0, "0", "-10"}}) {
    const QRect cell = Grid()->visualItemRect(Grid()->item(row, 2));
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(Find<QLineEdit>("txtX")->text(), x) << row;
    EXPECT_EQ(Find<QLineEdit>("txtY")->text(), y) << row;
  }
}

// Pasted text bypasses the name box's filter; the core's name rule refuses
// such a name and the dialog stays open.
TEST_F(DiagramEditorTest, ANameThatIsNoPlainFileNameIsRefused) {
  Open(Diagram{{{0, 0}, {24, 0}}}, "June");
  Find<QLineEdit>("txtName")->setText("../summer");
  Click("cmdOk");
  EXPECT_EQ(messages.Shown, (Shown{{MessageKind::Error, "The diagram name is invalid."}}));
  EXPECT_TRUE(editor->isVisible());
  EXPECT_NE(editor->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace kolvane::ui

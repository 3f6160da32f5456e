// The harnesses are only as good as what they compare against: these cases
// pin the step-by-step repair, the invariant check, the line split and the
// literal printer to results worked out by hand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagram_oracle.h"
#include "fuzz_support.h"

namespace kolvane::fuzz {
namespace {

using Points = std::vector<DiagramPoint>;

constexpr Box kSunBox{0, 24, 0, 180};
constexpr DiagramFixResult kChanged = DiagramFixResult::Changed;
constexpr DiagramFixResult kUnchanged = DiagramFixResult::Unchanged;

struct RepairCase {
  const char* what;
  Points in;
  DiagramFixResult result;
  Points out;
};

TEST(RepairStepByStep, FollowsTheRulesOnHandWorkedDiagrams) {
  const RepairCase cases[] = {
      {"empty becomes the two ends", {}, kChanged, {{0, 0}, {24, 0}}},
      {"outside points go, ends are added", {{-1, 10}, {5, 200}, {12, 90}}, kChanged, {{0, 0}, {12, 90}, {24, 0}}},
      {"a good diagram is left alone", {{0, 5}, {12, 90}, {24, 5}}, kUnchanged, {{0, 5}, {12, 90}, {24, 5}}},
      {"ends alone keep the result Unchanged", {{6, 30}, {18, 30}}, kUnchanged, {{0, 0}, {6, 30}, {18, 30}, {24, 0}}},
      {"out of order is sorted", {{24, 0}, {0, 0}, {12, 90}}, kChanged, {{0, 0}, {12, 90}, {24, 0}}},
      {"of a sorted pair of equal X the second stays",
       {{0, 0}, {12, 50}, {12, 90}, {24, 0}},
       kChanged,
       {{0, 0}, {12, 90}, {24, 0}}},
      // Exchange sort of {(5,1), (5,2), (3,0)}: i=0 swaps with j=2, giving
      // {(3,0), (5,2), (5,1)}; nothing else moves. The first of the equal pair,
      // (5,2), is deleted, so (5,1) survives although a stable sort would keep
      // (5,2).
      {"the exchange sort decides which equal X survives",
       {{5, 1}, {5, 2}, {3, 0}},
       kChanged,
       {{0, 0}, {3, 0}, {5, 1}, {24, 0}}},
      {"equal neighbours count as ordered but are still removed",
       {{0, 1}, {0, 2}, {24, 3}},
       kChanged,
       {{0, 2}, {24, 3}}},
      {"box limits are inside", {{0, 180}, {24, 0}}, kUnchanged, {{0, 180}, {24, 0}}},
      {"all outside becomes the two ends", {{-1, 0}, {25, 0}, {3, -1}, {3, 181}}, kChanged, {{0, 0}, {24, 0}}},
      {"a single end point gets the other end", {{24, 7}}, kUnchanged, {{0, 0}, {24, 7}}},
  };
  for (const RepairCase& c : cases) {
    const StepByStepRepair repaired = RepairStepByStep(c.in, kSunBox);
    EXPECT_EQ(repaired.Result, c.result) << c.what;
    EXPECT_EQ(repaired.Points, c.out) << c.what;
  }
}

TEST(RepairedDiagramFault, NamesEachBrokenInvariant) {
  struct Case {
    Points points;
    const char* fault;  // a word of the message, or nullptr for a good diagram
  };
  const Case cases[] = {
      {{{0, 0}, {24, 0}}, nullptr},
      {{{0, 0}, {12, 180}, {24, 0}}, nullptr},
      {{{0, 0}}, "fewer than two"},
      {{}, "fewer than two"},
      {{{1, 0}, {24, 0}}, "first X"},
      {{{0, 0}, {23, 0}}, "last X"},
      {{{0, 0}, {12, 1}, {12, 2}, {24, 0}}, "strictly"},
      {{{0, 0}, {13, 1}, {12, 2}, {24, 0}}, "strictly"},
      {{{0, 0}, {12, 180.5}, {24, 0}}, "outside"},
      {{{0, 0}, {12, -0.5}, {24, 0}}, "outside"},
  };
  for (const Case& c : cases) {
    const auto fault = RepairedDiagramFault(c.points, kSunBox);
    if (c.fault == nullptr) {
      EXPECT_FALSE(fault.has_value()) << *fault;
    } else {
      ASSERT_TRUE(fault.has_value()) << c.fault;
      EXPECT_NE(fault->find(c.fault), std::string::npos) << *fault;
    }
  }
}

TEST(Difference, PointsAtTheFirstPointThatDiffersInAnyBit) {
  struct Case {
    Points got, expected;
    const char* message;
  };
  const Case cases[] = {
      {{{0, 0}, {12, 90}, {24, 0}}, {{0, 0}, {12, 50}, {24, 0}}, "point 1 is (12, 90), expected (12, 50)"},
      // == would call these equal; a harness that missed the sign of zero
      // would miss which of two equal X survived.
      {{{-0.0, 1}, {24, 0}}, {{0, 1}, {24, 0}}, "point 0 is (-0, 1), expected (0, 1)"},
      {{{0, 0}, {24, 0}}, {{0, 0}, {24, 0}, {30, 0}}, "2 points, expected 3"},
  };
  for (const Case& c : cases) EXPECT_EQ(Difference(c.got, c.expected), c.message);
}

TEST(FileLines, SplitsAtEveryKindOfLineEnd) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"1\t2", {"1\t2"}},
      {"1\t2\r\n", {"1\t2"}},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\r", {"a", ""}},
      {"\r\n\r\n", {"", ""}},
  };
  for (const Case& c : cases) {
    const auto lines = FileLines(c.text);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), c.lines) << CLiteral(c.text);
  }
}

TEST(IsPointLine, NeedsExactlyOneTab) {
  EXPECT_TRUE(IsPointLine("1\t2"));
  EXPECT_TRUE(IsPointLine("\t"));
  EXPECT_TRUE(IsPointLine("abc\tdef"));
  EXPECT_FALSE(IsPointLine(""));
  EXPECT_FALSE(IsPointLine("1 2"));
  EXPECT_FALSE(IsPointLine("1\t2\t3"));
}

TEST(CLiteral, WritesEveryByteSoThatItCompilesBack) {
  struct Case {
    std::string bytes;
    const char* literal;
  };
  const Case cases[] = {
      {"1.5\t2", R"("1.5\t2")"},
      {"a\"b\\c", R"("a\"b\\c")"},
      {"\r\n", R"("\r\n")"},
      {std::string("\0"
                   "7",
                   2),
       R"("\0007")"},  // an octal escape never takes the 7
      {"\x01"
       "F",
       R"("\001F")"},  // where \x01F would
      {"\xff", R"("\377")"},
      {"a?b", R"("a\077b")"},
  };
  for (const Case& c : cases) EXPECT_EQ(CLiteral(c.bytes), c.literal);
}

}  // namespace
}  // namespace kolvane::fuzz

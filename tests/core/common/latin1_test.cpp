#include "core/common/latin1.h"

#include <gtest/gtest.h>

#include <string>

namespace kolvane {

TEST(Latin1, SingleBytesForLatin1AndQuestionMarksForTheRest) {
  const std::pair<std::string, std::string> cases[] = {
      {"m²", "m\xB2"}, {"ÿ", "\xFF"}, {"€", "?"}, {"a\xC3", "a?"}, {"\xFF\xFE", "??"}, {"😀x", "?x"},
  };
  for (const auto& [utf8, latin1] : cases) EXPECT_EQ(Latin1FromUtf8(utf8), latin1) << utf8;
}

}  // namespace kolvane

#include "core/common/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace kolvane {

TEST(Utf8, DecodesEncodesAndJudgesWellFormedness) {
  const std::string text = "a\u00B3\u20AC\U0001F600";
  EXPECT_EQ(DecodeUtf8(text), U"a\u00B3\u20AC\U0001F600");
  EXPECT_TRUE(IsValidUtf8(text));
  // The first and last character of each length.
  EXPECT_EQ(EncodeUtf8(U"\u007F\u0080\u07FF\u0800\uFFFF\U00010000"),
            "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80");
  // A stray continuation, a truncated character, an overlong slash, a surrogate, beyond U+10FFFF.
  for (const std::string bad : {"\x80", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    EXPECT_EQ(DecodeUtf8(bad).front(), kReplacementCharacter) << bad;
  }
}

}  // namespace kolvane

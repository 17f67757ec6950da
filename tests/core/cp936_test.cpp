#include "core/cp936.h"

#include <gtest/gtest.h>

#include <string>

namespace sorvane::cp936 {
namespace {

TEST(Cp936, LiteralsAreStoredInCodePage936) {
  // Everything else relies on this: 打开文件 and 乗 as the Windows ANSI functions expect them.
  EXPECT_EQ(std::string("打开文件"), "\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE");
  EXPECT_EQ(std::string("乗"), "\x81\x5C");
}

TEST(Cp936, LastBackslashSkipsSecondBytes) {
  struct Case {
    std::string text;
    std::size_t expected;
  };
  const Case cases[] = {
      {"", npos},
      {"abc", npos},
      {"C:\\a.txt", 2},
      {"C:\\d\\e", 4},
      {"C:\\乗", 2},                  // 81 5C is one character
      {"C:\\乗\\x", 5},
      {"\\\\srv\\share\\f", 11},
      {"a\x81", npos},                // a cut lead byte at the end stands alone
      {"\x81\\\\", 2},                // the first 5C belongs to the lead byte, the second does not
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LastBackslash(c.text), c.expected) << c.text;
  }
}

TEST(Cp936, LastBackslashBeforeLimit) {
  EXPECT_EQ(LastBackslashBefore("C:\\d\\", 4), 2u);
  EXPECT_EQ(LastBackslashBefore("C:\\d\\", 5), 4u);
  EXPECT_EQ(LastBackslashBefore("C:\\", 99), 2u);
}

TEST(Cp936, EndsWithPathSeparator) {
  EXPECT_TRUE(EndsWithPathSeparator("C:\\"));
  EXPECT_TRUE(EndsWithPathSeparator("C:/"));
  EXPECT_TRUE(EndsWithPathSeparator("D:\\乗\\"));
  EXPECT_FALSE(EndsWithPathSeparator("D:\\乗"));  // ends in 5C, but as a second byte
  EXPECT_FALSE(EndsWithPathSeparator("C:\\dir"));
  EXPECT_FALSE(EndsWithPathSeparator(""));
}

}  // namespace
}  // namespace sorvane::cp936

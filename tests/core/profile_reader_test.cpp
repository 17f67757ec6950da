#include "core/profile_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace sorvane {
namespace {

TEST(FindProfileValue, FindsTheFirstKeyOfTheFirstMatchingSection) {
  struct Case {
    std::string file;
    std::string value;
  };
  const Case cases[] = {
      {"[目录]\r\n对话框目录=D:\\a\\\r\n", "D:\\a\\"},
      {"[Other]\r\nk=x\r\n[目录]\r\nk2=y\r\n对话框目录 = D:\\b\\ \r\n", "D:\\b\\"},
      {"[目录]\r\n对话框目录=\"D:\\c\\\"\r\n", "D:\\c\\"},
      {"[目录]\r\n对话框目录=\r\n", ""},
      {"[目录]\r\nother=1\r\n", ""},
      {"[x]\r\n对话框目录=D:\\d\\\r\n", ""},
      {"对话框目录=D:\\e\\\r\n", ""},                       // no section at all
      {"[目录]\n对话框目录=D:\\f\\", "D:\\f\\"},             // LF only, no final line end
      {"[目录]\r\n对话框目录=1\r\n对话框目录=2\r\n", "1"},
      {std::string("\x00\xff[\x01", 4), ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindProfileValue(c.file, "目录", "对话框目录", 10239), c.value) << c.file;
  }
  EXPECT_EQ(FindProfileValue("[Sec]\r\nKEY=v\r\n", "sec", "key", 100), "v");
}

TEST(FindProfileValue, CutsLongValues) {
  const std::string file = "[s]\r\nk=" + std::string(1 << 20, 'x') + "\r\n";
  EXPECT_EQ(FindProfileValue(file, "s", "k", 10239), std::string(10239, 'x'));
}

}  // namespace
}  // namespace sorvane

#include "core/open_dialog_result.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sorvane {
namespace {

using namespace std::string_literals;

TEST(SplitOpenDialogResult, OneFileOrAFolderWithNames) {
  struct Case {
    std::string buffer;
    std::vector<std::string> paths;
  };
  const Case cases[] = {
      {"C:\\d\\a.txt\0\0"s, {"C:\\d\\a.txt"}},
      {"C:\\d\0b.txt\0a.txt\0\0"s, {"C:\\d\\b.txt", "C:\\d\\a.txt"}},   // dialog order kept
      {"C:\\\0a.txt\0b.txt\0\0"s, {"C:\\a.txt", "C:\\b.txt"}},          // root: no doubled backslash
      {"C:/x/\0a\0b\0\0"s, {"C:/x/a", "C:/x/b"}},
      {"D:\\乗\0a\0a\0\0"s, {"D:\\乗\\a", "D:\\乗\\a"}},                 // 81 5C is no separator
      {"\0\0"s, {}},
  };
  for (const auto& c : cases) {
    const PickedPaths picked = SplitOpenDialogResult(c.buffer);
    EXPECT_TRUE(picked.complete);
    EXPECT_EQ(picked.paths, c.paths);
  }
}

TEST(SplitOpenDialogResult, NamesRunningToTheBufferEndAreReportedCut) {
  // As a dialog that cuts at the buffer's size leaves them: no closing empty string, or not even a
  // terminator for the last name.
  for (const std::string buffer : {"C:\\d\0a.txt\0b.tx"s, "C:\\d\0a.txt\0b.txt\0"s, "C:\\d\\a.txt"s}) {
    const PickedPaths picked = SplitOpenDialogResult(buffer);
    EXPECT_FALSE(picked.complete) << buffer;
    EXPECT_TRUE(picked.paths.empty()) << buffer;
  }
}

}  // namespace
}  // namespace sorvane

#include "core/list_builder.h"

#include <gtest/gtest.h>

#include <string>

namespace sorvane {
namespace {

constexpr ListOptions kAllOff{false, false, false};
constexpr ListOptions kKeepExtension{true, false, false};

struct LineCase {
  const char* path;
  int index;
  ListOptions options;
  const char* line;
};

void ExpectLines(const LineCase* begin, const LineCase* end) {
  for (const LineCase* c = begin; c != end; ++c) {
    EXPECT_EQ(LineForPath(c->path, c->index, c->options), c->line)
        << "path " << c->path << " index " << c->index;
  }
}

TEST(LineForPath, ExtensionWindowCountsFiveBytesBeforeTheLast) {
  const LineCase cases[] = {
      {"C:\\a.txt", 1, kAllOff, "a\r\n"},
      {"C:\\d\\archive.tar.gz", 1, kAllOff, "archive.tar\r\n"},
      {"C:\\d\\photo.jpeg", 1, kAllOff, "photo\r\n"},
      {"C:\\d\\notes.a", 1, kAllOff, "notes\r\n"},
      {"C:\\d\\data.backup", 1, kAllOff, "data.backup\r\n"},   // 6-byte extension stays
      {"C:\\d\\README", 1, kAllOff, "README\r\n"},
      {"C:\\d\\name.", 1, kAllOff, "name.\r\n"},               // the last byte is never looked at
      {"C:\\d\\a.b.", 1, kAllOff, "a\r\n"},                    // ... but goes with a dot found earlier
      {"C:\\d\\x.ab.cdefgh", 1, kAllOff, "x.ab.cdefgh\r\n"},
      {"C:\\d\\.env", 1, kAllOff, "\r\n"},
      {"C:\\d\\中文.文本", 1, kAllOff, "中文\r\n"},             // 4-byte extension
      {"C:\\d\\中文.文本档", 1, kAllOff, "中文.文本档\r\n"},    // 6 bytes: outside the window
      {"C:\\d\\archive.tar.gz", 1, kKeepExtension, "archive.tar.gz\r\n"},
      {"C:\\d\\.env", 1, kKeepExtension, ".env\r\n"},
  };
  ExpectLines(std::begin(cases), std::end(cases));
}

TEST(LineForPath, NumberingPadsToTwoDigitsAndNoMore) {
  constexpr ListOptions numbered{true, true, false};
  const LineCase cases[] = {
      {"C:\\z.txt", 1, numbered, "01 z.txt\r\n"},
      {"C:\\z.txt", 9, numbered, "09 z.txt\r\n"},
      {"C:\\z.txt", 10, numbered, "10 z.txt\r\n"},
      {"C:\\z.txt", 99, numbered, "99 z.txt\r\n"},
      {"C:\\z.txt", 100, numbered, "100 z.txt\r\n"},
      {"C:\\z.txt", 30000, numbered, "30000 z.txt\r\n"},
      {"C:\\d\\.env", 3, ListOptions{false, true, false}, "03 \r\n"},
  };
  ExpectLines(std::begin(cases), std::end(cases));
}

TEST(LineForPath, LineEnds) {
  const LineCase cases[] = {
      {"C:\\d\\b.txt", 2, ListOptions{false, true, true}, "02 b\r\n\r\n"},
      {"C:\\d\\b.txt", 1, ListOptions{true, true, true}, "01 b.txt\r\n\r\n"},  // the start ticks
      {"C:\\d\\b.txt", 1, ListOptions{true, false, true}, "b.txt\r\n\r\n"},
  };
  ExpectLines(std::begin(cases), std::end(cases));
}

TEST(LineForPath, SeparatorIsTheLastBackslashCharacter) {
  const LineCase cases[] = {
      {"\\\\server\\share\\f.txt", 1, kAllOff, "f\r\n"},
      {"C:\\d\\乗.txt", 1, kKeepExtension, "乗.txt\r\n"},        // 81 5C is not a separator
      {"C:\\d\\乗.txt", 1, kAllOff, "乗\r\n"},
      {"C:\\乗\\表.doc", 1, kAllOff, "表\r\n"},                   // 表 is B1 ED; 乗 in the folder
      {"C:\\d\\sub\\", 1, kKeepExtension, "sub\\\r\n"},          // a trailing backslash is not looked at
      {"noseparator.txt", 1, kKeepExtension, "noseparator.txt\r\n"},
      {"", 1, kAllOff, "\r\n"},
      {"\\", 1, kKeepExtension, "\\\r\n"},
  };
  ExpectLines(std::begin(cases), std::end(cases));
}

TEST(DirectoryOfPath, KeepsTheTrailingBackslash) {
  struct Case {
    const char* path;
    const char* directory;
  };
  const Case cases[] = {
      {"C:\\a.txt", "C:\\"},
      {"D:\\photos\\2010\\a.jpg", "D:\\photos\\2010\\"},
      {"\\\\server\\share\\f.txt", "\\\\server\\share\\"},
      {"C:\\d\\乗.txt", "C:\\d\\"},
      {"C:\\乗\\a.txt", "C:\\乗\\"},
      {"C:\\d\\sub\\", "C:\\d\\"},
      {"noseparator.txt", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DirectoryOfPath(c.path), c.directory) << c.path;
}

TEST(LineForPath, SamePathTwiceGivesTwoLines) {
  const ListOptions numbered{true, true, false};
  EXPECT_EQ(LineForPath("C:\\x\\a.txt", 1, numbered), "01 a.txt\r\n");
  EXPECT_EQ(LineForPath("C:\\x\\a.txt", 2, numbered), "02 a.txt\r\n");
}

}  // namespace
}  // namespace sorvane

#include "core/settings_names.h"

#include <gtest/gtest.h>

namespace sorvane::settings {
namespace {

TEST(RunDirectory, FromModulePath) {
  struct Case {
    const char* modulePath;
    const char* runDirectory;
  };
  const Case cases[] = {
      {"C:\\Tools\\x.exe", "C:\\Tools"},
      {"C:\\x.exe", "C:"},
      {"\\\\srv\\share\\app\\x.exe", "\\\\srv\\share\\app"},
      {"D:\\乗\\x.exe", "D:\\乗"},      // second byte 5C is not the last backslash
      {"D:\\软件\\乗.exe", "D:\\软件"},
      {"x.exe", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RunDirectoryFromModulePath(c.modulePath), c.runDirectory) << c.modulePath;
  }
}

TEST(RunDirectory, SettingsPathHasExactlyOneBackslash) {
  EXPECT_EQ(PathInRunDirectory("C:\\Tools", kFileName), "C:\\Tools\\zhuan.ini");
  EXPECT_EQ(PathInRunDirectory("C:", kFileName), "C:\\zhuan.ini");
}

TEST(SettingsNames, SectionAndKeyBytes) {
  EXPECT_EQ(std::string(kSection), "\xC4\xBF\xC2\xBC");
  EXPECT_EQ(std::string(kKey), "\xB6\xD4\xBB\xB0\xBF\xF2\xC4\xBF\xC2\xBC");
}

}  // namespace
}  // namespace sorvane::settings

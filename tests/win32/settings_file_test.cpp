#include "ui/win32/settings_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_dir.h"

namespace sorvane::win32 {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

TEST(SettingsFile, FirstWriteCreatesSectionAndKeyInCodePage936) {
  TempDir dir;
  SettingsFile settings(dir.path());
  ASSERT_TRUE(settings.WriteRememberedDirectory("D:\\photos\\2010\\"));
  EXPECT_EQ(ReadFileBytes(dir.File("zhuan.ini")),
            "[\xC4\xBF\xC2\xBC]\r\n"
            "\xB6\xD4\xBB\xB0\xBF\xF2\xC4\xBF\xC2\xBC=D:\\photos\\2010\\\r\n");
  EXPECT_EQ(settings.ReadRememberedDirectory(), "D:\\photos\\2010\\");
}

TEST(SettingsFile, ChineseValueRoundTrips) {
  TempDir dir;
  SettingsFile settings(dir.path());
  ASSERT_TRUE(settings.WriteRememberedDirectory("D:\\照片\\乗\\"));
  EXPECT_EQ(settings.ReadRememberedDirectory(), "D:\\照片\\乗\\");
}

TEST(SettingsFile, WriteKeepsOtherSectionsAndKeys) {
  TempDir dir;
  WriteFileBytes(dir.File("zhuan.ini"),
                 "[other]\r\nx=1\r\n[目录]\r\nmine=keep\r\n对话框目录=C:\\old\\\r\n");
  SettingsFile settings(dir.path());
  ASSERT_TRUE(settings.WriteRememberedDirectory("C:\\new\\"));
  const std::string bytes = ReadFileBytes(dir.File("zhuan.ini"));
  EXPECT_NE(bytes.find("[other]\r\nx=1\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("mine=keep\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("对话框目录=C:\\new\\\r\n"), std::string::npos) << bytes;
  EXPECT_EQ(bytes.find("old"), std::string::npos) << bytes;
}

TEST(SettingsFile, MissingFileSectionKeyOrEmptyValueReadAsEmpty) {
  TempDir dir;
  SettingsFile settings(dir.path());
  EXPECT_EQ(settings.ReadRememberedDirectory(), "");

  const char* contents[] = {
      "[other]\r\n对话框目录=C:\\x\\\r\n",  // key in another section
      "[目录]\r\nelse=C:\\x\\\r\n",          // section without the key
      "[目录]\r\n对话框目录=\r\n",           // key with an empty value
  };
  for (const char* content : contents) {
    WriteFileBytes(dir.File("zhuan.ini"), content);
    EXPECT_EQ(settings.ReadRememberedDirectory(), "") << content;
  }
}

TEST(SettingsFile, EmptyValueIsWrittenNotDeleted) {
  TempDir dir;
  SettingsFile settings(dir.path());
  ASSERT_TRUE(settings.WriteRememberedDirectory(""));
  EXPECT_NE(ReadFileBytes(dir.File("zhuan.ini")).find("对话框目录=\r\n"), std::string::npos);
}

TEST(SettingsFile, LongValueIsReadCutTo10239Bytes) {
  TempDir dir;
  const std::string value(20000, 'v');
  WriteFileBytes(dir.File("zhuan.ini"), "[目录]\r\n对话框目录=" + value + "\r\n");
  EXPECT_EQ(SettingsFile(dir.path()).ReadRememberedDirectory(), std::string(10239, 'v'));
}

TEST(SettingsFile, WriteIntoReadOnlyDirectoryFails) {
  const std::string readOnly = test::EnvVar("SORVANE_READONLY_DIR");
  ASSERT_FALSE(readOnly.empty()) << "the test runner provides a read-only directory";
  SettingsFile settings(readOnly);
  EXPECT_FALSE(settings.WriteRememberedDirectory("C:\\x\\"));
  EXPECT_EQ(settings.ReadRememberedDirectory(), "");
}

TEST(SettingsFile, WriteIntoMissingDirectoryFails) {
  TempDir dir;
  SettingsFile settings(dir.File("gone"));
  EXPECT_FALSE(settings.WriteRememberedDirectory("C:\\x\\"));
}

}  // namespace
}  // namespace sorvane::win32

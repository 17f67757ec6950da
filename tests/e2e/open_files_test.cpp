// Listing picked files through the real open dialog.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/app_driver.h"
#include "ui/resource.h"

namespace sorvane::e2e {
namespace {

using test::FileExists;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

constexpr char kIniHead[] = "[目录]\r\n对话框目录=";

class OpenFiles : public ::testing::Test {
 protected:
  void MakeFiles(const std::vector<std::string>& names) {
    for (const auto& n : names) ASSERT_TRUE(WriteFileBytes(data_.File(n), "x")) << n;
  }
  void Start() {
    app_ = std::make_unique<App>(run_.path());
    ASSERT_TRUE(app_->Started());
  }
  void UntickAll() {
    for (int id : {IDC_KEEP_EXTENSION, IDC_NUMBERING, IDC_DOUBLE_SPACING}) app_->SetTicked(id, false);
  }
  std::string Ini() const { return ReadFileBytes(run_.File("zhuan.ini")); }

  TempDir run_;
  TempDir data_;
  std::unique_ptr<App> app_;
};

TEST_F(OpenFiles, OneFileWithNoBoxTicked) {
  MakeFiles({"a.txt"});
  Start();
  UntickAll();
  app_->PickFiles("", data_.File("a.txt"));
  EXPECT_EQ(app_->EditText(), "a\r\n");
  EXPECT_EQ(Ini(), kIniHead + data_.path() + "\\\r\n");
}

TEST_F(OpenFiles, OneFileWithTheStartTicks) {
  MakeFiles({"a.txt"});
  Start();
  app_->PickFiles("", data_.File("a.txt"));
  EXPECT_EQ(app_->EditText(), "01 a.txt\r\n\r\n");
}

TEST_F(OpenFiles, SeveralFilesInTheDialogsOrderReplacingTypedText) {
  MakeFiles({"c.txt", "a.txt", "b.txt"});
  Start();
  UntickAll();
  SendMessageA(app_->Control(IDC_LIST_EDIT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed by hand"));
  app_->PickFiles(data_.path(), Join({"c.txt", "a.txt", "b.txt"}));
  EXPECT_EQ(app_->EditText(), "c\r\na\r\nb\r\n");
  EXPECT_EQ(Ini(), kIniHead + data_.path() + "\\\r\n");
}

TEST_F(OpenFiles, TenFilesNumberedWithEmptyLines) {
  std::vector<std::string> names;
  for (int i = 0; i < 10; ++i) names.push_back("f" + std::to_string(i) + ".jpg");
  MakeFiles(names);
  Start();
  app_->SetTicked(IDC_KEEP_EXTENSION, false);
  app_->PickFiles(data_.path(), Join(names));
  std::string expected;
  for (int i = 0; i < 10; ++i) {
    expected += (i < 9 ? "0" : "") + std::to_string(i + 1) + " f" + std::to_string(i) + "\r\n\r\n";
  }
  EXPECT_EQ(app_->EditText(), expected);
}

TEST_F(OpenFiles, ChineseNamesAndASecondByte5C) {
  MakeFiles({"照片.jpeg", "乗.txt"});
  Start();
  app_->SetTicked(IDC_NUMBERING, false);
  app_->SetTicked(IDC_DOUBLE_SPACING, false);
  app_->PickFiles(data_.path(), Join({"照片.jpeg", "乗.txt"}));
  EXPECT_EQ(app_->EditText(), "照片.jpeg\r\n乗.txt\r\n");
  app_->SetTicked(IDC_KEEP_EXTENSION, false);
  app_->PickFiles("", data_.File("乗.txt"));
  EXPECT_EQ(app_->EditText(), "乗\r\n");
  EXPECT_EQ(Ini(), kIniHead + data_.path() + "\\\r\n");
}

TEST_F(OpenFiles, FilesInADriveRoot) {
  const std::string root = test::EnvVar("SORVANE_DRIVE_ROOT");  // a drive the test runner maps
  ASSERT_FALSE(root.empty());
  ASSERT_TRUE(WriteFileBytes(root + "\\r1.txt", "1"));
  ASSERT_TRUE(WriteFileBytes(root + "\\r2.txt", "2"));
  Start();
  UntickAll();
  app_->PickFiles(root + "\\", Join({"r1.txt", "r2.txt"}));
  EXPECT_EQ(app_->EditText(), "r1\r\nr2\r\n");
  EXPECT_EQ(Ini(), kIniHead + root + "\\\r\n");
}

TEST_F(OpenFiles, CancelAfterAListingChangesNothing) {
  MakeFiles({"a.txt"});
  Start();
  app_->PickFiles("", data_.File("a.txt"));
  const std::string list = app_->EditText();
  const std::string ini = Ini();
  ASSERT_FALSE(ini.empty());
  app_->CancelOpenDialog();
  EXPECT_EQ(app_->EditText(), list);
  EXPECT_EQ(Ini(), ini);
}

TEST_F(OpenFiles, TheNextRunStartsInTheRememberedFolder) {
  MakeFiles({"first.txt", "only-here.txt"});
  Start();
  UntickAll();
  app_->PickFiles("", data_.File("first.txt"));
  app_->Close();
  ASSERT_EQ(app_->WaitForExit(), 0u);

  Start();
  UntickAll();
  app_->PickFiles("", "only-here.txt");  // a bare name: found only if the dialog starts there
  EXPECT_EQ(app_->EditText(), "only-here\r\n");
}

TEST_F(OpenFiles, NoSettingsFileYetTheDialogStillOpens) {
  MakeFiles({"a.txt"});
  ASSERT_FALSE(FileExists(run_.File("zhuan.ini")));
  Start();
  app_->PickFiles("", data_.File("a.txt"));
  EXPECT_TRUE(FileExists(run_.File("zhuan.ini")));
}

// A program kept in a folder with a Chinese name finds its files beside itself and remembers a
// Chinese folder in the exact CP936 bytes. Both folder names end in 乗 (81 5C), whose last byte
// alone would read as a backslash: a separator must still be put between folder and file name.
TEST_F(OpenFiles, RunAndDataFoldersWithChineseNames) {
  const std::string runDir = run_.File("工具乗");
  const std::string dataDir = data_.File("照片乗");
  ASSERT_TRUE(CreateDirectoryA(runDir.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA(dataDir.c_str(), nullptr));
  ASSERT_TRUE(WriteFileBytes(dataDir + "\\表.txt", "x"));
  ASSERT_TRUE(WriteFileBytes(dataDir + "\\图.txt", "x"));
  app_ = std::make_unique<App>(runDir);
  ASSERT_TRUE(app_->Started());
  EXPECT_TRUE(IsWindowEnabled(app_->main()));
  EXPECT_TRUE(FileExists(runDir + "\\skinh.she"));
  UntickAll();
  app_->PickFiles(dataDir, Join({"表.txt", "图.txt"}));  // folder and names come apart
  EXPECT_EQ(app_->EditText(), "表\r\n图\r\n");
  EXPECT_EQ(ReadFileBytes(runDir + "\\zhuan.ini"), kIniHead + dataDir + "\\\r\n");
  EXPECT_FALSE(FileExists(run_.File("zhuan.ini")));
}

TEST_F(OpenFiles, FiveThousandFilesAreListedWhole) {
  std::vector<std::string> names;
  for (int i = 0; i < 5000; ++i) names.push_back("photo_" + std::to_string(100000 + i) + ".jpg");
  MakeFiles(names);
  Start();
  app_->PickFiles(data_.path(), Join(names));
  const std::string text = app_->EditText();
  std::string expected;
  for (int i = 0; i < 5000; ++i) {
    expected += (i < 9 ? "0" : "") + std::to_string(i + 1) + " " + names[static_cast<size_t>(i)] + "\r\n\r\n";
  }
  EXPECT_EQ(text.size(), expected.size());
  EXPECT_TRUE(text == expected);
}

}  // namespace
}  // namespace sorvane::e2e

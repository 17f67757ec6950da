// The real program against the bad conditions a user can meet: it keeps working, tells the user
// what they must know, and loses nothing. The matrix is described in docs/fault-matrix.md.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/app_driver.h"
#include "ui/resource.h"
#include "ui/win32/handles.h"

namespace sorvane::e2e {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

class FaultMatrix : public ::testing::Test {
 protected:
  void Start() { StartIn(run_.path(), App::Install::kProgramAndLibraries); }
  void StartIn(const std::string& runDir, App::Install install) {
    app_ = std::make_unique<App>(runDir, install);
    ASSERT_TRUE(app_->Started());
    app_->SetTicked(IDC_NUMBERING, false);
    app_->SetTicked(IDC_DOUBLE_SPACING, false);
  }
  // A listing still works and lands in the edit box.
  void ExpectListingWorks() {
    ASSERT_TRUE(WriteFileBytes(data_.File("a.txt"), "a"));
    app_->PickFiles("", data_.File("a.txt"));
    EXPECT_EQ(app_->EditText(), "a.txt\r\n");
  }

  // A file with these bytes, held open without sharing as another program would hold it; the
  // returned handle is empty when that failed.
  static win32::UniqueFile HoldWithoutSharing(const std::string& path, const std::string& bytes) {
    if (!WriteFileBytes(path, bytes)) return {};
    return win32::UniqueFile(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
  }
  void SetBox(const std::string& text) {
    SendMessageA(app_->Control(IDC_LIST_EDIT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // Saves through the dialog, answering yes to the overwrite question if one comes.
  void Save(const std::string& target) {
    HWND dialog = app_->OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    app_->ConfirmDialog(dialog, target);
    if (HWND question = WaitForOwnedPopup(app_->pid(), dialog, 3000)) Press(question, IDYES);
  }

  TempDir run_;
  TempDir data_;
  std::unique_ptr<App> app_;
};

TEST_F(FaultMatrix, SettingsFileOfGarbageOrHugeStillLists) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 37 + 11) % 256);
  const std::string huge = "[目录]\r\n对话框目录=" + std::string(1 << 20, 'x') + "\r\n";
  for (const std::string& content : {garbage, huge}) {
    ASSERT_TRUE(WriteFileBytes(run_.File("zhuan.ini"), content));
    Start();
    ExpectListingWorks();
    EXPECT_NE(ReadFileBytes(run_.File("zhuan.ini")).find("对话框目录=" + data_.path() + "\\\r\n"),
              std::string::npos);
    app_->Close();
    EXPECT_EQ(app_->WaitForExit(), 0u);
  }
}

TEST_F(FaultMatrix, SettingsFileThatIsADirectoryStillLists) {
  ASSERT_TRUE(CreateDirectoryA(run_.File("zhuan.ini").c_str(), nullptr));
  Start();
  ExpectListingWorks();  // the directory is not remembered, and nothing else is lost
  app_->Close();
  EXPECT_EQ(app_->WaitForExit(), 0u);
}

TEST_F(FaultMatrix, RememberedDirectoryThatVanishedStillOpensTheDialog) {
  ASSERT_TRUE(WriteFileBytes(run_.File("zhuan.ini"),
                             "[目录]\r\n对话框目录=" + data_.path() + "\\gone\\\r\n"));
  Start();
  ExpectListingWorks();
}

// The program and its library in a folder nobody may write to (the readonly_run fixture): no
// skin file can be written and no folder remembered, and the user is bothered with neither.
TEST_F(FaultMatrix, ReadOnlyRunDirectoryStartsQuietlyListsAndSaves) {
  const std::string dir = test::EnvVar("SORVANE_READONLY_RUN_DIR");
  ASSERT_FALSE(dir.empty());
  ASSERT_TRUE(test::FileExists(dir + "\\Sorvane.exe"));
  ASSERT_FALSE(WriteFileBytes(dir + "\\probe.txt", "x")) << "the folder must be read-only";
  StartIn(dir, App::Install::kNothing);
  EXPECT_TRUE(IsWindowEnabled(app_->main()));  // no message box in front of it
  EXPECT_FALSE(test::FileExists(dir + "\\skinh.she"));
  ExpectListingWorks();
  EXPECT_FALSE(test::FileExists(dir + "\\zhuan.ini"));
  EXPECT_TRUE(IsWindowEnabled(app_->main()));  // not remembering the folder is no news
  Save(data_.File("list.txt"));
  ASSERT_TRUE(WaitFor([&] { return test::FileExists(data_.File("list.txt")); }));
  Settle(*app_);
  EXPECT_EQ(ReadFileBytes(data_.File("list.txt")), "a.txt\r\n");
  app_->Close();
  EXPECT_EQ(app_->WaitForExit(), 0u);
}

TEST_F(FaultMatrix, SkinFileHeldOpenByAnotherProgramStillStartsQuietly) {
  const std::string skin = run_.File("skinh.she");
  win32::UniqueFile held = HoldWithoutSharing(skin, "held");
  ASSERT_TRUE(held);
  Start();
  EXPECT_TRUE(IsWindowEnabled(app_->main()));  // no message box in front of it
  ExpectListingWorks();
  app_->Close();
  EXPECT_EQ(app_->WaitForExit(), 0u);
  held.reset();
  EXPECT_EQ(ReadFileBytes(skin), "held");
}

TEST_F(FaultMatrix, SaveTargetHeldOpenByAnotherProgramIsToldAndKept) {
  const std::string target = data_.File("held.txt");
  win32::UniqueFile held = HoldWithoutSharing(target, "kept");
  ASSERT_TRUE(held);
  Start();
  Save(target);
  EXPECT_NE(TakeSaveErrorBox(*app_).find("held.txt"), std::string::npos);
  held.reset();
  EXPECT_EQ(ReadFileBytes(target), "kept");
}

TEST_F(FaultMatrix, SaveOntoAFullDiskKeepsTheOldFileAndLeavesNoTemporaryFile) {
  const std::string small = test::EnvVar("SORVANE_SMALL_DIR");  // a 64 KiB file system
  ASSERT_FALSE(small.empty());
  const std::string target = small + "\\list.txt";
  ASSERT_TRUE(WriteFileBytes(target, "old list\r\n"));
  // Leave a few KiB free, less than the list needs.
  ULARGE_INTEGER free = {};
  ASSERT_TRUE(GetDiskFreeSpaceExA((small + "\\").c_str(), &free, nullptr, nullptr));
  ASSERT_LT(free.QuadPart, 1u << 20) << "the small file system is not mounted";
  const std::string filler = small + "\\filler.bin";
  ASSERT_TRUE(WriteFileBytes(filler, std::string(static_cast<size_t>(free.QuadPart) - 4096, 'f')));
  Start();
  SetBox(std::string(16 * 1024, 'n'));
  Save(target);
  const std::string message = TakeSaveErrorBox(*app_);
  EXPECT_NE(message.find("list.txt"), std::string::npos) << message;
  EXPECT_EQ(ReadFileBytes(target), "old list\r\n");
  EXPECT_EQ(app_->EditText(), std::string(16 * 1024, 'n'));  // the list is still there to save elsewhere

  WIN32_FIND_DATAA found;
  const win32::UniqueFind find(FindFirstFileA((small + "\\*.tmp").c_str(), &found));
  EXPECT_FALSE(find) << found.cFileName;
  DeleteFileA(target.c_str());
  DeleteFileA(filler.c_str());
}

TEST_F(FaultMatrix, SaveIntoAFolderThatVanishedAfterTheDialogIsTold) {
  ASSERT_TRUE(CreateDirectoryA(data_.File("sub").c_str(), nullptr));
  const std::string target = data_.File("sub") + "\\list.txt";
  ASSERT_TRUE(WriteFileBytes(target, "old"));
  Start();
  HWND dialog = app_->OpenSaveDialog();
  ASSERT_NE(dialog, nullptr);
  app_->ConfirmDialog(dialog, target);
  HWND question = WaitForOwnedPopup(app_->pid(), dialog);  // the dialog has accepted the folder
  ASSERT_NE(question, nullptr);
  test::RemoveTree(data_.File("sub"));
  Press(question, IDYES);
  EXPECT_NE(TakeSaveErrorBox(*app_).find("list.txt"), std::string::npos);
  EXPECT_FALSE(test::FileExists(data_.File("sub")));
  EXPECT_NE(app_->EditText().find("Sorvane"), std::string::npos);  // the box is untouched
}

TEST_F(FaultMatrix, ThirtyThousandFilesAreListedWholeAndSaved) {
  // The folder is made by the many_files fixture: 照片_000001.jpg to 照片_030000.jpg.
  const std::string folder = test::EnvVar("SORVANE_MANY_FILES_DIR");
  ASSERT_FALSE(folder.empty()) << "SORVANE_MANY_FILES_DIR is not set";
  std::vector<std::string> names;
  std::string expected;
  for (int i = 1; i <= 30000; ++i) {
    char name[32];
    snprintf(name, sizeof name, "照片_%06d.jpg", i);
    names.push_back(name);
    expected += (i < 10 ? "0" : "") + std::to_string(i) + " " + name + "\r\n";
  }
  Start();
  app_->SetTicked(IDC_NUMBERING, true);
  app_->PickFiles(folder, Join(names), 300000);
  const std::string text = app_->EditText();
  EXPECT_EQ(text.size(), expected.size());
  EXPECT_TRUE(text == expected) << text.substr(0, 200);
  EXPECT_NE(ReadFileBytes(run_.File("zhuan.ini")).find("对话框目录=" + folder + "\\\r\n"),
            std::string::npos);

  // The whole list reaches the disk, byte for byte.
  const std::string target = data_.File("list.txt");
  Save(target);
  ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(target).size() == expected.size(); }, 60000));
  EXPECT_TRUE(ReadFileBytes(target) == expected);
}

}  // namespace
}  // namespace sorvane::e2e

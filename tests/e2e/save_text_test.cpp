// Saving the edit box's bytes through the real Save As dialog.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/e2e/app_driver.h"
#include "ui/resource.h"

namespace sorvane::e2e {
namespace {

using test::FileExists;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

class SaveText : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<App>(run_.path());
    ASSERT_TRUE(app_->Started());
  }
  void SetBox(const std::string& text) {
    SendMessageA(app_->Control(IDC_LIST_EDIT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // Saves through the dialog under typedName; returns the dialog so callers can check what follows.
  HWND Save(const std::string& typedName) {
    HWND dialog = app_->OpenSaveDialog();
    EXPECT_NE(dialog, nullptr);
    if (dialog == nullptr) return nullptr;
    app_->ConfirmDialog(dialog, typedName);
    return dialog;
  }
  void SaveAndWait(const std::string& typedName) {
    HWND dialog = Save(typedName);
    ASSERT_TRUE(WaitUntilGone(dialog));
    Settle(*app_);
  }

  TempDir run_;
  TempDir data_;
  std::unique_ptr<App> app_;
};

TEST_F(SaveText, ListingIsSavedByteForByte) {
  ASSERT_TRUE(WriteFileBytes(data_.File("照片.jpg"), "x"));
  app_->PickFiles("", data_.File("照片.jpg"));
  const std::string list = app_->EditText();
  ASSERT_EQ(list, "01 照片.jpg\r\n\r\n");
  SaveAndWait(data_.File("清单.txt"));
  EXPECT_EQ(ReadFileBytes(data_.File("清单.txt")), list);  // no BOM, CP936, CR LF kept
}

TEST_F(SaveText, EmptyBoxEmptiesAnExistingFile) {
  ASSERT_TRUE(WriteFileBytes(data_.File("old.txt"), "old content"));
  SetBox("");
  HWND dialog = Save(data_.File("old.txt"));
  HWND question = WaitForOwnedPopup(app_->pid(), dialog);  // replace the existing file?
  ASSERT_NE(question, nullptr);
  Press(question, IDYES);
  ASSERT_TRUE(WaitUntilGone(dialog));
  Settle(*app_);
  EXPECT_TRUE(FileExists(data_.File("old.txt")));
  EXPECT_EQ(ReadFileBytes(data_.File("old.txt")), "");
}

TEST_F(SaveText, DecliningTheOverwriteQuestionKeepsTheFile) {
  ASSERT_TRUE(WriteFileBytes(data_.File("keep.txt"), "keep"));
  SetBox("new");
  HWND dialog = Save(data_.File("keep.txt"));
  HWND question = WaitForOwnedPopup(app_->pid(), dialog);
  ASSERT_NE(question, nullptr);
  Press(question, IDNO);
  ASSERT_TRUE(WaitUntilGone(question));
  EXPECT_TRUE(IsWindowVisible(dialog));  // back in the dialog
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntilGone(dialog));
  EXPECT_EQ(ReadFileBytes(data_.File("keep.txt")), "keep");
}

TEST_F(SaveText, NameWithoutExtensionGetsTxtAndTheNextDialogIsPrefilled) {
  SetBox("line\r\n");
  SaveAndWait(data_.File("list"));
  EXPECT_EQ(ReadFileBytes(data_.File("list.txt")), "line\r\n");
  SaveAndWait(data_.File("other.TXT"));
  EXPECT_EQ(ReadFileBytes(data_.File("other.TXT")), "line\r\n");
  EXPECT_FALSE(FileExists(data_.File("other.TXT.txt")));

  HWND dialog = app_->OpenSaveDialog();
  ASSERT_NE(dialog, nullptr);
  HWND field = GetDlgItem(dialog, 0x47C) ? GetDlgItem(dialog, 0x47C) : GetDlgItem(dialog, 0x480);
  EXPECT_NE(WindowText(field).find("other.TXT"), std::string::npos) << WindowText(field);
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntilGone(dialog));
  Settle(*app_);
  EXPECT_EQ(FindProcessWindow(app_->pid(), "保存为文本"), nullptr);  // cancel says nothing
}

TEST_F(SaveText, ReadOnlyTargetIsRefusedWithAnErrorBox) {
  const std::string target = data_.File("locked.txt");
  ASSERT_TRUE(WriteFileBytes(target, "precious"));
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
  SetBox("replacement");
  HWND dialog = Save(target);
  if (HWND question = WaitForOwnedPopup(app_->pid(), dialog, 3000)) Press(question, IDYES);
  const std::string message = TakeSaveErrorBox(*app_);
  EXPECT_NE(message.find("locked.txt"), std::string::npos) << message;
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFileBytes(target), "precious");
  EXPECT_EQ(app_->EditText(), "replacement");
}

}  // namespace
}  // namespace sorvane::e2e

#include "ui/controls/edit_box.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/win32/handles.h"

namespace sorvane::ui {
namespace {

// A multi-line edit control like the list's, on this thread.
win32::UniqueWindow MakeEditBox() {
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                              0, 0, 257, 320, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(edit, EM_LIMITTEXT, 0, 0);
  return win32::UniqueWindow(edit);
}

TEST(EditBox, AppendLandsAtTheEndWhateverIsSelectedAndCannotBeUndone) {
  auto edit = MakeEditBox();
  ASSERT_TRUE(edit);
  SetContent(edit.get(), "alpha 中文 omega");
  SendMessageA(edit.get(), EM_SETSEL, 2, 7);  // a word in the middle
  AppendText(edit.get(), "\r\n01 新.txt\r\n");
  EXPECT_EQ(ReadContent(edit.get()), "alpha 中文 omega\r\n01 新.txt\r\n");
  EXPECT_FALSE(SendMessageA(edit.get(), EM_CANUNDO, 0, 0));
  SendMessageA(edit.get(), EM_UNDO, 0, 0);
  EXPECT_EQ(ReadContent(edit.get()), "alpha 中文 omega\r\n01 新.txt\r\n");
}

TEST(EditBox, EmptyBoxReadsEmptyAndAppendGoesToTheStart) {
  auto edit = MakeEditBox();
  EXPECT_EQ(ReadContent(edit.get()), "");
  AppendText(edit.get(), "a\r\n");
  EXPECT_EQ(ReadContent(edit.get()), "a\r\n");
}

TEST(EditBox, ListingsBeyondTheDefaultLimitStayWhole) {
  auto edit = MakeEditBox();
  std::string expected;
  for (int i = 1; i <= 3000; ++i) {
    const std::string line = std::to_string(i) + " photo_名字_" + std::to_string(i) + ".jpg\r\n\r\n";
    AppendText(edit.get(), line);
    expected += line;
  }
  ASSERT_GT(expected.size(), 40000u);
  EXPECT_TRUE(ReadContent(edit.get()) == expected);
}

}  // namespace
}  // namespace sorvane::ui

// The program's start state and how it ends, on the real executable.
#include <gtest/gtest.h>

#include "tests/e2e/app_driver.h"
#include "ui/resource.h"

namespace sorvane::e2e {
namespace {

TEST(MainWindow, StartState) {
  test::TempDir run;
  App app(run.path());
  ASSERT_TRUE(app.Started());

  RECT r;
  GetWindowRect(app.main(), &r);
  EXPECT_EQ(r.right - r.left, 280);
  // At least 422 tall, and tall enough that the check boxes (down to y = 392) are not cut off.
  const int height = r.bottom - r.top;
  EXPECT_GE(height, 422);
  RECT client;
  GetClientRect(app.main(), &client);
  EXPECT_GE(client.bottom, 392);
  EXPECT_LE(client.bottom, 400);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 280) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);

  const LONG style = GetWindowLongA(app.main(), GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);

  for (int id : {IDC_KEEP_EXTENSION, IDC_NUMBERING, IDC_DOUBLE_SPACING}) {
    EXPECT_EQ(SendMessageA(app.Control(id), BM_GETCHECK, 0, 0), BST_CHECKED) << id;
  }
  struct Caption { int id; const char* text; };
  for (const Caption& c : {Caption{IDC_SELECT_FILES, "打开文件"}, Caption{IDC_SAVE_TEXT, "保存为文本"},
                           Caption{IDC_NUMBERING, "加上序号"}, Caption{IDC_KEEP_EXTENSION, "带后缀名"},
                           Caption{IDC_DOUBLE_SPACING, "双倍行间距"}}) {
    EXPECT_EQ(WindowText(app.Control(c.id)), c.text) << c.id;
  }
  struct Place { int id, x, y, w, h; };
  for (const Place& p : {Place{IDC_SELECT_FILES, 13, 8, 107, 28}, Place{IDC_SAVE_TEXT, 138, 8, 117, 28},
                         Place{IDC_LIST_EDIT, 8, 44, 257, 320}, Place{IDC_NUMBERING, 10, 368, 70, 24},
                         Place{IDC_KEEP_EXTENSION, 93, 368, 83, 24},
                         Place{IDC_DOUBLE_SPACING, 177, 367, 82, 24}}) {
    RECT c;
    GetWindowRect(app.Control(p.id), &c);
    MapWindowPoints(nullptr, app.main(), reinterpret_cast<POINT*>(&c), 2);
    EXPECT_EQ(c.left, p.x) << p.id;
    EXPECT_EQ(c.top, p.y) << p.id;
    EXPECT_EQ(c.right - c.left, p.w) << p.id;
    EXPECT_EQ(c.bottom - c.top, p.h) << p.id;
  }

  const std::string content = app.EditText();
  EXPECT_EQ(content.substr(0, 6), "\r\n    ");
  EXPECT_GT(content.size(), 10u);
  DWORD start = 1, end = 1;
  SendMessageA(app.Control(IDC_LIST_EDIT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
  EXPECT_EQ(app.FocusedWindow(), app.Control(IDC_SELECT_FILES));

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0u);
}

TEST(MainWindow, EscInTheEditBoxEndsTheProgram) {
  test::TempDir run;
  App app(run.path());
  ASSERT_TRUE(app.Started());
  HWND edit = app.Control(IDC_LIST_EDIT);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("unsaved words"));
  PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  EXPECT_EQ(app.WaitForExit(), 0u);
}

TEST(MainWindow, TabMovesTheFocusAndInsertsNoCharacter) {
  test::TempDir run;
  App app(run.path());
  ASSERT_TRUE(app.Started());
  HWND edit = app.Control(IDC_LIST_EDIT);
  const std::string before = app.EditText();
  PostMessageA(app.Control(IDC_SELECT_FILES), WM_KEYDOWN, VK_TAB, 0x000F0001);
  EXPECT_TRUE(WaitFor([&] { return app.FocusedWindow() == edit; }));
  PostMessageA(edit, WM_KEYDOWN, VK_TAB, 0x000F0001);
  EXPECT_TRUE(WaitFor([&] { return app.FocusedWindow() == app.Control(IDC_SAVE_TEXT); }));
  // The remaining cycle: 按钮1, 选择框_后缀, 选择框_间距, 选择框_序号, back to 选择文件.
  for (int id : {IDC_KEEP_EXTENSION, IDC_DOUBLE_SPACING, IDC_NUMBERING, IDC_SELECT_FILES}) {
    PostMessageA(app.FocusedWindow(), WM_KEYDOWN, VK_TAB, 0x000F0001);
    EXPECT_TRUE(WaitFor([&] { return app.FocusedWindow() == app.Control(id); })) << id;
  }
  EXPECT_EQ(app.EditText().find('\t'), std::string::npos);
  EXPECT_EQ(app.EditText(), before);
}

}  // namespace
}  // namespace sorvane::e2e

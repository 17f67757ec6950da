#include "ui/main_window.h"

#include <new>

#include "skin/install.h"
#include "ui/about_window.h"
#include "ui/controls/edit_box.h"
#include "ui/fatal_stop.h"
#include "ui/help_command.h"
#include "ui/open_files_command.h"
#include "ui/resource.h"
#include "ui/save_text_command.h"
#include "ui/window_class.h"

namespace sorvane::ui {
namespace {

constexpr char kClassName[] = "SorvaneMainWindow";
constexpr char kTitle[] = "Sorvane V1.0";
constexpr int kWidth = 280;
constexpr int kHeight = 422;
// The check boxes end at y = 392 of the client area; a little room below them.
constexpr int kClientHeightNeeded = 396;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW;
constexpr COLORREF kListTextColor = RGB(15, 121, 172);
constexpr char kInitialContent[] =
    "\r\n    Sorvane V1.0 由 Sorvane 开发组编写，联系电话：400-000-0000";

MainWindow* StateOf(HWND window) {
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HWND CreateControl(const MainWindow& state, const char* className, const char* caption,
                   DWORD style, DWORD exStyle, int id, int x, int y, int w, int h) {
  // Created hidden; shown together once all exist.
  HWND control = CreateWindowExA(exStyle, className, caption, WS_CHILD | style, x, y, w, h,
                                 state.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 state.instance, nullptr);
  if (control == nullptr) FatalStop("无法创建主窗口的控件，程序必须结束。");
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return control;
}

HWND CreateCheckBox(const MainWindow& state, const char* caption, int id, int x, int y, int w) {
  HWND box = CreateControl(state, "BUTTON", caption,
                           BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE | WS_TABSTOP, 0,
                           id, x, y, w, 24);
  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  return box;
}

// Creation order is also the Tab order: 选择文件, 编辑框1, 按钮1, 选择框_后缀, 选择框_间距, 选择框_序号.
void CreateControls(MainWindow& s) {
  constexpr DWORD kPushButton = BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP;
  s.选择文件 = CreateControl(s, "BUTTON", "打开文件", kPushButton, 0, IDC_SELECT_FILES, 13, 8, 107, 28);

  s.编辑框1 = CreateControl(s, "EDIT", "",
                         ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_LEFT | WS_VSCROLL | WS_TABSTOP,
                         WS_EX_CLIENTEDGE, IDC_LIST_EDIT, 8, 44, 257, 320);
  SendMessageA(s.编辑框1, EM_LIMITTEXT, 0, 0);  // the edit control's largest, not its default
  SetContent(s.编辑框1, kInitialContent);
  SendMessageA(s.编辑框1, EM_SETSEL, 0, 0);
  SendMessageA(s.编辑框1, EM_SCROLLCARET, 0, 0);

  s.按钮1 = CreateControl(s, "BUTTON", "保存为文本", kPushButton, 0, IDC_SAVE_TEXT, 138, 8, 117, 28);
  s.选择框_后缀 = CreateCheckBox(s, "带后缀名", IDC_KEEP_EXTENSION, 93, 368, 83);
  s.选择框_间距 = CreateCheckBox(s, "双倍行间距", IDC_DOUBLE_SPACING, 177, 367, 82);
  s.选择框_序号 = CreateCheckBox(s, "加上序号", IDC_NUMBERING, 10, 368, 70);

  for (HWND control : {s.选择文件, s.编辑框1, s.按钮1, s.选择框_后缀, s.选择框_间距, s.选择框_序号}) {
    ShowWindow(control, SW_SHOWNA);
  }
}

HMENU CreateMenuBar() {
  HMENU bar = CreateMenu();
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, IDM_HELP_INSTRUCTIONS, "说明");
  AppendMenuA(help, MF_STRING, IDM_HELP_ABOUT, "关于");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "帮助");
  return bar;
}

void OnCommand(MainWindow& s, int id) {
  switch (id) {
    case IDC_SELECT_FILES: RunOpenFilesCommand(s); break;
    case IDC_SAVE_TEXT: RunSaveTextCommand(s); break;
    case IDM_HELP_INSTRUCTIONS: RunInstructionCommand(s.编辑框1); break;
    case IDM_HELP_ABOUT: RunAboutCommand(s.instance); break;
    default: break;
  }
}

// The focus returns to the control that had it; the first time, to 选择文件.
void OnActivate(MainWindow& s, WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(s.window, focus)) s.lastFocus = focus;
    return;
  }
  HWND target = s.lastFocus != nullptr && IsWindow(s.lastFocus) ? s.lastFocus : s.选择文件;
  if (IsWindowEnabled(s.window)) SetFocus(target);
}

LRESULT HandleMessage(MainWindow& s, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == 0) OnCommand(s, LOWORD(wParam));
      return 0;
    case WM_ACTIVATE:
      OnActivate(s, wParam);
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == s.选择文件 && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lParam) == s.编辑框1) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kListTextColor);
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, GetSysColor(COLOR_3DFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  MainWindow* state = StateOf(window);
  if (state == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  try {
    return HandleMessage(*state, window, message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    FatalStop("内存不足，程序必须结束。");
  }
}

bool IsPlainKey() {
  return GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
}

// Esc closes the window from any control; Tab and Shift+Tab move through the controls, also out
// of the edit box (which would otherwise take the Tab as a character).
bool HandleWindowKey(const MainWindow& s, const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  if (msg.hwnd != s.window && !IsChild(s.window, msg.hwnd)) return false;
  if (msg.wParam == VK_ESCAPE && IsPlainKey()) {
    PostMessageA(s.window, WM_CLOSE, 0, 0);
    return true;
  }
  if (msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    HWND next = GetNextDlgTabItem(s.window, GetFocus(), backwards);
    if (next != nullptr) SetFocus(next);
    return true;
  }
  return false;
}

// 422 pixels outside hold the controls only where title and menu bar are thin; with the frames
// that Windows and Wine draw today the check boxes would be cut in half. So the window is as
// tall as 422 or as its controls need, whichever is more.
int OuterHeight() {
  RECT r = {0, 0, kWidth, kClientHeightNeeded};
  if (!AdjustWindowRectEx(&r, kStyle, TRUE, kExStyle)) return kHeight;
  return r.bottom - r.top > kHeight ? r.bottom - r.top : kHeight;
}

}  // namespace

void CreateMainWindow(MainWindow& s) {
  if (!RegisterWindowClass(s.instance, {kClassName, MainWindowProc, IDC_ARROW,
                                         reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1), true})) {
    FatalStop("无法登记主窗口，程序必须结束。");
  }
  const int height = OuterHeight();
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  HMENU menu = CreateMenuBar();
  s.window = CreateWindowExA(kExStyle, kClassName, kTitle, kStyle, left, top, kWidth, height,
                             nullptr, menu, s.instance, &s);
  if (s.window == nullptr) {
    DestroyMenu(menu);
    FatalStop("无法创建主窗口，程序必须结束。");
  }
  CreateControls(s);
  // The creation event: the skin is in place before the window is ever visible.
  skin::InstallAndAttach(s.window, s.runDirectory);
  ShowWindow(s.window, SW_SHOW);
  UpdateWindow(s.window);
}

void RunMessageLoop(const MainWindow& s) {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (HandleWindowKey(s, msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace sorvane::ui

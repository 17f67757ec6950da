// A small window program for the tests of SkinH_EL.dll: a window like Sorvane's main window (title
// bar, close box, menu bar, a push button, a check box), skinned or not, measured from inside.
//
//   skin_probe.exe LIBRARY SCENARIO RESULTS
//
// SCENARIO: none (the library is not loaded), attach_after_create (the program's order: window, attach,
// menu bar), attach_before_create (attach, then the window: a window created later), bar_only
// (SkinH_SetTitleMenuBar without any attach), bar_unshaded and bar_system (attach_after_create with
// the menu bar unshaded, or left to the system), hold (attach_after_create, then wait to be closed).
// The current directory holds the skinh.she to use. RESULTS receives key=value lines.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

using Attach = int(WINAPI*)();
using SetTitleMenuBar = int(WINAPI*)(HWND, int, int, int, int);

FILE* out = nullptr;

void Put(const char* key, long long value) { std::fprintf(out, "%s=%lld\n", key, value); }

void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

void PutRect(const char* key, HWND control, HWND parent) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  std::fprintf(out, "%s=%ld,%ld,%ld,%ld\n", key, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void PutPixel(const char* key, HDC dc, int x, int y) {
  std::fprintf(out, "%s=%06lX\n", key, static_cast<unsigned long>(GetPixel(dc, x, y)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const std::string scenario = argv[2];
  out = std::fopen(argv[3], "w");
  if (out == nullptr) return 3;

  Attach attach = nullptr;
  SetTitleMenuBar setBar = nullptr;
  if (scenario != "none") {
    HMODULE library = LoadLibraryA(argv[1]);
    if (library == nullptr) return 4;
    attach = reinterpret_cast<Attach>(reinterpret_cast<void*>(GetProcAddress(library, "SkinH_Attach")));
    setBar = reinterpret_cast<SetTitleMenuBar>(
        reinterpret_cast<void*>(GetProcAddress(library, "SkinH_SetTitleMenuBar")));
    if (attach == nullptr || setBar == nullptr) return 5;
  }
  if (scenario == "attach_before_create") Put("attach", attach());

  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
  wc.lpszClassName = "SkinProbe";
  RegisterClassA(&wc);
  HMENU bar = CreateMenu();
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, 100, "说明");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "帮助");
  HWND window = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW, "SkinProbe", "Sorvane V1.0 探针",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 100, 100,
                                280, 422, nullptr, bar, instance, nullptr);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HWND button = CreateWindowExA(0, "BUTTON", "打开文件", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                13, 8, 107, 28, window, reinterpret_cast<HMENU>(1), instance, nullptr);
  HWND check = CreateWindowExA(0, "BUTTON", "加上序号", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                               10, 200, 90, 24, window, reinterpret_cast<HMENU>(2), instance, nullptr);
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(check, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);

  if (scenario == "attach_after_create" || scenario == "hold" || scenario.rfind("bar_", 0) == 0) {
    if (scenario != "bar_only") Put("attach", attach());
  }
  if (scenario == "bar_unshaded") {
    Put("bar", setBar(window, 1, 0, 0, 0));
  } else if (scenario == "bar_system") {
    Put("bar", setBar(window, 0, 0, -6, 0));
  } else if (scenario != "none") {
    Put("bar", setBar(window, 1, 0, -6, 0));  // as Sorvane calls it
  }

  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  UpdateWindow(window);
  Pump(400);
  if (scenario == "hold") {
    MSG msg;
    while (IsWindow(window) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    std::fclose(out);
    return 0;
  }

  RECT outer;
  GetWindowRect(window, &outer);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  RECT client;
  GetClientRect(window, &client);
  const int border = origin.x - outer.left;
  const int captionHeight = GetSystemMetrics(SM_CYCAPTION);
  const int width = outer.right - outer.left;
  Put("width", width);
  Put("height", outer.bottom - outer.top);
  Put("client_x", border);
  Put("client_y", origin.y - outer.top);
  Put("client_width", client.right);
  Put("client_height", client.bottom);
  Put("caption_top", border);
  Put("caption_height", captionHeight);
  Put("active", GetForegroundWindow() == window);
  PutRect("button_rect", button, window);
  PutRect("check_rect", check, window);
  std::fprintf(out, "face=%06lX\n", static_cast<unsigned long>(GetSysColor(COLOR_3DFACE)));

  const int captionY = border + captionHeight / 2;
  const int caption_x = width * 3 / 4;
  Put("caption_y", captionY);
  HDC dc = GetWindowDC(window);
  PutPixel("caption_pixel", dc, caption_x, captionY);
  PutPixel("client_pixel", dc, origin.x - outer.left + client.right - 6, origin.y - outer.top + 120);
  const int barTop = border + captionHeight, barHeight = origin.y - outer.top - barTop;
  Put("menubar_y", barTop + barHeight / 2 - barTop);
  Put("menubar_height", barHeight);
  PutPixel("menubar_pixel", dc, width - border - 10, barTop + barHeight / 2);
  PutPixel("button_pixel", dc, origin.x - outer.left + 13 + 4, origin.y - outer.top + 8 + 14);
  ReleaseDC(window, dc);

  // Hit tests where a user would press: the caption (moves the window) and the close box.
  const POINT closeAt = {outer.right - border - 4 - 8, outer.top + captionY};
  Put("hit_caption", SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(outer.left + width / 2, outer.top + captionY)));
  Put("hit_close", SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(closeAt.x, closeAt.y)));

  // The keyboard focus moves between the controls as usual.
  SetFocus(check);
  Pump(50);
  Put("focus_on_check", GetFocus() == check);
  SetFocus(button);
  Pump(50);
  Put("focus_on_button", GetFocus() == button);
  Put("check_still_ticked", SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED);

  // A real click on the close box closes the window.
  SetCursorPos(closeAt.x, closeAt.y);
  Pump(100);
  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  // Press and release go in together: the close box's tracking loop runs inside the press.
  SendInput(2, press, sizeof(INPUT));
  for (int i = 0; i < 30 && IsWindow(window); ++i) Pump(50);
  Put("closed_by_click", !IsWindow(window));
  std::fclose(out);
  return 0;
}

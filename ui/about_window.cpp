#include "ui/about_window.h"

#include <ole2.h>
#include <olectl.h>

#include <vector>

#include "ui/about_texts.h"
#include "ui/controls/parent_background.h"
#include "ui/hyperlink_box.h"
#include "ui/window_class.h"
#include "ui/win32/handles.h"

namespace sorvane::ui {
namespace {

constexpr char kBannerClass[] = "SorvaneAboutBanner";
constexpr char kLabelClass[] = "SorvaneTransparentLabel";
constexpr char kBannerResource[] = "ABOUT_BANNER";
constexpr int kWidth = 350;
constexpr int kHeight = 227;

// ---- 图片框1: the banner, decoded once per window ----------------------------------------------

// Decodes the JPEG resource into a bitmap of its own pixel size; null when that fails.
HBITMAP LoadBanner(HINSTANCE instance) {
  HRSRC found = FindResourceA(instance, kBannerResource, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (found == nullptr) return nullptr;
  const DWORD size = SizeofResource(instance, found);
  HGLOBAL loaded = LoadResource(instance, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr || size == 0) return nullptr;

  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (copy == nullptr) return nullptr;
  void* target = GlobalLock(copy);
  if (target == nullptr) {
    GlobalFree(copy);
    return nullptr;
  }
  CopyMemory(target, bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  IPicture* picture = nullptr;
  HBITMAP result = nullptr;
  if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                               reinterpret_cast<void**>(&picture)))) {
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
        SUCCEEDED(picture->get_Handle(&handle))) {
      // A copy of our own, so that the picture object can go now.
      result = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)),
                                              IMAGE_BITMAP, 0, 0, 0));
    }
    picture->Release();
  }
  stream->Release();  // frees the memory too
  return result;
}

LRESULT CALLBACK BannerProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      HBITMAP bitmap = LoadBanner(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(box, GWLP_HINSTANCE)));
      SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bitmap));
      return 0;
    }
    case WM_SETFONT:  // no text, but it keeps the font it is given like every control
      SetWindowLongPtrA(box, 0, static_cast<LONG_PTR>(wParam));
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrA(box, 0);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(box, &ps);
      EraseWithParentBackground(box, dc);  // shows where the picture is smaller than the box
      auto bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrA(box, GWLP_USERDATA));
      BITMAP info;
      if (bitmap != nullptr && GetObjectA(bitmap, sizeof info, &info) == sizeof info) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, bitmap);
        // At its own size from the top-left corner; the rest of the box shows the background.
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
      }
      EndPaint(box, &ps);
      return 0;
    }
    case WM_NCDESTROY: {
      win32::UniqueGdiObject bitmap(reinterpret_cast<HGDIOBJ>(GetWindowLongPtrA(box, GWLP_USERDATA)));
      SetWindowLongPtrA(box, GWLP_USERDATA, 0);
      return DefWindowProcA(box, message, wParam, lParam);
    }
    default:
      return DefWindowProcA(box, message, wParam, lParam);
  }
}

// ---- 透明标签1: text over whatever the window paints behind it ----------------------------------

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      SetWindowLongPtrA(label, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam) != 0) InvalidateRect(label, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrA(label, GWLP_USERDATA);
    case WM_ERASEBKGND:
      EraseWithParentBackground(label, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(label, &ps);
      RECT client;
      GetClientRect(label, &client);
      char text[512] = {};
      const int length = GetWindowTextA(label, text, sizeof text);
      auto font = reinterpret_cast<HFONT>(GetWindowLongPtrA(label, GWLP_USERDATA));
      HGDIOBJ oldFont = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0, 0, 0));
      DrawTextA(dc, text, length, &client, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
      SelectObject(dc, oldFont);
      EndPaint(label, &ps);
      return 0;
    }
    default:
      return DefWindowProcA(label, message, wParam, lParam);
  }
}

// ---- The window -------------------------------------------------------------------------------

struct RecordedWindow {
  HWND window;
  bool wasEnabled;
};

struct AboutWindow {
  HWND window = nullptr;
  HWND ok = nullptr;
  std::vector<RecordedWindow> disabled;  // the program's other windows, disabled while open
  bool destroyed = false;
};

AboutWindow* StateOf(HWND window) {
  return reinterpret_cast<AboutWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

BOOL CALLBACK DisableOther(HWND window, LPARAM param) {
  auto& state = *reinterpret_cast<AboutWindow*>(param);
  if (window != state.window) {
    // EnableWindow answers whether the window was disabled already.
    const bool wasEnabled = EnableWindow(window, FALSE) == FALSE;
    state.disabled.push_back({window, wasEnabled});
  }
  return TRUE;
}

// Gives each recorded window that still exists its previous state back; done once, before the
// About window goes, so that activation returns to the main window and not to another program.
void RestoreOthers(AboutWindow& state) {
  for (const RecordedWindow& recorded : state.disabled) {
    if (IsWindow(recorded.window)) EnableWindow(recorded.window, recorded.wasEnabled);
  }
  state.disabled.clear();
}

LRESULT CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* state = static_cast<AboutWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    state->window = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  }
  AboutWindow* state = StateOf(window);
  if (state == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      // 按钮1 (the OK command) and Esc (IDCANCEL from the dialog keys) post the close request.
      if ((LOWORD(wParam) == kAboutOkId && HIWORD(wParam) == BN_CLICKED) ||
          LOWORD(wParam) == IDCANCEL) {
        PostMessageA(window, WM_CLOSE, 0, 0);
      }
      return 0;
    case WM_SETFOCUS:
      if (state->ok != nullptr) SetFocus(state->ok);
      return 0;
    case WM_CLOSE:
      RestoreOthers(*state);
      DestroyWindow(window);
      return 0;
    case WM_NCDESTROY:
      state->destroyed = true;
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      return DefWindowProcA(window, message, wParam, lParam);
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void RegisterClasses(HINSTANCE instance) {
  RegisterWindowClass(instance, {kAboutWindowClass, AboutProc, IDC_ARROW,
                                 reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), true});
  RegisterWindowClass(instance, {kBannerClass, BannerProc, IDC_ARROW, nullptr, false, sizeof(LONG_PTR)});
  RegisterWindowClass(instance, {kLabelClass, LabelProc});
}

HWND CreateChild(HWND parent, HINSTANCE instance, const char* className, const char* text,
                 DWORD style, int id, int x, int y, int width, int height) {
  return CreateWindowExA(0, className, text, WS_CHILD | style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void CreateControls(AboutWindow& state, HINSTANCE instance) {
  HWND w = state.window;
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  HWND banner = CreateChild(w, instance, kBannerClass, "", 0, kAboutBannerId, 0, 0, 352, 72);
  HWND credit =
      CreateChild(w, instance, kLabelClass, about::kCredit, 0, kAboutCreditId, -5, 74, 344, 62);
  HWND contact = CreateHyperlinkBox(w, instance, kAboutContactId, 5, 140, 104, 23,
                                    {about::kContactCaption, LinkKind::kWeb, about::kContactAddress, ""});
  HWND blog = CreateHyperlinkBox(w, instance, kAboutBlogId, 4, 163, 224, 16,
                                 {about::kBlogCaption, LinkKind::kWeb, about::kBlogAddress, ""});
  state.ok = CreateChild(w, instance, "BUTTON", about::kOkCaption,
                         BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | WS_TABSTOP, kAboutOkId, 262, 161,
                         64, 24);
  for (HWND control : {banner, credit, contact, blog, state.ok}) {
    if (control == nullptr) continue;
    SendMessageA(control, WM_SETFONT, font, FALSE);
    ShowWindow(control, SW_SHOWNA);
  }
}

}  // namespace

void RunAboutCommand(HINSTANCE instance) {
  RegisterClasses(instance);
  AboutWindow state;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  // Top-level and unowned; fixed frame with the system menu and close box only.
  HWND window = CreateWindowExA(0, kAboutWindowClass, about::kTitle,
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, left, top, kWidth, kHeight,
                                nullptr, nullptr, instance, &state);
  if (window == nullptr) return;
  CreateControls(state, instance);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);

  EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(&state));

  // Input reaches only the About window now; everything else still gets its paint messages.
  MSG msg;
  while (!state.destroyed) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop to see
      break;
    }
    if (got == -1) break;
    if (!IsDialogMessageA(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (!state.destroyed) {
    RestoreOthers(state);
    DestroyWindow(window);
  }
  RestoreOthers(state);  // in case the window went some other way
}

}  // namespace sorvane::ui

// Skinned push buttons and check boxes. The button keeps its own behaviour (clicks, keyboard,
// check state, notifications); only its painting is the skin's. The system's button code paints
// directly on some state changes, so after each of those the skin paints again at once.
#include <windows.h>

#include <algorithm>
#include <string>

#include "skin/library/canvas.h"
#include "skin/library/skin_library.h"

namespace sorvane::skinlib {
namespace {

// Draws text in r: on one line when it fits, else wrapped (multi-line buttons), centred vertically.
void DrawLabel(HDC dc, const std::string& text, RECT r, UINT horizontal, bool multiline, UINT prefix) {
  const int length = static_cast<int>(text.size());
  if (multiline) {
    RECT line = {0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), length, &line, DT_CALCRECT | DT_SINGLELINE | prefix);
    if (line.right - line.left > r.right - r.left) {
      RECT wrapped = r;
      const int height =
          DrawTextA(dc, text.c_str(), length, &wrapped, DT_CALCRECT | DT_WORDBREAK | horizontal | prefix);
      r.top += std::max<LONG>(0, (r.bottom - r.top - height) / 2);
      DrawTextA(dc, text.c_str(), length, &r, DT_WORDBREAK | horizontal | prefix);
      return;
    }
  }
  DrawTextA(dc, text.c_str(), length, &r, DT_SINGLELINE | DT_VCENTER | horizontal | prefix);
}

bool ShowsFocus(HWND window) {
  return GetFocus() == window && (SendMessageA(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

UINT PrefixFlag(HWND window) {
  return (SendMessageA(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0;
}

void PaintNow(SkinLibrary& lib, HWND window) {
  if (!IsWindow(window) || !IsWindowVisible(window) || lib.Find(window) == nullptr) return;
  HDC dc = GetDC(window);
  if (dc == nullptr) return;
  PaintButton(lib, window, dc);
  ReleaseDC(window, dc);
}

// Messages after which the system's button code may have drawn its own look.
bool MayHavePainted(UINT message) {
  switch (message) {
    case BM_SETSTATE: case BM_SETCHECK: case BM_SETSTYLE: case BM_CLICK:
    case WM_SETFOCUS: case WM_KILLFOCUS: case WM_ENABLE: case WM_SETTEXT: case WM_SETFONT:
    case WM_UPDATEUISTATE: case WM_CHANGEUISTATE:
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP: case WM_CAPTURECHANGED:
    case WM_KEYDOWN: case WM_KEYUP: case WM_SYSCOLORCHANGE:
      return true;
    default:
      return false;
  }
}

}  // namespace

void PaintButton(SkinLibrary& lib, HWND window, HDC dc) {
  SkinnedWindow* state = lib.Find(window);
  if (state == nullptr) return;
  const format::Skin& skin = lib.skin();
  RECT client;
  GetClientRect(window, &client);
  Canvas canvas(dc, client.right, client.bottom);
  if (!canvas.ok()) return;

  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  const bool enabled = IsWindowEnabled(window) != FALSE;
  const LRESULT buttonState = SendMessageA(window, BM_GETSTATE, 0, 0);
  const bool pressed = (buttonState & BST_PUSHED) != 0;
  const bool hot = state->hot;
  const bool multiline = (style & BS_MULTILINE) != 0;
  const std::string text = WindowText(window);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  if (font == nullptr) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HGDIOBJ oldFont = SelectObject(canvas.dc(), font);
  SetTextColor(canvas.dc(), ToColorRef(skin.colour(enabled ? Colour::kButtonText : Colour::kTextDisabled)));
  canvas.Fill(client, skin.colour(Colour::kWindowBackground));

  if (state->kind == Kind::kPushButton) {
    const ImageId face = !enabled ? ImageId::kButtonDisabled
                         : pressed ? ImageId::kButtonPressed
                         : hot     ? ImageId::kButtonHot
                                   : ImageId::kButtonNormal;
    canvas.DrawSliced(skin.image(face), client, skin.metric(Metric::kButtonSlice));
    RECT label = client;
    InflateRect(&label, -4, -2);
    if (pressed) OffsetRect(&label, skin.metric(Metric::kTextPressedOffset), skin.metric(Metric::kTextPressedOffset));
    DrawLabel(canvas.dc(), text, label, DT_CENTER, multiline, PrefixFlag(window));
    if (ShowsFocus(window)) {
      RECT focus = client;
      InflateRect(&focus, -3, -3);
      SetTextColor(canvas.dc(), ToColorRef(skin.colour(Colour::kFocus)));
      SetBkColor(canvas.dc(), RGB(255, 255, 255));
      DrawFocusRect(canvas.dc(), &focus);
    }
  } else {
    const bool checked = (SendMessageA(window, BM_GETCHECK, 0, 0) & BST_CHECKED) != 0;
    const int s = static_cast<int>(checked) * 4;
    const ImageId box = static_cast<ImageId>(static_cast<int>(ImageId::kCheckOff) + s +
                                             (!enabled ? 3 : pressed ? 2 : hot ? 1 : 0));
    const int size = skin.metric(Metric::kCheckSize);
    const bool boxRight = (style & BS_LEFTTEXT) != 0;
    const int top = (client.bottom - size) / 2;
    const RECT boxRect = boxRight ? RECT{client.right - size, top, client.right, top + size}
                                  : RECT{0, top, size, top + size};
    const format::Image& image = skin.image(box);
    canvas.DrawSliced(image, boxRect, std::min(image.width, image.height) / 2 - 1);
    SetTextColor(canvas.dc(), ToColorRef(skin.colour(enabled ? Colour::kText : Colour::kTextDisabled)));
    RECT label = client;
    if (boxRight) {
      label.right -= size + skin.metric(Metric::kCheckGap);
    } else {
      label.left += size + skin.metric(Metric::kCheckGap);
    }
    DrawLabel(canvas.dc(), text, label, DT_LEFT, multiline, PrefixFlag(window));
    if (ShowsFocus(window)) {
      RECT focus = label;
      DrawTextA(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &focus,
                DT_CALCRECT | (multiline ? DT_WORDBREAK : DT_SINGLELINE));
      OffsetRect(&focus, 0, (client.bottom - (focus.bottom - focus.top)) / 2 - focus.top);
      InflateRect(&focus, 1, 1);
      IntersectRect(&focus, &focus, &client);
      SetTextColor(canvas.dc(), ToColorRef(skin.colour(Colour::kFocus)));
      SetBkColor(canvas.dc(), RGB(255, 255, 255));
      DrawFocusRect(canvas.dc(), &focus);
    }
  }
  SelectObject(canvas.dc(), oldFont);
  canvas.CopyTo(dc, client);
}

LRESULT ButtonProc(SkinLibrary& lib, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC original = lib.OriginalProc(window);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (dc != nullptr) PaintButton(lib, window, dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintButton(lib, window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE: {
      SkinnedWindow* state = lib.Find(window);
      if (!state->tracking) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
        state->tracking = TrackMouseEvent(&track) != FALSE;
      }
      const bool wasHot = state->hot;
      state->hot = true;
      const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
      if (!wasHot) PaintNow(lib, window);
      return result;
    }
    case WM_MOUSELEAVE: {
      SkinnedWindow* state = lib.Find(window);
      state->tracking = false;
      state->hot = false;
      const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
      PaintNow(lib, window);
      return result;
    }
    default:
      break;
  }
  const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
  if (MayHavePainted(message)) PaintNow(lib, window);
  return result;
}

}  // namespace sorvane::skinlib

// Skinned top-level windows: the frame, the title bar with its caption and close box, the menu bar
// and the client background. The system's non-client metrics are kept, so the window's outer size
// and its client area stay exactly what they would be without the skin.
#include <windows.h>

#include <algorithm>
#include <string>

#include "skin/library/canvas.h"
#include "skin/library/skin_library.h"

namespace sorvane::skinlib {
namespace {

constexpr UINT kDrawCaptionMessage = 0x00AE;  // themed title-bar drawing (WM_NCUAHDRAWCAPTION)
constexpr UINT kDrawFrameMessage = 0x00AF;    // themed frame drawing (WM_NCUAHDRAWFRAME)

// Parts of the window, in window coordinates (0, 0 is the window's top-left corner).
struct Geometry {
  int width = 0, height = 0;
  int border = 0;
  RECT client = {};
  RECT caption = {};
  RECT close = {};    // empty without a system menu
  RECT menuBar = {};  // empty without a menu
};

Geometry Measure(HWND window, const format::Skin& skin) {
  Geometry g;
  RECT outer;
  GetWindowRect(window, &outer);
  g.width = outer.right - outer.left;
  g.height = outer.bottom - outer.top;
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  GetClientRect(window, &g.client);
  OffsetRect(&g.client, origin.x - outer.left, origin.y - outer.top);
  g.border = g.client.left;

  const bool tool = (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
  const int captionHeight = GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION);
  const int top = g.border;
  const int captionBottom = GetMenu(window) != nullptr ? std::min<int>(top + captionHeight, g.client.top)
                                                       : g.client.top;
  g.caption = {g.border, top, g.width - g.border, captionBottom};
  if (GetMenu(window) != nullptr) g.menuBar = {g.border, captionBottom, g.width - g.border, g.client.top};

  if (GetWindowLongPtrA(window, GWL_STYLE) & WS_SYSMENU) {
    const int w = skin.metric(Metric::kCloseWidth), h = skin.metric(Metric::kCloseHeight);
    const int right = g.caption.right - skin.metric(Metric::kCloseRightMargin);
    const int y = g.caption.top + (g.caption.bottom - g.caption.top - h) / 2;
    g.close = {right - w, y, right, y + h};
  }
  return g;
}

POINT ToWindow(HWND window, LPARAM screenPoint) {
  RECT outer;
  GetWindowRect(window, &outer);
  return {static_cast<short>(LOWORD(screenPoint)) - outer.left,
          static_cast<short>(HIWORD(screenPoint)) - outer.top};
}

void DrawText(Canvas& canvas, HFONT font, const std::string& text, RECT r, const format::Rgb& colour,
              UINT flags) {
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  SetTextColor(canvas.dc(), ToColorRef(colour));
  DrawTextA(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &r, flags);
  SelectObject(canvas.dc(), old);
}

void DrawMenuBar(SkinLibrary& lib, HWND window, const SkinnedWindow& state, const Geometry& g,
                 Canvas& canvas) {
  const format::Skin& skin = lib.skin();
  const MenuBarStyle& style = state.menuBar;
  RECT bar = g.menuBar;
  canvas.DrawBand(skin.image(ImageId::kMenubar), bar);
  canvas.Shade(bar, style.shadePercent);
  if (style.line) canvas.Fill({bar.left, bar.bottom - 1, bar.right, bar.bottom}, skin.colour(Colour::kMenuLine));

  HMENU menu = GetMenu(window);
  RECT outer;
  GetWindowRect(window, &outer);
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    RECT item;
    if (!GetMenuItemRect(window, menu, static_cast<UINT>(i), &item)) continue;
    OffsetRect(&item, -outer.left, -outer.top);
    item.bottom = std::min(item.bottom, bar.bottom - (style.line ? 1 : 0));
    const UINT itemState = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    const bool open = (itemState & MF_HILITE) != 0;
    const bool disabled = (itemState & (MF_GRAYED | MF_DISABLED)) != 0;
    if ((open || i == state.menuHot) && !disabled) {
      RECT plate = item;
      InflateRect(&plate, 0, -1);
      canvas.DrawSliced(skin.image(ImageId::kMenuItemHot), plate, skin.metric(Metric::kButtonSlice));
    }
    char text[128] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    RECT textRect = item;
    InflateRect(&textRect, -skin.metric(Metric::kMenuItemPadding) / 2, 0);
    const UINT align = style.align == 1 ? DT_LEFT : style.align == 2 ? DT_RIGHT : DT_CENTER;
    const Colour colour = disabled ? Colour::kTextDisabled
                          : open || i == state.menuHot ? Colour::kMenuTextHot
                                                       : Colour::kMenuText;
    DrawText(canvas, lib.resources().menuFont, text, textRect, skin.colour(colour),
             align | DT_SINGLELINE | DT_VCENTER);
  }
}

}  // namespace

void PaintNonClient(SkinLibrary& lib, HWND window) {
  SkinnedWindow* state = lib.Find(window);
  if (state == nullptr || !IsWindowVisible(window)) return;
  const format::Skin& skin = lib.skin();
  const Geometry g = Measure(window, skin);
  HDC dc = GetWindowDC(window);
  if (dc == nullptr) return;
  {
    Canvas canvas(dc, g.width, g.height);
    const bool active = state->active;
    const RECT all = {0, 0, g.width, g.height};
    canvas.Fill(all, skin.colour(active ? Colour::kFrameFillActive : Colour::kFrameFillInactive));
    for (int i = 0; i < skin.metric(Metric::kFrameBorder); ++i) {
      const format::Rgb& line = skin.colour(active ? Colour::kFrameActive : Colour::kFrameInactive);
      canvas.Fill({i, i, g.width - i, i + 1}, line);
      canvas.Fill({i, g.height - i - 1, g.width - i, g.height - i}, line);
      canvas.Fill({i, i, i + 1, g.height - i}, line);
      canvas.Fill({g.width - i - 1, i, g.width - i, g.height - i}, line);
    }

    canvas.DrawBand(skin.image(active ? ImageId::kCaptionActive : ImageId::kCaptionInactive), g.caption);
    RECT textRect = g.caption;
    textRect.left += skin.metric(Metric::kCaptionTextIndent);
    if (!IsRectEmpty(&g.close)) textRect.right = g.close.left - 4;
    const std::string title = WindowText(window);
    const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    if (const int shadow = skin.metric(Metric::kCaptionTextShadow); shadow > 0) {
      RECT shadowRect = textRect;
      OffsetRect(&shadowRect, shadow, shadow);
      DrawText(canvas, lib.resources().captionFont, title, shadowRect,
               skin.colour(active ? Colour::kCaptionShadowActive : Colour::kCaptionShadowInactive), flags);
    }
    DrawText(canvas, lib.resources().captionFont, title, textRect,
             skin.colour(active ? Colour::kCaptionTextActive : Colour::kCaptionTextInactive), flags);

    if (!IsRectEmpty(&g.close)) {
      const ImageId close = state->closeState == 2   ? ImageId::kClosePressed
                            : state->closeState == 1 ? ImageId::kCloseHot
                            : active                 ? ImageId::kCloseNormal
                                                     : ImageId::kCloseInactive;
      const format::Image& image = skin.image(close);
      canvas.DrawSliced(image, g.close, std::min(image.width, image.height) / 2 - 1);
    }

    const bool skinnedMenu = !IsRectEmpty(&g.menuBar) && state->menuBar.skinned;
    if (skinnedMenu) DrawMenuBar(lib, window, *state, g, canvas);

    ExcludeClipRect(dc, g.client.left, g.client.top, g.client.right, g.client.bottom);
    if (!IsRectEmpty(&g.menuBar) && !skinnedMenu) {
      ExcludeClipRect(dc, g.menuBar.left, g.menuBar.top, g.menuBar.right, g.menuBar.bottom);
    }
    canvas.CopyTo(dc, all);
  }
  ReleaseDC(window, dc);
}

namespace {

void SetCloseState(SkinLibrary& lib, HWND window, int closeState) {
  SkinnedWindow* state = lib.Find(window);
  if (state == nullptr || state->closeState == closeState) return;
  state->closeState = closeState;
  PaintNonClient(lib, window);
}

void SetMenuHot(SkinLibrary& lib, HWND window, int item) {
  SkinnedWindow* state = lib.Find(window);
  if (state == nullptr || state->menuHot == item) return;
  state->menuHot = item;
  PaintNonClient(lib, window);
}

// The close box follows the mouse while the button is held; releasing it over the box closes the
// window through the system command, as the system's own close button does.
void TrackCloseBox(SkinLibrary& lib, HWND window, LPARAM screenPoint) {
  SetCapture(window);
  SetCloseState(lib, window, 2);
  bool inside = true;
  MSG msg;
  while (GetCapture() == window) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.hwnd == window && (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP)) {
      POINT p = {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
      ClientToScreen(window, &p);
      const POINT w = ToWindow(window, MAKELPARAM(p.x, p.y));
      const Geometry g = Measure(window, lib.skin());
      inside = PtInRect(&g.close, w) != FALSE;
      if (msg.message == WM_LBUTTONUP) break;
      SetCloseState(lib, window, inside ? 2 : 0);
      continue;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      inside = false;
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (GetCapture() == window) ReleaseCapture();
  if (!IsWindow(window)) return;
  SetCloseState(lib, window, inside ? 1 : 0);
  if (inside) SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, screenPoint);
}

void TrackLeave(HWND window, SkinnedWindow& state) {
  if (state.tracking) return;
  TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE | TME_NONCLIENT, window, 0};
  state.tracking = TrackMouseEvent(&track) != FALSE;
}

bool IsSystemFaceBrush(LRESULT brush) {
  return brush == reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE)) ||
         brush == reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace

LRESULT FrameProc(SkinLibrary& lib, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC original = lib.OriginalProc(window);
  auto pass = [&](WPARAM w, LPARAM l) { return CallWindowProcA(original, window, message, w, l); };
  SkinnedWindow* state = lib.Find(window);

  switch (message) {
    case WM_NCPAINT:
      if (state->menuBar.skinned || GetMenu(window) == nullptr) {
        PaintNonClient(lib, window);
        return 0;
      } else {
        const LRESULT result = pass(wParam, lParam);
        PaintNonClient(lib, window);
        return result;
      }
    case WM_NCACTIVATE: {
      state->active = wParam != FALSE;
      // -1: the system does not draw its own title bar first (Windows Vista and later, and Wine).
      const LRESULT result = pass(wParam, IsWindowVisible(window) ? -1 : lParam);
      PaintNonClient(lib, window);
      return result;
    }
    case kDrawCaptionMessage:
    case kDrawFrameMessage:
      return 0;
    case WM_NCHITTEST: {
      const LRESULT hit = pass(wParam, lParam);
      if (hit != HTCAPTION && hit != HTCLOSE && hit != HTMINBUTTON && hit != HTMAXBUTTON && hit != HTHELP) {
        return hit;
      }
      const Geometry g = Measure(window, lib.skin());
      return PtInRect(&g.close, ToWindow(window, lParam)) ? HTCLOSE : HTCAPTION;
    }
    case WM_NCLBUTTONDOWN:
      if (wParam == HTCLOSE) {
        TrackCloseBox(lib, window, lParam);
        return 0;
      }
      break;
    case WM_NCLBUTTONDBLCLK:
      if (wParam == HTCLOSE) return 0;
      break;
    case WM_NCMOUSEMOVE: {
      TrackLeave(window, *state);
      SetCloseState(lib, window, wParam == HTCLOSE ? 1 : 0);
      int item = -1;
      if (wParam == HTMENU && GetMenu(window) != nullptr) {
        POINT p = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        item = MenuItemFromPoint(window, GetMenu(window), p);
      }
      SetMenuHot(lib, window, item);
      break;
    }
    case WM_NCMOUSELEAVE:
      state->tracking = false;
      SetCloseState(lib, window, 0);
      SetMenuHot(lib, window, -1);
      break;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, lib.resources().background);
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: {
      // Where the program asks for the plain dialog colour, the skin's background takes its place.
      const LRESULT brush = pass(wParam, lParam);
      if (!IsSystemFaceBrush(brush)) return brush;
      SetBkColor(reinterpret_cast<HDC>(wParam), ToColorRef(lib.skin().colour(Colour::kWindowBackground)));
      return reinterpret_cast<LRESULT>(lib.resources().background);
    }
    case WM_SETTEXT:
    case WM_MENUSELECT:
    case WM_INITMENUPOPUP:
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP: {
      // The system draws its own look here (the caption, the menu-bar item it opens or closes).
      const LRESULT result = pass(wParam, lParam);
      if (lib.Find(window) != nullptr) {
        if (message == WM_EXITMENULOOP) lib.Find(window)->menuHot = -1;
        PaintNonClient(lib, window);
      }
      return result;
    }
    default:
      break;
  }
  return pass(wParam, lParam);
}

}  // namespace sorvane::skinlib

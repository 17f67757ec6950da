#include "ui/hyperlink_box.h"

#include <shellapi.h>

#include <vector>

#include "ui/controls/parent_background.h"
#include "ui/window_class.h"

namespace sorvane::ui {
namespace {

constexpr char kClassName[] = "SorvaneHyperlinkBox";

struct Link {
  std::string caption;
  LinkKind kind;
  std::string webAddress;
  std::string emailAddress;
  HFONT font = nullptr;
  bool hovering = false;
  bool visited = false;

  HyperlinkSettings Settings() const { return {caption, kind, webAddress, emailAddress}; }
};

Link* LinkOf(HWND box) { return reinterpret_cast<Link*>(GetWindowLongPtrA(box, GWLP_USERDATA)); }

// The default value of a key under HKEY_CLASSES_ROOT; empty when absent.
std::string ClassesRootDefault(const std::string& subKey) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return {};
  }
  std::string value;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
    std::vector<char> buffer(size + 1, '\0');
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) == ERROR_SUCCESS) {
      value = buffer.data();
      if (type == REG_EXPAND_SZ) {
        const DWORD needed = ExpandEnvironmentStringsA(value.c_str(), nullptr, 0);
        std::vector<char> expanded(needed + 1, '\0');
        if (needed > 0 && ExpandEnvironmentStringsA(value.c_str(), expanded.data(), needed) > 0) {
          value = expanded.data();
        }
      }
    }
  }
  RegCloseKey(key);
  return value;
}

// The open command line registered for ".htm" files; empty when there is none.
std::string HtmOpenCommand() {
  const std::string progId = ClassesRootDefault(".htm");
  if (progId.empty()) return {};
  return ClassesRootDefault(progId + "\\shell\\open\\command");
}

void Paint(HWND box, const Link& link) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(box, &ps);
  RECT client;
  GetClientRect(box, &client);
  EraseWithParentBackground(box, dc);
  const std::string& address =
      link.kind == LinkKind::kWeb ? link.webAddress : link.emailAddress;
  const std::string& text = link.caption.empty() ? address : link.caption;
  HGDIOBJ oldFont = SelectObject(
      dc, link.font != nullptr ? link.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, link.hovering  ? kLinkHoverColor
                   : link.visited ? kLinkVisitedColor
                                  : kLinkNormalColor);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  EndPaint(box, &ps);
}

void OnMouseMove(HWND box, Link& link, LPARAM lParam) {
  RECT client;
  GetClientRect(box, &client);
  const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  const bool inside = PtInRect(&client, at) != FALSE;
  if (!link.hovering) {
    if (!inside) return;  // only a move that is really over the box starts hovering
    link.hovering = true;
    SetCapture(box);
    InvalidateRect(box, nullptr, FALSE);
    return;
  }
  if (!inside) {
    link.hovering = false;
    ReleaseCapture();
    InvalidateRect(box, nullptr, FALSE);
  }
}

LRESULT CALLBACK HyperlinkProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  Link* link = LinkOf(box);
  if (link == nullptr) return DefWindowProcA(box, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      Paint(box, *link);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_SETFONT:
      link->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam) != 0) InvalidateRect(box, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(link->font);
    case WM_MOUSEMOVE:
      OnMouseMove(box, *link, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      // Someone else took the mouse: the pointer is no longer known to be over the box.
      if (link->hovering && reinterpret_cast<HWND>(lParam) != box) {
        link->hovering = false;
        InvalidateRect(box, nullptr, FALSE);
      }
      return 0;
    case WM_LBUTTONDOWN:
      link->visited = OpenLinkTarget(LinkTarget(link->Settings()));
      if (link->visited) {
        InvalidateRect(box, nullptr, FALSE);
        UpdateWindow(box);
      }
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(box, GWLP_USERDATA, 0);
      delete link;
      return DefWindowProcA(box, message, wParam, lParam);
    default:
      return DefWindowProcA(box, message, wParam, lParam);
  }
}

}  // namespace

HWND CreateHyperlinkBox(HWND parent, HINSTANCE instance, int id, int x, int y, int width,
                        int height, const HyperlinkSettings& settings) {
  RegisterWindowClass(instance, {kClassName, HyperlinkProc, IDC_HAND});
  HWND box = CreateWindowExA(0, kClassName, "", WS_CHILD, x, y, width, height, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (box == nullptr) return nullptr;
  auto* link = new Link{std::string(settings.caption), settings.kind,
                        std::string(settings.webAddress), std::string(settings.emailAddress)};
  SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link));
  SetWindowTextA(box, link->caption.c_str());
  ShowWindow(box, SW_SHOWNA);
  return box;
}

std::string LinkTarget(const HyperlinkSettings& settings) {
  if (settings.kind == LinkKind::kEmail) {
    if (settings.emailAddress.empty()) return {};
    return "mailto:" + std::string(settings.emailAddress);
  }
  return std::string(settings.webAddress);
}

std::string FallbackCommandLine(std::string_view registeredCommand, std::string_view target) {
  const std::size_t placeholder = registeredCommand.find("%1");
  std::string line(registeredCommand.substr(0, placeholder));
  line += ' ';
  line += target;
  return line;
}

bool OpenLinkTarget(const std::string& target) {
  if (target.empty()) return false;
  const auto shell = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOW));
  if (shell > 32) return true;
  const std::string registered = HtmOpenCommand();
  if (registered.empty()) return false;
  const std::string line = FallbackCommandLine(registered, target);
  return WinExec(line.c_str(), SW_SHOW) > 32;
}

bool IsLinkVisited(HWND box) {
  const Link* link = LinkOf(box);
  return link != nullptr && link->visited;
}

bool IsLinkHovering(HWND box) {
  const Link* link = LinkOf(box);
  return link != nullptr && link->hovering;
}

}  // namespace sorvane::ui

#include "skin/library/skin_library.h"

#include <cstring>
#include <string>
#include <vector>

#include "skin/library/canvas.h"
#include "ui/win32/handles.h"

namespace sorvane::skinlib {
namespace {

constexpr char kSkinFile[] = "skinh.she";

// The whole skin file from the current directory, or nothing.
bool ReadSkinFile(std::vector<std::uint8_t>& bytes) {
  const win32::UniqueFile file(CreateFileA(kSkinFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size = {};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 ||
      size.QuadPart > static_cast<LONGLONG>(format::kMaxFileSize)) {
    return false;
  }
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  return ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
         read == bytes.size();
}

int CALLBACK FontFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FontInstalled(const std::string& face) {
  LOGFONTA query = {};
  query.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(query.lfFaceName, face.c_str(), LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExA(screen, &query, FontFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

bool IsClass(HWND window, const char* name) {
  char buffer[32] = {};
  return GetClassNameA(window, buffer, sizeof buffer) > 0 && lstrcmpiA(buffer, name) == 0;
}

// Only the windows of the program itself: the system's dialogs and message boxes, and windows that
// other libraries make, keep their own look.
bool OwnedByProgram(HWND window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)) ==
         GetModuleHandleA(nullptr);
}

// Lets the window's own non-client painting through on systems that compose title bars themselves.
void UseClassicFrame(HWND window) {
  if (HMODULE dwm = LoadLibraryA("dwmapi.dll"); dwm != nullptr) {
    using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    auto set = reinterpret_cast<SetAttribute>(
        reinterpret_cast<void*>(GetProcAddress(dwm, "DwmSetWindowAttribute")));
    const int disabled = 1;  // DWMNCRP_DISABLED for DWMWA_NCRENDERING_POLICY (2)
    if (set != nullptr) set(window, 2, &disabled, sizeof disabled);
  }
  // Without a visual style the system draws no themed caption buttons over the skin's close box.
  if (HMODULE theme = LoadLibraryA("uxtheme.dll"); theme != nullptr) {
    using SetTheme = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    auto set = reinterpret_cast<SetTheme>(reinterpret_cast<void*>(GetProcAddress(theme, "SetWindowTheme")));
    if (set != nullptr) set(window, L"", L"");
  }
}

}  // namespace

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

SkinResources::SkinResources(const Skin& skin) {
  std::string face = skin.fonts.front();
  for (const std::string& candidate : skin.fonts) {
    if (FontInstalled(candidate)) {
      face = candidate;
      break;
    }
  }
  captionFont = CreateFontA(-skin.metric(Metric::kCaptionFontHeight), 0, 0, 0,
                            skin.metric(Metric::kCaptionFontWeight), FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  background = CreateSolidBrush(ToColorRef(skin.colour(Colour::kWindowBackground)));
  // The menu bar: the system's menu font size, in the skin's face.
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    LOGFONTA menu = metrics.lfMenuFont;
    lstrcpynA(menu.lfFaceName, face.c_str(), LF_FACESIZE);
    menu.lfCharSet = DEFAULT_CHARSET;
    menu.lfQuality = CLEARTYPE_QUALITY;
    menuFont = CreateFontIndirectA(&menu);
  }
  if (menuFont == nullptr) menuFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

SkinResources::~SkinResources() {
  if (captionFont != nullptr) DeleteObject(captionFont);
  if (menuFont != nullptr) DeleteObject(menuFont);  // deleting a stock font does nothing
  if (background != nullptr) DeleteObject(background);
}

SkinLibrary& SkinLibrary::Get() {
  static SkinLibrary library;
  return library;
}

bool SkinLibrary::Attach() {
  std::vector<std::uint8_t> bytes;
  if (!ReadSkinFile(bytes)) return false;
  std::optional<Skin> parsed = format::ParseSkin(bytes.data(), bytes.size());
  if (!parsed) return false;

  // A later attach with another valid file changes the look of every skinned window.
  auto skin = std::make_unique<Skin>(std::move(*parsed));
  auto resources = std::make_unique<SkinResources>(*skin);
  resources_ = std::move(resources);
  skin_ = std::move(skin);

  if (hook_ == nullptr) {
    hook_ = SetWindowsHookExA(WH_CBT, CbtHook, module_, GetCurrentThreadId());
  }
  EnumThreadWindows(GetCurrentThreadId(), TakeOverTopLevel, 0);
  for (const auto& [window, state] : windows_) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  return true;
}

bool SkinLibrary::SetMenuBar(HWND window, const MenuBarStyle& style) {
  SkinnedWindow* state = Find(window);
  if (state == nullptr || state->kind != Kind::kFrame) return false;
  state->menuBar = style;
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  return true;
}

void SkinLibrary::Detach() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  hook_ = nullptr;
  for (const auto& [window, state] : windows_) {
    if (IsWindow(window) &&
        GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(Proc)) {
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.original));
    }
  }
  windows_.clear();
  resources_.reset();
  skin_.reset();
}

SkinnedWindow* SkinLibrary::Find(HWND window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

WNDPROC SkinLibrary::OriginalProc(HWND window) {
  SkinnedWindow* state = Find(window);
  return state == nullptr ? nullptr : state->original;
}

bool SkinLibrary::TakeOver(HWND window) {
  if (Find(window) != nullptr) return true;
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  SkinnedWindow state;
  if ((style & WS_CHILD) == 0) {
    if ((style & WS_CAPTION) != WS_CAPTION || !OwnedByProgram(window)) return false;
    state.kind = Kind::kFrame;
    state.active = GetActiveWindow() == window;
  } else {
    HWND parent = GetParent(window);
    SkinnedWindow* parentState = parent != nullptr ? Find(parent) : nullptr;
    if (parentState == nullptr || parentState->kind != Kind::kFrame || !IsClass(window, "Button")) {
      return false;
    }
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON: state.kind = Kind::kPushButton; break;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX: state.kind = Kind::kCheckBox; break;
      default: return false;  // radio buttons, group boxes and owner-drawn buttons stay as they are
    }
  }
  state.original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
  if (state.original == nullptr) return false;
  windows_[window] = state;
  if (state.kind == Kind::kFrame) {
    UseClassicFrame(window);
    EnumChildWindows(window, TakeOverChild, 0);
  }
  return true;
}

void SkinLibrary::Release(HWND window) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  if (GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(Proc)) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.original));
  }
  windows_.erase(it);
}

LRESULT CALLBACK SkinLibrary::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  SkinLibrary& lib = Get();
  if (code == HCBT_CREATEWND && lib.attached()) lib.TakeOver(reinterpret_cast<HWND>(wParam));
  return CallNextHookEx(lib.hook_, code, wParam, lParam);
}

BOOL CALLBACK SkinLibrary::TakeOverTopLevel(HWND window, LPARAM) {
  Get().TakeOver(window);
  return TRUE;
}

BOOL CALLBACK SkinLibrary::TakeOverChild(HWND window, LPARAM) {
  if (GetParent(window) != nullptr && Get().Find(GetParent(window)) != nullptr) Get().TakeOver(window);
  return TRUE;
}

LRESULT CALLBACK SkinLibrary::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SkinLibrary& lib = Get();
  SkinnedWindow* state = lib.Find(window);
  if (state == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    WNDPROC original = state->original;
    lib.Release(window);
    return CallWindowProcA(original, window, message, wParam, lParam);
  }
  if (!lib.attached()) return CallWindowProcA(state->original, window, message, wParam, lParam);
  return state->kind == Kind::kFrame ? FrameProc(lib, window, message, wParam, lParam)
                                     : ButtonProc(lib, window, message, wParam, lParam);
}

}  // namespace sorvane::skinlib

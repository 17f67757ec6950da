// The state of the skinning library inside one process: the skin read from skinh.she, the GDI
// objects made from it, and the windows it has taken over. One object holds all of it.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "skin/format/skin_file.h"

namespace sorvane::skinlib {

namespace format = skin::format;

using format::Colour;
using format::ImageId;
using format::Metric;
using format::Skin;

// How the menu bar of a window is drawn (set by SkinH_SetTitleMenuBar; see skin/FORMAT.md).
struct MenuBarStyle {
  bool skinned = true;   // false: the system draws it
  int align = 0;         // 0: texts centred in their boxes; 1: left; 2: right
  int shadePercent = 0;  // the bar's background made lighter (> 0) or darker (< 0)
  bool line = true;      // the skin's separator line under the bar
};

enum class Kind { kFrame, kPushButton, kCheckBox };

struct SkinnedWindow {
  Kind kind = Kind::kFrame;
  WNDPROC original = nullptr;
  bool hot = false;           // buttons: the mouse is over it
  bool tracking = false;      // a WM_MOUSELEAVE / WM_NCMOUSELEAVE has been asked for
  bool active = false;        // frames: drawn as the active window
  int closeState = 0;         // frames: 0 normal, 1 hot, 2 pressed
  int menuHot = -1;           // frames: the menu-bar item under the mouse
  MenuBarStyle menuBar;
};

// GDI objects made from the skin; released with it.
struct SkinResources {
  explicit SkinResources(const Skin& skin);
  ~SkinResources();
  SkinResources(const SkinResources&) = delete;
  SkinResources& operator=(const SkinResources&) = delete;

  HFONT captionFont = nullptr;
  HFONT menuFont = nullptr;
  HBRUSH background = nullptr;
};

class SkinLibrary {
 public:
  static SkinLibrary& Get();

  // Reads skinh.she from the current directory; with a valid skin, takes over the thread's windows
  // and those created later. Returns false (and changes nothing) when the file is not a valid skin.
  bool Attach();
  bool SetMenuBar(HWND window, const MenuBarStyle& style);
  // Gives every window back its own window procedure and removes the hook (library unloading).
  void Detach();

  bool attached() const { return skin_ != nullptr; }
  const Skin& skin() const { return *skin_; }
  const SkinResources& resources() const { return *resources_; }
  SkinnedWindow* Find(HWND window);
  WNDPROC OriginalProc(HWND window);

  void SetModule(HINSTANCE module) { module_ = module; }

 private:
  static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
  static BOOL CALLBACK TakeOverTopLevel(HWND window, LPARAM);
  static BOOL CALLBACK TakeOverChild(HWND window, LPARAM);
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Subclasses the window when it is one of ours to skin; returns whether it now is.
  bool TakeOver(HWND window);
  void Release(HWND window);

  HINSTANCE module_ = nullptr;
  HHOOK hook_ = nullptr;
  std::unique_ptr<Skin> skin_;
  std::unique_ptr<SkinResources> resources_;
  std::map<HWND, SkinnedWindow> windows_;
};

// Drawing and message handling for the two kinds of skinned window (frame.cpp, buttons.cpp).
LRESULT FrameProc(SkinLibrary& lib, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ButtonProc(SkinLibrary& lib, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintNonClient(SkinLibrary& lib, HWND window);
void PaintButton(SkinLibrary& lib, HWND window, HDC dc);
// A window's text: the caption of a frame, the label of a button.
std::string WindowText(HWND window);

}  // namespace sorvane::skinlib

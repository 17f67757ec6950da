// SkinH_EL.dll: the two functions that programs call, and the library's entry point.
#include <windows.h>

#include "skin/library/skin_library.h"

using sorvane::skinlib::MenuBarStyle;
using sorvane::skinlib::SkinLibrary;

extern "C" {

// Reads skinh.she from the current directory and skins the calling thread's windows: those that
// exist and those created later. Returns 1 when the skin was taken, 0 when the file is missing or
// not a valid skin (then every window keeps the system's look).
__declspec(dllexport) int WINAPI SkinH_Attach() {
  return SkinLibrary::Get().Attach() ? 1 : 0;
}

// How the menu bar of a skinned window is drawn; see skin/FORMAT.md. Returns 1 when applied, 0
// when the window is not skinned (no valid attach yet, or not one of the program's windows).
__declspec(dllexport) int WINAPI SkinH_SetTitleMenuBar(HWND window, int mode, int align,
                                                        int shadePercent, int flags) {
  SkinLibrary& library = SkinLibrary::Get();
  if (!library.attached()) return 0;
  MenuBarStyle style;
  style.skinned = mode != 0;
  style.align = align >= 0 && align <= 2 ? align : 0;
  style.shadePercent = shadePercent < -50 ? -50 : shadePercent > 50 ? 50 : shadePercent;
  style.line = (flags & 1) == 0;
  return library.SetMenuBar(window, style) ? 1 : 0;
}

}  // extern "C"

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(module);
    SkinLibrary::Get().SetModule(module);
  } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    // Unloaded while the program goes on: its windows must not call into the unloaded code.
    SkinLibrary::Get().Detach();
  }
  return TRUE;
}

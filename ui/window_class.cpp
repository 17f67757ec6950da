#include "ui/window_class.h"

#include "ui/resource.h"

namespace sorvane::ui {

bool RegisterWindowClass(HINSTANCE instance, const WindowClass& c) {
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, c.name, &existing)) return true;

  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = c.procedure;
  wc.cbWndExtra = c.extraBytes;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, c.cursor);
  wc.hbrBackground = c.background;
  if (c.programIcon) {
    wc.hIcon = LoadIconA(instance, SORVANE_ICON_NAME);
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, SORVANE_ICON_NAME, IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  }
  wc.lpszClassName = c.name;
  return RegisterClassExA(&wc) != 0;
}

}  // namespace sorvane::ui

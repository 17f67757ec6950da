// Registering this program's window classes.
#pragma once

#include <windows.h>

namespace sorvane::ui {

struct WindowClass {
  const char* name;
  WNDPROC procedure;
  LPCSTR cursor = IDC_ARROW;      // a system cursor
  HBRUSH background = nullptr;    // null: the window erases its own background
  bool programIcon = false;       // the program's icon, large and small
  int extraBytes = 0;
};

// Registers the class in instance unless it is registered already (a window opened a second
// time); false when it is not available afterwards.
bool RegisterWindowClass(HINSTANCE instance, const WindowClass& windowClass);

}  // namespace sorvane::ui

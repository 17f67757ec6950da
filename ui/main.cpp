#include <windows.h>

#include "ui/win32/run_directory.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  sorvane::win32::FixRunDirectory();
  MessageBoxA(nullptr, "Sorvane V1.0", "Sorvane V1.0", MB_OK);
  return 0;
}

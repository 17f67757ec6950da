#include "ui/fatal_stop.h"

#include <windows.h>

namespace sorvane::ui {

void FatalStop(const char* message) {
  MessageBoxA(nullptr, message, "Sorvane V1.0 - 运行错误", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace sorvane::ui

// 帮助 > 说明: the fixed instruction text replaces the edit box's content.
#pragma once

#include <windows.h>

namespace sorvane::ui {

void RunInstructionCommand(HWND edit);

}  // namespace sorvane::ui

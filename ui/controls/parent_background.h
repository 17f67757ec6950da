// Background for controls that have none of their own.
#pragma once

#include <windows.h>

namespace sorvane::ui {

// Paints into dc (in child's coordinates) what the parent paints behind child when it erases
// itself, so that the control matches its parent whether the window is skinned or plain.
void EraseWithParentBackground(HWND child, HDC dc);

}  // namespace sorvane::ui

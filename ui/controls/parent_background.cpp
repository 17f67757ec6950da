#include "ui/controls/parent_background.h"

namespace sorvane::ui {

void EraseWithParentBackground(HWND child, HDC dc) {
  HWND parent = GetParent(child);
  if (parent == nullptr) return;
  POINT origin{0, 0};
  MapWindowPoints(child, parent, &origin, 1);
  // The parent fills its own client area; moving the origin puts the child's part under dc, and
  // dc's clipping keeps the fill inside the child.
  POINT old;
  SetWindowOrgEx(dc, origin.x, origin.y, &old);
  SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SetWindowOrgEx(dc, old.x, old.y, nullptr);
}

}  // namespace sorvane::ui

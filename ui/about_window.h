// 帮助 > 关于: the modal About window; returns once it has been closed.
#pragma once

#include <windows.h>

namespace sorvane::ui {

void RunAboutCommand(HINSTANCE instance);

}  // namespace sorvane::ui

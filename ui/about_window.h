// 帮助 > 关于: the modal About window; returns once it has been closed.
#pragma once

#include <windows.h>

namespace sorvane::ui {

void RunAboutCommand(HINSTANCE instance);

// The About window's class and its controls' identifiers, for finding them from outside.
inline constexpr char kAboutWindowClass[] = "SorvaneAboutWindow";
inline constexpr int kAboutBannerId = 101;   // 图片框1
inline constexpr int kAboutCreditId = 102;   // 透明标签1
inline constexpr int kAboutContactId = 103;  // 超级链接框1
inline constexpr int kAboutBlogId = 104;     // 超级链接框2
inline constexpr int kAboutOkId = 105;       // 按钮1

}  // namespace sorvane::ui

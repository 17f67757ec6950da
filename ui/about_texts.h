// Everything the About window says and links to, in one place (code page 936).
#pragma once

namespace sorvane::ui::about {

inline constexpr char kTitle[] = "关于";

// 透明标签1: a rights notice in Chinese, the author with a welcome, a rights notice in English.
// The label starts 5 pixels left of the window's client area; the leading blanks keep the first
// letters in view.
inline constexpr char kCredit[] =
    "  版权所有(C) 2026 林晓舟 保留所有权利\r\n"
    "  作者：林晓舟，欢迎使用\r\n"
    "\r\n"
    "  Copyright (C) 2026 Lin Xiaozhou. All rights reserved.";

// 超级链接框1: the author's instant-messaging contact; opens the chat-contact page.
inline constexpr char kContactCaption[] = "QQ：80011234";
inline constexpr char kContactAddress[] =
    "http://wpa.example.com/msgrd?v=3&uin=80011234&site=qq&menu=yes";

// 超级链接框2: the author's blog with its address; opens the blog.
inline constexpr char kBlogCaption[] = "作者博客：sorvane.example.net";
inline constexpr char kBlogAddress[] = "http://sorvane.example.net/";

inline constexpr char kOkCaption[] = "确定";

}  // namespace sorvane::ui::about

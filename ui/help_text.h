// The instruction text that 帮助 > 说明 puts into the edit box: 232 bytes in code page 936, no zero
// byte, beginning with a line break and ending with "。" without one.
#pragma once

#include <string_view>

namespace sorvane::ui {

inline constexpr char kHelpTextBytes[] =
    "\r\n[功能]\r\n\r\n1.读取整个目录里的文件名。\r\n\r\n2.可以设置是否带后缀名。\r\n\r\n"
    "3.可以设置是否加上序号。\r\n\r\n4.另存为文本文件。\r\n\r\n\r\n[用途]\r\n\r\n"
    "当需要把多个文件做一个文本目录的时候。\r\n免去了一个个去敲打的麻烦”\r\n\r\n"
    "还有很多用处，就不一一举例了。";

inline constexpr std::string_view kHelpText{kHelpTextBytes, sizeof kHelpTextBytes - 1};

}  // namespace sorvane::ui

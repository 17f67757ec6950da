// Where the remembered directory lives: zhuan.ini beside the executable, section 目录,
// key 对话框目录, spelled in code page 936 bytes so that any compiler stores them alike.
#pragma once

#include <string>
#include <string_view>

namespace sorvane::settings {

inline constexpr const char* kFileName = "zhuan.ini";
inline constexpr const char* kSection = "\xC4\xBF\xC2\xBC";  // 目录
inline constexpr const char* kKey =
    "\xB6\xD4\xBB\xB0\xBF\xF2\xC4\xBF\xC2\xBC";  // 对话框目录

// The profile functions are given a 10,240-byte buffer: a value is read as at most 10,239 bytes.
inline constexpr std::size_t kValueBufferSize = 10240;

// The directory part of the executable's full path, without its trailing backslash: C:\Tools for
// C:\Tools\x.exe, C: for C:\x.exe, the empty text when the path holds no backslash.
std::string RunDirectoryFromModulePath(std::string_view modulePath);

// runDirectory + "\" + name: exactly one backslash, since the run directory never ends in one.
std::string PathInRunDirectory(std::string_view runDirectory, std::string_view name);

}  // namespace sorvane::settings

#include "ui/win32/run_directory.h"

#include <windows.h>

#include "core/settings_names.h"

namespace sorvane::win32 {

std::string ExecutableDirectory() {
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};  // a cut path would name the wrong directory
  return settings::RunDirectoryFromModulePath(std::string_view(path, n));
}

std::string FixRunDirectory() {
  std::string dir = ExecutableDirectory();
  if (!dir.empty()) {
    // "C:" alone would mean the drive's current directory, not its root.
    const std::string cwd = dir.back() == ':' ? dir + "\\" : dir;
    SetCurrentDirectoryA(cwd.c_str());
  }
  return dir;
}

}  // namespace sorvane::win32

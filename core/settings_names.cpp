#include "core/settings_names.h"

#include "core/cp936.h"

namespace sorvane::settings {

std::string RunDirectoryFromModulePath(std::string_view modulePath) {
  const std::size_t sep = cp936::LastBackslash(modulePath);
  if (sep == cp936::npos) return {};
  return std::string(modulePath.substr(0, sep));
}

std::string PathInRunDirectory(std::string_view runDirectory, std::string_view name) {
  std::string path(runDirectory);
  path += '\\';
  path += name;
  return path;
}

}  // namespace sorvane::settings

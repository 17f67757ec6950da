#include "ui/win32/settings_file.h"

#include <windows.h>

#include <vector>

#include "core/settings_names.h"

namespace sorvane::win32 {

std::string SettingsFile::Path() const {
  return settings::PathInRunDirectory(runDirectory_, settings::kFileName);
}

std::string SettingsFile::ReadRememberedDirectory() const {
  std::vector<char> buffer(settings::kValueBufferSize, '\0');
  const std::string path = Path();
  GetPrivateProfileStringA(settings::kSection, settings::kKey, nullptr, buffer.data(),
                           static_cast<DWORD>(buffer.size()), path.c_str());
  buffer.back() = '\0';
  return std::string(buffer.data());
}

bool SettingsFile::WriteRememberedDirectory(std::string_view value) const {
  const std::string path = Path();
  const std::string text(value);
  return WritePrivateProfileStringA(settings::kSection, settings::kKey, text.c_str(),
                                    path.c_str()) != FALSE;
}

}  // namespace sorvane::win32

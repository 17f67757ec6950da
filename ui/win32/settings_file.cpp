#include "ui/win32/settings_file.h"

#include <windows.h>

#include "core/profile_reader.h"
#include "core/settings_names.h"
#include "ui/win32/handles.h"

namespace sorvane::win32 {

std::string SettingsFile::Path() const {
  return settings::PathInRunDirectory(runDirectory_, settings::kFileName);
}

// Read with our own reader of the same INI format, so that whatever a damaged zhuan.ini holds
// (binary bytes, a line of megabytes) is read within bounds and cannot harm the program.
std::string SettingsFile::ReadRememberedDirectory() const {
  const std::string path = Path();
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  constexpr DWORD kMostRead = 16u << 20;  // far beyond anything this program writes
  std::string bytes;
  char chunk[64 * 1024];
  DWORD got = 0;
  while (bytes.size() < kMostRead && ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) {
    bytes.append(chunk, got);
  }
  return FindProfileValue(bytes, settings::kSection, settings::kKey, settings::kValueBufferSize - 1);
}

bool SettingsFile::WriteRememberedDirectory(std::string_view value) const {
  const std::string path = Path();
  const std::string text(value);
  return WritePrivateProfileStringA(settings::kSection, settings::kKey, text.c_str(),
                                    path.c_str()) != FALSE;
}

}  // namespace sorvane::win32

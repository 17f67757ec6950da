// The remembered directory in zhuan.ini, read and written through the private-profile functions.
#pragma once

#include <string>
#include <string_view>

namespace sorvane::win32 {

class SettingsFile {
 public:
  explicit SettingsFile(std::string runDirectory) : runDirectory_(std::move(runDirectory)) {}

  // The value of 对话框目录 in [目录]; the empty text when the file, section or key is missing.
  std::string ReadRememberedDirectory() const;

  // Writes the key (creating file and section when missing; other content is kept). An empty
  // value is still written, never deleted.
  bool WriteRememberedDirectory(std::string_view value) const;

  std::string Path() const;

 private:
  std::string runDirectory_;
};

}  // namespace sorvane::win32

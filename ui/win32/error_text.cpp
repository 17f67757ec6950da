#include "ui/win32/error_text.h"

#include <windows.h>

namespace sorvane::win32 {

std::string ErrorText(unsigned long error) {
  char* buffer = nullptr;
  const DWORD n = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text;
  if (n > 0 && buffer != nullptr) text.assign(buffer, n);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  return text + "（错误代码 " + std::to_string(error) + "）";
}

}  // namespace sorvane::win32

#include "tests/support/temp_dir.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <sstream>

#include "ui/win32/handles.h"

namespace sorvane::test {

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string EnvVar(const char* name) {
  char buffer[4096] = {};
  const DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  std::ostringstream name;
  name << base << "sorvane-test-" << GetCurrentProcessId() << "-" << counter++;
  path_ = name.str();
  RemoveTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

TempDir::~TempDir() { RemoveTree(path_); }

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA data;
  const win32::UniqueFind find(FindFirstFileA((path + "\\*").c_str(), &data));
  if (find) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(find.get(), &data));
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(path.c_str());
}

void InstallProgram(const std::string& builtExe, const std::string& runDir, bool withLibraries) {
  CopyFileA(builtExe.c_str(), (runDir + "\\Sorvane.exe").c_str(), FALSE);
  if (!withLibraries) return;
  const std::string builtDir = builtExe.substr(0, builtExe.find_last_of('\\'));
  WIN32_FIND_DATAA data;
  const win32::UniqueFind find(FindFirstFileA((builtDir + "\\*.dll").c_str(), &data));
  if (!find) return;
  do {
    CopyFileA((builtDir + "\\" + data.cFileName).c_str(), (runDir + "\\" + data.cFileName).c_str(),
              FALSE);
  } while (FindNextFileA(find.get(), &data));
}

}  // namespace sorvane::test

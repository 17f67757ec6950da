// Files and folders for the Windows-side tests: a fresh directory under the Windows temp folder
// (removed with its files at scope exit), whole-file reads and writes, and a program to run.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sorvane::test {

std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The value of an environment variable that the test runner sets, or empty.
std::string EnvVar(const char* name);

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

void RemoveTree(const std::string& path);

// Copies the built program into runDir as Sorvane.exe, with the DLLs built beside it (the
// skinning library) when withLibraries.
void InstallProgram(const std::string& builtExe, const std::string& runDir, bool withLibraries);

}  // namespace sorvane::test

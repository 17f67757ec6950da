#include "ui/win32/write_file.h"

#include <windows.h>

#include "core/cp936.h"
#include "ui/win32/handles.h"

namespace sorvane::win32 {
namespace {

constexpr DWORD kRefusedAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

WriteResult Failure(DWORD error) { return WriteResult{false, error == 0 ? ERROR_GEN_FAILURE : error}; }

// A name for the new bytes beside the target, so that the final rename stays on one volume.
std::string TemporaryPathBeside(const std::string& path, unsigned attempt) {
  const std::size_t sep = cp936::LastBackslash(path);
  const std::string folder = sep == cp936::npos ? std::string() : path.substr(0, sep + 1);
  return folder + "~sorvane-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(GetTickCount()) + "-" + std::to_string(attempt) + ".tmp";
}

// Every byte, then the data on disk, then a checked close: only then is the file complete.
DWORD WriteAllAndClose(UniqueFile file, const void* data, std::size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes, chunk, &written, nullptr)) return GetLastError();
    if (written == 0) return ERROR_DISK_FULL;
    bytes += written;
    size -= written;
  }
  if (!FlushFileBuffers(file.get())) return GetLastError();
  if (!file.reset()) return GetLastError();
  return ERROR_SUCCESS;
}

}  // namespace

WriteResult WriteWholeFile(const std::string& path, const void* data, std::size_t size) {
  if (path.empty()) return Failure(ERROR_INVALID_NAME);

  const DWORD attributes = GetFileAttributesA(path.c_str());
  const bool targetExists = attributes != INVALID_FILE_ATTRIBUTES;
  if (targetExists) {
    // What creating over the file with normal attributes would refuse is refused here too
    // (Wine running as root would not refuse a read-only file by itself).
    if (attributes & kRefusedAttributes) return Failure(ERROR_ACCESS_DENIED);
    // A file that another program holds open is left alone; this opens without truncating.
    UniqueFile probe(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe) return Failure(GetLastError());
  }

  std::string temporary;
  UniqueFile file;
  for (unsigned attempt = 0; attempt < 100 && !file; ++attempt) {
    temporary = TemporaryPathBeside(path, attempt);
    file.reset(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file && GetLastError() != ERROR_FILE_EXISTS) return Failure(GetLastError());
  }
  if (!file) return Failure(ERROR_FILE_EXISTS);

  DWORD error = WriteAllAndClose(std::move(file), data, size);
  if (error == ERROR_SUCCESS) {
    const BOOL moved =
        targetExists
            ? ReplaceFileA(path.c_str(), temporary.c_str(), nullptr,
                           REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
            : MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!moved) error = GetLastError();
  }
  if (error != ERROR_SUCCESS) {
    DeleteFileA(temporary.c_str());
    return Failure(error);
  }
  return WriteResult{true, 0};
}

}  // namespace sorvane::win32

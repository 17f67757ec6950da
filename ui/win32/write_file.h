// The one way this program writes a whole file from a block of bytes.
#pragma once

#include <cstddef>
#include <string>

namespace sorvane::win32 {

struct WriteResult {
  bool ok = false;
  unsigned long error = 0;  // the Windows error code when !ok
};

// Replaces the file at path with exactly these bytes, or leaves it as it was.
//
// The bytes go to a temporary file in the same folder first, which replaces the target only once
// every byte is written, flushed and the file closed; so a full disk never leaves a half-written
// file where the old one was, and no temporary file stays behind on failure. Targets that are
// read-only, hidden or system files, or held open by another program, are refused unchanged.
WriteResult WriteWholeFile(const std::string& path, const void* data, std::size_t size);

inline WriteResult WriteWholeFile(const std::string& path, const std::string& bytes) {
  return WriteWholeFile(path, bytes.data(), bytes.size());
}

}  // namespace sorvane::win32

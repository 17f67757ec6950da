// libFuzzer target: any bytes as a path, any index and options; the line and the directory must
// keep their promises whatever the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/cp936.h"
#include "core/list_builder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::uint8_t flags = data[0];
  const std::int32_t index = 1 + data[1] * 300;
  const std::string_view path(reinterpret_cast<const char*>(data + 2), size - 2);
  const sorvane::ListOptions options{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0};

  const std::string line = sorvane::LineForPath(path, index, options);
  const std::string dir = sorvane::DirectoryOfPath(path);

  const std::string_view end = options.doubleSpacing ? "\r\n\r\n" : "\r\n";
  if (line.size() < end.size() || line.compare(line.size() - end.size(), end.size(), end) != 0) abort();
  // The directory is a prefix of the path that ends in a backslash character, or empty.
  if (path.substr(0, dir.size()) != dir) abort();
  if (!dir.empty() && sorvane::cp936::LastBackslash(dir) != dir.size() - 1) abort();
  // Without numbering or extension removal, the line is exactly what follows the directory.
  if (options.keepExtension && !options.numbering && !dir.empty()) {
    const std::string expected = std::string(path.substr(dir.size())) + std::string(end);
    if (line != expected) abort();
  }
  return 0;
}

#include "core/list_builder.h"

#include "core/cp936.h"

namespace sorvane {
namespace {

// Position of the separator; the last byte is never looked at, so D:\dir\ names "dir\".
std::size_t SeparatorOf(std::string_view path) {
  if (path.empty()) return cp936::npos;
  return cp936::LastBackslashBefore(path, path.size() - 1);
}

// Looks at the five bytes before the last one, from the end backwards, and cuts at the first dot:
// "photo.jpeg" -> "photo", "data.backup" stays, "name." stays, "a.b." -> "a", ".env" -> "".
// A dot never occurs inside a double-byte character, so bytes are enough here.
std::string_view WithoutExtension(std::string_view entry) {
  const std::size_t m = entry.size();
  for (std::size_t k = 1; k <= 5 && k + 1 <= m; ++k) {
    if (entry[m - k - 1] == '.') return entry.substr(0, m - k - 1);
  }
  return entry;
}

}  // namespace

std::string LineForPath(std::string_view path, std::int32_t index, const ListOptions& options) {
  const std::size_t sep = SeparatorOf(path);
  std::string_view entry = sep == cp936::npos ? path : path.substr(sep + 1);
  if (!options.keepExtension) entry = WithoutExtension(entry);

  std::string line;
  if (options.numbering) {
    const std::string digits = std::to_string(index);
    if (digits.size() == 1) line += '0';
    line += digits;
    line += ' ';
  }
  line += entry;
  line += options.doubleSpacing ? "\r\n\r\n" : "\r\n";
  return line;
}

std::string DirectoryOfPath(std::string_view path) {
  const std::size_t sep = SeparatorOf(path);
  if (sep == cp936::npos) return {};
  return std::string(path.substr(0, sep + 1));
}

}  // namespace sorvane

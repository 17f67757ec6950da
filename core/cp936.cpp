#include "core/cp936.h"

namespace sorvane::cp936 {

std::size_t LastBackslashBefore(std::string_view text, std::size_t limit) {
  if (limit > text.size()) limit = text.size();
  std::size_t found = npos;
  // Walk forwards character by character: only from the start is it known which bytes are lead
  // bytes. A lead byte at the very end (a cut character) stands alone.
  for (std::size_t i = 0; i < limit;) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b == '\\') found = i;
    i += (IsLeadByte(b) && i + 1 < text.size()) ? 2 : 1;
  }
  return found;
}

bool EndsWithPathSeparator(std::string_view text) {
  std::size_t last = npos;
  for (std::size_t i = 0; i < text.size();) {
    last = i;
    const auto b = static_cast<unsigned char>(text[i]);
    i += (IsLeadByte(b) && i + 1 < text.size()) ? 2 : 1;
  }
  if (last == npos || last + 1 != text.size()) return false;  // empty, or ends in a double-byte char
  return text[last] == '\\' || text[last] == '/';
}

}  // namespace sorvane::cp936

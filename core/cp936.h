// Byte rules of code page 936 (GBK) that the program needs without asking Windows, so that the
// native and the Windows builds agree byte for byte.
#pragma once

#include <cstddef>
#include <string_view>

namespace sorvane::cp936 {

inline constexpr std::size_t npos = std::string_view::npos;

// A byte from 0x81 to 0xFE starts a double-byte character and takes the next byte with it; the
// second byte may be any value, 0x5C ('\') included.
constexpr bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Zero-based position of the last backslash in text[0, limit) that is a character of its own (not
// the second byte of a double-byte character), or npos when there is none.
std::size_t LastBackslashBefore(std::string_view text, std::size_t limit);

// Zero-based position of the last backslash character in text, or npos.
inline std::size_t LastBackslash(std::string_view text) {
  return LastBackslashBefore(text, text.size());
}

// True when the last character of text is a single-byte '\' or '/'.
bool EndsWithPathSeparator(std::string_view text);

}  // namespace sorvane::cp936

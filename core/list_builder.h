// Turns one picked file's full path into its line of the name list, and a path into the directory
// that the next open dialog starts in. Pure byte arithmetic on code page 936 texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sorvane {

struct ListOptions {
  bool keepExtension = true;   // off: drop a dot and at most 4 bytes after it from the name's end
  bool numbering = true;       // on: "01 ", "02 ", ... "99 ", "100 " in front
  bool doubleSpacing = true;   // on: an empty line after each name
};

// The line for the index-th path (index counts from 1): the name after the last directory
// separator, shaped by the options, ended by CR LF (twice with double spacing).
//
// The separator is the last backslash *character* before the path's last byte; the second byte of
// a double-byte character (乗 is 81 5C) is never taken for one. A path with no separator at all
// lists as a whole.
std::string LineForPath(std::string_view path, std::int32_t index, const ListOptions& options);

// Everything of the path up to and including its separator (C:\a.txt gives C:\); the empty text
// when the path has no separator.
std::string DirectoryOfPath(std::string_view path);

}  // namespace sorvane

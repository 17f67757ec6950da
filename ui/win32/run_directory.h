// The directory that holds the executable, fixed once at start.
#pragma once

#include <string>

namespace sorvane::win32 {

// Asks Windows for the executable's path and returns its directory without the trailing backslash
// (C: for a drive root; empty when the path cannot be had).
std::string ExecutableDirectory();

// ExecutableDirectory(), also made the process's current directory.
std::string FixRunDirectory();

}  // namespace sorvane::win32

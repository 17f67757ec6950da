// The system's own wording of a Windows error code.
#pragma once

#include <string>

namespace sorvane::win32 {

std::string ErrorText(unsigned long error);

}  // namespace sorvane::win32

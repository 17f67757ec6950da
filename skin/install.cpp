#include "skin/install.h"

namespace sorvane::skin {

// Not yet wired: the skin comes with the skinning library.
void InstallAndAttach(HWND, const std::string&) {}

void ReleaseLibrary() {}

}  // namespace sorvane::skin

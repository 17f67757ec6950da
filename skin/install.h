// Writes the carried skin beside the executable and attaches the skinning library to the main
// window; runs once, in the main window's creation event, before the window is first shown.
#pragma once

#include <windows.h>

#include <string>

namespace sorvane::skin {

void InstallAndAttach(HWND mainWindow, const std::string& runDirectory);

// Releases the library modules that the attach loaded (at the program's end).
void ReleaseLibrary();

}  // namespace sorvane::skin

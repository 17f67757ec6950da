// Sorvane: lists the names of picked files, one per line, in an editable box.
#include <windows.h>

#include <new>

#include "skin/install.h"
#include "ui/fatal_stop.h"
#include "ui/main_window.h"
#include "ui/win32/run_directory.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  try {
    sorvane::ui::MainWindow state;
    state.instance = instance;
    state.runDirectory = sorvane::win32::FixRunDirectory();
    state.rememberedDirectory.reset();

    sorvane::ui::CreateMainWindow(state);
    sorvane::ui::RunMessageLoop(state);

    // The exit routine: release the remembered directory, then the skinning library.
    state.rememberedDirectory.reset();
    sorvane::skin::ReleaseLibrary();
  } catch (const std::bad_alloc&) {
    sorvane::ui::FatalStop("内存不足，程序必须结束。");
  }
  return 0;
}

#include "skin/install.h"

#include <string>

#include "core/settings_names.h"
#include "skin/carried_skin.h"
#include "skin/library_binding.h"
#include "ui/fatal_stop.h"
#include "ui/win32/write_file.h"

namespace sorvane::skin {
namespace {

using AttachFunction = int(WINAPI*)();
using SetTitleMenuBarFunction = int(WINAPI*)(HWND, int, int, int, int);

// The program's one binding table; it loads nothing until a function is first called.
LibraryBinding& Table() {
  static LibraryBinding table;
  return table;
}

// The entry's function, or the fatal stop: every loaded module is released before the box shows.
template <typename Function>
Function ResolveOrStop(Binding which) {
  std::string problem;
  FARPROC address = Table().Resolve(which, &problem);
  if (address == nullptr) {
    Table().ReleaseAll();
    ui::FatalStop(problem.c_str());
  }
  return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace

void InstallAndAttach(HWND mainWindow, const std::string& runDirectory) {
  Table().SetRunDirectory(runDirectory);
  // An unwritable run directory is no reason to stop: the library copes without its file.
  win32::WriteWholeFile(settings::PathInRunDirectory(runDirectory, "skinh.she"), kCarriedSkin,
                        kCarriedSkinSize);

  ResolveOrStop<AttachFunction>(Binding::kAttach)();
  ResolveOrStop<SetTitleMenuBarFunction>(Binding::kSetTitleMenuBar)(mainWindow, 1, 0, -6, 0);
}

void ReleaseLibrary() { Table().ReleaseAll(); }

}  // namespace sorvane::skin

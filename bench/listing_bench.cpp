// Lists 1,000, 10,000 and 30,000 names through the open-files command's listing step into the real
// main window, and compares each with one SetWindowTextA of the same text in the same box.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/clock.h"
#include "core/list_builder.h"
#include "ui/controls/edit_box.h"
#include "ui/main_window.h"
#include "ui/open_files_command.h"
#include "ui/win32/run_directory.h"

namespace {

// Lets the box paint whatever the step left to paint, so both measures include their drawing.
void Flush(HWND window) {
  UpdateWindow(window);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace

int main() {
  sorvane::ui::MainWindow state;
  state.instance = GetModuleHandleA(nullptr);
  state.runDirectory = sorvane::win32::FixRunDirectory();
  sorvane::ui::CreateMainWindow(state);
  Flush(state.window);

  std::printf("%8s %12s %14s %14s %8s\n", "names", "listing ms", "per name us", "one set ms", "ratio");
  for (int n : {1000, 10000, 30000}) {
    std::vector<std::string> paths;
    std::string text;
    const sorvane::ListOptions options;  // the start ticks
    for (int i = 1; i <= n; ++i) {
      paths.push_back("C:\\photos\\2010\\IMG_" + std::to_string(100000 + i) + ".jpg");
      text += sorvane::LineForPath(paths.back(), i, options);
    }

    sorvane::ui::SetContent(state.编辑框1, "");
    Flush(state.window);
    const double t0 = sorvane::bench::Seconds();
    sorvane::ui::ListPaths(state, paths);
    Flush(state.window);
    const double listing = sorvane::bench::Seconds() - t0;
    const bool same = sorvane::ui::ReadContent(state.编辑框1) == text;

    sorvane::ui::SetContent(state.编辑框1, "");
    Flush(state.window);
    const double t1 = sorvane::bench::Seconds();
    SetWindowTextA(state.编辑框1, text.c_str());
    Flush(state.window);
    const double single = sorvane::bench::Seconds() - t1;

    std::printf("%8d %12.1f %14.2f %14.1f %8.2f%s\n", n, listing * 1e3, listing * 1e6 / n,
                single * 1e3, listing / single, same ? "" : "  (listing differs from the text!)");
    if (!same) return 1;
  }
  DestroyWindow(state.window);
  return 0;
}

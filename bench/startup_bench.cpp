// Start-up time: from CreateProcess until the program's main window is visible, for Sorvane.exe
// (each run in a fresh run directory, so the skin file is written anew and attached before the
// window shows) and for the system's notepad.exe, alternating in the same session.
//
//   startup_bench SORVANE_EXE [RUNS]
//
// Prints every run, the two medians and their ratio; exits 1 when a window never appeared.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/clock.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr DWORD kTimeoutMs = 30000;


bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// Is this the main window we wait for: a visible top-level window of pid with a matching title?
using TitleMatch = bool (*)(const std::string&);
bool SorvaneTitle(const std::string& t) { return t == "Sorvane V1.0"; }
bool NotepadTitle(const std::string& t) { return Contains(t, "Notepad") || Contains(t, "记事本"); }

struct Search {
  DWORD pid;
  TitleMatch match;
  HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search->pid || !IsWindowVisible(window)) return TRUE;
  // For another process's window GetWindowTextA reads the stored title without sending
  // WM_GETTEXT, so a program still busy starting cannot stall the measure.
  char title[256] = {};
  const int n = GetWindowTextA(window, title, sizeof title);
  if (n <= 0 || !search->match(std::string(title, static_cast<size_t>(n)))) return TRUE;
  search->found = window;
  return FALSE;
}

struct Run {
  double seconds = -1;  // negative: the window never appeared
};

// Starts commandLine (in workDir), waits for its main window, closes the program.
Run Measure(const std::string& exe, const std::string& commandLine, const std::string& workDir,
            TitleMatch match) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string line = commandLine;
  Run run;
  const double start = sorvane::bench::Seconds();
  if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                      workDir.empty() ? nullptr : workDir.c_str(), &startup, &process)) {
    std::fprintf(stderr, "cannot start %s (error %lu)\n", exe.c_str(), GetLastError());
    return run;
  }
  Search search{process.dwProcessId, match, nullptr};
  while (sorvane::bench::Seconds() - start < kTimeoutMs / 1000.0) {
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
      run.seconds = sorvane::bench::Seconds() - start;
      break;
    }
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;  // ended without a window
  }
  if (search.found != nullptr) PostMessageA(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_bench SORVANE_EXE [RUNS]\n");
    return 2;
  }
  const std::string built = argv[1];
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string notepad = std::string(system) + "\\notepad.exe";

  auto runSorvane = [&]() {
    const sorvane::test::TempDir dir;  // a fresh run directory each time
    sorvane::test::InstallProgram(built, dir.path(), true);
    const std::string exe = dir.File("Sorvane.exe");
    return Measure(exe, "\"" + exe + "\"", "", SorvaneTitle);
  };
  auto runNotepad = [&]() { return Measure(notepad, "\"" + notepad + "\"", "", NotepadTitle); };

  // One unmeasured start of each loads their DLLs into the system's file cache.
  runSorvane();
  runNotepad();

  std::vector<double> mine, theirs;
  std::printf("%4s %12s %12s\n", "run", "Sorvane ms", "notepad ms");
  for (int i = 1; i <= runs; ++i) {
    const Run a = runSorvane();
    const Run b = runNotepad();
    std::printf("%4d %12.1f %12.1f\n", i, a.seconds * 1000, b.seconds * 1000);
    std::fflush(stdout);
    if (a.seconds < 0 || b.seconds < 0) {
      std::fprintf(stderr, "run %d: a main window never appeared\n", i);
      return 1;
    }
    mine.push_back(a.seconds);
    theirs.push_back(b.seconds);
  }
  const double m = Median(mine), n = Median(theirs);
  std::printf("median: Sorvane %.1f ms, notepad %.1f ms, ratio %.2f (target <= 1.20)\n", m * 1000, n * 1000,
              m / n);
  return 0;
}

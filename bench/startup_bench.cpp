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

std::string Directory(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

// A new empty run directory holding Sorvane.exe and the DLLs built beside it.
std::string FreshRunDirectory(const std::string& built, int index) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string dir = std::string(temp) + "sorvane-startup-" + std::to_string(GetCurrentProcessId()) +
                          "-" + std::to_string(index);
  CreateDirectoryA(dir.c_str(), nullptr);
  CopyFileA(built.c_str(), (dir + "\\Sorvane.exe").c_str(), FALSE);
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((Directory(built) + "\\*.dll").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      CopyFileA((Directory(built) + "\\" + data.cFileName).c_str(), (dir + "\\" + data.cFileName).c_str(),
                FALSE);
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  return dir;
}

void RemoveDirectoryTree(const std::string& dir) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name != "." && name != "..") DeleteFileA((dir + "\\" + name).c_str());
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(dir.c_str());
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

  auto sorvane = [&](int index) {
    const std::string dir = FreshRunDirectory(built, index);
    const std::string exe = dir + "\\Sorvane.exe";
    const Run run = Measure(exe, "\"" + exe + "\"", "", SorvaneTitle);
    RemoveDirectoryTree(dir);
    return run;
  };
  auto note = [&]() { return Measure(notepad, "\"" + notepad + "\"", "", NotepadTitle); };

  // One unmeasured start of each loads their DLLs into the system's file cache.
  sorvane(0);
  note();

  std::vector<double> mine, theirs;
  std::printf("%4s %12s %12s\n", "run", "Sorvane ms", "notepad ms");
  for (int i = 1; i <= runs; ++i) {
    const Run a = sorvane(i);
    const Run b = note();
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

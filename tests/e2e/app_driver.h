// Drives the real Sorvane.exe from another process, as a user would: launches it in a fresh run
// directory, finds its windows by title, clicks, fills the system dialogs and reads the controls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tests/support/wait_for.h"

namespace sorvane::e2e {

constexpr DWORD kTimeoutMs = 15000;

// The visible top-level window of process pid with this exact title (and class, when given).
HWND FindProcessWindow(DWORD pid, const std::string& title, const char* className = nullptr);
HWND WaitForProcessWindow(DWORD pid, const std::string& title, const char* className = nullptr,
                          DWORD timeoutMs = kTimeoutMs);
bool WaitUntilGone(HWND window, DWORD timeoutMs = kTimeoutMs);
std::string WindowText(HWND window);
// All text of a message box (its static controls), to check what it tells the user.
std::string MessageBoxText(HWND box);

class App {
 public:
  // What goes into the run directory before the start.
  enum class Install {
    kProgramAndLibraries,  // Sorvane.exe and the DLLs built beside it
    kProgramOnly,
    kNothing,  // runDir already holds Sorvane.exe (a read-only folder, say)
  };
  // Starts runDir\Sorvane.exe, from another current directory.
  explicit App(const std::string& runDir, Install install = Install::kProgramAndLibraries);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  static std::string BuiltExecutable();

  bool Started() { return WaitForMainWindow() != nullptr; }
  HWND WaitForMainWindow(DWORD timeoutMs = kTimeoutMs);
  HWND main() const { return main_; }
  HWND Control(int id) const { return GetDlgItem(main_, id); }
  DWORD pid() const { return process_.dwProcessId; }
  HANDLE process() const { return process_.hProcess; }

  // A click as the button would report it; posted, since it may open a modal dialog.
  void Click(int id);
  void SetTicked(int id, bool ticked);
  std::string EditText() const;
  HWND FocusedWindow() const;

  // Opens the open dialog through 打开文件 and picks these names in folder (empty: the folder the
  // dialog starts in); names are given as the user types them into the file-name field. Waits up
  // to timeoutMs for the dialog to close and the listing to end.
  void PickFiles(const std::string& folder, const std::string& typedNames, DWORD timeoutMs = 60000);
  void CancelOpenDialog();
  // Opens the save dialog through 保存为文本, types path and confirms.
  HWND OpenSaveDialog();
  void ConfirmDialog(HWND dialog, const std::string& typedName);

  // Waits for the process to end; returns its exit code (or STILL_ACTIVE on timeout).
  DWORD WaitForExit(DWORD timeoutMs = kTimeoutMs);
  void Close() { PostMessageA(main_, WM_CLOSE, 0, 0); }

 private:
  PROCESS_INFORMATION process_ = {};
  HWND main_ = nullptr;
};

// A message box (or other popup) of process pid that owner opened.
HWND WaitForOwnedPopup(DWORD pid, HWND owner, DWORD timeoutMs = kTimeoutMs);
// The program's save-error box (title 保存为文本, owned by the main window): its text, after
// checking its owner and closing it; empty when none appeared.
std::string TakeSaveErrorBox(const App& app);
// Presses a dialog's button by its id.
void Press(HWND dialog, int id);

// Sets the text of a common dialog's file-name field.
bool SetFileNameField(HWND dialog, const std::string& text);

// Waits (up to timeoutMs per step) until the program has handled everything posted to it so far.
void Settle(const App& app, DWORD timeoutMs = 60000);

using test::WaitFor;

std::string Join(const std::vector<std::string>& parts);

}  // namespace sorvane::e2e

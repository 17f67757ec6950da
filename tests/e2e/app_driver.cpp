#include "tests/e2e/app_driver.h"

#include <stdexcept>

#include "ui/resource.h"

namespace sorvane::e2e {
namespace {

// The first visible top-level window of pid that the predicate accepts.
struct Search {
  DWORD pid;
  const std::function<bool(HWND)>* accept;
  HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search->pid || !IsWindowVisible(window) || !(*search->accept)(window)) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindVisibleWindow(DWORD pid, const std::function<bool(HWND)>& accept) {
  Search search{pid, &accept, nullptr};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
  char cls[64] = {};
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") == 0) {
    auto* text = reinterpret_cast<std::string*>(param);
    *text += WindowText(child);
    *text += '\n';
  }
  return TRUE;
}

}  // namespace

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  text.resize(copied);
  return text;
}

std::string MessageBoxText(HWND box) {
  std::string text;
  EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&text));
  return text;
}

HWND FindProcessWindow(DWORD pid, const std::string& title, const char* className) {
  return FindVisibleWindow(pid, [&](HWND window) {
    if (WindowText(window) != title) return false;
    if (className == nullptr) return true;
    char cls[256] = {};
    GetClassNameA(window, cls, sizeof cls);
    return lstrcmpiA(cls, className) == 0;
  });
}

HWND WaitForProcessWindow(DWORD pid, const std::string& title, const char* className,
                          DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindProcessWindow(pid, title, className)) != nullptr; }, timeoutMs);
  return found;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
  return WaitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

std::string App::BuiltExecutable() { return test::EnvVar("SORVANE_EXE"); }

App::App(const std::string& runDir, Install install) {
  const std::string built = BuiltExecutable();
  if (built.empty()) throw std::runtime_error("SORVANE_EXE is not set");
  const std::string exe = runDir + "\\Sorvane.exe";
  if (install != Install::kNothing) {
    test::InstallProgram(built, runDir, install == Install::kProgramAndLibraries);
  }
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + exe + "\"";
  // Started from elsewhere on purpose: the program must find its files beside itself.
  if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    throw std::runtime_error("cannot start " + exe);
  }
}

App::~App() {
  if (process_.hProcess != nullptr) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 99);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

HWND App::WaitForMainWindow(DWORD timeoutMs) {
  if (main_ == nullptr) main_ = WaitForProcessWindow(pid(), "Sorvane V1.0", nullptr, timeoutMs);
  return main_;
}

void App::Click(int id) {
  PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(id)));
}

void App::SetTicked(int id, bool ticked) {
  SendMessageA(Control(id), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string App::EditText() const { return WindowText(Control(IDC_LIST_EDIT)); }

HWND App::FocusedWindow() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info);
  return info.hwndFocus;
}

bool SetFileNameField(HWND dialog, const std::string& text) {
  for (int id : {0x47C, 0x480}) {
    HWND field = GetDlgItem(dialog, id);
    if (field != nullptr && IsWindowVisible(field)) {
      SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
      return true;
    }
  }
  return false;
}

void App::ConfirmDialog(HWND dialog, const std::string& typedName) {
  SetFileNameField(dialog, typedName);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

void App::PickFiles(const std::string& folder, const std::string& typedNames, DWORD timeoutMs) {
  Click(IDC_SELECT_FILES);
  HWND dialog = WaitForProcessWindow(pid(), "请选择要读取的文件", "#32770");
  if (dialog == nullptr) throw std::runtime_error("no open dialog");
  if (!folder.empty()) {
    // Typing a folder and OK moves the dialog into it, as it does for a user.
    ConfirmDialog(dialog, folder);
    Sleep(400);
  }
  ConfirmDialog(dialog, typedNames);
  if (!WaitUntilGone(dialog, timeoutMs)) throw std::runtime_error("open dialog stayed open");
  Settle(*this, timeoutMs);
}

void App::CancelOpenDialog() {
  Click(IDC_SELECT_FILES);
  HWND dialog = WaitForProcessWindow(pid(), "请选择要读取的文件", "#32770");
  if (dialog == nullptr) throw std::runtime_error("no open dialog");
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
  WaitUntilGone(dialog);
  Settle(*this);
}

HWND App::OpenSaveDialog() {
  Click(IDC_SAVE_TEXT);
  return WaitForProcessWindow(pid(), "保存为", "#32770");
}

DWORD App::WaitForExit(DWORD timeoutMs) {
  WaitForSingleObject(process_.hProcess, timeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

HWND WaitForOwnedPopup(DWORD pid, HWND owner, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor([&] {
    found = FindVisibleWindow(pid, [&](HWND window) { return GetWindow(window, GW_OWNER) == owner; });
    return found != nullptr;
  }, timeoutMs);
  return found;
}

void Press(HWND box, int id) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

std::string TakeSaveErrorBox(const App& app) {
  HWND box = WaitForProcessWindow(app.pid(), "保存为文本", "#32770");
  if (box == nullptr) return {};
  if (GetWindow(box, GW_OWNER) != app.main()) return "(not owned by the main window)";
  const std::string text = MessageBoxText(box);
  Press(box, IDOK);
  WaitUntilGone(box);
  return text;
}

void Settle(const App& app, DWORD timeoutMs) {
  // Sent messages overtake posted ones, so a WM_NULL round trip alone proves nothing: wait until
  // the program's thread has emptied its queue and waits for input again.
  for (int round = 0; round < 2; ++round) {
    Sleep(30);
    WaitForInputIdle(app.process(), timeoutMs);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(app.main(), WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored);
  }
}

std::string Join(const std::vector<std::string>& parts) {
  std::string typed;
  for (const auto& p : parts) typed += "\"" + p + "\" ";
  return typed;
}

}  // namespace sorvane::e2e

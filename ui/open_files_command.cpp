#include "ui/open_files_command.h"

#include <windows.h>
#include <commdlg.h>
#include <cderr.h>

#include <vector>

#include "core/list_builder.h"
#include "core/open_dialog_result.h"
#include "ui/controls/edit_box.h"
#include "ui/main_window.h"
#include "ui/win32/settings_file.h"

namespace sorvane::ui {
namespace {

constexpr char kTitle[] = "请选择要读取的文件";
constexpr DWORD kRequestedFlags =
    OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;  // 0x1A04

// Room for tens of thousands of names: a whole folder of photos is this program's main use, and
// the dialog cannot grow its buffer once the user has picked.
constexpr DWORD kNameBufferSize = 8u << 20;

enum class PickOutcome { kPicked, kNothing, kTooMany };

struct Pick {
  PickOutcome outcome = PickOutcome::kNothing;
  std::vector<std::string> paths;
};

Pick ShowOpenDialog(HWND owner, const std::string& initialDirectory) {
  Pick pick;
  std::vector<char> buffer;
  try {
    // Two zero bytes beyond what the dialog may fill, so reading always finds an end.
    buffer.assign(kNameBufferSize + 2, '\0');
  } catch (const std::bad_alloc&) {
    return pick;
  }

  OPENFILENAMEA request = {};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFile = buffer.data();
  request.nMaxFile = kNameBufferSize;
  // A value longer than any path (a damaged zhuan.ini) names no directory; Wine's dialog even
  // overruns its stack on one, so it is not handed over.
  const bool usable = !initialDirectory.empty() && initialDirectory.size() < MAX_PATH;
  request.lpstrInitialDir = usable ? initialDirectory.c_str() : nullptr;
  request.lpstrTitle = kTitle;
  request.Flags = kRequestedFlags | OFN_EXPLORER | OFN_ENABLESIZING;

  BOOL confirmed = GetOpenFileNameA(&request);
  DWORD failure = confirmed ? 0 : CommDlgExtendedError();
  if (!confirmed && failure != 0 && failure != FNERR_BUFFERTOOSMALL &&
      request.lpstrInitialDir != nullptr) {
    // A remembered directory the dialog cannot start in (a damaged zhuan.ini) must not make the
    // button do nothing: the dialog then starts wherever Windows chooses.
    request.lpstrInitialDir = nullptr;
    confirmed = GetOpenFileNameA(&request);
    failure = confirmed ? 0 : CommDlgExtendedError();
  }
  if (!confirmed) {
    if (failure == FNERR_BUFFERTOOSMALL) pick.outcome = PickOutcome::kTooMany;
    return pick;  // cancel and other failures: a choice of nothing
  }
  PickedPaths picked = SplitOpenDialogResult(std::string_view(buffer.data(), kNameBufferSize));
  if (!picked.complete) {
    pick.outcome = PickOutcome::kTooMany;
  } else if (!picked.paths.empty()) {
    pick.outcome = PickOutcome::kPicked;
    pick.paths = std::move(picked.paths);
  }
  return pick;
}

}  // namespace

// Appends every line with the window's redrawing suspended: each visible append would repaint the
// box and its scroll bar. The end state is the same; the window is drawn once, with the caret at
// the end and in view.
void ListPaths(const MainWindow& window, const std::vector<std::string>& paths) {
  HWND edit = window.编辑框1;
  SetContent(edit, "");
  SendMessageA(window.window, WM_SETREDRAW, FALSE, 0);
  const auto count = static_cast<std::int32_t>(paths.size());
  for (std::int32_t i = 1; i <= count; ++i) {
    const std::string& path = paths[static_cast<std::size_t>(i - 1)];
    ListOptions options;
    options.keepExtension = IsTicked(window.选择框_后缀);
    options.numbering = IsTicked(window.选择框_序号);
    options.doubleSpacing = IsTicked(window.选择框_间距);
    AppendText(edit, LineForPath(path, i, options));
  }
  SendMessageA(window.window, WM_SETREDRAW, TRUE, 0);
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  RedrawWindow(window.window, nullptr, nullptr,
               RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void RunOpenFilesCommand(MainWindow& window) {
  const win32::SettingsFile settings(window.runDirectory);
  const Pick pick = ShowOpenDialog(window.window, settings.ReadRememberedDirectory());

  if (pick.outcome == PickOutcome::kTooMany) {
    MessageBoxA(window.window,
                "选择的文件太多，文件名无法全部取回，因此没有列出任何文件。\r\n"
                "请分几次选择。编辑框中的内容未作改动。",
                "打开文件", MB_OK | MB_ICONWARNING);
    return;
  }
  if (pick.outcome != PickOutcome::kPicked) return;

  ListPaths(window, pick.paths);
  window.rememberedDirectory = DirectoryOfPath(pick.paths.back());
  settings.WriteRememberedDirectory(*window.rememberedDirectory);
}

}  // namespace sorvane::ui

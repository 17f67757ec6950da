#include "ui/save_dialog.h"

#include <commdlg.h>

#include "core/dialog_filter.h"

namespace sorvane::ui {
namespace {

constexpr char kTitle[] = "保存为";
constexpr char kFilter[] = ".TXT";
constexpr char kDefaultExtension[] = "txt";
constexpr DWORD kNameBufferSize = 260;

}  // namespace

bool SaveDialog::Show(HWND owner) {
  const std::string filterList = BuildFilterList(kFilter);
  char name[kNameBufferSize + 2] = {};
  fileName_.copy(name, kNameBufferSize - 1);

  OPENFILENAMEA request = {};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = filterList.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = name;
  request.nMaxFile = kNameBufferSize;
  request.lpstrTitle = kTitle;
  request.lpstrDefExt = kDefaultExtension;
  request.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                  OFN_EXPLORER | OFN_ENABLESIZING;
  if (!GetSaveFileNameA(&request)) return false;
  fileName_ = name;
  return true;
}

}  // namespace sorvane::ui

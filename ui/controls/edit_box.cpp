#include "ui/controls/edit_box.h"

#include <vector>

namespace sorvane::ui {

void SetContent(HWND edit, std::string_view text) {
  const std::string copy(text);
  SetWindowTextA(edit, copy.c_str());
}

std::string ReadContent(HWND edit) {
  // WM_GETTEXTLENGTH may overstate, never understate; the copy says how much it really wrote.
  const LRESULT length = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      SendMessageA(edit, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  if (copied <= 0) return {};
  return std::string(buffer.data(), static_cast<std::size_t>(copied));
}

void AppendText(HWND edit, std::string_view text) {
  // A position beyond the end counts as the end, on Windows (which counts bytes here) and on Wine
  // (which counts characters) alike. Asking for the length instead would convert the whole text
  // on every append and make a long listing quadratic.
  constexpr LPARAM kBeyondTheEnd = 0x7FFFFFFF;
  SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(kBeyondTheEnd), kBeyondTheEnd);
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  const std::string copy(text);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(copy.c_str()));
}

bool IsTicked(HWND checkBox) {
  return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace sorvane::ui

// The operations the commands use on the list's edit box and on the check boxes.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace sorvane::ui {

// Replaces the whole text of the edit box.
void SetContent(HWND edit, std::string_view text);

// The edit box's whole current text, in its bytes (code page 936).
std::string ReadContent(HWND edit);

// Adds text at the very end, whatever the selection, without an undo record; the caret ends after
// it, in view.
void AppendText(HWND edit, std::string_view text);

// Asked of the check box itself each time.
bool IsTicked(HWND checkBox);

}  // namespace sorvane::ui

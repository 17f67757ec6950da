// 通用对话框1: the Save As dialog with this program's fixed settings; it remembers the last
// confirmed file name for the rest of the run.
#pragma once

#include <windows.h>

#include <string>

namespace sorvane::ui {

class SaveDialog {
 public:
  // Shows the dialog over owner; true when the user confirmed a name, which FileName() then holds.
  bool Show(HWND owner);
  const std::string& FileName() const { return fileName_; }

 private:
  std::string fileName_;
};


}  // namespace sorvane::ui

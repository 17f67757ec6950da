// The main window: its controls, menu bar, keyboard handling and the commands bound to them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "ui/save_dialog.h"

namespace sorvane::ui {

struct MainWindow {
  HINSTANCE instance = nullptr;
  std::string runDirectory;

  HWND window = nullptr;
  HWND 选择文件 = nullptr;
  HWND 编辑框1 = nullptr;
  HWND 按钮1 = nullptr;
  SaveDialog 通用对话框1;
  HWND 选择框_后缀 = nullptr;
  HWND 选择框_间距 = nullptr;
  HWND 选择框_序号 = nullptr;

  // The directory of the last listed file, as last written to zhuan.ini; released at exit.
  std::optional<std::string> rememberedDirectory;

  HWND lastFocus = nullptr;  // the control to give the focus back to on reactivation
};

// Creates the main window and its controls, runs the creation event (the skin), then shows the
// window. Makes a fatal stop when the window cannot be created.
void CreateMainWindow(MainWindow& state);

// The message loop with the main window's keyboard rules; returns when the program is to end.
void RunMessageLoop(const MainWindow& state);

}  // namespace sorvane::ui

#include "ui/save_text_command.h"

#include "ui/controls/edit_box.h"
#include "ui/main_window.h"
#include "ui/win32/error_text.h"
#include "ui/win32/write_file.h"

namespace sorvane::ui {

void RunSaveTextCommand(MainWindow& window) {
  if (!window.通用对话框1.Show(window.window)) return;

  const std::string text = ReadContent(window.编辑框1);
  const std::string& path = window.通用对话框1.FileName();
  const win32::WriteResult result = win32::WriteWholeFile(path, text);
  if (result.ok) return;

  // A save that fails quietly looks like one that worked, and the list is lost at exit.
  const std::string message = "无法保存文件：\r\n" + path + "\r\n\r\n" +
                              win32::ErrorText(result.error) + "\r\n列表仍在编辑框中，未作改动。";
  MessageBoxA(window.window, message.c_str(), "保存为文本", MB_OK | MB_ICONERROR);
}

}  // namespace sorvane::ui

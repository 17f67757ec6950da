// 保存为文本: writes the edit box's bytes to a file chosen in the Save As dialog.
#pragma once

namespace sorvane::ui {

struct MainWindow;

void RunSaveTextCommand(MainWindow& window);

}  // namespace sorvane::ui

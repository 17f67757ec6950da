// 打开文件: lists the names of the files picked in the multi-select open dialog.
#pragma once

namespace sorvane::ui {

struct MainWindow;

void RunOpenFilesCommand(MainWindow& window);

}  // namespace sorvane::ui

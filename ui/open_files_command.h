// 打开文件: lists the names of the files picked in the multi-select open dialog.
#pragma once

#include <string>
#include <vector>

namespace sorvane::ui {

struct MainWindow;

void RunOpenFilesCommand(MainWindow& window);

// The listing step: clears the edit box and appends one line per path, each shaped by the check
// boxes as they stand when the path is taken.
void ListPaths(const MainWindow& window, const std::vector<std::string>& paths);

}  // namespace sorvane::ui

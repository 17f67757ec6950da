// Control, menu and resource identifiers of the main window. Shared with the end-to-end tests,
// which find the controls by these numbers.
#pragma once

#define IDC_SELECT_FILES 1001    // 选择文件, "打开文件"
#define IDC_LIST_EDIT 1002       // 编辑框1
#define IDC_SAVE_TEXT 1003       // 按钮1, "保存为文本"
#define IDC_KEEP_EXTENSION 1004  // 选择框_后缀, "带后缀名"
#define IDC_DOUBLE_SPACING 1005  // 选择框_间距, "双倍行间距"
#define IDC_NUMBERING 1006       // 选择框_序号, "加上序号"

#define IDM_HELP_INSTRUCTIONS 2001  // 帮助 > 说明
#define IDM_HELP_ABOUT 2002         // 帮助 > 关于

#define SORVANE_ICON_NAME "DEFAULT_ICON"

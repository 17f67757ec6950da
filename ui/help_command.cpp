#include "ui/help_command.h"

namespace sorvane::ui {

void RunInstructionCommand(HWND) {}

}  // namespace sorvane::ui

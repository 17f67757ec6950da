#include "ui/help_command.h"

#include "ui/controls/edit_box.h"
#include "ui/help_text.h"

namespace sorvane::ui {

void RunInstructionCommand(HWND edit) {
  // The text runs up to its first zero byte (it has none): the whole previous content goes.
  SetContent(edit, kHelpText.substr(0, kHelpText.find('\0')));
}

}  // namespace sorvane::ui

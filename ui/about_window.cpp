#include "ui/about_window.h"

namespace sorvane::ui {

void RunAboutCommand(HINSTANCE) {}

}  // namespace sorvane::ui

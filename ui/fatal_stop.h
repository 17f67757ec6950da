// The one orderly end on a fatal error.
#pragma once

namespace sorvane::ui {

// Shows an error box with no owner window; when the user closes it, the process ends at once with
// exit code -1. The program's exit routine does not run.
[[noreturn]] void FatalStop(const char* message);

}  // namespace sorvane::ui

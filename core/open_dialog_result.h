// Reads what the multi-select open dialog wrote into its file-name buffer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

struct PickedPaths {
  std::vector<std::string> paths;  // full paths, in the order the dialog gave them
  bool complete = true;            // false when the names ran up to the buffer's end (cut off)
};

// buffer holds `capacity` bytes that the dialog may fill: one full path, or a folder followed by
// names, each zero-terminated, then an empty string. Only those bytes are read. A folder that
// already ends in a separator (C:\) gets no second backslash.
PickedPaths SplitOpenDialogResult(std::string_view buffer);

}  // namespace sorvane

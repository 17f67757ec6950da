#include "core/open_dialog_result.h"

#include "core/cp936.h"

namespace sorvane {

PickedPaths SplitOpenDialogResult(std::string_view buffer) {
  PickedPaths result;
  std::vector<std::string_view> strings;
  std::size_t pos = 0;
  bool ended = false;
  while (pos < buffer.size()) {
    const std::size_t zero = buffer.find('\0', pos);
    if (zero == std::string_view::npos) break;  // a string cut by the buffer's end
    if (zero == pos) {
      ended = true;  // the empty string closes the list
      break;
    }
    strings.push_back(buffer.substr(pos, zero - pos));
    pos = zero + 1;
  }
  // Without its closing empty string inside the buffer, the list may have lost names.
  result.complete = ended;
  if (!ended || strings.empty()) return result;

  if (strings.size() == 1) {
    result.paths.emplace_back(strings[0]);
    return result;
  }
  const std::string_view folder = strings[0];
  const bool hasSeparator = cp936::EndsWithPathSeparator(folder);
  for (std::size_t i = 1; i < strings.size(); ++i) {
    std::string path(folder);
    if (!hasSeparator) path += '\\';
    path += strings[i];
    result.paths.push_back(std::move(path));
  }
  return result;
}

}  // namespace sorvane

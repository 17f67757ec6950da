#include "core/dialog_filter.h"

namespace sorvane {

std::string BuildFilterList(std::string_view filter) {
  std::string text(filter);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                           text.back() == '\n')) {
    text.pop_back();
  }
  if (text.size() < 2 || text.compare(text.size() - 2, 2, "||") != 0) text += "||";
  for (char& c : text) {
    if (c == '|') c = '\0';
  }
  text += '\0';
  return text;
}

}  // namespace sorvane

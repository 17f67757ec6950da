#include "core/profile_reader.h"

namespace sorvane {
namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

std::string FindProfileValue(std::string_view fileBytes, std::string_view section,
                             std::string_view key, std::size_t maxLength) {
  bool inSection = false;
  bool sectionSeen = false;
  std::size_t pos = 0;
  while (pos < fileBytes.size()) {
    std::size_t end = fileBytes.find('\n', pos);
    if (end == std::string_view::npos) end = fileBytes.size();
    const std::string_view line = Trim(fileBytes.substr(pos, end - pos));
    pos = end + 1;

    if (!line.empty() && line.front() == '[') {
      if (sectionSeen && inSection) break;  // only the first section of that name counts
      const std::size_t close = line.find(']');
      const std::string_view name = Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
      inSection = SameName(name, section);
      sectionSeen = sectionSeen || inSection;
      continue;
    }
    if (!inSection) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || !SameName(Trim(line.substr(0, eq)), key)) continue;
    std::string_view value = Trim(line.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, maxLength));
  }
  return {};
}

}  // namespace sorvane

// File-type lists for the common dialogs, written as "label|pattern|label|pattern||".
#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Trailing blanks are dropped and a missing closing "||" is added; every "|" then separates two
// fields. The result is the dialog's zero-separated list: ".TXT" gives ".TXT\0\0\0", one entry
// labelled .TXT with an empty pattern.
std::string BuildFilterList(std::string_view filter);

}  // namespace sorvane

// Finds one value in the bytes of an INI-style settings file, the way the Windows profile functions
// read it: the first [section] of that name, the first key=value line of that key in it, names
// compared without regard to ASCII case, blanks around names and values dropped, one pair of
// surrounding quotes removed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sorvane {

// The value, or the empty text when the section or key is missing; cut to maxLength bytes.
std::string FindProfileValue(std::string_view fileBytes, std::string_view section,
                             std::string_view key, std::size_t maxLength);

}  // namespace sorvane

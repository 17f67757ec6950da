#include "core/dialog_filter.h"

#include <gtest/gtest.h>

namespace sorvane {
namespace {

TEST(BuildFilterList, FieldsBecomeZeroSeparatedWithAnEmptyStringAtTheEnd) {
  using namespace std::string_literals;
  struct Case {
    std::string filter;
    std::string list;
  };
  const Case cases[] = {
      {".TXT", ".TXT\0\0\0"s},  // one entry, empty pattern
      {".TXT  \r\n", ".TXT\0\0\0"s},
      {"Text|*.txt||", "Text\0*.txt\0\0\0"s},
      {"Text|*.txt|All|*.*", "Text\0*.txt\0All\0*.*\0\0\0"s},
      {"", "\0\0\0"s},
  };
  for (const auto& c : cases) EXPECT_EQ(BuildFilterList(c.filter), c.list) << c.filter;
}

}  // namespace
}  // namespace sorvane

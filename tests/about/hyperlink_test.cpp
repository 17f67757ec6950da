#include "ui/hyperlink_box.h"

#include <gtest/gtest.h>

namespace {

using sorvane::ui::FallbackCommandLine;
using sorvane::ui::HyperlinkSettings;
using sorvane::ui::LinkKind;
using sorvane::ui::LinkTarget;

TEST(HyperlinkTarget, WebOrMailtoAndEmptyMeansNothing) {
  struct Case {
    HyperlinkSettings settings;
    const char* expected;
  } cases[] = {
      {{"", LinkKind::kWeb, "http://a.example/?x=1&y=2", "me@a.example"}, "http://a.example/?x=1&y=2"},
      {{"", LinkKind::kEmail, "http://a.example/", "me@a.example"}, "mailto:me@a.example"},
      {{"cap", LinkKind::kWeb, "", "me@a.example"}, ""},
      {{"cap", LinkKind::kEmail, "http://a.example/", ""}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(LinkTarget(c.settings), c.expected);
}

TEST(HyperlinkFallback, CutBeforePlaceholderThenBlankAndTarget) {
  struct Case {
    const char* registered;
    const char* expected;
  } cases[] = {
      {"C:\\b.exe %1", "C:\\b.exe  http://t/"},
      {"\"C:\\Program Files\\b.exe\" -url \"%1\"", "\"C:\\Program Files\\b.exe\" -url \" http://t/"},
      {"C:\\b.exe %1 -new", "C:\\b.exe  http://t/"},  // everything from the placeholder on goes
      {"C:\\b.exe", "C:\\b.exe http://t/"},            // no placeholder: the whole line
      {"C:\\b.exe %2 %1", "C:\\b.exe %2  http://t/"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FallbackCommandLine(c.registered, "http://t/"), c.expected) << c.registered;
  }
}

}  // namespace

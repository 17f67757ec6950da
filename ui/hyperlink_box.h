// A hyperlink box: a caption drawn in link colours that opens a web address (or an e-mail address)
// when the left mouse button is pressed on it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace sorvane::ui {

inline constexpr COLORREF kLinkNormalColor = RGB(0, 0, 255);
inline constexpr COLORREF kLinkVisitedColor = RGB(128, 0, 0);
inline constexpr COLORREF kLinkHoverColor = RGB(51, 94, 168);

enum class LinkKind { kWeb, kEmail };

struct HyperlinkSettings {
  std::string_view caption;      // drawn centred in one line; "&" is shown as it is
  LinkKind kind = LinkKind::kWeb;
  std::string_view webAddress;
  std::string_view emailAddress;
};

// Creates the box as a visible child of parent; it never takes the keyboard focus. The settings'
// texts are copied.
HWND CreateHyperlinkBox(HWND parent, HINSTANCE instance, int id, int x, int y, int width,
                        int height, const HyperlinkSettings& settings);

// The address a click opens: the web address, or "mailto:" and the e-mail address; empty when
// that address is empty.
std::string LinkTarget(const HyperlinkSettings& settings);

// The fallback command line from the registered open command of ".htm" files: cut before its
// "%1" placeholder (kept whole when it has none), then a blank and the target.
std::string FallbackCommandLine(std::string_view registeredCommand, std::string_view target);

// Opens target with the shell, falling back once on the ".htm" opener; true when the last call
// made succeeded. An empty target opens nothing and fails.
bool OpenLinkTarget(const std::string& target);

// The box's flags, for whoever needs to look (tests among them).
bool IsLinkVisited(HWND box);
bool IsLinkHovering(HWND box);

}  // namespace sorvane::ui

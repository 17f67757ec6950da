// Shared by the About window's tests in the test process and on the real program: real mouse
// input, counting link colours on screen, and link openers registered in the Wine prefix.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace sorvane::about_test {

// Real input, as the mouse gives it: the window under the pointer, or the one that has captured
// the mouse, gets the messages.
void MouseTo(POINT at);
void LeftButton(bool down);
void ClickAt(POINT at);
POINT CentreOf(HWND window);
POINT Away();  // a corner of the screen, away from every window of the tests

// How many pixels of the window's client area, as on screen, have exactly each colour.
std::vector<int> CountColours(HWND window, const std::vector<COLORREF>& colours);

enum LinkColour { kNormal, kVisited, kHover };
// Waits until the link's text shows in `expected` and in neither of the other two link colours;
// `counts` gets the last pixel counts (normal, visited, hover).
bool ShowsColour(HWND link, LinkColour expected, std::vector<int>* counts);
std::string Describe(const std::vector<int>& counts);

// Visible dialog-class windows (a message box is one) of a process.
int DialogsShown(DWORD process);

std::string ReadWholeFile(const std::string& path);

// The default value of one registry key, put back as it was when this object goes. When `top`
// (the key itself or one above it) did not exist, the whole of it goes again.
class SavedDefault {
 public:
  SavedDefault(HKEY root, std::string path, std::string top = {});
  ~SavedDefault();
  SavedDefault(const SavedDefault&) = delete;
  SavedDefault& operator=(const SavedDefault&) = delete;
  bool Set(const std::string& value, DWORD type = REG_SZ) const;
  void Remove() const;

 private:
  HKEY root_;
  std::string path_;
  std::string top_;
  bool topExisted_ = false;
  bool had_ = false;
  DWORD type_ = REG_SZ;
  std::string value_;
};

// Takes every opener of web addresses and of ".htm" files away while it lives (and gives them
// back after); the recorder program (link_recorder.exe in recorderDir) can be registered as one.
// It appends each command line it is started with to RecordFile().
class LinkOpeners {
 public:
  explicit LinkOpeners(const std::string& recorderDir);
  ~LinkOpeners();
  LinkOpeners(const LinkOpeners&) = delete;
  LinkOpeners& operator=(const LinkOpeners&) = delete;

  // The recorder as the opener of web addresses, the way a browser registers itself. (Wine's
  // HKEY_CLASSES_ROOT shows the machine's classes only, so that is where it goes.)
  bool RegisterForWeb();
  // The recorder as the opener of ".htm" files only.
  bool RegisterForHtm();
  // What the recorder has written, once it has written something or the time is up.
  std::string Recorded(int waitMilliseconds) const;

 private:
  SavedDefault machineHttp_{HKEY_LOCAL_MACHINE, "Software\\Classes\\http\\shell\\open\\command",
                            "Software\\Classes\\http"};
  SavedDefault machineHttps_{HKEY_LOCAL_MACHINE, "Software\\Classes\\https\\shell\\open\\command",
                             "Software\\Classes\\https"};
  SavedDefault machineHtm_{HKEY_LOCAL_MACHINE, "Software\\Classes\\.htm"};
  SavedDefault userHttp_{HKEY_CURRENT_USER, "Software\\Classes\\http\\shell\\open\\command",
                         "Software\\Classes\\http"};
  SavedDefault userHtm_{HKEY_CURRENT_USER, "Software\\Classes\\.htm"};
  SavedDefault htmCommand_{HKEY_LOCAL_MACHINE,
                           "Software\\Classes\\SorvaneTest.htm\\shell\\open\\command",
                           "Software\\Classes\\SorvaneTest.htm"};
  std::string record_;
  std::string recorder_;
};

}  // namespace sorvane::about_test

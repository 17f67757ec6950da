#include "tests/about/link_support.h"

#include <fstream>
#include <sstream>

#include "tests/support/wait_for.h"
#include "ui/hyperlink_box.h"

namespace sorvane::about_test {

void MouseTo(POINT at) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
  Sleep(50);
}

void LeftButton(bool down) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
  Sleep(50);
}

void ClickAt(POINT at) {
  MouseTo(at);
  LeftButton(true);
  LeftButton(false);
}

POINT CentreOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT Away() { return {GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5}; }

std::vector<int> CountColours(HWND window, const std::vector<COLORREF>& colours) {
  std::vector<int> counts(colours.size(), 0);
  RECT client;
  GetClientRect(window, &client);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  // Read from the screen: a window of another process cannot be read through its own DC.
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  const int width = client.right - client.left, height = client.bottom - client.top;
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, width, height, screen, client.left, client.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF pixel = GetPixel(dc, x, y);
      for (std::size_t i = 0; i < colours.size(); ++i) {
        if (pixel == colours[i]) ++counts[i];
      }
    }
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return counts;
}

bool ShowsColour(HWND link, LinkColour expected, std::vector<int>* counts) {
  const std::vector<COLORREF> colours = {ui::kLinkNormalColor, ui::kLinkVisitedColor,
                                         ui::kLinkHoverColor};
  return test::WaitFor([&] {
    *counts = CountColours(link, colours);
    for (int c = 0; c < 3; ++c) {
      if ((c == expected) != ((*counts)[c] > 5)) return false;
    }
    return true;
  }, 3000);
}

std::string Describe(const std::vector<int>& counts) {
  std::ostringstream out;
  out << "normal " << counts[0] << ", visited " << counts[1] << ", hover " << counts[2];
  return out.str();
}

namespace {

struct DialogCount {
  DWORD process;
  int count;
};

BOOL CALLBACK CountDialog(HWND window, LPARAM param) {
  auto& request = *reinterpret_cast<DialogCount*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char cls[64] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (process == request.process && IsWindowVisible(window) && std::string(cls) == "#32770") {
    ++request.count;
  }
  return TRUE;
}

}  // namespace

int DialogsShown(DWORD process) {
  DialogCount request{process, 0};
  EnumWindows(CountDialog, reinterpret_cast<LPARAM>(&request));
  return request.count;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

SavedDefault::SavedDefault(HKEY root, std::string path, std::string top)
    : root_(root), path_(std::move(path)), top_(top.empty() ? path_ : std::move(top)) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root_, top_.c_str(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
    topExisted_ = true;
    RegCloseKey(key);
  }
  if (RegOpenKeyExA(root_, path_.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return;
  char buffer[1024] = {};
  DWORD size = sizeof buffer - 1;
  DWORD type = 0;
  if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) ==
      ERROR_SUCCESS) {
    had_ = true;
    type_ = type;
    value_ = buffer;
  }
  RegCloseKey(key);
}

SavedDefault::~SavedDefault() {
  if (!topExisted_) {
    RegDeleteTreeA(root_, top_.c_str());
    RegDeleteKeyA(root_, top_.c_str());
  } else if (had_) {
    Set(value_, type_);
  } else {
    Remove();
  }
}

bool SavedDefault::Set(const std::string& value, DWORD type) const {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root_, path_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const bool ok = RegSetValueExA(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  RegCloseKey(key);
  return ok;
}

void SavedDefault::Remove() const {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root_, path_.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, nullptr);
  RegCloseKey(key);
}

LinkOpeners::LinkOpeners(const std::string& recorderDir) {
  for (const SavedDefault* saved : {&machineHttp_, &machineHttps_, &machineHtm_, &userHttp_,
                                    &userHtm_}) {
    saved->Remove();
  }
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  record_ = std::string(temp) + "sorvane-link-record-" + std::to_string(GetCurrentProcessId()) +
            ".txt";
  DeleteFileA(record_.c_str());
  recorder_ = "\"" + recorderDir + "\\link_recorder.exe\" \"" + record_ + "\"";
}

LinkOpeners::~LinkOpeners() { DeleteFileA(record_.c_str()); }

bool LinkOpeners::RegisterForWeb() { return machineHttp_.Set(recorder_ + " \"%1\""); }

bool LinkOpeners::RegisterForHtm() {
  return machineHtm_.Set("SorvaneTest.htm") && htmCommand_.Set(recorder_ + " %1");
}

std::string LinkOpeners::Recorded(int waitMilliseconds) const {
  test::WaitFor([&] { return !ReadWholeFile(record_).empty(); }, waitMilliseconds);
  return ReadWholeFile(record_);
}

}  // namespace sorvane::about_test

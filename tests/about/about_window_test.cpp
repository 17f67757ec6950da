// The About window on this process's own stand-in main window: its layout, the state it gives
// back on closing, the quit message, hovering and the ".htm" fallback. The About command runs its modal loop on the test's main thread; a second thread finds the window,
// looks at it and acts on it the way a user would, by posted messages or real input.
#include "ui/about_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "ui/about_texts.h"
#include "ui/hyperlink_box.h"
#include "tests/about/link_support.h"
#include "tests/support/wait_for.h"

namespace {

using namespace sorvane::ui;
using namespace sorvane::about_test;
using Clock = std::chrono::steady_clock;

constexpr char kStandInClass[] = "SorvaneAboutTestMain";

// Handles this thread's messages for a while (used outside the About command's own loop).
void Pump(int milliseconds) {
  const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  } while (Clock::now() < end);
}

// A top-level window of this thread, standing in for the main window.
class StandInMain {
 public:
  StandInMain() {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kStandInClass;
    RegisterClassExA(&wc);
    window = CreateWindowExA(0, kStandInClass, "Sorvane V1.0", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                             10, 10, 280, 422, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(window, SW_SHOW);
    Pump(50);
  }
  ~StandInMain() { DestroyWindow(window); }
  StandInMain(const StandInMain&) = delete;
  StandInMain& operator=(const StandInMain&) = delete;

  HWND window = nullptr;
};

HWND FindAbout() { return FindWindowA(kAboutWindowClass, nullptr); }

// Runs the About command on this thread while `drive` acts on its window from another. When
// `driveCloses`, the window must go by itself within a few seconds; `closedByItself` says whether
// it did. Otherwise (and as a safety net) the driver closes it.
struct AboutRun {
  bool found = false;
  bool closedByItself = false;
};
AboutRun RunAbout(const std::function<void(HWND)>& drive, bool driveCloses = false) {
  AboutRun run;
  std::thread driver([&] {
    HWND about = nullptr;
    run.found = sorvane::test::WaitFor([&] { return (about = FindAbout()) != nullptr && IsWindowVisible(about); }, 5000);
    if (!run.found) return;
    drive(about);
    if (driveCloses) run.closedByItself = sorvane::test::WaitFor([&] { return !IsWindow(about); }, 5000);
    if (IsWindow(about)) PostMessageA(about, WM_CLOSE, 0, 0);
  });
  RunAboutCommand(GetModuleHandleA(nullptr));
  driver.join();
  return run;
}

DWORD MainThreadId() {
  static const DWORD id = GetCurrentThreadId();  // first called from the test body
  return id;
}

HWND FocusOf(DWORD thread) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(thread, &info);
  return info.hwndFocus;
}
HWND CaptureOf(DWORD thread) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(thread, &info);
  return info.hwndCapture;
}

std::string TextOf(HWND window) {
  char buffer[512] = {};
  const int length = GetWindowTextA(window, buffer, sizeof buffer);
  return std::string(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

RECT ClientRectIn(HWND child, HWND parent) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int ColourDistance(COLORREF a, COLORREF b) {
  return abs(GetRValue(a) - GetRValue(b)) + abs(GetGValue(a) - GetGValue(b)) +
         abs(GetBValue(a) - GetBValue(b));
}

class AboutWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { MainThreadId(); }
  StandInMain main_;
};

// ---- Opening, layout and modality -------------------------------------------------------------

TEST_F(AboutWindowTest, OpensCentredWithItsLayoutWhileTheMainWindowIsDisabled) {
  RECT rect{};
  std::string title;
  LONG_PTR style = 0;
  HWND owner = reinterpret_cast<HWND>(1);
  bool mainEnabledWhileOpen = true;
  HWND focus = nullptr;
  HWND ok = nullptr;
  std::string okCaption, creditText, contactCaption, blogCaption;
  std::vector<RECT> controls;
  std::vector<HFONT> fonts;
  COLORREF bannerIcon = 0, bannerBand = 0, belowPicture = 0;
  std::vector<int> creditBlack;

  const AboutRun run = RunAbout([&](HWND about) {
    GetWindowRect(about, &rect);
    title = TextOf(about);
    style = GetWindowLongPtrA(about, GWL_STYLE);
    owner = GetWindow(about, GW_OWNER);
    // Disabled once the window has been shown.
    mainEnabledWhileOpen = !sorvane::test::WaitFor([&] { return !IsWindowEnabled(main_.window); }, 2000);
    ok = GetDlgItem(about, kAboutOkId);
    sorvane::test::WaitFor([&] { return (focus = FocusOf(MainThreadId())) == ok; }, 2000);
    okCaption = TextOf(ok);
    creditText = TextOf(GetDlgItem(about, kAboutCreditId));
    contactCaption = TextOf(GetDlgItem(about, kAboutContactId));
    blogCaption = TextOf(GetDlgItem(about, kAboutBlogId));
    for (int id : {kAboutBannerId, kAboutCreditId, kAboutContactId, kAboutBlogId, kAboutOkId}) {
      HWND control = GetDlgItem(about, id);
      controls.push_back(ClientRectIn(control, about));
      fonts.push_back(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    }
    HWND banner = GetDlgItem(about, kAboutBannerId);
    sorvane::test::WaitFor([&] {
      HDC dc = GetDC(banner);
      bannerIcon = GetPixel(dc, 20, 20);         // the blue tile of the icon
      bannerBand = GetPixel(dc, 300, 10);        // the light band behind the name
      belowPicture = GetPixel(dc, 100, 69);      // the box is 72 high, the picture 67
      ReleaseDC(banner, dc);
      return ColourDistance(bannerIcon, RGB(31, 111, 178)) < 60;
    }, 3000);
    creditBlack = CountColours(GetDlgItem(about, kAboutCreditId), {RGB(0, 0, 0)});
  });

  ASSERT_TRUE(run.found);
  const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(rect.left, (screenW - 350) / 2);
  EXPECT_EQ(rect.top, (screenH - 227) / 2);
  EXPECT_EQ(rect.right - rect.left, 350);
  EXPECT_EQ(rect.bottom - rect.top, 227);
  EXPECT_EQ(title, "关于");
  EXPECT_EQ(owner, nullptr);
  EXPECT_EQ(style & (WS_CHILD | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_FALSE(mainEnabledWhileOpen);
  EXPECT_EQ(focus, ok) << "按钮1 takes the focus";
  EXPECT_EQ(okCaption, "确定");
  EXPECT_EQ(creditText, about::kCredit);
  EXPECT_EQ(creditText.size(), 123u);
  EXPECT_EQ(contactCaption, about::kContactCaption);
  EXPECT_EQ(blogCaption, about::kBlogCaption);

  const RECT expected[] = {{0, 0, 352, 72}, {-5, 74, 339, 136}, {5, 140, 109, 163},
                           {4, 163, 228, 179}, {262, 161, 326, 185}};
  ASSERT_EQ(controls.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(controls[i].left, expected[i].left);
    EXPECT_EQ(controls[i].top, expected[i].top);
    EXPECT_EQ(controls[i].right, expected[i].right);
    EXPECT_EQ(controls[i].bottom, expected[i].bottom);
    EXPECT_EQ(fonts[i], GetStockObject(DEFAULT_GUI_FONT));
  }

  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_LT(ColourDistance(bannerIcon, RGB(31, 111, 178)), 60) << std::hex << bannerIcon;
  EXPECT_NE(bannerBand, face);
  EXPECT_EQ(belowPicture, face) << "drawn at its own size, not stretched";
  EXPECT_GT(creditBlack[0], 100) << "the credit text is drawn in black";

  EXPECT_TRUE(IsWindowEnabled(main_.window));
  EXPECT_EQ(FindAbout(), nullptr);
}


// (The four ways of closing are tried on the real program, in tests/e2e/help_menu_test.cpp.)
TEST_F(AboutWindowTest, ClosingGivesEachWindowItsOwnStateBack) {
  // A second window of the program that was disabled already must stay disabled.
  HWND disabledBefore = CreateWindowExA(0, kStandInClass, "other", WS_OVERLAPPED | WS_CAPTION, 0, 0,
                                        100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  EnableWindow(disabledBefore, FALSE);
  bool mainDisabled = false, otherDisabled = false;
  const AboutRun run = RunAbout([&](HWND about) {
    mainDisabled = sorvane::test::WaitFor([&] { return !IsWindowEnabled(main_.window); }, 2000);
    otherDisabled = !IsWindowEnabled(disabledBefore);
    PostMessageA(GetDlgItem(about, kAboutOkId), BM_CLICK, 0, 0);
  }, true);
  ASSERT_TRUE(run.found);
  EXPECT_TRUE(run.closedByItself);
  EXPECT_TRUE(mainDisabled);
  EXPECT_TRUE(otherDisabled);
  EXPECT_TRUE(IsWindowEnabled(main_.window));
  EXPECT_FALSE(IsWindowEnabled(disabledBefore));
  EXPECT_EQ(FindAbout(), nullptr);
  // Enabled again before the About window went, so the activation came back to it.
  EXPECT_EQ(GetActiveWindow(), main_.window);
  DestroyWindow(disabledBefore);
}

TEST_F(AboutWindowTest, QuitMessageEndsTheLoopAndIsPostedAgain) {
  const AboutRun run = RunAbout([](HWND) { PostThreadMessageA(MainThreadId(), WM_QUIT, 7, 0); }, true);
  ASSERT_TRUE(run.found);
  EXPECT_TRUE(run.closedByItself);
  EXPECT_TRUE(IsWindowEnabled(main_.window));
  MSG msg;
  bool quit = false;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit = true;
      EXPECT_EQ(msg.wParam, 7u);
    }
  }
  EXPECT_TRUE(quit);
}

// ---- Links --------------------------------------------------------------------------------------

std::string ExecutableDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  return dir.substr(0, dir.find_last_of('\\'));
}

// No opener of web addresses or ".htm" files exists unless a test registers the recorder.
class AboutLinkTest : public AboutWindowTest {
 protected:
  void SetUp() override {
    AboutWindowTest::SetUp();
    MouseTo(Away());
  }
  LinkOpeners openers_{ExecutableDirectory()};
};

TEST_F(AboutLinkTest, HoverColourWithCaptureThenNormalWhenTheMouseLeaves) {
  std::vector<int> hovering, left;
  bool shownHover = false, shownNormal = false, normalAtStart = false;
  HWND captureWhileOver = nullptr, captureAfter = reinterpret_cast<HWND>(1), link = nullptr;
  RunAbout([&](HWND about) {
    link = GetDlgItem(about, kAboutBlogId);
    std::vector<int> start;
    normalAtStart = ShowsColour(link, kNormal, &start);
    MouseTo(CentreOf(link));
    shownHover = ShowsColour(link, kHover, &hovering);
    captureWhileOver = CaptureOf(MainThreadId());
    MouseTo(Away());
    shownNormal = ShowsColour(link, kNormal, &left);
    captureAfter = CaptureOf(MainThreadId());
  });
  EXPECT_TRUE(normalAtStart);
  EXPECT_TRUE(shownHover) << Describe(hovering);
  EXPECT_EQ(captureWhileOver, link);
  EXPECT_TRUE(shownNormal) << Describe(left);
  EXPECT_EQ(captureAfter, nullptr);
  EXPECT_EQ(openers_.Recorded(0), "") << "moving over a link opens nothing";
}

TEST_F(AboutLinkTest, FallsBackOnTheHtmOpenerWhenTheShellCannotOpen) {
  ASSERT_TRUE(openers_.RegisterForHtm());
  std::string recorded;
  bool visited = false;
  std::vector<int> after;
  RunAbout([&](HWND about) {
    HWND blog = GetDlgItem(about, kAboutBlogId);
    ClickAt(CentreOf(blog));
    recorded = openers_.Recorded(10000);
    MouseTo(Away());
    visited = ShowsColour(blog, kVisited, &after);
  });
  // The registered line is cut before "%1"; a blank and the address follow.
  EXPECT_NE(recorded.find(" " + std::string(about::kBlogAddress)), std::string::npos) << recorded;
  EXPECT_TRUE(visited) << Describe(after);
}

}  // namespace

// 帮助 > 说明 and 帮助 > 关于 on the real program: the instruction text, the modal About window and
// its links, driven with real mouse and keyboard input where a user would use them.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/about/link_support.h"
#include "tests/e2e/app_driver.h"
#include "ui/about_texts.h"
#include "ui/about_window.h"
#include "ui/help_text.h"
#include "ui/resource.h"

namespace sorvane::e2e {
namespace {

using about_test::CentreOf;
using about_test::ClickAt;
using about_test::Describe;
using about_test::LeftButton;
using about_test::LinkOpeners;
using about_test::MouseTo;
using about_test::ShowsColour;

void ChooseMenu(const App& app, int id) { PostMessageA(app.main(), WM_COMMAND, id, 0); }

HWND OpenAbout(const App& app) {
  ChooseMenu(app, IDM_HELP_ABOUT);
  return WaitForProcessWindow(app.pid(), "关于", ui::kAboutWindowClass);
}

void PressKey(WORD key) {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

TEST(HelpMenu, InstructionTextExactlyAlsoAfterAListingAndTwiceInARow) {
  test::TempDir run;
  test::TempDir data;
  ASSERT_TRUE(test::WriteFileBytes(data.File("a.txt"), "a"));
  App app(run.path());
  ASSERT_TRUE(app.Started());

  ChooseMenu(app, IDM_HELP_INSTRUCTIONS);
  Settle(app);
  EXPECT_EQ(app.EditText(), ui::kHelpText);
  EXPECT_EQ(app.EditText().size(), 232u);

  app.PickFiles("", data.File("a.txt"));
  ASSERT_EQ(app.EditText(), "01 a.txt\r\n\r\n");
  ChooseMenu(app, IDM_HELP_INSTRUCTIONS);
  Settle(app);
  EXPECT_EQ(app.EditText(), ui::kHelpText) << "the listing is replaced, not added to";

  ChooseMenu(app, IDM_HELP_INSTRUCTIONS);
  ChooseMenu(app, IDM_HELP_INSTRUCTIONS);
  Settle(app);
  EXPECT_EQ(app.EditText(), ui::kHelpText) << "twice in a row: the text once";

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0u);
}

TEST(HelpMenu, AboutIsModalAndEachWayOfClosingGivesTheMainWindowBack) {
  test::TempDir run;
  App app(run.path());
  ASSERT_TRUE(app.Started());

  struct Way {
    const char* name;
    std::function<void(HWND)> close;
  } ways[] = {
      {"按钮1 确定", [](HWND about) { ClickAt(CentreOf(GetDlgItem(about, ui::kAboutOkId))); }},
      {"close box",
       [](HWND about) {
         RECT frame;
         GetWindowRect(about, &frame);
         const POINT at{
             frame.right - GetSystemMetrics(SM_CXFIXEDFRAME) - GetSystemMetrics(SM_CXSIZE) / 2,
             frame.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYSIZE) / 2};
         ASSERT_EQ(SendMessageA(about, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTCLOSE);
         ClickAt(at);
       }},
      {"system menu Close", [](HWND about) { PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"Esc", [](HWND) { PressKey(VK_ESCAPE); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    HWND about = OpenAbout(app);
    ASSERT_NE(about, nullptr);
    RECT r;
    GetWindowRect(about, &r);
    EXPECT_EQ(r.right - r.left, 350);
    EXPECT_EQ(r.bottom - r.top, 227);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 350) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 227) / 2);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowEnabled(app.main()); }));
    WaitFor([&] { return GetForegroundWindow() == about; });

    // A click on the main window does nothing while the About window is open.
    ClickAt(CentreOf(app.Control(IDC_SELECT_FILES)));
    Settle(app);
    EXPECT_EQ(about_test::DialogsShown(app.pid()), 0);

    way.close(about);
    EXPECT_TRUE(WaitUntilGone(about, 5000));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(app.main()) != FALSE; }, 5000));
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == app.main(); }, 5000))
        << "the activation returns to the main window";
  }
  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0u);
}

COLORREF ScreenPixel(HWND window, int x, int y) {
  POINT at{x, y};
  ClientToScreen(window, &at);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

// The link boxes and the banner's margin have no background of their own: on the skinned window
// they show the skin's background, not the system's button face.
TEST(HelpMenu, AboutBoxesShowTheSkinnedBackground) {
  test::TempDir run;
  App app(run.path());
  ASSERT_TRUE(app.Started());
  HWND about = OpenAbout(app);
  ASSERT_NE(about, nullptr);
  COLORREF background = CLR_INVALID;
  ASSERT_TRUE(WaitFor([&] {
    background = ScreenPixel(about, 200, 150);  // between the links and 确定
    return background != CLR_INVALID && background != GetSysColor(COLOR_BTNFACE);
  })) << "the skin paints the window";
  struct Spot {
    int id, x, y;
  } spots[] = {{ui::kAboutContactId, 1, 1}, {ui::kAboutBlogId, 1, 1}, {ui::kAboutBannerId, 100, 69}};
  for (const Spot& spot : spots) {
    SCOPED_TRACE(spot.id);
    COLORREF pixel = CLR_INVALID;
    EXPECT_TRUE(WaitFor([&] {
      pixel = ScreenPixel(GetDlgItem(about, spot.id), spot.x, spot.y);
      return pixel == background;
    }, 3000)) << std::hex << pixel << " against " << background;
  }
  PostMessageA(about, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntilGone(about, 5000));
  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0u);
}

// No opener of web addresses or ".htm" files exists unless a test registers the recorder, which
// is built beside the program.
class AboutLinks : public ::testing::Test {
 protected:
  static std::string RecorderDir() {
    const std::string built = App::BuiltExecutable();
    return built.substr(0, built.find_last_of('\\'));
  }
  void SetUp() override { MouseTo(about_test::Away()); }
  LinkOpeners openers_{RecorderDir()};
};

TEST_F(AboutLinks, PressOpensTheAddressThenVisitedColourUntilTheWindowIsOpenedAgain) {
  ASSERT_TRUE(openers_.RegisterForWeb());
  test::TempDir run;
  App app(run.path());
  ASSERT_TRUE(app.Started());
  HWND about = OpenAbout(app);
  ASSERT_NE(about, nullptr);
  HWND contact = GetDlgItem(about, ui::kAboutContactId);
  HWND blog = GetDlgItem(about, ui::kAboutBlogId);
  std::vector<int> counts;
  EXPECT_TRUE(ShowsColour(contact, about_test::kNormal, &counts)) << Describe(counts);

  MouseTo(CentreOf(contact));
  EXPECT_TRUE(ShowsColour(contact, about_test::kHover, &counts)) << Describe(counts);
  LeftButton(true);  // opens on the press...
  const std::string recorded = openers_.Recorded(10000);
  MouseTo(about_test::Away());
  LeftButton(false);  // ...and the release happens elsewhere
  EXPECT_NE(recorded.find(std::string("\"") + ui::about::kContactAddress + "\""), std::string::npos)
      << recorded;
  EXPECT_TRUE(ShowsColour(contact, about_test::kVisited, &counts)) << Describe(counts);
  EXPECT_TRUE(ShowsColour(blog, about_test::kNormal, &counts)) << Describe(counts);

  PostMessageA(about, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntilGone(about, 5000));
  about = OpenAbout(app);
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(ShowsColour(GetDlgItem(about, ui::kAboutContactId), about_test::kNormal, &counts))
      << "a fresh window starts unvisited: " << Describe(counts);
  PostMessageA(about, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntilGone(about, 5000));
  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0u);
}

TEST_F(AboutLinks, WithNoOpenerAClickOpensNothingShowsNoMessageAndStaysUnvisited) {
  test::TempDir run;
  App app(run.path());
  ASSERT_TRUE(app.Started());
  HWND about = OpenAbout(app);
  ASSERT_NE(about, nullptr);
  HWND blog = GetDlgItem(about, ui::kAboutBlogId);
  ClickAt(CentreOf(blog));
  MouseTo(about_test::Away());
  Settle(app);
  Sleep(1000);
  EXPECT_EQ(about_test::DialogsShown(app.pid()), 0);
  std::vector<int> counts;
  EXPECT_TRUE(ShowsColour(blog, about_test::kNormal, &counts)) << Describe(counts);
  EXPECT_EQ(openers_.Recorded(0), "");
  PostMessageA(about, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntilGone(about, 5000));
  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0u);
}

}  // namespace
}  // namespace sorvane::e2e

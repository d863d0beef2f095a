#include <gtest/gtest.h>

#include "seams/seam_capture.h"
#include "ui/message_box.h"
#include "ui/resource_context.h"
#include "ui/window.h"
#include "win/unique_resource.h"

namespace {

using orv::testing::MessageBoxCapture;

TEST(MessageBoxSeam, CapturesTextAndAnswersFromQueue) {
  MessageBoxCapture capture;
  capture.QueueAnswer(IDNO);
  EXPECT_EQ(IDNO, orv::ui::OrvMessageBox(nullptr, L"Save changes?", L"Script", MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(IDYES, orv::ui::OrvMessageBox(nullptr, L"Again?", L"Script", MB_YESNO));
  ASSERT_EQ(2u, capture.Boxes().size());
  EXPECT_EQ(L"Save changes?", capture.Boxes()[0].text);
  EXPECT_EQ(L"Script", capture.Boxes()[0].caption);
  EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), capture.Boxes()[0].style);
}

TEST(MessageBoxSeam, DefaultAnswerFollowsDefaultButton) {
  struct Case {
    UINT style;
    int answer;
  } cases[] = {{MB_OK, IDOK},
               {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
               {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
               {MB_YESNO | MB_DEFBUTTON2, IDNO},
               {MB_RETRYCANCEL, IDRETRY}};
  for (const auto& c : cases) EXPECT_EQ(c.answer, orv::ui::DefaultAnswer(c.style)) << c.style;
}

TEST(MessageBoxSeam, LocalHandlerWinsOverProcessHook) {
  MessageBoxCapture capture;
  auto previous = orv::ui::SetMessageBoxHandler([](const orv::ui::MessageBoxRequest&) { return IDABORT; });
  EXPECT_EQ(IDABORT, orv::ui::OrvMessageBox(nullptr, L"x", L"y", MB_OK));
  orv::ui::SetMessageBoxHandler(previous);
  EXPECT_TRUE(capture.Boxes().empty());
}

TEST(WaitCursorSeam, NestsAndBalances) {
  int before = orv::testing::WaitCursorBegins();
  {
    orv::ui::WaitCursor outer;
    orv::ui::WaitCursor inner;
    EXPECT_EQ(2, orv::testing::WaitCursorDepth());
  }
  EXPECT_EQ(0, orv::testing::WaitCursorDepth());
  EXPECT_EQ(before + 2, orv::testing::WaitCursorBegins());
}

// A window whose messages reach member functions through its table, and a derived
// class whose table is searched first and falls back to the base.
class CCounterWnd : public orv::ui::CWindowBase {
 public:
  int timers = 0;
  int commands = 0;
  int user = 0;
  LRESULT OnTimer(WPARAM, LPARAM, bool&) { return ++timers; }
  LRESULT OnCommand(WPARAM, LPARAM, bool&) { return ++commands; }
  LRESULT OnUser(WPARAM w, LPARAM, bool&) {
    user += static_cast<int>(w);
    return 7;
  }
  ORV_DECLARE_MESSAGE_MAP()
};
ORV_BEGIN_MESSAGE_MAP(CCounterWnd, orv::ui::CWindowBase)
ORV_ON_MESSAGE(WM_TIMER, &CCounterWnd::OnTimer)
ORV_ON_COMMAND_RANGE(100, 110, &CCounterWnd::OnCommand)
ORV_ON_MESSAGE(WM_USER + 1, &CCounterWnd::OnUser)
ORV_END_MESSAGE_MAP()

class CDerivedWnd : public CCounterWnd {
 public:
  int declined = 0;
  LRESULT OnUserFirst(WPARAM, LPARAM, bool& handled) {
    ++declined;
    handled = false;  // let the base table take it
    return 0;
  }
  ORV_DECLARE_MESSAGE_MAP()
};
ORV_BEGIN_MESSAGE_MAP(CDerivedWnd, CCounterWnd)
ORV_ON_MESSAGE(WM_USER + 1, &CDerivedWnd::OnUserFirst)
ORV_END_MESSAGE_MAP()

TEST(WindowBase, RoutesMessagesThroughTables) {
  ASSERT_TRUE(orv::ui::CWindowBase::RegisterWindowClass(L"OrvTestWindow"));
  CDerivedWnd wnd;
  RECT rc{0, 0, 100, 100};
  ASSERT_TRUE(wnd.CreateEx(0, L"OrvTestWindow", L"t", WS_OVERLAPPEDWINDOW, rc, nullptr, 0));
  EXPECT_EQ(7, wnd.SendMessage(WM_USER + 1, 3));
  EXPECT_EQ(1, wnd.declined);
  EXPECT_EQ(3, wnd.user);
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(105, 0));
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(111, 0));
  EXPECT_EQ(1, wnd.commands);
  EXPECT_EQ(&wnd, orv::ui::CWindowBase::FromHandle(wnd.m_hWnd));
  HWND hwnd = wnd.m_hWnd;
  wnd.DestroyWindow();
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_FALSE(::IsWindow(hwnd));
}

TEST(WindowBase, SubclassesASystemControl) {
  HWND edit = ::CreateWindowExW(0, L"EDIT", L"abc", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, edit);
  CCounterWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(edit));
  EXPECT_EQ(L"abc", wnd.GetWindowText());  // default processing reaches the control
  wnd.SendMessage(WM_USER + 1, 2);
  EXPECT_EQ(2, wnd.user);
  EXPECT_EQ(edit, wnd.UnsubclassWindow());
  ::DestroyWindow(edit);
}

TEST(UniqueResource, ClosesAndMoves) {
  orv::win::UniqueHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  ASSERT_TRUE(event);
  HANDLE raw = event.get();
  orv::win::UniqueHandle moved(std::move(event));
  EXPECT_FALSE(event);
  EXPECT_EQ(raw, moved.get());
  moved.reset();
  EXPECT_FALSE(moved);
  orv::win::UniqueHandle invalid(INVALID_HANDLE_VALUE);
  EXPECT_FALSE(invalid);
}

TEST(ResourceContext, LoadsStringsOfTheCurrentModule) {
  orv::ui::ResourceContext context;
  EXPECT_EQ(L"Cannot open %ls.", orv::ui::LoadResString(101));
  EXPECT_EQ(L"", orv::ui::LoadResString(999));
}

TEST(ResourceContext, FormatsText) {
  EXPECT_EQ(L"Line 12 : bad (3).", orv::ui::FormatText(L"Line %d : %ls (%d).", 12, L"bad", 3));
}

}  // namespace

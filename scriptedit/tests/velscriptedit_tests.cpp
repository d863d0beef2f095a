// The script edit control in a real parent window, driven through its exports and with
// keyboard and clipboard messages as a user would.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "VelScriptEdit.h"
#include "seams/seam_capture.h"

namespace {

constexpr UINT kNotifyMessage = 0x0465;

struct Notification {
  WPARAM code;
  LPARAM position;
};
std::vector<Notification> g_notifications;
std::vector<WPARAM> g_parentKeys;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kNotifyMessage) {
    g_notifications.push_back({wParam, lParam});
    return 0;
  }
  if (message == WM_KEYDOWN) g_parentKeys.push_back(wParam);
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateParent() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VseTestParent";
    ::RegisterClassW(&wc);
    registered = true;
  }
  return ::CreateWindowExW(0, L"VseTestParent", L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480, nullptr,
                           nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

// Keys held while the next messages are handled (GetKeyState reads this thread's state).
void HoldKeys(std::initializer_list<int> keys) {
  BYTE state[256] = {};
  for (int k : keys) state[k] = 0x80;
  ::SetKeyboardState(state);
}

class Document final : public IVseDocument {
 public:
  void SetModifiedFlag(BOOL modified) override { calls.push_back(modified); }
  std::vector<BOOL> calls;
};

class ScriptEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HoldKeys({});
    parent_ = CreateParent();
    ASSERT_NE(parent_, nullptr);
    RECT rect{10, 10, 410, 310};
    h_ = VSECreateScriptEdit(L"VBScript", parent_, rect, 1234, 4, L"Courier New", 10);
    ASSERT_NE(h_, nullptr);
    edit_ = VSEGetEditHWnd(h_);
    ASSERT_NE(edit_, nullptr);
    VSESetNotifyParent(h_, kNotifyMessage, TRUE);
    Pump();
    g_notifications.clear();
    g_parentKeys.clear();
  }
  void TearDown() override {
    HoldKeys({});
    VSEDetroyScriptEdit(h_);
    ::DestroyWindow(parent_);
    Pump();
  }

  std::wstring Text() {
    int n = VSEGetTextLength(h_);
    std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1);
    VSEGetText(h_, buffer.data(), n + 1);
    return buffer.data();
  }
  void Select(LONG start, LONG end) {
    CHARRANGE r{start, end};
    ::SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
  }
  CHARRANGE Selection() {
    CHARRANGE r{};
    ::SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  LONG LineStart(int line) { return static_cast<LONG>(::SendMessageW(edit_, EM_LINEINDEX, line, 0)); }
  void Type(const std::wstring& chars) {
    for (wchar_t c : chars) {
      ::SendMessageW(edit_, WM_CHAR, c, 1);
      Pump();
    }
  }
  // A key as the keyboard delivers it: key down, the character it makes, key up.
  void Key(UINT vk, wchar_t ch = 0) {
    ::SendMessageW(edit_, WM_KEYDOWN, vk, 1);
    if (ch) ::SendMessageW(edit_, WM_CHAR, ch, 1);
    ::SendMessageW(edit_, WM_KEYUP, vk, 0xC0000001);
    Pump();
  }
  void CtrlKey(UINT vk) {
    HoldKeys({VK_CONTROL});
    Key(vk);
    HoldKeys({});
  }
  std::vector<WPARAM> Codes() {
    std::vector<WPARAM> codes;
    for (const auto& n : g_notifications) codes.push_back(n.code);
    return codes;
  }
  void Command(UINT id) {
    ::SendMessageW(edit_, WM_COMMAND, id, 0);
    Pump();
  }

  HWND parent_ = nullptr;
  HVSE h_ = nullptr;
  HWND edit_ = nullptr;
};

void PutOnClipboard(const std::wstring& text) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  memcpy(::GlobalLock(mem), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  ::GlobalUnlock(mem);
  ::SetClipboardData(CF_UNICODETEXT, mem);
  ::CloseClipboard();
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!::OpenClipboard(nullptr)) return text;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(::GlobalLock(data));
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return text;
}

// ---- the export table ----

TEST(Exports, FiftyEntriesByNameAndOrdinalWithTwoSharedPairs) {
  static const wchar_t* const kNames[] = {
      L"VSECreateScriptEdit", L"VSEDetroyScriptEdit", L"VSESetEditFont", L"VSESetEditReadOnly",
      L"VSEGetEditReadOnly", L"VSESetBackgroundColor", L"VSEGetBackgroundColor", L"VSESetTabSize", L"VSEGetTabSize",
      L"VSEGetCapitalizeWord", L"VSESetCapitalizeWord", L"VSEAddObject", L"VSESetText", L"VSEGetTextLength",
      L"VSEGetText", L"VSEHideIntellisense", L"VSEIsEditModified", L"VSESetEditModifiedFlag", L"VSEMoveEditWindow",
      L"VSESetEditFocus", L"VSEGetLineCount", L"VSEGotoLine", L"VSESetDocument", L"VSECanEditUndo",
      L"VSECanEditRedo", L"VSEEditUndo", L"VSEEditRedo", L"VSEGetEditHWnd", L"VSECanEditCopy", L"VSECanEditPaste",
      L"VSECanEditCut", L"VSEFindTextEdit", L"VSEGetLine", L"VSEGetEditFont", L"VSESetNotifyParent",
      L"VSESetProcedureFlag", L"VSEGetProcedureFlag", L"VSESetLanguage", L"VSEGetLanguage",
      L"VSESetAllowOnlyFunctionsFlag", L"VSEGetAllowOnlyFunctionsFlag", L"VSERemoveObject", L"VSEAddVariable",
      L"VSERemoveVariable", L"VSECanAddVariable", L"VSECanAddObject",
      L"VSESetCallBack_OnGetGlobalFunctionsAndVariables", L"VSESetCallBack_OnGetParamsFunction", L"VSESetTypeOrigin",
      L"VSEGetTypeOrigin"};
  static_assert(sizeof(kNames) / sizeof(kNames[0]) == 50, "50 exports");
  HMODULE dll = ::GetModuleHandleW(L"VelScriptEdit.dll");
  ASSERT_NE(dll, nullptr);
  for (int ordinal = 1; ordinal <= 50; ++ordinal) {
    std::string name;
    for (const wchar_t* p = kNames[ordinal - 1]; *p; ++p) name += static_cast<char>(*p);
    FARPROC byName = ::GetProcAddress(dll, name.c_str());
    FARPROC byOrdinal = ::GetProcAddress(dll, MAKEINTRESOURCEA(ordinal));
    ASSERT_NE(byName, nullptr) << name;
    EXPECT_EQ(byName, byOrdinal) << name;
  }
  EXPECT_EQ(::GetProcAddress(dll, MAKEINTRESOURCEA(51)), nullptr);
  EXPECT_EQ(::GetProcAddress(dll, MAKEINTRESOURCEA(29)), ::GetProcAddress(dll, MAKEINTRESOURCEA(31)));
  EXPECT_EQ(::GetProcAddress(dll, MAKEINTRESOURCEA(45)), ::GetProcAddress(dll, MAKEINTRESOURCEA(46)));
}

TEST(Exports, ContextMenuResourceItemsInOrder) {
  HMODULE dll = ::GetModuleHandleW(L"VelScriptEdit.dll");
  HMENU menu = ::LoadMenuW(dll, MAKEINTRESOURCEW(130));
  ASSERT_NE(menu, nullptr);
  HMENU popup = ::GetSubMenu(menu, 0);
  struct Item {
    UINT id;
    const wchar_t* text;
  } items[] = {{32775, L"Check Script"}, {0, nullptr}, {32774, L"Object Finder"}, {0, nullptr},
               {57643, L"Undo"},         {57644, L"Redo"}, {0, nullptr},         {57635, L"Cut"},
               {57634, L"&Copy"},        {57637, L"Paste"}, {0, nullptr},        {57642, L"Select &All"}};
  ASSERT_EQ(::GetMenuItemCount(popup), 12);
  for (int i = 0; i < 12; ++i) {
    wchar_t text[64] = {};
    ::GetMenuStringW(popup, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    if (!items[i].text) {
      EXPECT_TRUE(::GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) << i;
      continue;
    }
    EXPECT_EQ(::GetMenuItemID(popup, i), items[i].id) << i;
    EXPECT_STREQ(text, items[i].text);
  }
  ::DestroyMenu(menu);
}

// ---- handles ----

TEST(UnknownHandle, DefaultsAndClearedBuffers) {
  int notAControl = 0;
  for (HVSE h : {static_cast<HVSE>(nullptr), static_cast<HVSE>(&notAControl)}) {
    EXPECT_EQ(VSEGetTabSize(h), 4);
    EXPECT_EQ(VSEGetCapitalizeWord(h), 1);
    EXPECT_EQ(VSEGetEditReadOnly(h), 0);
    EXPECT_EQ(VSEGetBackgroundColor(h), 0u);
    EXPECT_EQ(VSEGetTextLength(h), 0);
    EXPECT_EQ(VSEIsEditModified(h), 0);
    EXPECT_EQ(VSEGetLineCount(h), 0);
    EXPECT_EQ(VSECanEditUndo(h), 0);
    EXPECT_EQ(VSECanEditRedo(h), 0);
    EXPECT_EQ(VSEGetEditHWnd(h), nullptr);
    EXPECT_EQ(VSECanEditCopy(h), 0);
    EXPECT_EQ(VSECanEditCut(h), 0);
    EXPECT_EQ(VSECanEditPaste(h), 0);
    EXPECT_EQ(VSEFindTextEdit(h, L"x", 0, 0, 1), 0);
    EXPECT_EQ(VSEGetProcedureFlag(h), 0);
    EXPECT_EQ(VSEGetAllowOnlyFunctionsFlag(h), 0);
    EXPECT_EQ(VSECanAddVariable(h, L"x"), 0);
    EXPECT_EQ(VSECanAddObject(h, L"x"), 0);
    EXPECT_EQ(VSEGetTypeOrigin(h), 0);
    wchar_t buffer[8] = L"xyz";
    EXPECT_EQ(VSEGetText(h, buffer, 8), 0);
    EXPECT_EQ(buffer[0], L'\0');
    wcscpy(buffer, L"xyz");
    EXPECT_EQ(VSEGetLine(h, 0, buffer, 7), 0);
    EXPECT_EQ(buffer[0], L'\0');
    wcscpy(buffer, L"xyz");
    VSEGetLanguage(h, buffer, 7);
    EXPECT_EQ(buffer[0], L'\0');
    wcscpy(buffer, L"xyz");
    int size = 99;
    EXPECT_EQ(VSEGetEditFont(h, buffer, 7, &size), 0);
    EXPECT_EQ(buffer[0], L'\0');
    EXPECT_EQ(size, 0);
    // Setters do nothing and do not fail.
    VSESetText(h, L"abc");
    VSEGotoLine(h, 1);
    VSEEditUndo(h);
    VSEDetroyScriptEdit(h);
  }
}

TEST_F(ScriptEditTest, HandleIsUnknownOnAnotherThread) {
  VSESetText(h_, L"abc");
  int tab = 0, length = -1;
  HWND hwnd = reinterpret_cast<HWND>(1);
  std::thread other([&] {
    tab = VSEGetTabSize(h_);
    length = VSEGetTextLength(h_);
    hwnd = VSEGetEditHWnd(h_);
    VSESetText(h_, L"changed");
    VSEDetroyScriptEdit(h_);
  });
  other.join();
  EXPECT_EQ(tab, 4);
  EXPECT_EQ(length, 0);
  EXPECT_EQ(hwnd, nullptr);
  EXPECT_EQ(Text(), L"abc");  // neither changed nor destroyed
  EXPECT_EQ(VSEGetEditHWnd(h_), edit_);
}

TEST(Lifetime, ParentDestroyedFirstKeepsTheHandleUntilDestroyed) {
  HWND parent = CreateParent();
  RECT rect{0, 0, 100, 100};
  HVSE h = VSECreateScriptEdit(L"VBScript", parent, rect, 7, 6, L"Courier New", 10);
  ASSERT_NE(VSEGetEditHWnd(h), nullptr);
  ::DestroyWindow(parent);
  EXPECT_EQ(VSEGetEditHWnd(h), nullptr);  // the window is gone ...
  EXPECT_EQ(VSEGetTabSize(h), 6);          // ... the handle is still known
  VSESetText(h, L"no window");
  EXPECT_EQ(VSEGetTextLength(h), 0);
  VSEDetroyScriptEdit(h);
  EXPECT_EQ(VSEGetTabSize(h), 4);  // unknown once destroyed
}

TEST_F(ScriptEditTest, CreationState) {
  EXPECT_EQ(::GetParent(edit_), parent_);
  EXPECT_EQ(::GetDlgCtrlID(edit_), 1234);
  EXPECT_EQ(::GetFocus(), edit_);
  EXPECT_EQ(VSEGetTabSize(h_), 4);
  EXPECT_EQ(VSEGetCapitalizeWord(h_), 1);
  wchar_t language[32];
  VSEGetLanguage(h_, language, 31);
  EXPECT_STREQ(language, L"VBScript");
  wchar_t face[LF_FACESIZE];
  int size = 0;
  EXPECT_EQ(VSEGetEditFont(h_, face, LF_FACESIZE - 1, &size), 1);
  EXPECT_STREQ(face, L"Courier New");
  EXPECT_EQ(size, 10);
  EXPECT_EQ(VSEGetLineCount(h_), 1);
  EXPECT_EQ(VSEGetTextLength(h_), 0);
  EXPECT_EQ(VSEGetEditReadOnly(h_), 0);
  EXPECT_EQ(VSEGetBackgroundColor(h_), 0xFFFFFFu);
  EXPECT_EQ(VSECanEditUndo(h_), 0);
  EXPECT_EQ(VSEGetProcedureFlag(h_), 0);
  EXPECT_EQ(VSEGetTypeOrigin(h_), 0);
}

TEST_F(ScriptEditTest, StoredSettingsRoundTrip) {
  VSESetTypeOrigin(h_, 5);
  EXPECT_EQ(VSEGetTypeOrigin(h_), 5);
  VSESetAllowOnlyFunctionsFlag(h_, 1);
  EXPECT_EQ(VSEGetAllowOnlyFunctionsFlag(h_), 1);
  VSESetProcedureFlag(h_, TRUE, nullptr);
  EXPECT_EQ(VSEGetProcedureFlag(h_), 1);
  VSESetCapitalizeWord(h_, FALSE);
  EXPECT_EQ(VSEGetCapitalizeWord(h_), 0);
  VSESetBackgroundColor(h_, RGB(1, 2, 3));
  EXPECT_EQ(VSEGetBackgroundColor(h_), RGB(1, 2, 3));
  VSESetEditReadOnly(h_, TRUE);
  EXPECT_EQ(VSEGetEditReadOnly(h_), 1);
  VSESetEditFont(h_, L"Arial", 12);
  wchar_t face[4];
  int size = 0;
  VSEGetEditFont(h_, face, 3, &size);
  EXPECT_STREQ(face, L"Ari");  // truncated at the maximum index
  EXPECT_EQ(size, 12);
  VSESetLanguage(h_, L"JScript");
  wchar_t language[4];
  VSEGetLanguage(h_, language, 3);
  EXPECT_STREQ(language, L"JSc");
  VSEMoveEditWindow(h_, 5, 6, 200, 100);
  RECT r{};
  ::GetWindowRect(edit_, &r);
  EXPECT_EQ(r.right - r.left, 200);
  EXPECT_EQ(r.bottom - r.top, 100);
}

// ---- text in and out ----

TEST_F(ScriptEditTest, TextAndLineBufferRules) {
  VSESetText(h_, L"ab\r\n\r\ncdef");
  EXPECT_EQ(Text(), L"ab\r\n\r\ncdef");
  EXPECT_EQ(VSEGetLineCount(h_), 3);
  wchar_t one[1] = {L'x'};
  EXPECT_EQ(VSEGetText(h_, one, 1), 0);
  EXPECT_EQ(one[0], L'\0');
  wchar_t three[3];
  EXPECT_EQ(VSEGetText(h_, three, 3), 2);
  EXPECT_STREQ(three, L"ab");

  struct Case {
    int line;
    int max;
    BOOL result;
    const wchar_t* text;
  } cases[] = {{0, 10, 1, L"ab"}, {1, 10, 1, L""}, {2, 10, 1, L"cdef"}, {2, 2, 1, L"cd"}, {3, 10, 0, L""}};
  for (const Case& c : cases) {
    wchar_t buffer[16];
    wcscpy(buffer, L"garbage");
    EXPECT_EQ(VSEGetLine(h_, c.line, buffer, c.max), c.result) << c.line;
    EXPECT_STREQ(buffer, c.text) << c.line;
  }
}

TEST_F(ScriptEditTest, SetTextSendsChangeAndLoadHasNoUndo) {
  VSESetText(h_, L"first");
  EXPECT_EQ(Codes(), std::vector<WPARAM>{3});
  EXPECT_EQ(VSECanEditUndo(h_), 0);  // a freshly loaded text has no history
  VSESetText(h_, L"other");
  EXPECT_EQ(VSECanEditUndo(h_), 1);
  CtrlKey('Z');
  EXPECT_EQ(Text(), L"first");  // the replaced text comes back whole
  CtrlKey('Y');
  EXPECT_EQ(Text(), L"other");
}

// ---- typing ----

TEST_F(ScriptEditTest, TypingInsertsNotifiesAndUndoRestoresOnlyText) {
  Type(L"ab");
  EXPECT_EQ(Text(), L"ab");
  CHARRANGE sel = Selection();
  EXPECT_EQ(sel.cpMin, 2);
  ASSERT_EQ(g_notifications.size(), 4u);
  EXPECT_EQ(g_notifications[0].code, 1u);
  EXPECT_EQ(g_notifications[0].position, MAKELONG(0, 1));
  EXPECT_EQ(g_notifications[1].code, 3u);
  EXPECT_EQ(g_notifications[1].position, 0);
  EXPECT_EQ(g_notifications[2].position, MAKELONG(0, 2));
  EXPECT_EQ(VSEIsEditModified(h_), 1);
  // Every undo step takes back text: recolouring made none of its own.
  std::vector<std::wstring> seen;
  while (VSECanEditUndo(h_) && seen.size() < 5) {
    CtrlKey('Z');
    seen.push_back(Text());
  }
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), L"");
  for (size_t i = 1; i < seen.size(); ++i) EXPECT_NE(seen[i], seen[i - 1]);
  EXPECT_EQ(VSECanEditRedo(h_), 1);
  CtrlKey('Y');
  EXPECT_NE(Text(), L"");
}

TEST_F(ScriptEditTest, NoCaretNotificationsWithoutTheFlag) {
  VSESetNotifyParent(h_, kNotifyMessage, FALSE);
  Type(L"x");
  Key(VK_LEFT);
  EXPECT_TRUE(g_notifications.empty());
  VSEGotoLine(h_, 0);  // always reported once the message is set
  EXPECT_EQ(Codes(), std::vector<WPARAM>{1});
}

TEST_F(ScriptEditTest, GotoLineReportsTheLineOnlyWithANotifyMessage) {
  VSESetText(h_, L"a\r\nb\r\nc");
  g_notifications.clear();
  VSEGotoLine(h_, 2);
  EXPECT_EQ(Selection().cpMin, LineStart(2));
  ASSERT_EQ(g_notifications.size(), 1u);
  EXPECT_EQ(g_notifications[0].code, 1u);
  EXPECT_EQ(g_notifications[0].position, 2);

  RECT rect{0, 0, 100, 100};
  HVSE quiet = VSECreateScriptEdit(L"VBScript", parent_, rect, 2, 4, L"Courier New", 10);
  g_notifications.clear();
  VSESetText(quiet, L"a\r\nb");
  VSEGotoLine(quiet, 1);
  EXPECT_TRUE(g_notifications.empty());
  VSEDetroyScriptEdit(quiet);
}

TEST_F(ScriptEditTest, EnterIndentsLikeTheLineAbove) {
  struct Case {
    const wchar_t* text;
    int caret;
    const wchar_t* after;
    int caretLine;
    int caretColumn;
  } cases[] = {
      {L"\t\tx", 3, L"\t\tx\r\n\t\t", 1, 2},
      {L"  ab", 3, L"  a\r\n  b", 1, 2},
      {L"\tabc", 0, L"\r\n\t\tabc", 1, 1},
      {L"plain", 5, L"plain\r\n", 1, 0},
  };
  for (const Case& c : cases) {
    VSESetText(h_, c.text);
    Select(c.caret, c.caret);
    Key(VK_RETURN, L'\r');
    EXPECT_EQ(Text(), c.after) << c.text;
    CHARRANGE sel = Selection();
    EXPECT_EQ(sel.cpMin, LineStart(c.caretLine) + c.caretColumn) << c.text;
  }
}

TEST_F(ScriptEditTest, CtrlEnterPostsALineBreak) {
  VSESetText(h_, L"ab");
  Select(1, 1);
  HoldKeys({VK_CONTROL});
  ::SendMessageW(edit_, WM_KEYDOWN, VK_RETURN, 1);
  HoldKeys({});
  EXPECT_EQ(Text(), L"ab");  // posted, not yet handled
  Pump();
  EXPECT_EQ(Text(), L"a\r\nb");
}

TEST_F(ScriptEditTest, BlockIndentAndOutdent) {
  const std::wstring original = L"a\r\n\tb\r\nc\r\nd";
  // Three whole lines selected: each gets a tab and stays selected.
  VSESetText(h_, original.c_str());
  Select(0, LineStart(2) + 1);
  Key(VK_TAB, L'\t');
  EXPECT_EQ(Text(), L"\ta\r\n\t\tb\r\n\tc\r\nd");
  CHARRANGE sel = Selection();
  EXPECT_EQ(sel.cpMin, 0);
  EXPECT_EQ(sel.cpMax, LineStart(2) + 2);
  // Shift+Tab takes one tab from each line that starts with one.
  HoldKeys({VK_SHIFT});
  Key(VK_TAB, L'\t');
  HoldKeys({});
  EXPECT_EQ(Text(), original);
  // The block change is one undo step.
  Select(0, LineStart(2) + 1);
  Key(VK_TAB, L'\t');
  CtrlKey('Z');
  EXPECT_EQ(Text(), original);
  // A selection ending at column 0 of a line leaves that line out; Space indents too.
  Select(0, LineStart(2));
  Key(VK_SPACE, L' ');
  EXPECT_EQ(Text(), L"\ta\r\n\t\tb\r\nc\r\nd");
  // Shift+Tab on lines without a tab leaves them.
  VSESetText(h_, L"x\r\ny");
  Select(0, 3);
  HoldKeys({VK_SHIFT});
  Key(VK_TAB, L'\t');
  HoldKeys({});
  EXPECT_EQ(Text(), L"x\r\ny");
}

TEST_F(ScriptEditTest, ShiftTabRemovesOnlyATabBeforeTheCaret) {
  VSESetText(h_, L"a\tb");
  HoldKeys({VK_SHIFT});
  Select(2, 2);
  Key(VK_TAB, L'\t');
  EXPECT_EQ(Text(), L"ab");
  Select(2, 2);
  Key(VK_TAB, L'\t');
  EXPECT_EQ(Text(), L"ab");
  HoldKeys({});
  Select(1, 1);
  Key(VK_TAB, L'\t');  // within one line a tab is typed
  EXPECT_EQ(Text(), L"a\tb");
}

TEST_F(ScriptEditTest, BackspaceAndDeleteRecolourAndReport) {
  VSESetText(h_, L"abc");
  Select(3, 3);
  g_notifications.clear();
  Key(VK_BACK, L'\b');
  EXPECT_EQ(Text(), L"ab");
  EXPECT_EQ(Codes(), (std::vector<WPARAM>{1, 3}));
  Select(0, 0);
  g_notifications.clear();
  Key(VK_DELETE);  // the private character code follows through the queue
  EXPECT_EQ(Text(), L"b");
  EXPECT_EQ(Codes(), (std::vector<WPARAM>{1, 3}));
}

TEST_F(ScriptEditTest, SwallowedCtrlShortcutsAndControlCharacters) {
  VSESetText(h_, L"abc");
  Select(1, 1);
  for (UINT vk : {'E', 'R', 'J', '1', '2', '5'}) CtrlKey(vk);
  PARAFORMAT2 para{};
  para.cbSize = sizeof(para);
  ::SendMessageW(edit_, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&para));
  EXPECT_EQ(para.wAlignment, PFA_LEFT);
  EXPECT_EQ(para.dySpaceAfter, 0);
  Type(std::wstring(1, static_cast<wchar_t>(5)));  // Ctrl+E's character is dropped
  EXPECT_EQ(Text(), L"abc");
}

TEST_F(ScriptEditTest, EscapeGoesToTheParent) {
  Key(VK_ESCAPE);
  EXPECT_EQ(g_parentKeys, std::vector<WPARAM>{VK_ESCAPE});
}

TEST_F(ScriptEditTest, ReadOnlyTakesNoTyping) {
  VSESetText(h_, L"abc");
  VSESetEditReadOnly(h_, TRUE);
  Select(3, 3);
  Type(L"x\t\r");
  PutOnClipboard(L"pasted");
  CtrlKey('V');
  EXPECT_EQ(Text(), L"abc");
}

// ---- clipboard, undo commands, modified flag ----

TEST_F(ScriptEditTest, CutCopyPasteThroughKeys) {
  Document doc;
  VSESetDocument(h_, &doc);
  VSESetText(h_, L"hello world");
  VSESetEditModifiedFlag(h_, FALSE);
  EXPECT_EQ(VSECanEditCopy(h_), 0);
  Select(0, 5);
  EXPECT_EQ(VSECanEditCopy(h_), 1);
  EXPECT_EQ(VSECanEditCut(h_), 1);
  CtrlKey('C');
  EXPECT_EQ(ClipboardText(), L"hello");
  g_notifications.clear();
  CtrlKey('X');
  EXPECT_EQ(Text(), L" world");
  EXPECT_EQ(ClipboardText(), L"hello");
  EXPECT_EQ(Codes(), (std::vector<WPARAM>{1, 3}));
  EXPECT_FALSE(doc.calls.empty());
  EXPECT_EQ(doc.calls.back(), TRUE);
  PutOnClipboard(L"a\r\nb");
  EXPECT_EQ(VSECanEditPaste(h_), 1);
  Select(6, 6);
  g_notifications.clear();
  HoldKeys({VK_SHIFT});
  Key(VK_INSERT);
  HoldKeys({});
  EXPECT_EQ(Text(), L" worlda\r\nb");
  EXPECT_EQ(Codes(), (std::vector<WPARAM>{1, 3}));
  CtrlKey('Z');
  EXPECT_EQ(Text(), L" world");
}

TEST_F(ScriptEditTest, UndoExportIsPostedAndReportsStateBefore) {
  Type(L"x");
  ASSERT_EQ(VSECanEditUndo(h_), 1);
  VSEEditUndo(h_);
  EXPECT_EQ(VSECanEditUndo(h_), 1);  // not yet performed
  EXPECT_EQ(Text(), L"x");
  Pump();
  EXPECT_EQ(Text(), L"");
  VSEEditRedo(h_);
  Pump();
  EXPECT_EQ(Text(), L"x");
}

TEST_F(ScriptEditTest, ModifiedFlagFollowsEditsAndReachesTheDocument) {
  Document doc;
  VSESetDocument(h_, &doc);
  VSESetText(h_, L"abc");
  VSESetEditModifiedFlag(h_, FALSE);
  EXPECT_EQ(VSEIsEditModified(h_), 0);
  Key(VK_RIGHT);  // a key release without a change does not mark the document
  EXPECT_TRUE(doc.calls.empty());
  Key('X', L'x');
  EXPECT_EQ(VSEIsEditModified(h_), 1);
  ASSERT_FALSE(doc.calls.empty());
  EXPECT_EQ(doc.calls.back(), TRUE);
  VSESetEditModifiedFlag(h_, FALSE);
  EXPECT_EQ(VSEIsEditModified(h_), 0);
}

// ---- find ----

TEST_F(ScriptEditTest, FindInBothDirections) {
  VSESetText(h_, L"Foo food foo FOO");
  struct Case {
    LONG from;
    const wchar_t* what;
    BOOL matchCase, wholeWord, down;
    BOOL found;
    LONG start;
  } cases[] = {
      {0, L"foo", 1, 0, 1, 1, 4},    {5, L"foo", 1, 0, 1, 1, 9},    {0, L"foo", 1, 1, 1, 1, 9},
      {0, L"foo", 0, 1, 1, 1, 0},    {10, L"FOO", 1, 1, 1, 1, 13},  {14, L"FOO", 1, 1, 1, 0, 14},
      {16, L"foo", 1, 0, 0, 1, 9},   {16, L"foo", 0, 1, 0, 1, 13},  {9, L"foo", 1, 1, 0, 0, 9},
      {16, L"Foo", 1, 0, 0, 1, 0},
  };
  for (const Case& c : cases) {
    Select(c.from, c.from);
    EXPECT_EQ(VSEFindTextEdit(h_, c.what, c.matchCase, c.wholeWord, c.down), c.found)
        << c.from << " " << c.what << " down " << c.down;
    CHARRANGE sel = Selection();
    EXPECT_EQ(sel.cpMin, c.start) << c.from << " " << c.what;
    if (c.found) {
      EXPECT_EQ(sel.cpMax - sel.cpMin, 3);
    }
  }
}

// ---- focus ----

TEST_F(ScriptEditTest, FocusNotifications) {
  VSESetText(h_, L"ab\r\ncd");
  Select(5, 5);
  HWND other = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 400, 50, 20, parent_, nullptr, nullptr,
                                 nullptr);
  g_notifications.clear();
  ::SetFocus(other);
  Pump();
  ASSERT_EQ(g_notifications.size(), 1u);
  EXPECT_EQ(g_notifications[0].code, 2u);
  EXPECT_EQ(g_notifications[0].position, MAKELONG(1, 2));
  g_notifications.clear();
  VSESetEditFocus(h_);
  Pump();
  EXPECT_EQ(::GetFocus(), edit_);
  ASSERT_FALSE(g_notifications.empty());
  EXPECT_EQ(g_notifications[0].code, 1u);
  ::DestroyWindow(other);
}

// ---- context menu ----

struct MenuSnapshot {
  bool seen = false;
  std::vector<std::pair<UINT, bool>> items;  // id, enabled
};
MenuSnapshot g_menu;

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  if (HWND window = ::FindWindowW(L"#32768", nullptr)) {
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(window, MN_GETHMENU, 0, 0));
    for (int i = 0; menu && i < ::GetMenuItemCount(menu); ++i) {
      UINT state = ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
      if (state & MF_SEPARATOR) continue;
      g_menu.items.push_back({::GetMenuItemID(menu, i), (state & (MF_GRAYED | MF_DISABLED)) == 0});
    }
    g_menu.seen = true;
  }
  ::EndMenu();
}

TEST_F(ScriptEditTest, ContextMenuOpensWithItemsEnabledByTheirRules) {
  VSESetText(h_, L"abc");
  Select(0, 0);
  ::SetFocus(parent_);
  Pump();
  g_notifications.clear();
  g_menu = MenuSnapshot{};
  PutOnClipboard(L"x");
  ::SetTimer(nullptr, 0, 200, ReadOpenMenu);
  ::SendMessageW(edit_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit_), MAKELPARAM(50, 50));
  Pump();
  EXPECT_EQ(::GetFocus(), edit_);
  ASSERT_FALSE(g_notifications.empty());
  EXPECT_EQ(g_notifications[0].code, 1u);  // reported before the menu opens
  ASSERT_TRUE(g_menu.seen);
  std::vector<std::pair<UINT, bool>> expected = {{32775, true},  {32774, true},  {57643, false}, {57644, false},
                                                 {57635, false}, {57634, false}, {57637, true},  {57642, true}};
  EXPECT_EQ(g_menu.items, expected);
}

// ---- tab stops ----

TEST_F(ScriptEditTest, TabStopsFollowTheTabSize) {
  VSESetText(h_, L"\tx\r\n    x");
  auto xOf = [&](LONG pos) {
    POINTL pt{};
    ::SendMessageW(edit_, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), pos);
    return pt.x;
  };
  LONG lineStart = xOf(0);
  LONG afterTab = xOf(1);
  LONG afterSpaces = xOf(LineStart(1) + 4);
  EXPECT_NEAR(afterTab - lineStart, afterSpaces - lineStart, 2);
  VSESetTabSize(h_, 8);
  EXPECT_EQ(VSEGetTabSize(h_), 8);
  EXPECT_NEAR(xOf(1) - xOf(0), 2 * (afterSpaces - lineStart), 3);
}

// ---- Check Script ----

class CheckScriptTest : public ScriptEditTest {};

TEST_F(CheckScriptTest, GoodScriptIsOk) {
  orv::testing::MessageBoxCapture boxes;
  VSESetText(h_, L"Dim x\r\nx = 1\r\nIf x = 1 Then\r\n  x = 2\r\nEnd If");
  Command(32775);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text, L"Script is OK!");
  EXPECT_EQ(boxes.Boxes()[0].caption, L"Script");
  EXPECT_EQ(boxes.Boxes()[0].style & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
}

TEST_F(CheckScriptTest, ErrorMovesTheCaretAndReportsTheLine) {
  orv::testing::MessageBoxCapture boxes;
  VSESetText(h_, L"Dim a\r\na = 1\r\na = 2\r\na = 3\r\nIf a = 3\r\n  a = 4\r\nEnd If");
  g_notifications.clear();
  Command(32775);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  const std::wstring& text = boxes.Boxes()[0].text;
  EXPECT_EQ(text.rfind(L"SCRIPT: Compiling Error => Line 5 : ", 0), 0u) << text;
  EXPECT_NE(text.find(L"Then"), std::wstring::npos) << text;
  EXPECT_EQ(text.back(), L'.');
  EXPECT_EQ(boxes.Boxes()[0].caption, L"Script");
  EXPECT_EQ(boxes.Boxes()[0].style & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
  EXPECT_EQ(Selection().cpMin, LineStart(4));
  ASSERT_EQ(g_notifications.size(), 1u);  // code 1 with the line; nothing else while the box is open
  EXPECT_EQ(g_notifications[0].code, 1u);
  EXPECT_EQ(g_notifications[0].position, 4);
}

TEST_F(CheckScriptTest, ProcedureHeaderWrapsTheTextAndOnlyFunctionsIsPassedOn) {
  orv::testing::MessageBoxCapture boxes;
  VSESetText(h_, L"x = 1\r\nMsgBox x");
  VSESetAllowOnlyFunctionsFlag(h_, 1);
  Command(32775);  // statements outside a procedure
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text.rfind(L"SCRIPT: Compiling Error => Line 1 : ", 0), 0u) << boxes.Boxes()[0].text;
  boxes.Clear();
  VSESetProcedureFlag(h_, TRUE, L"Sub OnClick()");
  Command(32775);  // now inside the header's Sub
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text, L"Script is OK!");
  boxes.Clear();
  VSESetText(h_, L"x = 1\r\nIf x Then");
  Command(32775);  // lines are counted in the control's own text
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text.rfind(L"SCRIPT: Compiling Error => Line ", 0), 0u) << boxes.Boxes()[0].text;
}

}  // namespace

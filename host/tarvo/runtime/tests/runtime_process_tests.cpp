// The running project's calls of tarvo.dll through its exports, across real processes:
// a value written in one process is read, and its change delivered, in another.
#include <gtest/gtest.h>

#include <set>

#include "child_process.h"
#include "process/run_process.h"
#include "runtime_project.h"
#include "win/unique_resource.h"

namespace tarvo::testing {
namespace {

constexpr DWORD kLimitMs = 15000;

class RunningProject : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(project_.Open()) << "DBOpenError " << DBOpenError(); }

  std::wstring Helper(const std::wstring& arguments) const {
    return L"\"" + orv::testing::ProgramFolder() + L"tarvo_runtime_helper.exe\" \"" + project_.ini() + L"\" " +
           arguments;
  }
  std::wstring HelperArgs(const std::wstring& arguments) const { return L"\"" + project_.ini() + L"\" " + arguments; }
  static std::wstring Read(const wchar_t* tag) {
    TAGREF ref = Ref(tag);
    wchar_t value[300] = L"?";
    return UNReadString(&ref, value, 300) ? std::wstring(value) : L"<unread>";
  }
  static bool Write(const wchar_t* tag, const wchar_t* value) {
    TAGREF ref = Ref(tag);
    return UNWriteString2(&ref, value, -1, -1, 0, 0) != FALSE;
  }

  RuntimeProject project_;
};

orv::win::UniqueWindow MessageWindow() {
  return orv::win::UniqueWindow(
      CreateWindowExW(0, L"STATIC", L"runtime test", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
}

bool WaitForMessage(HWND window, UINT message, DWORD limitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.hwnd == window && msg.message == message) return true;
      DispatchMessageW(&msg);
    }
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= limitMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, limitMs - elapsed, QS_ALLINPUT);
  }
}

template <typename Condition>
bool WaitUntil(Condition condition, DWORD limitMs = kLimitMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= limitMs) return false;
    Sleep(5);
  }
  return true;
}

TEST_F(RunningProject, ValuesCrossProcessesInBothDirections) {
  ASSERT_TRUE(Write(L"Count", L"42"));
  auto read = orv::testing::RunProcess(Helper(L"read Count"));
  EXPECT_EQ(read.exitCode, 0u);
  EXPECT_EQ(read.out, "42\n");

  // The other process writes text outside ASCII; this one reads it.
  auto write = orv::testing::RunProcess(Helper(L"write Text \"Gr\u00FC\u00DFe \u03A9\""));
  EXPECT_EQ(write.exitCode, 0u);
  EXPECT_EQ(Read(L"Text"), L"Gr\u00FC\u00DFe \u03A9");

  auto refused = orv::testing::RunProcess(Helper(L"write Count notanumber"));
  EXPECT_EQ(refused.exitCode, 1u);
  EXPECT_EQ(Read(L"Count"), L"42") << "a refused write loses nothing";
}

TEST_F(RunningProject, ChangeWrittenElsewhereReachesTheWatchingTask) {
  auto window = MessageWindow();
  int task = UNTaskInit(L"TarDde", window.get(), GetCurrentThreadId());
  ASSERT_GE(task, 0);
  EXPECT_EQ(UNGetNumTask(L"tardde"), task);
  TAGREF level = Ref(L"Level");
  HOSTMSG record{};
  UNMakeMessage(&record, task, 0x401, 0, 0x1234, 999, window.get());
  ASSERT_TRUE(UNPrepareEvent(TRUE, &level, &record, 0));

  auto write = orv::testing::RunProcess(Helper(L"write Level 3.5"));
  ASSERT_EQ(write.exitCode, 0u);
  ASSERT_TRUE(WaitForMessage(window.get(), TARVO_WM_HOSTMSG, kLimitMs)) << "0x55D never came";
  HOSTMSG msg{};
  ASSERT_TRUE(UNGetMessage(&msg, task));
  EXPECT_EQ(msg.nTaskId, task);
  EXPECT_EQ(msg.uCode, 0x401u);
  EXPECT_EQ(msg.wParam, 0u);
  EXPECT_EQ(msg.lParam, 0x1234);
  EXPECT_EQ(msg.nExtra, 999);
  EXPECT_EQ(msg.hWnd, window.get());
  EXPECT_FALSE(UNGetMessage(&msg, task)) << "one change, one record";
  EXPECT_EQ(Read(L"Level"), L"3.5");

  // The same value again is no change; after unsubscribing nothing more is queued.
  ASSERT_EQ(orv::testing::RunProcess(Helper(L"write Level 3.5")).exitCode, 0u);
  EXPECT_FALSE(UNGetMessage(&msg, task));
  ASSERT_TRUE(UNPrepareEvent(FALSE, &level, &record, 0));
  ASSERT_EQ(orv::testing::RunProcess(Helper(L"write Level 4")).exitCode, 0u);
  EXPECT_FALSE(UNGetMessage(&msg, task));
  UNTaskEnd(task);
  EXPECT_EQ(UNGetNumTask(L"TarDde"), -1);
}

TEST_F(RunningProject, WatcherInAnotherProcessGetsTheChangeWrittenHere) {
  ChildProcess watcher(HelperArgs(L"watch Arr[2]"));
  ASSERT_TRUE(watcher.started());
  ASSERT_TRUE(WaitUntil([] { return UNExeIsExecuting(L"WATCHER", 0) != FALSE; })) << "the watcher never subscribed";
  ASSERT_TRUE(Write(L"Arr[1]", L"5")) << "another element: no event";
  ASSERT_TRUE(Write(L"Arr[2]", L"77"));
  ASSERT_EQ(watcher.Wait(kLimitMs), 0u);
  EXPECT_EQ(watcher.Output(), "ready\n77|1025|20823|999\n");
}

TEST_F(RunningProject, RunningModulesAreSharedAndClosedByKey) {
  ChildProcess module(HelperArgs(L"module HELPERMOD"));
  ASSERT_TRUE(module.started());
  ASSERT_TRUE(WaitUntil([] { return UNExeGetHWnd(L"HELPERMOD") != nullptr; }));
  EXPECT_TRUE(UNExeIsExecuting(L"helpermod", 0));

  auto window = MessageWindow();
  ASSERT_TRUE(UNExeInit(L"TESTMOD", window.get(), GetCurrentThreadId(), 2, 0));
  std::set<std::wstring> keys;
  wchar_t key[64];
  for (BOOL more = UNExeGetFirst(key, 64); more; more = UNExeGetNext(key, 64)) keys.insert(key);
  EXPECT_EQ(keys, (std::set<std::wstring>{L"HELPERMOD", L"TESTMOD"}));

  ASSERT_TRUE(UNExePostMessage(L"HELPERMOD", WM_CLOSE, 0, 0));
  EXPECT_EQ(module.Wait(kLimitMs), 0u) << "the module was told to close";
  EXPECT_FALSE(UNExeIsExecuting(L"HELPERMOD", 0));
  EXPECT_EQ(UNExeGetHWnd(L"HELPERMOD"), nullptr);
  EXPECT_FALSE(UNExePostMessage(L"HELPERMOD", WM_CLOSE, 0, 0));

  // A module whose process ended without unregistering does not run.
  auto abandoned = orv::testing::RunProcess(Helper(L"module-abandon GHOST"));
  EXPECT_EQ(abandoned.exitCode, 0u);
  EXPECT_FALSE(UNExeIsExecuting(L"GHOST", 0));
  EXPECT_EQ(UNExeGetHWnd(L"GHOST"), nullptr);

  UNExeEnd(GetCurrentThreadId());
  EXPECT_FALSE(UNExeIsExecuting(L"TESTMOD", 0));
}

TEST_F(RunningProject, OrvctlReadsAndWritesTheRunningProject) {
  const std::wstring orvctl = L"\"" + orv::testing::ProgramFolder() + L"orvctl.exe\" ";
  const std::wstring project = L" --project \"" + project_.ini() + L"\"";
  ASSERT_TRUE(Write(L"Count", L"77"));
  auto get = orv::testing::RunProcess(orvctl + L"value get Count --quality" + project);
  EXPECT_EQ(get.exitCode, 0u) << get.err;
  EXPECT_EQ(get.out.rfind("77\tgood", 0), 0u) << get.out;
  auto set = orv::testing::RunProcess(orvctl + L"value set Text \"from orvctl\"" + project);
  EXPECT_EQ(set.exitCode, 0u) << set.err;
  EXPECT_EQ(Read(L"Text"), L"from orvctl");
  EXPECT_EQ(orv::testing::RunProcess(orvctl + L"value set Count many" + project).exitCode, 1u);
  EXPECT_EQ(orv::testing::RunProcess(orvctl + L"value get NoSuchTag" + project).exitCode, 1u);
  EXPECT_EQ(Read(L"Count"), L"77");

  auto window = MessageWindow();
  ASSERT_TRUE(UNExeInit(L"TESTMOD", window.get(), GetCurrentThreadId(), 0, 0));
  auto modules = orv::testing::RunProcess(orvctl + L"modules" + project);
  UNExeEnd(GetCurrentThreadId());
  EXPECT_EQ(modules.exitCode, 0u);
  EXPECT_NE(modules.out.find("TESTMOD\twindow"), std::string::npos) << modules.out;
}

TEST_F(RunningProject, DescriptorsTypesAndQualities) {
  struct Case {
    const wchar_t* name;
    int type;
    uint32_t flags;
    int arraySize;
  };
  const Case cases[] = {
      {L"Flag", 0, 0, 0},         {L"Count", 1, 1, 0},
      {L"Level", 2, 2 | TAGDESC_TREND, 0}, {L"Text", 3, 3, 0},
      {L"Arr[1]", 1, 1, 3},       {L"Pump.Speed", 2, 2, 0},
      {L"Pump", 4, TAGDESC_UNUSABLE, 0},
  };
  for (const Case& c : cases) {
    TAGREF ref{};
    ASSERT_TRUE(DBGetVar(&ref, c.name)) << c.name;
    TAGDESC desc{};
    ASSERT_TRUE(UNFindVar(&ref, 0, &desc, 1)) << c.name;
    EXPECT_EQ(desc.nType, c.type) << c.name;
    EXPECT_EQ(desc.dwFlags, c.flags) << c.name;
    EXPECT_EQ(desc.nArraySize, c.arraySize) << c.name;
    EXPECT_EQ(UNTypeVar(&ref), c.type) << c.name;
  }
  TAGREF pump = Ref(L"Pump");
  TAGDESC desc{};
  ASSERT_TRUE(UNFindVar(&pump, 0, &desc, 1));
  EXPECT_EQ(desc.dwAlarmFlags, 0x100u);

  TAGREF count = Ref(L"Count");
  EXPECT_EQ(UNGetQuality(&count), TARVO_QUALITY_GOOD);
  ASSERT_TRUE(UNWriteString2(&count, L"7", TARVO_QUALITY_UNCERTAIN, -1, 0, 0));
  EXPECT_EQ(UNGetQuality(&count), TARVO_QUALITY_UNCERTAIN);
  auto read = orv::testing::RunProcess(Helper(L"read Count"));
  EXPECT_EQ(read.out, "7\n");
}

TEST_F(RunningProject, IndexTagsAndIndirectTagsLeadToTheirValues) {
  ASSERT_TRUE(Write(L"Arr[3]", L"33"));
  ASSERT_TRUE(Write(L"Idx", L"3"));
  EXPECT_EQ(Read(L"Arr[Idx]"), L"33");
  ASSERT_TRUE(Write(L"Ptr", L"Count"));
  ASSERT_TRUE(Write(L"@Ptr", L"12"));
  EXPECT_EQ(Read(L"Count"), L"12");
  EXPECT_EQ(Read(L"@Ptr"), L"12");
  ASSERT_TRUE(Write(L"Pump.State", L"running"));
  EXPECT_EQ(Read(L"Pump.State"), L"running");
}

TEST_F(RunningProject, BadInputIsAnsweredWithoutHarm) {
  TAGREF unknown{};
  unknown.nTag = 99999;
  TAGREF none{};
  wchar_t buffer[8];
  for (TAGREF* ref : {&unknown, &none}) {
    buffer[0] = L'#';
    EXPECT_FALSE(UNReadString(ref, buffer, 8));
    EXPECT_EQ(buffer[0], L'\0');
    EXPECT_FALSE(UNWriteString2(ref, L"1", -1, -1, 0, 0));
    EXPECT_EQ(UNTypeVar(ref), -1);
    EXPECT_EQ(UNGetQuality(ref), TARVO_QUALITY_BAD);
    TAGDESC desc{};
    EXPECT_FALSE(UNFindVar(ref, 0, &desc, 1));
    EXPECT_TRUE(desc.dwFlags & TAGDESC_UNUSABLE);
  }
  EXPECT_FALSE(UNReadString(nullptr, buffer, 8));
  EXPECT_FALSE(UNWriteString2(nullptr, L"1", -1, -1, 0, 0));
  TAGREF text = Ref(L"Text");
  EXPECT_FALSE(UNWriteString2(&text, nullptr, -1, -1, 0, 0));
  EXPECT_FALSE(UNFindVar(nullptr, 0, nullptr, 1));
  EXPECT_TRUE(UNFindVar(&text, 0, nullptr, 1));
  EXPECT_EQ(UNTypeVar(nullptr), -1);
  EXPECT_EQ(UNGetQuality(nullptr), TARVO_QUALITY_BAD);
  EXPECT_FALSE(UNGetMessage(nullptr, 0));
  EXPECT_FALSE(UNPrepareEvent(TRUE, nullptr, nullptr, 0));
  UNMakeMessage(nullptr, 0, 0, 0, 0, 0, nullptr);
  EXPECT_FALSE(UNExeInit(nullptr, nullptr, 0, 0, 0));
  EXPECT_FALSE(UNExeInit(L"", nullptr, 0, 0, 0));
  EXPECT_EQ(UNExeGetHWnd(nullptr), nullptr);
  EXPECT_FALSE(UNExeIsExecuting(nullptr, 0));
  EXPECT_FALSE(UNExePostMessage(nullptr, WM_CLOSE, 0, 0));
  EXPECT_LT(UNTaskInit(nullptr, nullptr, 0), 0);
  EXPECT_EQ(UNGetNumTask(nullptr), -1);
  UNTaskEnd(-5);
  UNCleanMessageQueue(12345);

  // Caller buffers of size 0 and 1, and one too small.
  ASSERT_TRUE(Write(L"Text", L"abcdef"));
  buffer[0] = L'#';
  EXPECT_FALSE(UNReadString(&text, buffer, 0));
  EXPECT_EQ(buffer[0], L'#') << "size 0: nothing written";
  EXPECT_FALSE(UNReadString(&text, buffer, 1));
  EXPECT_EQ(buffer[0], L'\0');
  EXPECT_FALSE(UNReadString(&text, buffer, 4)) << "cut to the buffer";
  EXPECT_EQ(std::wstring(buffer), L"abc");
  EXPECT_TRUE(UNReadString(&text, buffer, 7));
  EXPECT_EQ(std::wstring(buffer), L"abcdef");
  wchar_t key[4] = L"##";
  auto window = MessageWindow();
  ASSERT_TRUE(UNExeInit(L"LONGMODULEKEY", window.get(), GetCurrentThreadId(), 0, 0));
  EXPECT_TRUE(UNExeGetFirst(key, 1));
  EXPECT_EQ(key[0], L'\0');
  EXPECT_TRUE(UNExeGetFirst(key, 4));
  EXPECT_EQ(std::wstring(key), L"LON");
  UNExeEnd(GetCurrentThreadId());
}

TEST_F(RunningProject, FullTablesAreRefused) {
  // Running modules: 64 entries, then refusals; the thread ids are made up.
  int accepted = 0;
  for (int i = 0; i < 80; ++i)
    accepted += UNExeInit((L"M" + std::to_wstring(i)).c_str(), nullptr, 900000 + i, 0, 0) ? 1 : 0;
  EXPECT_EQ(accepted, 64);
  for (int i = 0; i < 80; ++i) UNExeEnd(900000 + i);
  EXPECT_FALSE(UNExeIsExecuting(L"M0", 0));

  // Tasks: ids 0 to 63, then refusals.
  std::vector<int> tasks;
  for (int i = 0; i < 70; ++i) {
    int id = UNTaskInit((L"T" + std::to_wstring(i)).c_str(), nullptr, GetCurrentThreadId());
    if (id >= 0) tasks.push_back(id);
    EXPECT_LT(id, 256);
  }
  EXPECT_EQ(tasks.size(), 64u);
  // A full queue drops the further records; what it holds stays in order.
  auto window = MessageWindow();
  HOSTMSG record{};
  UNMakeMessage(&record, tasks[0], 0x401, 0, 1, 0, window.get());
  TAGREF count = Ref(L"Count");
  ASSERT_TRUE(UNPrepareEvent(TRUE, &count, &record, 0));
  for (int i = 0; i < 300; ++i) ASSERT_TRUE(UNWriteString2(&count, std::to_wstring(1000 + i).c_str(), -1, -1, 0, 0));
  int queued = 0;
  HOSTMSG msg{};
  while (UNGetMessage(&msg, tasks[0])) ++queued;
  EXPECT_EQ(queued, 256);
  // Subscriptions: 4096, then refusals.
  int subscribed = 1;
  for (int i = 2; i < 5000; ++i) {
    record.lParam = i;
    subscribed += UNPrepareEvent(TRUE, &count, &record, 0) ? 1 : 0;
  }
  EXPECT_EQ(subscribed, 4096);
  for (int id : tasks) UNTaskEnd(id);
  EXPECT_EQ(UNGetNumTask(L"T0"), -1);
  record.lParam = 1;
  int again = UNTaskInit(L"Again", nullptr, GetCurrentThreadId());
  ASSERT_GE(again, 0);
  record.nTaskId = again;
  EXPECT_TRUE(UNPrepareEvent(TRUE, &count, &record, 0)) << "ending the tasks freed their subscriptions";
  UNTaskEnd(again);
}

}  // namespace
}  // namespace tarvo::testing

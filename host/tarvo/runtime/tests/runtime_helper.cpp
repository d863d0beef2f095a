// A second process of the running project for the two-process tests and the benchmark.
//   runtime_helper PROJECT.APP read TAG            prints the value, exit 1 if unreadable
//   runtime_helper PROJECT.APP write TAG VALUE     exit 1 if refused
//   runtime_helper PROJECT.APP module KEY          registers a module window, runs until closed
//   runtime_helper PROJECT.APP module-abandon KEY  registers, then ends without unregistering
//   runtime_helper PROJECT.APP watch TAG           waits for one change of TAG, prints it
//   runtime_helper PROJECT.APP echo FROM TO COUNT  copies COUNT changes of FROM to TO
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "tarvo.h"
#include "text/utf16le.h"
#include "win/unique_resource.h"

namespace {

constexpr DWORD kWaitLimitMs = 20000;
constexpr LPARAM kWatchCookie = 0x5157;

void Print(const std::wstring& text) {
  std::string utf8 = orv::ToUtf8(text) + "\n";
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fflush(stdout);
}

bool OpenProject(const std::wstring& ini) {
  std::wstring folder = ini.substr(0, ini.find_last_of(L'\\'));
  return APSetAppIniPath(ini.c_str()) && APSetAppPath(folder.c_str()) && DBOpen();
}

orv::win::UniqueWindow MessageWindow() {
  return orv::win::UniqueWindow(
      CreateWindowExW(0, L"STATIC", L"runtime helper", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
}

// Pumps messages until `message` arrives for `window` or the limit passes.
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

int Module(const std::wstring& key, bool abandon) {
  auto window = MessageWindow();
  if (!UNExeInit(key.c_str(), window.get(), GetCurrentThreadId(), 0, 0)) return 1;
  if (abandon) {
    window.release();  // the process ends as a module would crash: nothing cleaned up
    ExitProcess(0);
  }
  Print(L"ready");
  bool closed = WaitForMessage(window.get(), WM_CLOSE, kWaitLimitMs);
  UNExeEnd(GetCurrentThreadId());
  return closed ? 0 : 3;
}

struct Watch {
  orv::win::UniqueWindow window = MessageWindow();
  int task = -1;
  TAGREF ref{};
  HOSTMSG record{};
  ~Watch() {
    if (task >= 0) UNTaskEnd(task);
  }
  bool Start(const std::wstring& name, const std::wstring& tag) {
    task = UNTaskInit(name.c_str(), window.get(), GetCurrentThreadId());
    if (task < 0 || !DBGetVar(&ref, tag.c_str())) return false;
    UNMakeMessage(&record, task, 0x401, 0, kWatchCookie, 999, window.get());
    return UNPrepareEvent(TRUE, &ref, &record, 0) != FALSE;
  }
  // A signal may stand for records already taken: wait until a record is there.
  bool Next(HOSTMSG& msg) {
    while (!UNGetMessage(&msg, task)) {
      if (!WaitForMessage(window.get(), TARVO_WM_HOSTMSG, kWaitLimitMs)) return false;
    }
    return true;
  }
};

int WatchOnce(const std::wstring& tag) {
  Watch watch;
  if (!watch.Start(L"HelperWatch", tag)) return 1;
  // Registered as a module once subscribed: the test writes only after that.
  if (!UNExeInit(L"WATCHER", watch.window.get(), GetCurrentThreadId(), 0, 0)) return 1;
  Print(L"ready");
  HOSTMSG msg{};
  if (!watch.Next(msg)) return 3;
  wchar_t value[256];
  UNReadString(&watch.ref, value, 256);
  Print(std::wstring(value) + L"|" + std::to_wstring(msg.uCode) + L"|" + std::to_wstring(msg.lParam) + L"|" +
        std::to_wstring(msg.nExtra));
  UNExeEnd(GetCurrentThreadId());
  return 0;
}

int Echo(const std::wstring& from, const std::wstring& to, int count) {
  Watch watch;
  TAGREF target{};
  if (!watch.Start(L"HelperEcho", from) || !DBGetVar(&target, to.c_str())) return 1;
  if (!UNExeInit(L"ECHO", watch.window.get(), GetCurrentThreadId(), 0, 0)) return 1;
  wchar_t value[256];
  for (int i = 0; i < count; ++i) {
    HOSTMSG msg{};
    if (!watch.Next(msg)) return 3;
    UNReadString(&watch.ref, value, 256);
    if (!UNWriteString2(&target, value, -1, -1, watch.task, 0)) return 4;
  }
  UNExeEnd(GetCurrentThreadId());
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // lines end in "\n" alone, as the tests compare them
  if (argc < 4 || !OpenProject(argv[1])) return 2;
  const std::wstring verb = argv[2];
  TAGREF ref{};
  if (verb == L"read") {
    wchar_t value[256];
    if (!DBGetVar(&ref, argv[3]) || !UNReadString(&ref, value, 256)) return 1;
    Print(value);
    return 0;
  }
  if (verb == L"write" && argc >= 5) return DBGetVar(&ref, argv[3]) && UNWriteString2(&ref, argv[4], -1, -1, 0, 0) ? 0 : 1;
  if (verb == L"module") return Module(argv[3], false);
  if (verb == L"module-abandon") return Module(argv[3], true);
  if (verb == L"watch") return WatchOnce(argv[3]);
  if (verb == L"echo" && argc >= 6) return Echo(argv[3], argv[4], _wtoi(argv[5]));
  return 2;
}

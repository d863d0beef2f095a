// Prints the cost of a change crossing processes: this process writes tag Src, a
// helper process watching Src copies each value to Dst, and this process waits for
// the change event of Dst. One round trip is two write-to-event deliveries.
//   tarvo_runtime_benchmark [COUNT]
#include <windows.h>

#include <cstdio>
#include <string>

#include "child_process.h"
#include "runtime_project.h"
#include "win/unique_resource.h"

using namespace tarvo::testing;

namespace {

bool WaitForHostMessage(HWND window, DWORD limitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.hwnd == window && msg.message == TARVO_WM_HOSTMSG) return true;
      DispatchMessageW(&msg);
    }
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= limitMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, limitMs - elapsed, QS_ALLINPUT);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int count = argc > 1 ? _wtoi(argv[1]) : 2000;
  RuntimeProject project;
  if (count <= 0 || !project.Open()) {
    std::fprintf(stderr, "cannot open the benchmark project\n");
    return 1;
  }
  // The calls alone, in this process.
  {
    TAGREF countTag = Ref(L"Count");
    wchar_t value[64];
    LARGE_INTEGER f, t0, t1, t2;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t0);
    for (int i = 0; i < count; ++i) UNWriteString2(&countTag, std::to_wstring(i).c_str(), -1, -1, 0, 0);
    QueryPerformanceCounter(&t1);
    for (int i = 0; i < count; ++i) UNReadString(&countTag, value, 64);
    QueryPerformanceCounter(&t2);
    const double perUs = 1e6 / static_cast<double>(f.QuadPart) / count;
    std::printf("UNWriteString2 (no watcher): %.1f us per call\n", static_cast<double>(t1.QuadPart - t0.QuadPart) * perUs);
    std::printf("UNReadString: %.1f us per call\n", static_cast<double>(t2.QuadPart - t1.QuadPart) * perUs);
  }
  orv::win::UniqueWindow window(
      CreateWindowExW(0, L"STATIC", L"benchmark", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
  int task = UNTaskInit(L"Benchmark", window.get(), GetCurrentThreadId());
  TAGREF src = Ref(L"Src");
  TAGREF dst = Ref(L"Dst");
  HOSTMSG record{};
  UNMakeMessage(&record, task, 0x401, 0, 1, 0, window.get());
  if (task < 0 || !UNPrepareEvent(TRUE, &dst, &record, 0)) return 1;

  ChildProcess echo(L"\"" + project.ini() + L"\" echo Src Dst " + std::to_wstring(count));
  const DWORD readyStart = GetTickCount();
  while (!UNExeIsExecuting(L"ECHO", 0)) {
    if (GetTickCount() - readyStart > 20000) return 1;
    Sleep(5);
  }
  LARGE_INTEGER frequency, begin, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  for (int i = 1; i <= count; ++i) {
    UNWriteString2(&src, std::to_wstring(i).c_str(), -1, -1, task, 0);
    HOSTMSG msg{};
    while (!UNGetMessage(&msg, task)) {
      if (!WaitForHostMessage(window.get(), 10000)) {
        std::fprintf(stderr, "no answer for change %d\n", i);
        return 1;
      }
    }
  }
  QueryPerformanceCounter(&end);
  UNTaskEnd(task);
  echo.Wait(10000);
  const double seconds = static_cast<double>(end.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
  const double roundTripUs = seconds * 1e6 / count;
  std::printf("cross-process write-to-event: %d round trips in %.3f s\n", count, seconds);
  std::printf("  round trip (write, event, echo write, event): %.1f us\n", roundTripUs);
  std::printf("  one write-to-event delivery: %.1f us\n", roundTripUs / 2);
  return 0;
}

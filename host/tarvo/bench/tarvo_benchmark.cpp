// Prints the cost of DBGetVar on a 100,000-tag database (not a test: figures only).
#include <windows.h>

#include <cstdio>
#include <string>

#include "../tests/tarvo_loader.h"
#include "text/utf16le.h"

int wmain() {
  tarvo::test::TarvoLibrary lib;
  if (!lib.module()) {
    std::printf("tarvo.dll not found\n");
    return 1;
  }
  orv::testing::TempFolder temp(L"tarvobench");
  const std::wstring folder = temp.path() + L"\\Bench";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"\\Database").c_str(), nullptr);
  orv::testing::WriteFileBytes(folder + L"\\Bench.APP", std::string("\xFF\xFE[Info]\0\r\0\n\0", 16));
  constexpr int kTags = 100000;
  std::wstring text = L"ORVANE-TAGS\t1\r\nCLASS\tMotor\r\nMEMBER\tSpeed\t2\r\n";
  for (int i = 0; i < kTags; ++i)
    text += L"TAG\tTag" + std::to_wstring(i) + (i % 10 == 0 ? L"\tMotor\t4\t-\r\n" : L"\t2\t0\t-\r\n");
  std::string bytes("\xFF\xFE", 2);
  orv::AppendUtf16LE(bytes, text);
  orv::testing::WriteFileBytes(folder + L"\\Database\\Tags.tdb", bytes);

  TARVO_FN(lib, APSetAppIniPath);
  TARVO_FN(lib, DBOpen);
  TARVO_FN(lib, DBGetVar);
  TARVO_FN(lib, UNGetTotalCount);
  APSetAppIniPath((folder + L"\\Bench.APP").c_str());
  LARGE_INTEGER freq, t0, t1, t2;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&t0);
  const BOOL opened = DBOpen();
  QueryPerformanceCounter(&t1);
  std::printf("DBOpen of %d tags: %s in %.1f ms\n", UNGetTotalCount(), opened ? "ok" : "FAILED",
              1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart));
  const wchar_t* const forms[] = {L"Tag%d", L"Tag%d[2].Speed", L"Tag%d->Description"};
  const int steps[] = {1, 10, 1};
  for (int f = 0; f < 3; ++f) {
    int found = 0, calls = 0;
    QueryPerformanceCounter(&t1);
    for (int i = 0; i < kTags; i += steps[f]) {
      wchar_t name[64];
      std::swprintf(name, 64, forms[f], i);
      TAGREF ref{};
      found += DBGetVar(&ref, name) ? 1 : 0;
      ++calls;
    }
    QueryPerformanceCounter(&t2);
    const double us = 1e6 * static_cast<double>(t2.QuadPart - t1.QuadPart) / static_cast<double>(freq.QuadPart);
    std::printf("DBGetVar \"%ls\": %d calls, %d found, %.3f us per call\n", forms[f], calls, found, us / calls);
  }
  return 0;
}

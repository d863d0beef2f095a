// Figures only: how long the control takes to recolour every line of a 5,000-line script
// (loading the text, and switching capitalisation, which recolours all lines).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "VelScriptEdit.h"
#include "win/unique_resource.h"

namespace {

std::wstring MakeScript(int lines) {
  static const wchar_t* const kLines[] = {
      L"dim total, count ' running sums",
      L"if instr(name, \"it's\") > 0 then msgbox \"found: \" & name, vbokonly, \"Search\"",
      L"    total = total + $Tank[2].Level * 0.5 + &H1F - 1e-5",
      L"else",
      L"    count = ucase(mid(text, 3, len(text) - 2)) rem trailing remark",
      L"end if",
      L"for i = 1 to 10 : s = s & cstr(i) & \",\" : next",
  };
  std::wstring text;
  for (int i = 0; i < lines; ++i) {
    if (i) text += L"\r\n";
    text += kLines[i % (sizeof(kLines) / sizeof(kLines[0]))];
  }
  return text;
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int wmain() {
  orv::win::ComInit com;
  HWND parent = ::CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
  RECT rect{0, 0, 780, 580};
  HVSE h = VSECreateScriptEdit(L"VBScript", parent, rect, 1, 4, L"Courier New", 10);
  if (!h) {
    std::fprintf(stderr, "the control could not be created\n");
    return 1;
  }
  const int lines = 5000;
  const std::wstring script = MakeScript(lines);

  auto start = std::chrono::steady_clock::now();
  VSESetText(h, script.c_str());
  const double load = Seconds(start);

  start = std::chrono::steady_clock::now();
  VSESetCapitalizeWord(h, FALSE);
  const double recolour = Seconds(start);

  std::printf("lines: %d, characters: %zu\n", VSEGetLineCount(h), script.size());
  std::printf("load and colour all lines: %.2f s (%.0f us per line)\n", load, load * 1e6 / lines);
  std::printf("recolour all lines:        %.2f s (%.0f us per line)\n", recolour, recolour * 1e6 / lines);
  VSEDetroyScriptEdit(h);
  ::DestroyWindow(parent);
  return 0;
}

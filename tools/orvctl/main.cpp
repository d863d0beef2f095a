// orvctl: finds the command whose words lead the arguments and runs it.
#include <windows.h>

#include <cstdio>
#include <cwctype>
#include <sstream>

#include "command_table.h"
#include "console.h"
#include "ui/message_box.h"

namespace {

std::vector<std::wstring> SplitWords(const wchar_t* words) {
  std::wistringstream in(words);
  std::vector<std::wstring> out;
  for (std::wstring w; in >> w;) out.push_back(w);
  return out;
}

// Message boxes raised by modules orvctl loads: printed, answered with the default button
// (or the answer given by the environment variable ORV_ANSWER: an IDxxx number).
int g_forcedAnswer = 0;

}  // namespace

extern "C" __declspec(dllexport) int OrvMessageBoxHook(HWND, const wchar_t* text, const wchar_t* caption, UINT style) {
  orvctl::Err(L"[" + std::wstring(caption ? caption : L"") + L"] " + std::wstring(text ? text : L""));
  return g_forcedAnswer ? g_forcedAnswer : orv::ui::DefaultAnswer(style);
}

extern "C" __declspec(dllexport) void OrvWaitCursorHook(int) {}

int wmain(int argc, wchar_t** argv) {
  wchar_t answer[16];
  if (::GetEnvironmentVariableW(L"ORV_ANSWER", answer, 16) > 0) g_forcedAnswer = _wtoi(answer);

  std::vector<std::wstring> args(argv + 1, argv + argc);
  if (args.empty()) args.push_back(L"help");

  const orvctl::Command* best = nullptr;
  std::size_t bestLength = 0;
  for (const orvctl::CommandTable* table : orvctl::AllTables()) {
    for (std::size_t i = 0; i < table->count; ++i) {
      auto words = SplitWords(table->rows[i].words);
      if (words.size() <= bestLength || words.size() > args.size()) continue;
      bool match = true;
      for (std::size_t k = 0; k < words.size() && match; ++k) match = (words[k] == args[k]);
      if (match) {
        best = &table->rows[i];
        bestLength = words.size();
      }
    }
  }
  if (!best) return orvctl::UsageError(L"unknown command \"" + args[0] + L"\"; try \"orvctl help\"");
  orvctl::Args rest(args.begin() + static_cast<long>(bestLength), args.end());
  try {
    return best->run(rest);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvctl: %s\n", e.what());
    return 1;
  }
}

// The running project: value get|set and modules.
#include <windows.h>

#include <cstdio>

#include "command_table.h"
#include "console.h"
#include "tarvo.h"

namespace orvctl {
namespace {

// "--project FILE" makes that project current; otherwise the machine's running project.
bool OpenRunningProject(Args& args) {
  std::wstring project = TakeOption(args, L"--project");
  if (!project.empty()) {
    std::wstring folder = project.substr(0, project.find_last_of(L"\\/"));
    if (!APSetAppIniPath(project.c_str()) || !APSetAppPath(folder.c_str())) {
      Err(L"cannot use the project " + project);
      return false;
    }
  }
  if (!IsDBOpen() && !DBOpen()) {
    Err(L"the tag database of the running project cannot be opened (error " + std::to_wstring(DBOpenError()) + L")");
    return false;
  }
  return true;
}

bool AnyModuleRuns() {
  wchar_t key[64];
  return UNExeGetFirst(key, 64) != FALSE;
}

std::wstring QualityWord(WORD quality) {
  switch (quality) {
    case 0: return L"bad";
    case 64: return L"uncertain";
    case 192: return L"good";
    default: return std::to_wstring(quality);
  }
}

int ValueGet(const Args& given) {
  Args args = given;
  bool withQuality = TakeFlag(args, L"--quality");
  if (!OpenRunningProject(args)) return 1;
  if (args.size() != 1) return UsageError(L"usage: orvctl value get TAG [--quality] [--project FILE]");
  TAGREF ref{};
  if (!DBGetVar(&ref, args[0].c_str())) {
    Err(L"not a tag: " + args[0]);
    return 1;
  }
  wchar_t value[256];
  if (!UNReadString(&ref, value, 256)) {
    Err(L"no value can be read from " + args[0]);
    return 1;
  }
  Out(withQuality ? std::wstring(value) + L"\t" + QualityWord(UNGetQuality(&ref)) : std::wstring(value));
  return 0;
}

int ValueSet(const Args& given) {
  Args args = given;
  if (!OpenRunningProject(args)) return 1;
  if (args.size() != 2) return UsageError(L"usage: orvctl value set TAG VALUE [--project FILE]");
  TAGREF ref{};
  if (!DBGetVar(&ref, args[0].c_str())) {
    Err(L"not a tag: " + args[0]);
    return 1;
  }
  if (!UNWriteString2(&ref, args[1].c_str(), -1, -1, 0, 0)) {
    Err(L"the value \"" + args[1] + L"\" was refused by " + args[0]);
    return 1;
  }
  if (!AnyModuleRuns()) Err(L"note: no module of the project runs; the value lasts only while one does");
  return 0;
}

int Modules(const Args& given) {
  Args args = given;
  std::wstring project = TakeOption(args, L"--project");
  if (!project.empty()) {
    std::wstring folder = project.substr(0, project.find_last_of(L"\\/"));
    APSetAppIniPath(project.c_str());
    APSetAppPath(folder.c_str());
  }
  if (!args.empty()) return UsageError(L"usage: orvctl modules [--project FILE]");
  wchar_t key[64];
  int count = 0;
  for (BOOL more = UNExeGetFirst(key, 64); more; more = UNExeGetNext(key, 64)) {
    wchar_t window[32];
    std::swprintf(window, 32, L"%p", static_cast<void*>(UNExeGetHWnd(key)));
    Out(std::wstring(key) + L"\twindow " + window);
    ++count;
  }
  if (count == 0) Out(L"no module runs");
  return 0;
}

const Command kRows[] = {
    {L"value get", L"TAG [--quality] [--project FILE]", L"read a tag's value in the running project", &ValueGet},
    {L"value set", L"TAG VALUE [--project FILE]", L"write a tag's value in the running project", &ValueSet},
    {L"modules", L"[--project FILE]", L"list the running modules", &Modules},
};

}  // namespace

extern const CommandTable kRuntimeCommands = MakeTable(L"Running project", kRows);

}  // namespace orvctl

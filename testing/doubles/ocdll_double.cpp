// Double of the VuzaZuvozidAdad libraries "OCDLL.DLL" (and, built apart, the timer
// function of "ocSystem.DLL"), answering from "oc_fixture.ini" beside it:
//   [database] attach=<answer of ocAttachDatabase>
//   [inputs] / [outputs] / [memory]: count=N, <i>=alias|address text ("!" as alias: the lookup fails)
//   [strings]: count=N, <i>=name ("!": the lookup fails)
//   [timers]: <index>=alias
// Calls of ocAttachDatabase and ocDetachDatabase are counted in [log].
#include <windows.h>

#include <map>
#include <string>

#include "fixture_file.h"

namespace {

using namespace orv::doubles;

std::wstring Fixture() {
  static const int anchor = 0;
  return FixtureBeside(&anchor, L"oc_fixture.ini");
}

void Count(const wchar_t* key) {
  FixtureSet(Fixture(), L"log", key, std::to_wstring(FixtureInt(Fixture(), L"log", key) + 1));
}

struct Category {
  const wchar_t* section;
  int base;
  int current = 0;
};
Category g_inputs{L"inputs", 1000};
Category g_outputs{L"outputs", 2000};
Category g_memory{L"memory", 3000};
Category g_strings{L"strings", 4000};

int First(Category& c) {
  c.current = 1;
  return c.base + 1;
}
int Next(Category& c) { return c.base + ++c.current; }

// The fixture entry of an item handle: alias and address text.
bool Item(int handle, std::wstring& alias, std::wstring& address) {
  Category* categories[] = {&g_inputs, &g_outputs, &g_memory, &g_strings};
  for (Category* c : categories) {
    if (handle <= c->base || handle > c->base + 999) continue;
    std::wstring entry = FixtureString(Fixture(), c->section, std::to_wstring(handle - c->base), L"!");
    std::size_t bar = entry.find(L'|');
    alias = entry.substr(0, bar);
    address = bar == std::wstring::npos ? std::wstring() : entry.substr(bar + 1);
    return alias != L"!";
  }
  return false;
}

std::map<int, std::wstring>& Timers() {
  static std::map<int, std::wstring> timers;
  return timers;
}

void LoadTimers() {
  Timers().clear();
  wchar_t section[32768] = {};
  DWORD n = ::GetPrivateProfileSectionW(L"timers", section, 32768, Fixture().c_str());
  for (const wchar_t* p = section; p < section + n && *p; p += wcslen(p) + 1) {
    std::wstring entry = p;
    std::size_t eq = entry.find(L'=');
    if (eq != std::wstring::npos) Timers()[_wtoi(entry.substr(0, eq).c_str())] = entry.substr(eq + 1);
  }
}

}  // namespace

extern "C" {

int __cdecl ocAttachDatabase(int) {
  Count(L"attach");
  return FixtureInt(Fixture(), L"database", L"attach", 0);
}
int __cdecl ocDetachDatabase() {
  Count(L"detach");
  return 0;
}
int __cdecl ocGetNumInputs() { return FixtureInt(Fixture(), L"inputs", L"count"); }
int __cdecl ocGetNumOutputs() { return FixtureInt(Fixture(), L"outputs", L"count"); }
int __cdecl ocGetNumMemory() { return FixtureInt(Fixture(), L"memory", L"count"); }
int __cdecl ocGetNumStrings() { return FixtureInt(Fixture(), L"strings", L"count"); }
int __cdecl ocGetFirstInput() { return First(g_inputs); }
int __cdecl ocGetFirstOutput() { return First(g_outputs); }
int __cdecl ocGetFirstMemory() { return First(g_memory); }
int __cdecl ocGetFirstString() { return First(g_strings); }
int __cdecl ocGetNextInput() { return Next(g_inputs); }
int __cdecl ocGetNextOutput() { return Next(g_outputs); }
int __cdecl ocGetNextMemory() { return Next(g_memory); }
int __cdecl ocGetNextString() { return Next(g_strings); }

int __cdecl ocLookupAlias(int handle, char* buffer) {
  std::wstring alias, address;
  if (!Item(handle, alias, address)) return 0;
  CopyNarrow(alias, buffer, 100);
  return 1;
}

int __cdecl ocLookupDRV(int handle, char* buffer) {
  std::wstring alias, address;
  if (!Item(handle, alias, address)) return 0;
  CopyNarrow(address, buffer, 100);
  return 1;
}

int __cdecl ocGetStringName(int handle, char* buffer) {
  std::wstring alias, address;
  if (!Item(handle, alias, address)) return 1;
  CopyNarrow(alias, buffer, 100);
  return 0;
}

int __cdecl ocsGetTimerAlias(int index, char* buffer) {
  if (index == 2047 || Timers().empty()) LoadTimers();
  auto it = Timers().find(index);
  CopyNarrow(it == Timers().end() ? std::wstring() : it->second, buffer, 100);
  return 1;
}

}  // extern "C"

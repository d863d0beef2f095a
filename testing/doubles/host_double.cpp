// Double of the host runtime library as the soft-PLC links call it, answering from
// "host_fixture.ini" beside it: sections "project.<section>" and "machine.<section>"
// hold the settings, [paths] the folders, [tags] the project's tag names.
#include <windows.h>

#include "fixture_file.h"

namespace {

using namespace orv::doubles;

std::wstring Fixture() {
  static const int anchor = 0;
  return FixtureBeside(&anchor, L"host_fixture.ini");
}

bool IsFullPath(const std::wstring& name) {
  return (name.size() > 1 && name[1] == L':') || (!name.empty() && name[0] == L'\\');
}

}  // namespace

extern "C" {

DWORD WINAPI DoubleGetStr(const wchar_t* section, const wchar_t* key, const wchar_t* def, wchar_t* buffer, int size) {
  std::wstring value = FixtureString(Fixture(), std::wstring(L"project.") + section, key, def ? def : L"");
  CopyWide(value, buffer, size);
  return static_cast<DWORD>(value.size());
}

BOOL WINAPI DoubleSetStr(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  FixtureSet(Fixture(), std::wstring(L"project.") + section, key, value);
  return TRUE;
}

DWORD WINAPI DoubleTarvoGetStrLocal(const wchar_t* section, const wchar_t* key, const wchar_t* def, wchar_t* buffer,
                                    int size) {
  std::wstring value = FixtureString(Fixture(), std::wstring(L"machine.") + section, key, def ? def : L"");
  CopyWide(value, buffer, size);
  return static_cast<DWORD>(value.size());
}

BOOL WINAPI DoubleTarvoSetStrLocal(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  FixtureSet(Fixture(), std::wstring(L"machine.") + section, key, value);
  return TRUE;
}

int WINAPI DoubleTarvoGetIntLocal(const wchar_t* section, const wchar_t* key, int def) {
  return FixtureInt(Fixture(), std::wstring(L"machine.") + section, key, def);
}

BOOL WINAPI DoubleAppDatabasePath(const wchar_t* name, wchar_t* buffer) {
  std::wstring text = name ? name : L"";
  if (!IsFullPath(text)) text = FixtureString(Fixture(), L"paths", L"database") + text;
  CopyWide(text, buffer, MAX_PATH);
  return TRUE;
}

BOOL WINAPI DoubleTarvoBinPath(const wchar_t* name, wchar_t* buffer) {
  CopyWide(FixtureString(Fixture(), L"paths", L"bin") + (name ? name : L""), buffer, MAX_PATH);
  return TRUE;
}

const wchar_t* WINAPI DoubleGetAppConfigPath() {
  static wchar_t path[MAX_PATH];
  CopyWide(FixtureString(Fixture(), L"paths", L"config"), path, MAX_PATH);
  return path;
}

BOOL WINAPI DoubleDBGetVar(void* reference, const wchar_t* name) {
  (void)reference;
  return name && !FixtureString(Fixture(), L"tags", name).empty();
}

}  // extern "C"

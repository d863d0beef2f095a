// Settings calls: the project INI file, the product settings file, per-machine settings.
#include <windows.h>

#include "core/text_util.h"
#include "tarvo.h"
#include "win/local_settings.h"
#include "win/profile.h"
#include "win/project_state.h"

using namespace tarvo;

namespace {
DWORD Answer(const std::wstring& text, wchar_t* buffer, int size) {
  CopyToBuffer(text, buffer, size);
  if (!buffer || size <= 0) return 0;
  return static_cast<DWORD>(text.size() < static_cast<std::size_t>(size) ? text.size() : static_cast<std::size_t>(size - 1));
}
const wchar_t* OrEmpty(const wchar_t* s) { return s ? s : L""; }
}  // namespace

extern "C" {

int WINAPI APGetInt(const wchar_t* section, const wchar_t* key, int fallback) {
  return ReadProfileInt(ProjectIniPath(), section, key, fallback);
}

DWORD WINAPI APGetStr(const wchar_t* section, const wchar_t* key, const wchar_t* fallback, wchar_t* buffer, int size) {
  return Answer(ReadProfileString(ProjectIniPath(), section, key, OrEmpty(fallback)), buffer, size);
}

BOOL WINAPI APSetStr(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  const std::wstring ini = ProjectIniPath();
  if (!FileExists(ini)) return FALSE;  // never create a project file as a side effect
  if (!WriteProfileString(ini, section, key, value)) return FALSE;
  BumpConfigurationCounter();
  return TRUE;
}

int WINAPI APTarvoGetInt(const wchar_t* section, const wchar_t* key, int fallback) {
  return ReadProfileInt(ProductSettingsPath(), section, key, fallback);
}

DWORD WINAPI APTarvoGetStr(const wchar_t* section, const wchar_t* key, const wchar_t* fallback, wchar_t* buffer,
                           int size) {
  return Answer(ReadProfileString(ProductSettingsPath(), section, key, OrEmpty(fallback)), buffer, size);
}

int WINAPI APTarvoGetIntLocal(const wchar_t* section, const wchar_t* key, int fallback) {
  if (!section || !key) return fallback;
  int v = fallback;
  if (!ParseSettingInt(ReadLocalString(section, key, L""), v)) return fallback;
  return v;
}

DWORD WINAPI APTarvoGetStrLocal(const wchar_t* section, const wchar_t* key, const wchar_t* fallback, wchar_t* buffer,
                                int size) {
  if (!section || !key) return Answer(OrEmpty(fallback), buffer, size);
  return Answer(ReadLocalString(section, key, OrEmpty(fallback)), buffer, size);
}

BOOL WINAPI APTarvoSetStrLocal(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  if (!section || !key || !*section || !*key) return FALSE;
  return WriteLocalString(section, key, OrEmpty(value)) ? TRUE : FALSE;
}

}  // extern "C"

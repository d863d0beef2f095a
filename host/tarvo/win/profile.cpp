#include "win/profile.h"

#include <windows.h>

#include <vector>

#include "win/local_settings.h"
#include "win/project_state.h"

namespace tarvo {

std::wstring ReadProfileString(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                               const wchar_t* fallback) {
  const std::wstring def = fallback ? fallback : L"";
  if (file.empty() || !section || !key || !FileExists(file)) return def;
  std::vector<wchar_t> buffer(512);
  for (;;) {
    const DWORD n = GetPrivateProfileStringW(section, key, def.c_str(), buffer.data(),
                                             static_cast<DWORD>(buffer.size()), file.c_str());
    if (n + 1 < buffer.size() || buffer.size() >= (1u << 20)) return std::wstring(buffer.data(), n);
    buffer.resize(buffer.size() * 4);
  }
}

int ReadProfileInt(const std::wstring& file, const wchar_t* section, const wchar_t* key, int fallback) {
  int v = fallback;
  const std::wstring text = ReadProfileString(file, section, key, L"");
  if (!ParseSettingInt(text, v)) return fallback;
  return v;
}

bool WriteProfileString(const std::wstring& file, const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  if (file.empty() || !section || !key) return false;
  return WritePrivateProfileStringW(section, key, value, file.c_str()) != FALSE;
}

}  // namespace tarvo

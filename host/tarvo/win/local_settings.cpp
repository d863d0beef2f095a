#include "win/local_settings.h"

#include <windows.h>

#include <vector>

#include "core/text_util.h"
#include "win/unique_resource.h"

namespace tarvo {
namespace {
const wchar_t kRoot[] = L"Software\\Orvane\\Local";
}

std::wstring ReadLocalString(const std::wstring& section, const std::wstring& key, const std::wstring& fallback) {
  orv::win::UniqueRegKey hkey;
  const std::wstring path = std::wstring(kRoot) + L"\\" + section;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, hkey.put()) != ERROR_SUCCESS) return fallback;
  DWORD type = 0, bytes = 0;
  if (RegQueryValueExW(hkey.get(), key.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return fallback;
  if (type == REG_DWORD) {
    DWORD v = 0;
    bytes = sizeof v;
    if (RegQueryValueExW(hkey.get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&v), &bytes) != ERROR_SUCCESS)
      return fallback;
    return std::to_wstring(static_cast<int>(v));
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) return fallback;
  std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 2, L'\0');
  bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (RegQueryValueExW(hkey.get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes) !=
      ERROR_SUCCESS)
    return fallback;
  buffer.back() = L'\0';
  return std::wstring(buffer.data());
}

bool WriteLocalString(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
  orv::win::UniqueRegKey hkey;
  const std::wstring path = std::wstring(kRoot) + L"\\" + section;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, hkey.put(), nullptr) !=
      ERROR_SUCCESS)
    return false;
  return RegSetValueExW(hkey.get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool ParseSettingInt(const std::wstring& raw, int& value) {
  const std::wstring text = Trim(raw);
  if (text.empty()) return false;
  std::size_t i = 0;
  bool negative = false;
  if (text[0] == L'-' || text[0] == L'+') {
    negative = text[0] == L'-';
    i = 1;
  }
  long long v = 0;
  int base = 10;
  if (text.size() > i + 2 && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  for (; i < text.size(); ++i) {
    const wchar_t c = FoldCase(text[i]);
    int d;
    if (c >= L'0' && c <= L'9') d = c - L'0';
    else if (base == 16 && c >= L'a' && c <= L'f') d = c - L'a' + 10;
    else return false;
    v = v * base + d;
    if (v > 0xFFFFFFFFLL) return false;
  }
  if (negative) v = -v;
  value = static_cast<int>(static_cast<long>(v));
  return true;
}

unsigned long ConfigurationCounter() {
  int v = 0;
  ParseSettingInt(ReadLocalString(L"Configuration", L"Counter", L"0"), v);
  return static_cast<unsigned long>(v);
}

void BumpConfigurationCounter() {
  WriteLocalString(L"Configuration", L"Counter", std::to_wstring((ConfigurationCounter() + 1) & 0x7FFFFFFF));
}

}  // namespace tarvo

// INI files through the platform's private-profile functions, without a length limit.
#pragma once
#include <string>

namespace tarvo {
std::wstring ReadProfileString(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                               const wchar_t* fallback);
int ReadProfileInt(const std::wstring& file, const wchar_t* section, const wchar_t* key, int fallback);
bool WriteProfileString(const std::wstring& file, const wchar_t* section, const wchar_t* key, const wchar_t* value);
}  // namespace tarvo

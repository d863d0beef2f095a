// Small text helpers shared by the library's cores: buffer copies that respect the
// caller's size, case-insensitive comparison of tag and function names, trimming.
#pragma once
#include <string>

namespace tarvo {

// Copies text into a caller buffer of `size` characters: cut to size - 1 and always
// terminated; nothing is written for a null buffer or size <= 0. True when it all fit.
bool CopyToBuffer(const std::wstring& text, wchar_t* buffer, int size);

// Lower case for ASCII letters and the Latin-1 range; other characters unchanged.
wchar_t FoldCase(wchar_t c);
std::wstring FoldCase(const std::wstring& text);
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);

bool IsBlank(wchar_t c);
std::wstring Trim(const std::wstring& text);

}  // namespace tarvo

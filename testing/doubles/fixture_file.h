// Test doubles of outside libraries answer from an INI fixture file that the test
// writes beside the double's own DLL.
#pragma once
#include <windows.h>

#include <string>

namespace orv::doubles {

// `fileName` in the folder of the module that contains `address`.
std::wstring FixtureBeside(const void* address, const wchar_t* fileName);

std::wstring FixtureString(const std::wstring& fixture, const std::wstring& section, const std::wstring& key,
                           const std::wstring& def = L"");
int FixtureInt(const std::wstring& fixture, const std::wstring& section, const std::wstring& key, int def = 0);
void FixtureSet(const std::wstring& fixture, const std::wstring& section, const std::wstring& key,
                const std::wstring& value);

// Copies `text` as 8-bit text into `buffer` of `size` bytes, always terminated.
void CopyNarrow(const std::wstring& text, char* buffer, int size);
// Copies `text` into a wide buffer of `size` characters, always terminated.
void CopyWide(const std::wstring& text, wchar_t* buffer, int size);

}  // namespace orv::doubles

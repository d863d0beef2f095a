#include "fixture_file.h"

#include <vector>

namespace orv::doubles {

std::wstring FixtureBeside(const void* address, const wchar_t* fileName) {
  HMODULE module = nullptr;
  ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<const wchar_t*>(address), &module);
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(module, path, MAX_PATH);
  std::wstring folder = path;
  folder.resize(folder.find_last_of(L'\\') + 1);
  return folder + fileName;
}

std::wstring FixtureString(const std::wstring& fixture, const std::wstring& section, const std::wstring& key,
                           const std::wstring& def) {
  std::vector<wchar_t> buffer(4096);
  DWORD n = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), def.c_str(), buffer.data(),
                                       static_cast<DWORD>(buffer.size()), fixture.c_str());
  return std::wstring(buffer.data(), n);
}

int FixtureInt(const std::wstring& fixture, const std::wstring& section, const std::wstring& key, int def) {
  return static_cast<int>(::GetPrivateProfileIntW(section.c_str(), key.c_str(), def, fixture.c_str()));
}

void FixtureSet(const std::wstring& fixture, const std::wstring& section, const std::wstring& key,
                const std::wstring& value) {
  ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), fixture.c_str());
}

void CopyNarrow(const std::wstring& text, char* buffer, int size) {
  if (!buffer || size <= 0) return;
  int n = 0;
  for (; n < size - 1 && n < static_cast<int>(text.size()); ++n) buffer[n] = static_cast<char>(text[n]);
  buffer[n] = '\0';
}

void CopyWide(const std::wstring& text, wchar_t* buffer, int size) {
  if (!buffer || size <= 0) return;
  int n = 0;
  for (; n < size - 1 && n < static_cast<int>(text.size()); ++n) buffer[n] = text[n];
  buffer[n] = L'\0';
}

}  // namespace orv::doubles

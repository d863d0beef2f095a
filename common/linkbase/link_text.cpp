#include "link_text.h"

#include <cwctype>

namespace orv::softplc {

namespace {
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }
}  // namespace

std::wstring WithTrailingBackslash(std::wstring directory) {
  if (!directory.empty() && directory.back() != L'\\') directory += L'\\';
  return directory;
}

std::wstring AppFolderName(const std::wstring& directory) {
  std::wstring cut = directory;
  if (!cut.empty() && cut.back() == L'\\') cut.pop_back();
  std::size_t slash = cut.rfind(L'\\');
  if (slash == std::wstring::npos) return std::wstring();
  return cut.substr(slash + 1);
}

std::wstring TrimLeft(const std::wstring& text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return text.substr(i);
}

std::wstring TrimRight(const std::wstring& text) {
  std::size_t n = text.size();
  while (n > 0 && IsBlank(text[n - 1])) --n;
  return text.substr(0, n);
}

std::wstring Trim(const std::wstring& text) { return TrimRight(TrimLeft(text)); }

bool IsTrueText(const std::wstring& value) {
  static const wchar_t kTrue[] = L"TRUE";
  if (value.size() != 4) return false;
  for (std::size_t i = 0; i < 4; ++i) {
    if (std::towupper(static_cast<wint_t>(value[i])) != static_cast<wint_t>(kTrue[i])) return false;
  }
  return true;
}

std::string UndecoratedName(const std::string& hostName) {
  std::string name = hostName;
  if (!name.empty() && name[0] == '_') name.erase(0, 1);
  if (name.size() > 255) name.resize(255);
  std::size_t at = name.find('@');
  if (at != std::string::npos) name.resize(at);
  return name;
}

std::string ToolkitName(const std::string& hostName) {
  std::string name = UndecoratedName(hostName);
  if (name == "APAppDatabasePath" || name == "APGetAppConfigPath") name += "Ex";
  return name;
}

}  // namespace orv::softplc

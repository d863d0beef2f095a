#include "tarvo_host_names.h"

#include <windows.h>

#include "tarvo.h"

namespace orv {

bool CTarvoHostNames::IsTagName(const std::wstring& name) {
  if (name.empty() || !IsDBOpen()) return false;
  TAGREF ref{};
  return DBGetVar(&ref, name.c_str()) != FALSE;
}

bool CTarvoHostNames::IsHostFunctionName(const std::wstring& text) {
  std::size_t from = 0;
  while (from < text.size() && (text[from] == L' ' || text[from] == L'\t')) ++from;
  if (from < text.size() && text[from] == L'$') ++from;
  while (from < text.size() && (text[from] == L' ' || text[from] == L'\t')) ++from;
  if (from >= text.size()) return false;
  return MTIsFunctionName(text.c_str() + from) != FALSE;
}

ColourTable ReadHostColourTable() {
  return ColourTable::Read([](const wchar_t* section, const wchar_t* key, int defaultValue) {
    return APTarvoGetIntLocal(section, key, defaultValue);
  });
}

}  // namespace orv

#include "tarvo_host_names.h"

#include <windows.h>

#include "tarvo.h"

namespace orv {

namespace {

// tarvo.dll is resolved at run time, as the control does: without the host library no
// word is a tag or host function and the colours keep their defaults.
template <typename Fn>
Fn HostFunction(const char* name) {
  HMODULE library = ::GetModuleHandleW(L"tarvo.dll");
  if (library == nullptr) library = ::LoadLibraryW(L"tarvo.dll");  // kept loaded for the process
  return library != nullptr ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(library, name)))
                            : nullptr;
}

}  // namespace

bool CTarvoHostNames::IsTagName(const std::wstring& name) {
  static const auto isOpen = HostFunction<decltype(&IsDBOpen)>("IsDBOpen");
  static const auto getVar = HostFunction<decltype(&DBGetVar)>("DBGetVar");
  if (name.empty() || isOpen == nullptr || getVar == nullptr || !isOpen()) return false;
  TAGREF ref{};
  return getVar(&ref, name.c_str()) != FALSE;
}

bool CTarvoHostNames::IsHostFunctionName(const std::wstring& text) {
  static const auto isFunction = HostFunction<decltype(&MTIsFunctionName)>("MTIsFunctionName");
  if (isFunction == nullptr) return false;
  std::size_t from = 0;
  while (from < text.size() && (text[from] == L' ' || text[from] == L'\t')) ++from;
  if (from < text.size() && text[from] == L'$') ++from;
  while (from < text.size() && (text[from] == L' ' || text[from] == L'\t')) ++from;
  if (from >= text.size()) return false;
  return isFunction(text.c_str() + from) != FALSE;
}

ColourTable ReadHostColourTable() {
  static const auto getIntLocal = HostFunction<decltype(&APTarvoGetIntLocal)>("APTarvoGetIntLocal");
  if (getIntLocal == nullptr) return ColourTable();
  return ColourTable::Read([](const wchar_t* section, const wchar_t* key, int defaultValue) {
    return getIntLocal(section, key, defaultValue);
  });
}

}  // namespace orv

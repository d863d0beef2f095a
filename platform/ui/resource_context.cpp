#include "ui/resource_context.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace orv::ui {
namespace {
thread_local HMODULE t_resourceModule = nullptr;
}

HMODULE ThisModule() { return reinterpret_cast<HMODULE>(&__ImageBase); }

HMODULE CurrentResourceModule() { return t_resourceModule ? t_resourceModule : ThisModule(); }

ResourceContext::ResourceContext(HMODULE module) : previous_(t_resourceModule) { t_resourceModule = module; }

ResourceContext::~ResourceContext() { t_resourceModule = previous_; }

std::wstring LoadResString(UINT id) {
  const wchar_t* text = nullptr;
  int length = ::LoadStringW(CurrentResourceModule(), id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::wstring FormatText(const wchar_t* format, ...) {
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list args;
    va_start(args, format);
    int n = std::vswprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    if (n >= 0 && static_cast<size_t>(n) < buffer.size()) return std::wstring(buffer.data(), static_cast<size_t>(n));
    if (buffer.size() > (1u << 20)) return std::wstring();
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace orv::ui

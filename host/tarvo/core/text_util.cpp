#include "core/text_util.h"

namespace tarvo {

bool CopyToBuffer(const std::wstring& text, wchar_t* buffer, int size) {
  if (buffer == nullptr || size <= 0) return text.empty() && buffer != nullptr;
  const std::size_t room = static_cast<std::size_t>(size) - 1;
  const std::size_t n = text.size() < room ? text.size() : room;
  for (std::size_t i = 0; i < n; ++i) buffer[i] = text[i];
  buffer[n] = L'\0';
  return n == text.size();
}

wchar_t FoldCase(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
  return c;
}

std::wstring FoldCase(const std::wstring& text) {
  std::wstring out(text);
  for (wchar_t& c : out) c = FoldCase(c);
  return out;
}

bool EqualsNoCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f' || c == L'\v'; }

std::wstring Trim(const std::wstring& text) {
  std::size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

}  // namespace tarvo

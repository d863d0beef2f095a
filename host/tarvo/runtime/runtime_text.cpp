#include "runtime_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace orv::runtime {
namespace {

char16_t FoldCase(char32_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
  // Latin-1 lower-case letters, except the division sign and the y with diaeresis.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 32);
  return static_cast<char16_t>(c);
}

std::wstring Trimmed(const std::wstring& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && (text[begin] == L' ' || text[begin] == L'\t')) ++begin;
  while (end > begin && (text[end - 1] == L' ' || text[end - 1] == L'\t')) --end;
  return text.substr(begin, end - begin);
}

// ASCII form of a number text; false when it holds anything that cannot be in one.
bool NumberChars(const std::wstring& text, std::string& out) {
  std::wstring t = Trimmed(text);
  if (!t.empty() && t[0] == L'+') t.erase(0, 1);
  if (t.empty()) return false;
  out.clear();
  for (wchar_t c : t) {
    bool allowed = (c >= L'0' && c <= L'9') || c == L'.' || c == L'-' || c == L'e' || c == L'E' || c == L'+';
    if (!allowed) return false;
    out.push_back(static_cast<char>(c));
  }
  return true;
}

}  // namespace

void StoreText(char16_t* out, std::size_t capacity, const std::wstring& text) {
  if (capacity == 0) return;
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    char16_t units[2];
    std::size_t count = 1;
    if (c > 0xFFFF) {  // 32-bit wchar_t: one character, two units
      c -= 0x10000;
      units[0] = static_cast<char16_t>(0xD800 + (c >> 10));
      units[1] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
      count = 2;
    } else if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      units[0] = static_cast<char16_t>(c);  // 16-bit wchar_t: the pair stays together
      units[1] = static_cast<char16_t>(text[++i]);
      count = 2;
    } else {
      units[0] = static_cast<char16_t>(c);
    }
    if (n + count >= capacity) break;
    for (std::size_t k = 0; k < count; ++k) out[n++] = units[k];
  }
  out[n] = 0;
}

std::wstring LoadText(const char16_t* text, std::size_t capacity) {
  std::wstring out;
  for (std::size_t i = 0; i < capacity && text[i] != 0; ++i) {
    char32_t c = text[i];
    if (sizeof(wchar_t) == 4 && c >= 0xD800 && c < 0xDC00 && i + 1 < capacity && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    out.push_back(static_cast<wchar_t>(c));
  }
  return out;
}

bool SameKey(const char16_t* stored, std::size_t capacity, const std::wstring& key) {
  std::wstring s = LoadText(stored, capacity);
  if (s.size() != key.size()) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (FoldCase(static_cast<char32_t>(s[i])) != FoldCase(static_cast<char32_t>(key[i]))) return false;
  }
  return true;
}

bool CopyToCaller(wchar_t* buffer, int size, const std::wstring& text) {
  if (buffer == nullptr || size <= 0) return text.empty() && size > 0;
  std::size_t room = static_cast<std::size_t>(size) - 1;
  std::size_t n = text.size() < room ? text.size() : room;
  text.copy(buffer, n);
  buffer[n] = 0;
  return n == text.size();
}

bool ParseReal(const std::wstring& text, double& out) {
  std::string chars;
  if (!NumberChars(text, chars)) return false;
  double value = 0;
  auto result = std::from_chars(chars.data(), chars.data() + chars.size(), value);
  if (result.ec != std::errc() || result.ptr != chars.data() + chars.size() || !std::isfinite(value)) return false;
  out = value;
  return true;
}

bool ParseInteger(const std::wstring& text, std::int64_t& out) {
  std::string chars;
  if (!NumberChars(text, chars)) return false;
  std::int64_t value = 0;
  auto result = std::from_chars(chars.data(), chars.data() + chars.size(), value);
  if (result.ec == std::errc() && result.ptr == chars.data() + chars.size()) {
    out = value;
    return true;
  }
  double real = 0;
  if (!ParseReal(text, real)) return false;
  real = std::round(real);
  if (real < -9.2e18 || real > 9.2e18) return false;
  out = static_cast<std::int64_t>(real);
  return true;
}

bool ParseBoolean(const std::wstring& text, std::int64_t& out) {
  std::wstring t = Trimmed(text);
  std::wstring folded;
  for (wchar_t c : t) folded.push_back(static_cast<wchar_t>(FoldCase(static_cast<char32_t>(c))));
  if (folded == L"TRUE") {
    out = 1;
    return true;
  }
  if (folded == L"FALSE") {
    out = 0;
    return true;
  }
  double real = 0;
  if (!ParseReal(t, real)) return false;
  out = real != 0 ? 1 : 0;
  return true;
}

std::wstring FormatInteger(std::int64_t value) {
  char chars[32];
  auto result = std::to_chars(chars, chars + sizeof chars, value);
  return std::wstring(chars, result.ptr);
}

std::wstring FormatReal(double value) {
  char chars[64];
  auto result = std::to_chars(chars, chars + sizeof chars, value);
  if (result.ec != std::errc()) return L"0";
  return std::wstring(chars, result.ptr);
}

}  // namespace orv::runtime

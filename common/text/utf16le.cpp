#include "utf16le.h"

namespace orv {
namespace {
constexpr bool kWide32 = sizeof(wchar_t) == 4;

void PutUnit(std::string& out, std::uint32_t unit) {
  out.push_back(static_cast<char>(unit & 0xFF));
  out.push_back(static_cast<char>((unit >> 8) & 0xFF));
}
}  // namespace

void AppendUtf16LE(std::string& out, const std::wstring& text) {
  out.reserve(out.size() + text.size() * 2);
  for (wchar_t ch : text) {
    auto cp = static_cast<std::uint32_t>(ch);
    if (kWide32 && cp > 0xFFFF && cp <= 0x10FFFF) {
      cp -= 0x10000;
      PutUnit(out, 0xD800 + (cp >> 10));
      PutUnit(out, 0xDC00 + (cp & 0x3FF));
    } else {
      PutUnit(out, cp & 0xFFFF);
    }
  }
}

std::string ToUtf16LE(const std::wstring& text) {
  std::string out;
  AppendUtf16LE(out, text);
  return out;
}

std::wstring FromUtf16Units(const std::uint16_t* units, std::size_t count) {
  std::wstring out;
  out.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t u = units[i];
    if (kWide32 && u >= 0xD800 && u < 0xDC00 && i + 1 < count && units[i + 1] >= 0xDC00 &&
        units[i + 1] < 0xE000) {
      u = 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
      ++i;
    }
    out.push_back(static_cast<wchar_t>(u));
  }
  return out;
}

std::wstring FromUtf16LE(const void* bytes, std::size_t size) {
  const auto* p = static_cast<const unsigned char*>(bytes);
  std::u16string units;
  units.reserve(size / 2);
  for (std::size_t i = 0; i + 1 < size; i += 2) units.push_back(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
  return FromUtf16Units(reinterpret_cast<const std::uint16_t*>(units.data()), units.size());
}

std::string ToUtf8(const std::wstring& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t cp = static_cast<std::uint32_t>(text[i]) & (kWide32 ? 0xFFFFFFFFu : 0xFFFFu);
    if (!kWide32 && cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size()) {
      std::uint32_t lo = static_cast<std::uint32_t>(text[i + 1]) & 0xFFFF;
      if (lo >= 0xDC00 && lo < 0xE000) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
        ++i;
      }
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

std::wstring FromUtf8(const std::string& text) {
  std::wstring out;
  std::size_t i = 0;
  auto cont = [&](std::size_t k) {
    return k < text.size() && (static_cast<unsigned char>(text[k]) & 0xC0) == 0x80;
  };
  while (i < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    std::uint32_t cp = 0xFFFD;
    std::size_t len = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c & 0xE0) == 0xC0 && cont(i + 1)) {
      cp = ((c & 0x1Fu) << 6) | (text[i + 1] & 0x3F);
      len = 2;
    } else if ((c & 0xF0) == 0xE0 && cont(i + 1) && cont(i + 2)) {
      cp = ((c & 0x0Fu) << 12) | ((text[i + 1] & 0x3Fu) << 6) | (text[i + 2] & 0x3F);
      len = 3;
    } else if ((c & 0xF8) == 0xF0 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
      cp = ((c & 0x07u) << 18) | ((text[i + 1] & 0x3Fu) << 12) | ((text[i + 2] & 0x3Fu) << 6) |
           (text[i + 3] & 0x3F);
      len = 4;
    }
    i += len;
    if (!kWide32 && cp > 0xFFFF) {
      cp -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<wchar_t>(cp));
    }
  }
  return out;
}

}  // namespace orv

#include "value_codec.h"

#include <zlib.h>

#include <vector>

#include "text/utf16le.h"

namespace orv::pdf {

std::wstring HexEncode(const std::string& bytes) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring out;
  out.reserve(bytes.size() * 2);
  for (unsigned char b : bytes) {
    out.push_back(kDigits[b >> 4]);
    out.push_back(kDigits[b & 0xF]);
  }
  return out;
}

namespace {
int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}
}  // namespace

std::optional<std::string> HexDecode(const std::wstring& hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string out;
  out.reserve(hex.size() / 2);
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    int hi = HexDigit(hex[i]), lo = HexDigit(hex[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out.push_back(static_cast<char>((hi << 4) | lo));
  }
  return out;
}

std::optional<std::string> EncodeText(const std::wstring& text) {
  std::string plain = ToUtf16LE(text);
  plain.append(2, '\0');
  uLongf size = compressBound(static_cast<uLong>(plain.size()));
  std::vector<Bytef> packed(size);
  if (compress2(packed.data(), &size, reinterpret_cast<const Bytef*>(plain.data()),
                static_cast<uLong>(plain.size()), Z_DEFAULT_COMPRESSION) != Z_OK ||
      size < 2) {
    return std::nullopt;
  }
  return std::string(reinterpret_cast<const char*>(packed.data()) + 2, size - 2);
}

std::optional<std::wstring> DecodeText(const std::string& stored) {
  if (stored.empty()) return std::wstring();
  std::string packed = "\x78\x9C" + stored;
  uLongf size = static_cast<uLongf>(stored.size() * 10);
  std::vector<Bytef> plain(size + 2);
  if (uncompress(plain.data(), &size, reinterpret_cast<const Bytef*>(packed.data()),
                 static_cast<uLong>(packed.size())) != Z_OK) {
    return std::nullopt;
  }
  std::wstring text = FromUtf16LE(plain.data(), size);
  std::size_t end = text.find(L'\0');
  if (end != std::wstring::npos) text.resize(end);
  return text;
}

std::int32_t ParseLong(const std::wstring& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = value * 10u + static_cast<std::uint32_t>(text[i] - L'0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

std::wstring FormatLong(std::int32_t value) { return std::to_wstring(value); }

}  // namespace orv::pdf

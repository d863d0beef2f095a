// UTF-16 little-endian at byte boundaries, for code that includes no Windows header.
// wchar_t is 16 bits on Windows and 32 bits on Linux; these helpers make the byte
// form identical on both (surrogate pairs are combined on Linux, kept on Windows).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace orv {

// Appends the UTF-16LE bytes of `text` to `out` (no terminator).
void AppendUtf16LE(std::string& out, const std::wstring& text);
std::string ToUtf16LE(const std::wstring& text);

// Decodes UTF-16LE bytes; an odd final byte is ignored, a lone surrogate kept as is.
std::wstring FromUtf16LE(const void* bytes, std::size_t size);

// Decodes a sequence of 16-bit units (already in host order).
std::wstring FromUtf16Units(const std::uint16_t* units, std::size_t count);

// UTF-8 conversion for console output and command lines of native tools.
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);

}  // namespace orv

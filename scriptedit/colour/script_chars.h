// Character classes of script text, identical on every platform (no locale).
#pragma once

namespace orv::script_chars {

inline bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

// ASCII letters, and letters of the scripts beyond Latin-1's symbols (from U+00C0, without
// the multiplication and division signs), so non-English names stay one word.
inline bool IsLetter(wchar_t c) {
  return IsAsciiLetter(c) || (c >= 0x00C0 && c != 0x00D7 && c != 0x00F7);
}
inline bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
inline bool IsNameChar(wchar_t c) { return IsLetter(c) || IsDigit(c) || c == L'_'; }
inline bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

inline wchar_t AsciiUpper(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c; }

}  // namespace orv::script_chars

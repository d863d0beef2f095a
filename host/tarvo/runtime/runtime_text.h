// Texts of the shared region: bounded UTF-16 buffers, keys compared without regard to
// case, and the text form of tag values.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace orv::runtime {

// Stores `text` as UTF-16 into `out` (capacity units, terminator included), cut to fit.
void StoreText(char16_t* out, std::size_t capacity, const std::wstring& text);
std::wstring LoadText(const char16_t* text, std::size_t capacity);

// Key comparison without regard to case (the letters of the Latin alphabets).
bool SameKey(const char16_t* stored, std::size_t capacity, const std::wstring& key);

// Copies `text` to a caller's buffer of `size` characters: cut to size - 1 and
// terminated; nothing is written when size is 0 or less. True when it fitted.
bool CopyToCaller(wchar_t* buffer, int size, const std::wstring& text);

// Type codes of the tag database.
enum TypeCode : std::int32_t { kBoolean = 0, kInteger = 1, kReal = 2, kString = 3, kFirstClass = 4 };

// Numbers in the text form of values: blanks around are ignored, "." is the decimal
// separator. Booleans also take "true"/"false" (case ignored); any non-zero number
// is true. Integers take a real text and round it. False for no number.
bool ParseBoolean(const std::wstring& text, std::int64_t& out);
bool ParseInteger(const std::wstring& text, std::int64_t& out);
bool ParseReal(const std::wstring& text, double& out);
std::wstring FormatInteger(std::int64_t value);
std::wstring FormatReal(double value);  // shortest text that reads back the same

}  // namespace orv::runtime

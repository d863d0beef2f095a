// The number test of the word pass.
#pragma once
#include <string>

namespace orv {

// True when `word`, after optional spaces or tabs, is completely a decimal floating-point
// number (digits, optional "." with digits, optional exponent; no hexadecimal, infinity or
// NaN) followed only by spaces or tabs. A number whose value is zero counts only when the
// word starts with "0".
bool IsNumberWord(const std::wstring& word);

}  // namespace orv

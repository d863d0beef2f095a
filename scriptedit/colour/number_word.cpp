#include "number_word.h"

#include "script_chars.h"

namespace orv {

using script_chars::IsDigit;

namespace {
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
}  // namespace

bool IsNumberWord(const std::wstring& word) {
  const std::size_t length = word.size();
  std::size_t i = 0;
  while (i < length && IsBlank(word[i])) ++i;
  bool anyDigit = false;
  bool nonZero = false;
  for (; i < length && IsDigit(word[i]); ++i) {
    anyDigit = true;
    nonZero = nonZero || word[i] != L'0';
  }
  if (i < length && word[i] == L'.') {
    for (++i; i < length && IsDigit(word[i]); ++i) {
      anyDigit = true;
      nonZero = nonZero || word[i] != L'0';
    }
  }
  if (!anyDigit) return false;
  // An exponent belongs to the number only when digits follow; otherwise the parse stops
  // before the "e" and the rest of the word is not blank.
  if (i < length && (word[i] == L'e' || word[i] == L'E')) {
    std::size_t j = i + 1;
    if (j < length && (word[j] == L'+' || word[j] == L'-')) ++j;
    if (j < length && IsDigit(word[j])) {
      while (j < length && IsDigit(word[j])) ++j;
      i = j;
    }
  }
  while (i < length && IsBlank(word[i])) ++i;
  if (i != length) return false;
  if (!nonZero) return word[0] == L'0';
  return true;
}

}  // namespace orv

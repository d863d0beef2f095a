#include "comment_start.h"

#include "script_chars.h"

namespace orv {

using namespace script_chars;

bool IsCommentStart(const std::wstring& text, std::size_t i) {
  const std::size_t length = text.size();
  if (i >= length) return false;
  if (text[i] == L'\'') return true;
  if (text[i] == L'/' && i + 1 < length && text[i + 1] == L'/') return true;
  if (i + 3 > length) return false;
  if (AsciiUpper(text[i]) != L'R' || AsciiUpper(text[i + 1]) != L'E' || AsciiUpper(text[i + 2]) != L'M') return false;
  if (i > 0 && IsNameChar(text[i - 1])) return false;
  if (i + 3 < length && IsNameChar(text[i + 3])) return false;
  return true;
}

}  // namespace orv

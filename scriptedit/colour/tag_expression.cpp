#include "tag_expression.h"

#include "script_chars.h"

namespace orv {

using namespace script_chars;

namespace {

class Cursor {
 public:
  Cursor(const std::wstring& text, std::size_t pos) : text_(text), pos_(pos) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  wchar_t Peek(std::size_t ahead = 0) const {
    return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : L'\0';
  }
  bool Is(wchar_t c) const { return !AtEnd() && text_[pos_] == c; }
  void Advance() { ++pos_; }
  void SkipSpace() {
    while (!AtEnd() && IsSpace(text_[pos_])) ++pos_;
  }
  std::size_t ReadName() {
    const std::size_t from = pos_;
    while (!AtEnd() && IsNameChar(text_[pos_])) ++pos_;
    return pos_ - from;
  }
  // From an opening bracket to its matching closing one, nesting counted and strings
  // skipped; leaves the cursor on the closing bracket (or at the end of the text).
  void ToMatching(wchar_t open, wchar_t close) {
    int depth = 0;
    while (!AtEnd()) {
      const wchar_t c = text_[pos_];
      if (c == L'"') {
        pos_ = SkipString(text_, pos_);
        continue;
      }
      if (c == open) ++depth;
      if (c == close && --depth == 0) return;
      ++pos_;
    }
  }
  std::size_t pos() const { return pos_; }

 private:
  const std::wstring& text_;
  std::size_t pos_;
};

std::wstring Trimmed(const std::wstring& text, std::size_t from, std::size_t to) {
  while (from < to && IsSpace(text[from])) ++from;
  while (to > from && IsSpace(text[to - 1])) --to;
  return text.substr(from, to - from);
}

}  // namespace

std::size_t SkipString(const std::wstring& text, std::size_t quote) {
  const std::size_t close = text.find(L'"', quote + 1);
  return close == std::wstring::npos ? text.size() : close + 1;
}

TagExpressionExtent ScanTagExpression(const std::wstring& text, std::size_t start, IHostNameLookup& host) {
  Cursor cur(text, start + 1);
  cur.SkipSpace();
  if (cur.Is(L'@')) {
    cur.Advance();
    cur.SkipSpace();
  } else if (cur.Is(L'#')) {
    cur.Advance();
    cur.SkipSpace();
    cur.ReadName();
    if (cur.Is(L':')) {
      cur.Advance();
      cur.SkipSpace();
    }
    const wchar_t c = cur.Peek();
    if (IsDigit(c) || c == L'-' || c == L'+') {
      cur.Advance();
      while (IsDigit(cur.Peek()) || cur.Is(L'.')) cur.Advance();
      return {cur.pos(), false};
    }
  }

  // A name, then white space; a "(" after it makes a host function call.
  cur.ReadName();
  cur.SkipSpace();
  if (cur.Is(L'(') && host.IsHostFunctionName(Trimmed(text, start, cur.pos() + 1))) {
    cur.ToMatching(L'(', L')');
    return {cur.pos(), !cur.AtEnd()};
  }

  if (cur.Is(L'[')) {
    cur.ToMatching(L'[', L']');
    if (!cur.AtEnd()) cur.Advance();
  }
  cur.SkipSpace();
  while (cur.Is(L'.')) {
    cur.Advance();
    cur.SkipSpace();
    if (cur.ReadName() == 0) break;
    cur.SkipSpace();
  }
  cur.SkipSpace();
  if (cur.Is(L'-') && cur.Peek(1) == L'>') {
    cur.Advance();
    cur.Advance();
    cur.ReadName();
  }
  cur.SkipSpace();
  return {cur.pos(), false};
}

}  // namespace orv

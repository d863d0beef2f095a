#include "core/expression.h"

#include "core/function_table.h"
#include "core/text_util.h"

namespace tarvo {
namespace {

constexpr int kMaxDepth = 200;

// The tag that supplies an index is used by the expression too.
TagRef IndexTagRef(const TagRef& ref) {
  TagRef r;
  r.tag = ref.indexTag;
  return r;
}  // nesting bound: deep input is an error, not a stack overflow

class Compiler {
 public:
  Compiler(const std::wstring& text, const TagDatabase* db, bool requireTags, int origin)
      : t_(text), db_(db), requireTags_(requireTags), origin_(origin) {}

  CompileResult Run() {
    SkipBlanks();
    if (p_ >= t_.size()) return Fail(L"empty expression");
    if (!Expr(0)) return result_;
    SkipBlanks();
    if (p_ < t_.size()) return Fail(L"unexpected text");
    result_.ok = true;
    result_.compiled = out_;
    return result_;
  }

 private:
  CompileResult Fail(const std::wstring& why) {
    if (result_.error.empty()) {
      result_.error = why;
      result_.errorPos = p_;
    }
    result_.ok = false;
    result_.compiled.clear();
    return result_;
  }
  bool Error(const std::wstring& why) {
    Fail(why);
    return false;
  }
  void Emit(const std::wstring& item) { out_ += item + L"\n"; }
  void SkipBlanks() {
    while (p_ < t_.size() && IsBlank(t_[p_])) ++p_;
  }
  bool Peek(const wchar_t* op) const { return t_.compare(p_, std::char_traits<wchar_t>::length(op), op) == 0; }
  // A word operator (AND, OR, ...) not followed by a name character.
  bool PeekWord(const wchar_t* word) const {
    const std::size_t n = std::char_traits<wchar_t>::length(word);
    if (p_ + n > t_.size() || !EqualsNoCase(t_.substr(p_, n), word)) return false;
    return p_ + n == t_.size() || !IsNameChar(t_[p_ + n]);
  }
  bool TakeOp(const wchar_t* const* ops, std::wstring& op) {
    SkipBlanks();
    for (const wchar_t* const* o = ops; *o; ++o) {
      const bool word = IsNameStartChar(**o);
      if (word ? PeekWord(*o) : Peek(*o)) {
        op = *o;
        p_ += op.size();
        return true;
      }
    }
    return false;
  }

  // Binary levels, lowest first.
  bool Expr(int level) {
    static const wchar_t* const kOr[] = {L"OR", L"XOR", L"||", nullptr};
    static const wchar_t* const kAnd[] = {L"AND", L"&&", nullptr};
    static const wchar_t* const kBits[] = {L"|", L"&", nullptr};
    static const wchar_t* const kCmp[] = {L"==", L"<>", L"!=", L"<=", L">=", L"=", L"<", L">", nullptr};
    static const wchar_t* const kAdd[] = {L"+", L"-", nullptr};
    static const wchar_t* const kMul[] = {L"*", L"/", L"%", L"MOD", nullptr};
    static const wchar_t* const kPow[] = {L"^", nullptr};
    static const wchar_t* const* const kLevels[] = {kOr, kAnd, kBits, kCmp, kAdd, kMul, kPow};
    if (++depth_ > kMaxDepth) return Error(L"expression nested too deeply");
    bool ok;
    if (level == 7) {
      ok = Unary();
    } else {
      ok = Expr(level + 1);
      std::wstring op;
      while (ok && TakeOp(kLevels[level], op)) {
        ok = Expr(level + 1);
        if (ok) Emit(L"O" + op);
      }
    }
    --depth_;
    return ok;
  }

  bool Unary() {
    static const wchar_t* const kUnary[] = {L"NOT", L"-", L"+", L"!", L"~", nullptr};
    std::wstring op;
    if (TakeOp(kUnary, op)) {
      if (++depth_ > kMaxDepth) return Error(L"expression nested too deeply");
      const bool ok = Unary();
      --depth_;
      if (ok) Emit(L"U" + op);
      return ok;
    }
    return Primary();
  }

  bool Number() {
    const std::size_t start = p_;
    if (Peek(L"0x") || Peek(L"0X")) {
      p_ += 2;
      const std::size_t digits = p_;
      while (p_ < t_.size() && ((t_[p_] >= L'0' && t_[p_] <= L'9') || (FoldCase(t_[p_]) >= L'a' && FoldCase(t_[p_]) <= L'f'))) ++p_;
      if (p_ == digits) return Error(L"bad number");
    } else {
      while (p_ < t_.size() && t_[p_] >= L'0' && t_[p_] <= L'9') ++p_;
      if (p_ < t_.size() && t_[p_] == L'.') {
        ++p_;
        while (p_ < t_.size() && t_[p_] >= L'0' && t_[p_] <= L'9') ++p_;
      }
      if (p_ < t_.size() && (t_[p_] == L'e' || t_[p_] == L'E')) {
        std::size_t q = p_ + 1;
        if (q < t_.size() && (t_[q] == L'+' || t_[q] == L'-')) ++q;
        if (q < t_.size() && t_[q] >= L'0' && t_[q] <= L'9') {
          p_ = q;
          while (p_ < t_.size() && t_[p_] >= L'0' && t_[p_] <= L'9') ++p_;
        }
      }
    }
    if (p_ < t_.size() && IsNameChar(t_[p_])) return Error(L"bad number");
    Emit(L"N" + t_.substr(start, p_ - start));
    return true;
  }

  bool String() {
    ++p_;
    std::wstring s;
    for (;;) {
      if (p_ >= t_.size() || t_[p_] == L'\n' || t_[p_] == L'\r') return Error(L"string without closing quote");
      if (t_[p_] == L'"') {
        if (p_ + 1 < t_.size() && t_[p_ + 1] == L'"') {
          s += L'"';
          p_ += 2;
          continue;
        }
        ++p_;
        break;
      }
      s += t_[p_++];
    }
    Emit(L"S" + s);
    return true;
  }

  bool Call(int index, const std::wstring& name) {
    const HostFunction& f = *FunctionAt(index);
    if (!FunctionEnabledFor(f, origin_)) return Error(L"function " + name + L" cannot be used here");
    ++p_;  // "("
    int args = 0;
    SkipBlanks();
    if (p_ < t_.size() && t_[p_] == L')') {
      ++p_;
    } else {
      for (;;) {
        if (!Expr(0)) return false;
        ++args;
        SkipBlanks();
        if (p_ < t_.size() && t_[p_] == L',') {
          ++p_;
          continue;
        }
        if (p_ < t_.size() && t_[p_] == L')') {
          ++p_;
          break;
        }
        return Error(L"\",\" or \")\" expected");
      }
    }
    if (args < f.minArgs || args > f.maxArgs) return Error(L"wrong number of arguments for " + std::wstring(f.name));
    Emit(L"F" + std::wstring(f.name) + L"," + std::to_wstring(args));
    return true;
  }

  bool Name() {
    const std::size_t start = p_;
    std::size_t n = ScanTagNameShape(t_, p_);
    if (n == 0) return Error(L"name expected");
    // A function call: a plain name, blanks, "(".
    std::size_t q = p_;
    while (q < t_.size() && IsNameChar(t_[q])) ++q;
    std::size_t r = q;
    while (r < t_.size() && IsBlank(t_[r])) ++r;
    if (q > p_ && r < t_.size() && t_[r] == L'(') {
      const std::wstring name = t_.substr(p_, q - p_);
      const int index = FindFunction(name);
      if (index < 0) return Error(L"unknown function " + name);
      p_ = r;
      return Call(index, name);
    }
    const std::wstring name = t_.substr(start, n);
    p_ += n;
    TagRef ref;
    if (db_ && ParseTagName(*db_, name, ref)) {
      result_.refs.push_back(ref);
      if (ref.indexTag > 0) result_.refs.push_back(IndexTagRef(ref));
      Emit(L"T" + std::to_wstring(ref.tag) + L"," + std::to_wstring(ref.index) + L"," + std::to_wstring(ref.indexTag) +
           L"," + std::to_wstring(ref.member) + L"," + std::to_wstring(ref.field) + L"," + std::to_wstring(ref.flags));
      return true;
    }
    if (requireTags_) {
      p_ = start;
      return Error(db_ ? L"\"" + name + L"\" is not a tag" : L"no tag database is open");
    }
    Emit(L"V" + name);
    return true;
  }

  bool Primary() {
    SkipBlanks();
    if (p_ >= t_.size()) return Error(L"operand expected");
    const wchar_t c = t_[p_];
    if (c == L'(') {
      ++p_;
      if (!Expr(0)) return false;
      SkipBlanks();
      if (p_ >= t_.size() || t_[p_] != L')') return Error(L"\")\" expected");
      ++p_;
      return true;
    }
    if (c == L'"') return String();
    if ((c >= L'0' && c <= L'9') || (c == L'.' && p_ + 1 < t_.size() && t_[p_ + 1] >= L'0' && t_[p_ + 1] <= L'9'))
      return Number();
    if (c == L'$') ++p_;  // tag expressions may carry the script's "$"
    return Name();
  }

  const std::wstring& t_;
  const TagDatabase* db_;
  bool requireTags_;
  int origin_;
  std::size_t p_ = 0;
  int depth_ = 0;
  std::wstring out_;
  CompileResult result_;
};

bool ParseInt(const std::wstring& s, std::int64_t& v) {
  if (s.empty() || s.size() > 11) return false;
  std::size_t i = 0;
  bool neg = false;
  if (s[0] == L'-') { neg = true; i = 1; }
  if (i >= s.size()) return false;
  std::int64_t x = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < L'0' || s[i] > L'9') return false;
    x = x * 10 + (s[i] - L'0');
  }
  v = neg ? -x : x;
  return true;
}

}  // namespace

CompileResult CompileExpression(const std::wstring& text, const TagDatabase* db, bool requireTags, int origin) {
  return Compiler(text, db, requireTags, origin).Run();
}

std::vector<TagRef> ListCompiledRefs(const std::wstring& compiled) {
  std::vector<TagRef> refs;
  std::size_t pos = 0;
  while (pos < compiled.size()) {
    std::size_t end = compiled.find(L'\n', pos);
    if (end == std::wstring::npos) end = compiled.size();
    if (compiled[pos] == L'T') {
      std::int64_t v[6];
      std::size_t k = 0, s = pos + 1;
      bool ok = true;
      while (ok && k < 6) {
        std::size_t comma = compiled.find(L',', s);
        if (comma == std::wstring::npos || comma > end) comma = end;
        ok = ParseInt(compiled.substr(s, comma - s), v[k]);
        ++k;
        s = comma + 1;
        if (comma == end) break;
      }
      if (ok && k == 6 && v[0] > 0) {
        TagRef r;
        r.tag = static_cast<std::int32_t>(v[0]);
        r.index = static_cast<std::int32_t>(v[1]);
        r.indexTag = static_cast<std::int32_t>(v[2]);
        r.member = static_cast<std::int32_t>(v[3]);
        r.field = static_cast<std::int32_t>(v[4]);
        r.flags = static_cast<std::uint32_t>(v[5]);
        refs.push_back(r);
        if (r.indexTag > 0) refs.push_back(IndexTagRef(r));
      }
    }
    pos = end + 1;
  }
  return refs;
}

bool FindTagsInText(const TagDatabase& db, const std::wstring& text, std::vector<TagRef>& refs,
                    std::vector<std::wstring>* missing) {
  std::size_t pos = 0;
  while ((pos = text.find(L'{', pos)) != std::wstring::npos) {
    if (pos > 0 && text[pos - 1] == L'\\') {
      ++pos;
      continue;
    }
    std::size_t close = pos + 1;
    while (close < text.size() && !(text[close] == L'}' && text[close - 1] != L'\\')) ++close;
    if (close >= text.size()) return false;
    std::wstring inner = Trim(text.substr(pos + 1, close - pos - 1));
    pos = close + 1;
    if (inner.size() >= 2 && inner.front() == L'\'' && inner.back() == L'\'') continue;
    // "{Tag 5}": a blank and a width may follow the name.
    std::size_t blank = 0;
    while (blank < inner.size() && !IsBlank(inner[blank])) ++blank;
    const std::wstring name = inner.substr(0, blank);
    TagRef ref;
    if (ParseTagName(db, name, ref))
      refs.push_back(ref);
    else if (missing)
      missing->push_back(name);
  }
  return true;
}

}  // namespace tarvo

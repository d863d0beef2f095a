#include "CColorizer.h"

#include "comment_start.h"
#include "number_word.h"
#include "script_chars.h"
#include "tag_expression.h"

namespace orv {

using namespace script_chars;

namespace {

std::wstring AsciiUpperCase(std::wstring text) {
  for (auto& c : text) c = AsciiUpper(c);
  return text;
}

// Same length, differing at most in the case of ASCII letters.
bool OnlyCaseDiffers(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

bool IsWordStart(wchar_t c) { return IsNameChar(c) || c == L'$'; }
bool IsWordChar(wchar_t c) { return IsNameChar(c) || c == L'.' || c == L'$'; }

// The "$#Name: ..." form inside a word, from its "#": the name, white space, and after a
// ":" either a parenthesised rest of line or a name that may start with "@".
std::size_t CollectHashForm(const std::wstring& t, std::size_t e) {
  const std::size_t length = t.size();
  ++e;
  while (e < length && IsNameChar(t[e])) ++e;
  while (e < length && IsSpace(t[e])) ++e;
  if (e < length && t[e] == L':') {
    ++e;
    while (e < length && IsSpace(t[e])) ++e;
    if (e < length && t[e] == L'(') {
      while (e < length && !IsCommentStart(t, e)) ++e;
      return e;
    }
    if (e < length && t[e] == L'@') ++e;
    while (e < length && IsNameChar(t[e])) ++e;
  }
  return e;
}

// One past the last character of the word starting at `s`.
std::size_t CollectWord(const std::wstring& t, std::size_t s) {
  const std::size_t length = t.size();
  std::size_t e = s;
  while (e < length && !IsCommentStart(t, e) && IsWordChar(t[e])) {
    if (t[e] != L'$') {
      ++e;
      continue;
    }
    ++e;
    while (e < length && (IsSpace(t[e]) || t[e] == L'@')) ++e;
    if (e < length && t[e] == L'#') return CollectHashForm(t, e);
  }
  return e;
}

void Paint(std::vector<ColourClass>& classes, std::size_t from, std::size_t to, ColourClass c) {
  for (std::size_t k = from; k < to; ++k) {
    if (classes[k] == ColourClass::kNormal) classes[k] = c;
  }
}

// Nothing is a tag or host function without a host.
class NoHost final : public IHostNameLookup {
 public:
  bool IsTagName(const std::wstring&) override { return false; }
  bool IsHostFunctionName(const std::wstring&) override { return false; }
};

}  // namespace

bool CColorizer::HasKeywords(const std::wstring& language) { return AsciiUpperCase(language) == L"VBSCRIPT"; }

void CColorizer::LoadKeywords(const std::wstring& resourceText) {
  ClearKeywords();
  std::wstring current;
  for (wchar_t c : resourceText) {
    if (c == L'\r') continue;
    if (c != L'\n') {
      current.push_back(c);
      continue;
    }
    if (!current.empty()) {
      byUpperCase_[AsciiUpperCase(current)] = current;  // the last spelling wins
      spellings_.push_back(std::move(current));
    }
    current.clear();
  }
}

void CColorizer::ClearKeywords() {
  spellings_.clear();
  byUpperCase_.clear();
}

bool CColorizer::SpellKeyword(const std::wstring& word, std::wstring& spelling) const {
  const auto found = byUpperCase_.find(AsciiUpperCase(word));
  if (found == byUpperCase_.end()) return false;
  spelling = found->second;
  return true;
}

void CColorizer::ColourLine(int line, std::wstring& text, std::vector<ColourClass>& classes) const {
  classes.clear();
  if (scripter_ == nullptr || text.empty()) return;
  NoHost noHost;
  IHostNameLookup& host = host_ != nullptr ? *host_ : noHost;
  const std::size_t length = text.size();
  classes.assign(length, ColourClass::kUncoloured);

  // Strings, tag expressions and everything else; the whole line when it is the error line.
  const bool errorLine = line == scripter_->ErrorLine();
  for (std::size_t i = 0; i < length;) {
    if (errorLine) {
      classes[i++] = ColourClass::kErrorLine;
    } else if (text[i] == L'"') {
      const std::size_t after = SkipString(text, i);
      const std::size_t contentEnd = after > i + 1 && after <= length && text[after - 1] == L'"' ? after - 1 : after;
      for (std::size_t k = i + 1; k < contentEnd; ++k) classes[k] = ColourClass::kString;
      i = after;
    } else if (text[i] == L'$') {
      const TagExpressionExtent extent = ScanTagExpression(text, i, host);
      for (std::size_t k = i; k < extent.end; ++k) classes[k] = ColourClass::kTagExpression;
      // The character that ends the expression is coloured on its own merits.
      i = extent.end;
    } else {
      classes[i++] = ColourClass::kNormal;
    }
  }

  // The first comment start outside a string colours the rest of the line.
  bool inString = false;
  for (std::size_t i = 0; i < length; ++i) {
    if (text[i] == L'"') {
      inString = !inString;
    } else if (!inString && IsCommentStart(text, i)) {
      for (std::size_t k = i; k < length; ++k) classes[k] = ColourClass::kComment;
      break;
    }
  }

  PaintWords(text, classes);
}

void CColorizer::PaintWords(std::wstring& t, std::vector<ColourClass>& classes) const {
  const std::size_t length = t.size();
  IHostNameLookup* host = host_;
  std::size_t i = 0;
  while (i < length && t[i] != L'\'') {
    while (i < length && !IsWordStart(t[i]) && !IsCommentStart(t, i)) {
      i = t[i] == L'"' ? SkipString(t, i) : i + 1;
    }
    if (i >= length || IsCommentStart(t, i)) return;

    const std::size_t s = i;
    std::size_t e = CollectWord(t, s);
    if (e == s) e = s + 1;
    i = e;
    while (e > s && IsSpace(t[e - 1])) --e;
    if (t[s] == L'$') continue;  // a tag expression, coloured by the first pass

    const std::wstring word = t.substr(s, e - s);
    const bool member = (s >= 1 && t[s - 1] == L'.') || (s >= 2 && t[s - 2] == L'-' && t[s - 1] == L'>');
    if (member) {
      if (IsNumberWord(word)) Paint(classes, s, e, ColourClass::kNumber);
      continue;
    }

    std::wstring spelling;
    if (SpellKeyword(word, spelling)) {
      Paint(classes, s, e, ColourClass::kKeyword);
      if (capitalise_) t.replace(s, e - s, spelling);
      continue;
    }
    spelling = word;
    if (scripter_->IsBuiltinName(spelling)) {
      Paint(classes, s, e, ColourClass::kBuiltinName);
      // The engine's spelling is taken only when it is the same word in another case.
      if (capitalise_ && OnlyCaseDiffers(spelling, word)) t.replace(s, e - s, spelling);
      continue;
    }
    if (IsNumberWord(word)) {
      Paint(classes, s, e, ColourClass::kNumber);
      continue;
    }
    if (host == nullptr) continue;
    const std::size_t dot = word.find(L'.');
    const std::wstring head = word.substr(0, dot);
    if (!head.empty() && (host->IsTagName(head) || host->IsHostFunctionName(head))) {
      Paint(classes, s, s + head.size(), ColourClass::kBareTagName);
      if (dot != std::wstring::npos) i = s + dot;
    }
  }
}

void CColorizer::ColourLine(int line, std::wstring& text, std::vector<ColourRef>& colours) const {
  std::vector<ColourClass> classes;
  ColourLine(line, text, classes);
  colours.resize(classes.size());
  for (std::size_t k = 0; k < classes.size(); ++k) colours[k] = colours_.Get(classes[k]);
}

}  // namespace orv

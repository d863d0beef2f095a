#include "vbscript_outline.h"

#include <cwctype>
#include <utility>

namespace vsc {
namespace {

struct Statement {
  int line;
  std::vector<std::wstring> words;  // upper-case words outside strings
  std::wstring text;                // as written, trimmed
};

std::wstring Upper(std::wstring s) {
  for (wchar_t& c : s) c = static_cast<wchar_t>(std::towupper(c));
  return s;
}

bool IsWordChar(wchar_t c) { return std::iswalnum(c) || c == L'_'; }

std::wstring Trim(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t");
  if (b == std::wstring::npos) return std::wstring();
  size_t e = s.find_last_not_of(L" \t");
  return s.substr(b, e - b + 1);
}

ScriptError Error(int line, int code, std::wstring text) {
  ScriptError e;
  e.line = line;
  e.code = code;
  e.text = std::move(text);
  return e;
}

// Splits into statements (colons, line continuations, comments, strings handled) and
// reports strings and parentheses that do not close.
std::vector<Statement> SplitStatements(const std::wstring& text, ScriptError& error) {
  std::vector<Statement> out;
  Statement current{1, {}, L""};
  int line = 1;
  int depth = 0;
  std::wstring word;
  auto flushWord = [&]() {
    if (!word.empty()) current.words.push_back(Upper(word));
    word.clear();
  };
  auto flushStatement = [&](int nextLine) {
    flushWord();
    current.text = Trim(current.text);
    if (!current.words.empty()) {
      if (depth > 0 && !error) error = Error(current.line, 1006, L"Expected ')': a '(' is not closed in this statement");
      out.push_back(current);
    }
    depth = 0;
    current = Statement{nextLine, {}, L""};
  };
  const size_t n = text.size();
  for (size_t i = 0; i < n; ++i) {
    wchar_t c = text[i];
    if (c == L'\r' || c == L'\n') {
      if (c == L'\r' && i + 1 < n && text[i + 1] == L'\n') ++i;
      ++line;
      flushStatement(line);
      continue;
    }
    if (c == L'"') {
      flushWord();
      size_t j = i + 1;
      bool closed = false;
      while (j < n && text[j] != L'\r' && text[j] != L'\n') {
        if (text[j] == L'"') {
          if (j + 1 < n && text[j + 1] == L'"') {
            j += 2;
            continue;
          }
          closed = true;
          break;
        }
        ++j;
      }
      if (!closed) {
        if (!error) error = Error(line, 1033, L"Unterminated string constant: a string is not closed with '\"' on this line");
        current.text.append(text, i, j - i);
        i = j - 1;
        continue;
      }
      current.words.push_back(L"\"");  // a string literal
      current.text.append(text, i, j - i + 1);
      i = j;
      continue;
    }
    if (c == L'\'') {  // comment to the end of the line
      flushWord();
      while (i + 1 < n && text[i + 1] != L'\r' && text[i + 1] != L'\n') ++i;
      continue;
    }
    if (c == L'_' && word.empty()) {  // line continuation: "_" as the last character
      size_t j = i + 1;
      while (j < n && (text[j] == L' ' || text[j] == L'\t')) ++j;
      if (j >= n || text[j] == L'\r' || text[j] == L'\n') {
        if (j < n && text[j] == L'\r' && j + 1 < n && text[j + 1] == L'\n') ++j;
        i = j;
        ++line;
        current.text += L' ';
        continue;
      }
    }
    if (c == L':') {
      flushStatement(line);
      continue;
    }
    if (IsWordChar(c) && word.empty() && current.words.empty() && i + 3 <= n &&
        Upper(text.substr(i, 3)) == L"REM" && (i + 3 == n || !IsWordChar(text[i + 3]))) {
      while (i + 1 < n && text[i + 1] != L'\r' && text[i + 1] != L'\n') ++i;  // Rem comment
      continue;
    }
    if (IsWordChar(c)) {
      word += c;
      current.text += c;
      continue;
    }
    flushWord();
    current.text += c;
    if (c == L'(') ++depth;
    if (c == L')') {
      if (depth == 0 && !error) error = Error(line, 1025, L"Expected end of statement: ')' without a matching '('");
      if (depth > 0) --depth;
    }
    if (c != L' ' && c != L'\t') current.words.push_back(std::wstring(1, c));
  }
  flushStatement(line);
  return out;
}

struct Block {
  std::wstring kind;  // IF, FOR, DO, WHILE, SELECT, WITH, SUB, FUNCTION, PROPERTY, CLASS
  int line;
};

std::wstring Title(const std::wstring& upper) {
  static const wchar_t* kNames[][2] = {{L"IF", L"If"},       {L"FOR", L"For"},           {L"DO", L"Do"},
                                       {L"WHILE", L"While"}, {L"SELECT", L"Select"},     {L"WITH", L"With"},
                                       {L"SUB", L"Sub"},     {L"FUNCTION", L"Function"}, {L"PROPERTY", L"Property"},
                                       {L"CLASS", L"Class"}};
  for (const auto& n : kNames) {
    if (upper == n[0]) return n[1];
  }
  return upper;
}

// What closes a block kind.
std::wstring Closer(const std::wstring& kind) {
  if (kind == L"FOR") return L"Next";
  if (kind == L"DO") return L"Loop";
  if (kind == L"WHILE") return L"Wend";
  return L"End " + Title(kind);
}

bool IsProcedureKind(const std::wstring& w) { return w == L"SUB" || w == L"FUNCTION" || w == L"PROPERTY"; }

bool Contains(const std::vector<std::wstring>& words, const wchar_t* w) {
  for (const auto& x : words) {
    if (x == w) return true;
  }
  return false;
}

std::wstring Quoted(const std::wstring& s) {
  std::wstring t = s.size() > 40 ? s.substr(0, 40) + L"..." : s;
  return L"'" + t + L"'";
}

}  // namespace

OutlineResult OutlineScript(const std::wstring& text, bool onlyProcedures) {
  OutlineResult result;
  ScriptError& error = result.structure;
  std::vector<Statement> statements = SplitStatements(text, error);
  std::vector<Block> blocks;
  auto inProcedure = [&blocks]() {
    for (const Block& b : blocks) {
      if (IsProcedureKind(b.kind) || b.kind == L"CLASS") return true;
    }
    return false;
  };
  auto fail = [&error](int line, int code, const std::wstring& t) {
    if (!error) error = Error(line, code, t);
  };
  auto close = [&](const Statement& s, const std::wstring& kind, int code) {
    if (!blocks.empty() && blocks.back().kind == kind) {
      blocks.pop_back();
      return;
    }
    std::wstring closer = Closer(kind);
    if (blocks.empty()) {
      fail(s.line, code, L"'" + closer + L"' without '" + Title(kind) + L"'");
    } else {
      fail(s.line, code,
           L"Expected '" + Closer(blocks.back().kind) + L"' to close the " + Title(blocks.back().kind) +
               L" opened on line " + std::to_wstring(blocks.back().line) + L", found '" + closer + L"'");
      blocks.pop_back();
    }
  };

  for (const Statement& s : statements) {
    std::vector<std::wstring> w = s.words;
    size_t k = 0;
    while (k < w.size() && (w[k] == L"PUBLIC" || w[k] == L"PRIVATE" || w[k] == L"DEFAULT")) ++k;
    const std::wstring first = k < w.size() ? w[k] : L"";
    const std::wstring second = k + 1 < w.size() ? w[k + 1] : L"";
    bool opensProcedure = IsProcedureKind(first) || first == L"CLASS";

    if (onlyProcedures && !result.rule && blocks.empty()) {
      bool allowed = opensProcedure || (first == L"OPTION" && second == L"EXPLICIT") ||
                     (first == L"END" && (IsProcedureKind(second) || second == L"CLASS"));
      if (!allowed) {
        result.rule = Error(s.line, kStatementOutsideProcedure,
                            L"Only procedure definitions (Sub, Function) and Option Explicit are allowed here; the "
                            L"statement " + Quoted(s.text) + L" is outside any Sub or Function");
      }
    }

    if (opensProcedure) {
      if (first == L"CLASS" ? !blocks.empty() : (inProcedure() && !(blocks.size() == 1 && blocks[0].kind == L"CLASS"))) {
        fail(s.line, 1002, L"Syntax error: a " + Title(first) + L" cannot be defined inside another block");
      }
      blocks.push_back(Block{first, s.line});
    } else if (first == L"IF") {
      if (!Contains(w, L"THEN")) {
        fail(s.line, 1017, L"Expected 'Then': an If statement needs 'Then' after its condition");
      } else if (w.back() == L"THEN") {
        blocks.push_back(Block{L"IF", s.line});
      }
    } else if (first == L"ELSEIF" || first == L"ELSE") {
      if (blocks.empty() || blocks.back().kind != L"IF") {
        fail(s.line, 1002, std::wstring(L"Syntax error: '") + (first == L"ELSE" ? L"Else" : L"ElseIf") + L"' outside an If block");
      } else if (first == L"ELSEIF" && !Contains(w, L"THEN")) {
        fail(s.line, 1017, L"Expected 'Then': an ElseIf needs 'Then' after its condition");
      }
    } else if (first == L"FOR") {
      blocks.push_back(Block{L"FOR", s.line});
    } else if (first == L"NEXT") {
      close(s, L"FOR", 1020);
    } else if (first == L"DO") {
      blocks.push_back(Block{L"DO", s.line});
    } else if (first == L"LOOP") {
      close(s, L"DO", 1038);
    } else if (first == L"WHILE") {
      blocks.push_back(Block{L"WHILE", s.line});
    } else if (first == L"WEND") {
      close(s, L"WHILE", 1018);
    } else if (first == L"SELECT") {
      blocks.push_back(Block{L"SELECT", s.line});
    } else if (first == L"CASE") {
      if (blocks.empty() || blocks.back().kind != L"SELECT") fail(s.line, 1002, L"Syntax error: 'Case' outside a Select Case block");
    } else if (first == L"WITH") {
      blocks.push_back(Block{L"WITH", s.line});
    } else if (first == L"END") {
      static const wchar_t* kEnds[] = {L"IF", L"SUB", L"FUNCTION", L"PROPERTY", L"CLASS", L"SELECT", L"WITH"};
      bool known = false;
      for (const wchar_t* e : kEnds) {
        if (second == e) {
          known = true;
          close(s, second, 1014);
        }
      }
      if (!known) fail(s.line, 1014, L"Expected 'If', 'Sub', 'Function', 'Property', 'Class', 'Select' or 'With' after 'End'");
    }
  }
  if (!blocks.empty()) {
    int last = 1;
    for (wchar_t c : text) {
      if (c == L'\n') ++last;
    }
    const Block& b = blocks.back();
    fail(last, 1014,
         L"Expected '" + Closer(b.kind) + L"': the " + Title(b.kind) + L" opened on line " + std::to_wstring(b.line) +
             L" is not closed");
  }
  return result;
}

std::wstring CompileErrorText(int code) {
  static const std::pair<int, const wchar_t*> kTexts[] = {
      {1001, L"Out of memory"},
      {1002, L"Syntax error"},
      {1005, L"Expected '('"},
      {1006, L"Expected ')'"},
      {1010, L"Expected identifier"},
      {1011, L"Expected '='"},
      {1012, L"Expected 'If'"},
      {1013, L"Expected 'To'"},
      {1014, L"Expected 'End'"},
      {1015, L"Expected 'Function'"},
      {1016, L"Expected 'Sub'"},
      {1017, L"Expected 'Then'"},
      {1018, L"Expected 'Wend'"},
      {1019, L"Expected 'Loop'"},
      {1020, L"Expected 'Next'"},
      {1021, L"Expected 'Case'"},
      {1022, L"Expected 'Select'"},
      {1023, L"Expected expression"},
      {1024, L"Expected statement"},
      {1025, L"Expected end of statement"},
      {1026, L"Expected integer constant"},
      {1027, L"Expected 'While' or 'Until'"},
      {1028, L"Expected 'While', 'Until' or end of statement"},
      {1029, L"Expected 'With'"},
      {1030, L"Identifier too long"},
      {1031, L"Invalid number"},
      {1032, L"Invalid character"},
      {1033, L"Unterminated string constant"},
      {1037, L"Invalid use of 'Me' keyword"},
      {1038, L"'loop' without 'do'"},
      {1039, L"Invalid 'exit' statement"},
      {1040, L"Invalid 'for' loop control variable"},
      {1041, L"Name redefined"},
      {1042, L"Must be first statement on the line"},
      {1044, L"Cannot use parentheses when calling a Sub"},
      {1045, L"Expected literal constant"},
      {1046, L"Expected 'In'"},
      {1047, L"Expected 'Class'"},
      {1048, L"Must be defined inside a Class"},
      {1049, L"Expected Let or Set or Get in property declaration"},
      {1050, L"Expected 'Property'"},
      {1052, L"Cannot have multiple default property/method in a Class"},
      {1053, L"Class initialize or terminate do not have arguments"},
      {1057, L"'Default' specification must also specify 'Public'"},
      {kStatementOutsideProcedure, L"Statement outside a procedure"},
  };
  for (const auto& t : kTexts) {
    if (t.first == code) return t.second;
  }
  return std::wstring();
}

}  // namespace vsc

// What the script compiler can tell about a VBScript text without an engine: the
// statements with their lines, block structure (If/End If, For/Next, Sub/End Sub, ...),
// strings and parentheses, and the rule that a global procedures text holds only
// procedure definitions and Option Explicit. Gives readable error texts; the engine
// remains the judge of syntax.
#pragma once
#include <string>
#include <vector>

namespace vsc {

struct ScriptError {
  int line = 0;  // 1-based; 0 = no error
  int code = 0;
  std::wstring text;
  explicit operator bool() const { return line > 0; }
};

struct OutlineResult {
  // First structural problem found (strings, parentheses, blocks).
  ScriptError structure;
  // A statement outside any procedure where only procedures are allowed. Not a syntax
  // error, so no engine reports it: this one always counts.
  ScriptError rule;
};

OutlineResult OutlineScript(const std::wstring& text, bool onlyProcedures);

// Text of a VBScript compile error number (1002 "Syntax error", ...); "" when unknown.
std::wstring CompileErrorText(int code);

// Our own error code for a statement outside a procedure in a procedures-only text.
constexpr int kStatementOutsideProcedure = 1100;

}  // namespace vsc

#include "vbscript_outline.h"

#include <gtest/gtest.h>

namespace vsc {
namespace {

struct Case {
  const wchar_t* name;
  const wchar_t* script;
  bool onlyProcedures;
  int line;              // 0: no error
  int code;
  const wchar_t* words;  // expected in the text
};

const Case kCases[] = {
    {L"empty", L"", false, 0, 0, L""},
    {L"statements", L"Dim x\r\nx = 1\r\nMsgBox \"a:b ' c\"", false, 0, 0, L""},
    {L"if block", L"If x Then\r\n  y = 1\r\nElseIf z Then\r\n  y = 2\r\nElse\r\n  y = 3\r\nEnd If", false, 0, 0, L""},
    {L"single-line if", L"If x Then y = 1 Else y = 2", false, 0, 0, L""},
    {L"loops", L"For i = 1 To 3\nNext\nDo While x\nLoop\nWhile y\nWend\nFor Each a In b\nNext", false, 0, 0, L""},
    {L"select", L"Select Case x\nCase 1\n  y = 1\nCase Else\nEnd Select", false, 0, 0, L""},
    {L"continuation", L"x = 1 + _\n    2\nIf a Then\nEnd If", false, 0, 0, L""},
    {L"rem comment", L"Rem an \"unclosed comment\nREM\nx = 1 ' If", false, 0, 0, L""},
    {L"class", L"Class C\n  Public Property Get P\n  End Property\n  Sub S\n  End Sub\nEnd Class", false, 0, 0, L""},
    {L"missing then", L"x = 1\nIf x = 1\nEnd If", false, 2, 1017, L"Then"},
    {L"unclosed string", L"x = 1\ny = \"abc\nz = 2", false, 2, 1033, L"string"},
    {L"unclosed paren", L"x = (1 + 2\n", false, 1, 1006, L"')'"},
    {L"stray paren", L"x = 1 + 2)\n", false, 1, 1025, L"'('"},
    {L"next without for", L"x = 1\nNext", false, 2, 1020, L"'Next' without 'For'"},
    {L"wrong end", L"Sub A\n  If x Then\n  y = 1\nEnd Sub", false, 4, 1014, L"End If"},
    {L"unclosed sub", L"Sub A\n  x = 1\n", false, 3, 1014, L"End Sub"},
    {L"nested sub", L"Sub A\nSub B\nEnd Sub\nEnd Sub", false, 2, 1002, L"inside"},
    {L"loose else", L"Else\n", false, 1, 1002, L"Else"},
    {L"procedures only ok", L"Option Explicit\n' note\nSub A()\n  x = 1\nEnd Sub\n\nPublic Function F(a)\n  F = a\nEnd Function", true, 0, 0, L""},
    {L"procedures only statement", L"Option Explicit\nSub A()\nEnd Sub\nx = 1\n", true, 4, kStatementOutsideProcedure, L"'x = 1'"},
    {L"procedures only dim", L"Dim g\nSub A()\nEnd Sub", true, 1, kStatementOutsideProcedure, L"Sub or Function"},
};

TEST(OutlineScript, TableOfScripts) {
  for (const Case& c : kCases) {
    OutlineResult r = OutlineScript(c.script, c.onlyProcedures);
    const ScriptError& e = r.rule ? r.rule : r.structure;
    EXPECT_EQ(e.line, c.line) << c.name;
    EXPECT_EQ(e.code, c.code) << c.name;
    EXPECT_NE(e.text.find(c.words), std::wstring::npos) << c.name << ": " << std::string(e.text.begin(), e.text.end());
  }
}

TEST(OutlineScript, RuleOnlyWhenAsked) {
  EXPECT_FALSE(OutlineScript(L"x = 1", false).rule);
  EXPECT_TRUE(OutlineScript(L"x = 1", true).rule);
}

TEST(CompileErrorText, KnownAndUnknownCodes) {
  EXPECT_EQ(CompileErrorText(1002), L"Syntax error");
  EXPECT_EQ(CompileErrorText(1025), L"Expected end of statement");
  EXPECT_EQ(CompileErrorText(42), L"");
}

}  // namespace
}  // namespace vsc

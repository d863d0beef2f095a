// The compiler through its ordinal 1, as the editor and the script worksheets call it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "velscriptcompiler.h"

namespace {

class Compiler : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = ::LoadLibraryW(VELSCRIPTCOMPILER_DLL);
    ASSERT_NE(module_, nullptr);
    compile_ = reinterpret_cast<VELSCRIPTCOMPILE>(
        reinterpret_cast<void*>(::GetProcAddress(module_, MAKEINTRESOURCEA(VELSCRIPTCOMPILE_ORDINAL))));
    ASSERT_NE(compile_, nullptr);
  }
  void TearDown() override { ::FreeLibrary(module_); }

  struct Result {
    BOOL ok;
    int code;
    int line;
    std::wstring text;
    std::wstring output;
  };
  Result Compile(const wchar_t* script, int onlyProcedures = 0, int wrapped = 0, int textSize = 1024,
                 const wchar_t* language = L"VBScript") {
    void* output = reinterpret_cast<void*>(1);
    int code = -1, line = -1;
    wchar_t text[1024];
    wcscpy(text, L"garbage");
    Result r{};
    r.ok = compile_(nullptr, language, script, &output, 1, onlyProcedures, 0, &code, text, textSize, &line, wrapped,
                    0, 5);
    r.code = code;
    r.line = line;
    r.text = text;
    if (output) {
      r.output = static_cast<const wchar_t*>(output);
      std::free(output);
    }
    return r;
  }

  HMODULE module_ = nullptr;
  VELSCRIPTCOMPILE compile_ = nullptr;
};

TEST_F(Compiler, ExportedByOrdinalAndName) {
  EXPECT_EQ(reinterpret_cast<void*>(compile_),
            reinterpret_cast<void*>(::GetProcAddress(module_, "VelScriptCompile")));
}

TEST_F(Compiler, GoodScriptsCompile) {
  const wchar_t* scripts[] = {
      L"",
      L"Dim x\r\nx = 1\r\nIf x > 0 Then\r\n  x = x - 1\r\nElse\r\n  x = 0\r\nEnd If",
      L"Function Twice(a)\r\n  Twice = 2 * a\r\nEnd Function\r\nSub Show()\r\n  MsgBox Twice(3)\r\nEnd Sub",
      L"For i = 1 To 10 Step 2\r\n  s = s & i\r\nNext\r\nDo While s <> \"\"\r\n  s = Mid(s, 2)\r\nLoop",
      L"Select Case x\r\n  Case 1, 2\r\n    y = \"one \"\"or\"\" two\"\r\n  Case Else\r\n    y = 0\r\nEnd Select",
      L"' only a comment\r\nRem another\r\nx = 1 : y = 2",
  };
  for (const wchar_t* script : scripts) {
    Result r = Compile(script);
    EXPECT_TRUE(r.ok) << std::string(r.text.begin(), r.text.end());
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.line, 0);
    EXPECT_EQ(r.text, L"");
    EXPECT_EQ(r.output, script);  // malloc'ed copy of what was compiled
  }
}

TEST_F(Compiler, BrokenScriptsFailWithLineAndText) {
  struct Case {
    const wchar_t* script;
    int line;
    const wchar_t* words;
  } cases[] = {
      {L"x = 1\r\nIf x = 1\r\n  x = 2\r\nEnd If", 2, L"Then"},
      {L"x = 1\r\ny = 2\r\nz = \"open", 3, L"string"},
      {L"Sub A()\r\n  x = 1\r\nEnd Function", 3, L""},
      {L"x = (1 + 2\r\n", 1, L")"},
      {L"x = 1\r\ny = = 2", 2, L""},
      {L"Dim\r\n", 1, L""},
  };
  for (const Case& c : cases) {
    Result r = Compile(c.script);
    EXPECT_FALSE(r.ok) << c.line;
    EXPECT_EQ(r.line, c.line) << std::string(r.text.begin(), r.text.end());
    EXPECT_NE(r.code, 0);
    EXPECT_FALSE(r.text.empty()) << c.line;
    EXPECT_NE(r.text.find(c.words), std::wstring::npos) << std::string(r.text.begin(), r.text.end());
    EXPECT_TRUE(r.output.empty());
  }
}

TEST_F(Compiler, OnlyProceduresRejectsStatementsOutsideThem) {
  const wchar_t* procedures = L"Option Explicit\r\nSub A()\r\n  Dim x\r\n  x = 1\r\nEnd Sub\r\nFunction F()\r\nEnd Function";
  EXPECT_TRUE(Compile(procedures, 1).ok);
  Result r = Compile(L"Option Explicit\r\nSub A()\r\nEnd Sub\r\nMsgBox 1", 1);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.line, 4);
  EXPECT_NE(r.text.find(L"outside"), std::wstring::npos);
  EXPECT_TRUE(Compile(L"MsgBox 1", 0).ok);
}

TEST_F(Compiler, WrappedTextCountsLinesWithoutTheHeader) {
  Result r = Compile(L"Sub Main()\nx = 1\nIf x\nEnd If\nEnd Sub", 0, 1);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.line, 2);
}

TEST_F(Compiler, ErrorTextIsCutToTheBuffer) {
  Result r = Compile(L"If x\r\nEnd If", 0, 0, 6);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.text.size(), 5u);
}

TEST_F(Compiler, OtherLanguagesAreRefusedClearly) {
  Result r = Compile(L"var x = 1;", 0, 0, 1024, L"JScript");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.text.find(L"JScript"), std::wstring::npos);
  EXPECT_TRUE(Compile(L"x = 1", 0, 0, 1024, L"vbscript").ok);
}

}  // namespace


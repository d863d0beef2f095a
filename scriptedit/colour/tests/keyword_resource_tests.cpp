// The keyword list as the library's custom resource, and what a language change does.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "keyword_resource.h"

namespace {

using orv::CColorizer;

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::wstring current;
  for (wchar_t c : text) {
    if (c == L'\n') {
      lines.push_back(current);
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  EXPECT_TRUE(current.empty()) << "text after the last line end";
  return lines;
}

TEST(KeywordResource, SixtySevenLinesInOrderWithCrLf) {
  std::wstring text;
  ASSERT_TRUE(orv::LoadKeywordResource(::GetModuleHandleW(nullptr), text));
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 67u);
  for (const auto& l : lines) ASSERT_TRUE(!l.empty() && l.back() == L'\r');
  const wchar_t* expected[] = {
      L"Call", L"Class", L"End", L"Class", L"Const", L"Dim", L"Do", L"Loop", L"Erase", L"Execute", L"Exit", L"For",
      L"Next", L"Each", L"Function", L"If", L"Then", L"Else", L"On", L"Error", L"Err", L"Option", L"Explicit",
      L"Private", L"Property", L"Get", L"Let", L"Set", L"Public", L"Randomize", L"ReDim", L"Rem", L"Select",
      L"Case", L"Set", L"Sub", L"While", L"With", L"End", L"With", L"ByVal", L"ByRef", L"And", L"Or", L"Xor",
      L"Not", L"Mod", L"Is", L"Imp", L"Eqv", L"Empty", L"Nothing", L"ElseIf", L"GetLocale", L"SetLocale", L"Step",
      L"True", L"False", L"Null", L"Wend", L"New", L"To", L"Stop", L"Until", L"In", L"Resume", L"Goto"};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i], std::wstring(expected[i]) + L"\r") << i;
  }
}

TEST(KeywordResource, LanguageChanges) {
  const HMODULE self = ::GetModuleHandleW(nullptr);
  CColorizer colorizer;
  orv::ApplyLanguageKeywords(self, L"vbscript", colorizer);
  EXPECT_EQ(colorizer.KeywordCount(), 67u);
  orv::ApplyLanguageKeywords(self, L"JScript", colorizer);
  EXPECT_EQ(colorizer.KeywordCount(), 0u);
  orv::ApplyLanguageKeywords(self, L"VBSCRIPT", colorizer);
  EXPECT_EQ(colorizer.KeywordCount(), 67u);
  // A module without the resource keeps the keywords there are.
  const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  std::wstring text;
  EXPECT_FALSE(orv::LoadKeywordResource(kernel, text));
  orv::ApplyLanguageKeywords(kernel, L"VBScript", colorizer);
  EXPECT_EQ(colorizer.KeywordCount(), 67u);
}

}  // namespace

// The colorizer's separate rules: comment starts, number words, tag expression extents,
// the keyword list, the colour settings, and what happens without its partners.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "CColorizer.h"
#include "comment_start.h"
#include "fake_lookups.h"
#include "golden_file.h"
#include "number_word.h"
#include "tag_expression.h"
#include "text/utf16le.h"

namespace {

using orv::CColorizer;
using orv::ColourClass;
using orv::ColourRef;
using orv::ColourTable;
using orv::testkit::FakeHostNames;
using orv::testkit::FakeScriptNames;

std::wstring KeywordText() {
  const char* dir = std::getenv("ORV_TEST_DATA");
  std::ifstream in(std::string(dir != nullptr ? dir : ".") + "/keywords.txt", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return orv::FromUtf8(bytes.str());
}

TEST(CommentStart, Positions) {
  struct Case {
    const wchar_t* text;
    std::size_t pos;
    bool expected;
  } cases[] = {
      {L"' x", 0, true},         {L"a // b", 2, true},     {L"a / b", 2, false},
      {L"/", 0, false},          {L"REM x", 0, true},      {L"rem", 0, true},
      {L"a = 1 rem note", 6, true}, {L"Remark = 1", 0, false}, {L"xrem", 1, false},
      {L"_rem", 1, false},       {L"rem_", 0, false},      {L"rem9", 0, false},
      {L"x.rem", 2, true},       {L"re", 0, false},        {L"abc", 5, false},
      {L"(Rem)", 1, true},       {L"1rem", 1, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(orv::IsCommentStart(c.text, c.pos), c.expected) << orv::ToUtf8(c.text) << " at " << c.pos;
  }
}

TEST(NumberWord, DecimalOnly) {
  const std::map<std::wstring, bool> cases = {
      {L"0", true},     {L"0.0", true},    {L"0.5", true},  {L"5", true},     {L"12.", true},
      {L"1e5", true},   {L"1E+5", true},   {L"2.5e-3", true}, {L" 7\t", true}, {L"00", true},
      {L"0x1F", false}, {L"1.5abc", false}, {L"1e", false}, {L"1e-", false},  {L".", false},
      {L"", false},     {L"inf", false},   {L"nan", false}, {L"1.2.3", false}, {L"abc", false},
      {L"-1", false},   {L"0e5", true},    {L"1 2", false}, {L".0", false},   {L".5", true},
  };
  for (const auto& [word, expected] : cases) {
    EXPECT_EQ(orv::IsNumberWord(word), expected) << "'" << orv::ToUtf8(word) << "'";
  }
}

TEST(TagExpression, Extents) {
  FakeHostNames host;
  host.AddFunction(L"Max");
  struct Case {
    const wchar_t* text;
    std::size_t end;
    bool paren;
  } cases[] = {
      {L"$Level = 3", 7, false},           // name and the following space
      {L"$Level", 6, false},               {L"$", 1, false},          {L"$   ", 4, false},
      {L"$Tag[2].Member->Field + 1", 22, false},
      {L"$Tag[a[1]] x", 11, false},        {L"$Tag[\"]\"] x", 10, false},
      {L"$Tag.", 5, false},                {L"$ @ Ptr x", 8, false},
      {L"$#Name:12.5 x", 11, false},       {L"$#Name:-3", 9, false},  {L"$#Name:Tag x", 11, false},
      {L"$Max(1, (2), \")\") + 1", 16, true}, {L"$Max (1", 7, false},
      {L"$Other(1) x", 6, false},          // not a host function: the name only
  };
  for (const auto& c : cases) {
    const auto extent = orv::ScanTagExpression(c.text, 0, host);
    EXPECT_EQ(extent.end, c.end) << orv::ToUtf8(c.text);
    EXPECT_EQ(extent.closingParen, c.paren) << orv::ToUtf8(c.text);
  }
  // The host sees the call head as written, from the "$" to the "(".
  FakeHostNames probe;
  orv::ScanTagExpression(L"x = $ Max (1)", 4, probe);
  ASSERT_EQ(probe.functionQueryCount(), 1);
  EXPECT_EQ(orv::ToUtf8(probe.lastFunctionQuery()), "$ Max (");
}

TEST(Keywords, ResourceTextInOrder) {
  CColorizer colorizer;
  colorizer.LoadKeywords(KeywordText());
  EXPECT_EQ(colorizer.KeywordCount(), 67u);
  // Text after the last line feed is not a keyword; carriage returns are dropped.
  colorizer.LoadKeywords(L"Dim\r\nLoop\r\nWend");
  EXPECT_EQ(colorizer.KeywordCount(), 2u);
  FakeScriptNames scripter;
  colorizer.SetScripter(&scripter);
  std::wstring text = L"dim wend loop";
  std::vector<ColourClass> classes;
  colorizer.ColourLine(0, text, classes);
  EXPECT_EQ(orv::ToUtf8(text), "Dim wend Loop");
  colorizer.ClearKeywords();
  EXPECT_EQ(colorizer.KeywordCount(), 0u);
}

TEST(Keywords, OnlyVBScriptHasThem) {
  EXPECT_TRUE(CColorizer::HasKeywords(L"VBScript"));
  EXPECT_TRUE(CColorizer::HasKeywords(L"vbscript"));
  EXPECT_FALSE(CColorizer::HasKeywords(L"JScript"));
  EXPECT_FALSE(CColorizer::HasKeywords(L""));
}

TEST(Colours, SettingsKeysAndDefaults) {
  std::vector<std::wstring> keys;
  const ColourTable table = ColourTable::Read([&](const wchar_t* section, const wchar_t* key, int def) {
    EXPECT_EQ(std::wstring(section), L"ScriptEditor");
    keys.emplace_back(key);
    return std::wstring(key) == L"NumberColor" ? 0x123456 : def;
  });
  const std::vector<std::wstring> expectedKeys = {L"KeywordColor", L"CommentColor", L"NumberColor",
                                                  L"FunctionColor", L"ErrColor",    L"NormalColor",
                                                  L"StringColor",  L"OrvaneColor",  L"OrvaneNoDolar"};
  EXPECT_EQ(keys, expectedKeys);
  EXPECT_EQ(table.Get(ColourClass::kNumber), 0x123456u);
  const ColourTable defaults;
  const ColourRef expected[] = {0xFF0000, 0x008000, 0, 0xFF0000, 255, 0, 0, 0, 255};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(defaults.Get(static_cast<ColourClass>(i)), expected[i]) << i;
  EXPECT_EQ(defaults.Get(ColourClass::kUncoloured), 0u);
}

TEST(Colours, ValuesFollowTheTable) {
  CColorizer colorizer;
  FakeScriptNames scripter;
  colorizer.SetScripter(&scripter);
  colorizer.LoadKeywords(KeywordText());
  ColourTable table;
  table.Set(ColourClass::kNormal, 0x111111);
  table.Set(ColourClass::kString, 0x222222);
  colorizer.SetColours(table);
  std::wstring text = L"Dim \"s\"";
  std::vector<ColourRef> colours;
  colorizer.ColourLine(0, text, colours);
  const std::vector<ColourRef> expected = {0xFF0000, 0xFF0000, 0xFF0000, 0x111111, 0, 0x222222, 0};
  EXPECT_EQ(colours, expected);
}

TEST(Partners, NoScripterOrEmptyLineGivesNothing) {
  CColorizer colorizer;
  std::wstring text = L"Dim a";
  std::vector<ColourClass> classes{ColourClass::kNormal};
  colorizer.ColourLine(0, text, classes);
  EXPECT_TRUE(classes.empty());
  FakeScriptNames scripter;
  colorizer.SetScripter(&scripter);
  std::wstring empty;
  colorizer.ColourLine(0, empty, classes);
  EXPECT_TRUE(classes.empty());
}

TEST(Partners, WithoutHostNoWordIsATag) {
  CColorizer colorizer;
  FakeScriptNames scripter;
  colorizer.SetScripter(&scripter);
  std::wstring text = L"Level = $Level";
  std::vector<ColourClass> classes;
  colorizer.ColourLine(0, text, classes);
  EXPECT_EQ(orv::ToUtf8(orv::testkit::ClassLetters(classes)), "........TTTTTT");
}

TEST(Partners, EngineSpellingOnlyChangesLetterCase) {
  // An engine that answers with another word must not change the text.
  class OddEngine final : public orv::IScriptNameLookup {
   public:
    bool IsBuiltinName(std::wstring& word) override {
      word = L"Something else";
      return true;
    }
    int ErrorLine() const override { return -1; }
  } engine;
  CColorizer colorizer;
  colorizer.SetScripter(&engine);
  std::wstring text = L"x = abc";
  std::vector<ColourClass> classes;
  colorizer.ColourLine(0, text, classes);
  EXPECT_EQ(orv::ToUtf8(text), "x = abc");
  EXPECT_EQ(orv::ToUtf8(orv::testkit::ClassLetters(classes)), "F...FFF");
}

}  // namespace

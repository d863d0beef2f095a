#include <gtest/gtest.h>

#include "core/expression.h"
#include "core/function_table.h"
#include "test_database.h"

namespace tarvo {
namespace {

TEST(Expression, AcceptsWhatWorksheetsWrite) {
  const TagDatabase db = test::SampleDatabase();
  const std::pair<const wchar_t*, int> cases[] = {  // text, number of tag references
      {L"1", 0},
      {L"Level * 2 + 1", 1},
      {L"(Level + Counter) / 2", 2},
      {L"Valves[Counter] AND NOT Pump[1].Running", 3},
      {L"Message = \"a \"\"quoted\"\" text\"", 1},
      {L"Max(Level, 10) >= 0.5e3", 1},
      {L"$Level <> -Counter", 2},
      {L"ClockSeconds()", 0},
      {L"TextMid(Message, 1)", 1},
      {L"0x1F & Counter | 4", 1},
      {L"Level->HiHi", 1},
      {L"@Pointer + 1", 1},
  };
  for (const auto& c : cases) {
    const CompileResult r = CompileExpression(c.first, &db, true, 5);
    EXPECT_TRUE(r.ok) << std::string(r.error.begin(), r.error.end());
    EXPECT_EQ(static_cast<std::size_t>(c.second), r.refs.size());
    EXPECT_EQ(r.refs.size(), ListCompiledRefs(r.compiled).size());
  }
}

TEST(Expression, RefusesMalformedExpressions) {
  const TagDatabase db = test::SampleDatabase();
  const wchar_t* cases[] = {
      L"", L"   ", L"1 +", L"(1", L"1)", L"\"open", L"Nothing + 1", L"Max(1)", L"Max(1,2,3)", L"NoSuchFunc(1)",
      L"1 2", L"Level[", L"12abc", L"ScreenOpen(\"Main\")" /* screens only */, L"Max(1,", L",",
  };
  for (const wchar_t* c : cases) {
    const CompileResult r = CompileExpression(c, &db, true, 5);
    EXPECT_FALSE(r.ok) << std::wstring(c).size();
    EXPECT_FALSE(r.error.empty());
    EXPECT_TRUE(r.compiled.empty());
  }
}

TEST(Expression, UnknownNamesPassWhenTagsAreNotRequired) {
  const TagDatabase db = test::SampleDatabase();
  const CompileResult r = CompileExpression(L"Unknown + Level", &db, false, 5);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(1u, ListCompiledRefs(r.compiled).size());
  EXPECT_TRUE(CompileExpression(L"A + B", nullptr, false, 5).ok);
  EXPECT_FALSE(CompileExpression(L"A + B", nullptr, true, 5).ok);
}

TEST(Expression, DeepNestingIsAnErrorNotACrash) {
  const std::wstring deep = std::wstring(100000, L'(') + L"1" + std::wstring(100000, L')');
  EXPECT_FALSE(CompileExpression(deep, nullptr, false, 5).ok);
  const std::wstring negs = std::wstring(100000, L'-') + L"1";
  EXPECT_FALSE(CompileExpression(negs, nullptr, false, 5).ok);
}

TEST(Expression, CompiledFormListsReferencesInOrder) {
  const TagDatabase db = test::SampleDatabase();
  const CompileResult r = CompileExpression(L"Pump[2].Speed + Valves[Counter]", &db, true, 5);
  ASSERT_TRUE(r.ok);
  const std::vector<TagRef> refs = ListCompiledRefs(r.compiled);
  ASSERT_EQ(3u, refs.size());
  EXPECT_EQ(2, refs[2].tag);
  EXPECT_EQ(4, refs[0].tag);
  EXPECT_EQ(2, refs[0].index);
  EXPECT_EQ(1, refs[0].member);
  EXPECT_EQ(3, refs[1].tag);
  EXPECT_EQ(2, refs[1].indexTag);
  EXPECT_TRUE(ListCompiledRefs(L"T1,2\nTx\nT,,,,,\n").empty());
}

TEST(TextTags, FindsTagsInBraceGroups) {
  const TagDatabase db = test::SampleDatabase();
  std::vector<TagRef> refs;
  std::vector<std::wstring> missing;
  EXPECT_TRUE(FindTagsInText(db, L"Level {Level} at {Pump[1].Speed 5}, {'literal'} \\{Counter} {Nope}", refs, &missing));
  ASSERT_EQ(2u, refs.size());
  EXPECT_EQ(1, refs[0].tag);
  EXPECT_EQ(4, refs[1].tag);
  ASSERT_EQ(1u, missing.size());
  EXPECT_EQ(L"Nope", missing[0]);
  refs.clear();
  EXPECT_FALSE(FindTagsInText(db, L"open {Level", refs));
}

TEST(FunctionTable, NamesParametersAndOrigins) {
  ASSERT_GT(FunctionCount(), 20);
  for (int i = 0; i < FunctionCount(); ++i) {
    const HostFunction* f = FunctionAt(i);
    EXPECT_EQ(i, FindFunction(f->name));
    const std::wstring params = f->params;
    EXPECT_TRUE(params.empty() || params.back() == L'\t');
  }
  EXPECT_EQ(FindFunction(L"Max"), FindFunction(L"  max ( "));
  EXPECT_EQ(-1, FindFunction(L"Level"));
  EXPECT_EQ(nullptr, FunctionAt(-1));
  const HostFunction& open = *FunctionAt(FindFunction(L"ScreenOpen"));
  EXPECT_TRUE(FunctionEnabledFor(open, 7));
  EXPECT_FALSE(FunctionEnabledFor(open, 3));
}

}  // namespace
}  // namespace tarvo

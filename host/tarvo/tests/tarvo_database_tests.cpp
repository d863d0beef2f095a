// The tag database calls of tarvo.dll, through its exports, on a temporary copy of
// the sample project: names, numbers, classes, checks, expressions, bad files.
#include <gtest/gtest.h>

#include "seams/seam_capture.h"
#include "tarvo_loader.h"

namespace tarvo::test {
namespace {

class TarvoDatabase : public ::testing::Test {
 protected:
  TarvoLibrary lib;
  SampleProjectCopy project{lib};
};

TEST_F(TarvoDatabase, TagNamesGiveReferencesAndBack) {
  TARVO_FN(lib, DBGetVar);
  TARVO_FN(lib, DBGetVarName);
  const struct {
    const wchar_t* name;
    TAGREF ref;
    const wchar_t* back;
  } cases[] = {
      {L"Level", {1, 0, 0, 0, 0, 0, {0, 0}}, L"Level"},
      {L"valveopen[8]", {6, 8, 0, 0, 0, 0, {0, 0}}, L"ValveOpen[8]"},
      {L"Setpoints[SelectedRecipe]", {7, 0, 9, 0, 0, 0, {0, 0}}, L"Setpoints[SelectedRecipe]"},
      {L"Pumps[2].Speed", {10, 2, 0, 2, 0, 0, {0, 0}}, L"Pumps[2].Speed"},
      {L"MainPump.Label", {11, 0, 0, 4, 0, 0, {0, 0}}, L"MainPump.Label"},
      {L"Level->Description", {1, 0, 0, 0, 2, 0, {0, 0}}, L"Level->Description"},
      {L"@TagPointer", {12, 0, 0, 0, 0, TAGREF_INDIRECT, {0, 0}}, L"@TagPointer"},
      {L"Temp\u00e9rature", {14, 0, 0, 0, 0, 0, {0, 0}}, L"Temp\u00e9rature"},
  };
  for (const auto& c : cases) {
    TAGREF ref{};
    ASSERT_TRUE(DBGetVar(&ref, c.name));
    EXPECT_EQ(c.ref.nTag, ref.nTag);
    EXPECT_EQ(c.ref.nIndex, ref.nIndex);
    EXPECT_EQ(c.ref.nIndexTag, ref.nIndexTag);
    EXPECT_EQ(c.ref.nMember, ref.nMember);
    EXPECT_EQ(c.ref.nField, ref.nField);
    EXPECT_EQ(c.ref.dwFlags, ref.dwFlags);
    wchar_t name[1024];
    ASSERT_TRUE(DBGetVarName(&ref, name, 1024));
    EXPECT_EQ(std::wstring(c.back), name);
  }
  EXPECT_EQ(DBGetVar, lib.Get<decltype(DBGetVar)>("_DBGetVar@8"));
}

TEST_F(TarvoDatabase, MalformedNamesAreNotTags) {
  TARVO_FN(lib, DBGetVar);
  TARVO_FN(lib, DBGetVarName);
  const wchar_t* bad[] = {L"",          L"NoSuchTag",   L"Level[1]",   L"ValveOpen[9]", L"ValveOpen[",
                          L"Pumps.Nope", L"Level.Speed", L"Level->Zzz", L"@Level",       L"1Level",
                          L"Level ",     L"$Level",      L"Level;",     L"ValveOpen[OperatorMessage]"};
  for (const wchar_t* name : bad) {
    TAGREF ref{};
    EXPECT_FALSE(DBGetVar(&ref, name)) << std::wstring(name).size();
    EXPECT_EQ(0, ref.nTag);
  }
  EXPECT_FALSE(DBGetVar(nullptr, L"Level"));
  TAGREF ref{};
  EXPECT_FALSE(DBGetVar(&ref, nullptr));
  const std::wstring huge(100000, L'x');
  EXPECT_FALSE(DBGetVar(&ref, huge.c_str()));
  TAGREF nothing{};
  wchar_t name[16] = L"#";
  EXPECT_FALSE(DBGetVarName(&nothing, name, 16));  // a cleared reference names no tag
  EXPECT_EQ(L'\0', name[0]);
  nothing.nTag = 9999;
  EXPECT_FALSE(DBGetVarName(&nothing, name, 16));
}

TEST_F(TarvoDatabase, TagsByNumberAndClasses) {
  TARVO_FN(lib, UNGetTotalCount);
  TARVO_FN(lib, DBGetTagName);
  TARVO_FN(lib, DBGetTagType);
  TARVO_FN(lib, DBGetTagSize);
  TARVO_FN(lib, DBIsIndirect);
  TARVO_FN(lib, DBGetTagFlags);
  TARVO_FN(lib, DBClassFindName);
  TARVO_FN(lib, DBClassGetMemberCount);
  TARVO_FN(lib, DBClassGetMemberName);
  TARVO_FN(lib, DBClassGetMemberType);
  TARVO_FN(lib, UNGetMaxArray);
  ASSERT_EQ(16, UNGetTotalCount());
  wchar_t name[1024];
  ASSERT_TRUE(DBGetTagName(1, name, 1024));
  EXPECT_EQ(std::wstring(L"Level"), name);
  ASSERT_TRUE(DBGetTagName(16, name, 1024));
  EXPECT_EQ(std::wstring(L"_UserName"), name);
  EXPECT_FALSE(DBGetTagName(0, name, 1024));
  EXPECT_FALSE(DBGetTagName(17, name, 1024));
  wchar_t cls[64];
  EXPECT_EQ(2, DBGetTagType(1, cls, 64));
  EXPECT_EQ(std::wstring(), cls);
  EXPECT_EQ(4, DBGetTagType(10, cls, 64));
  EXPECT_EQ(std::wstring(L"Pump"), cls);
  EXPECT_EQ(3, DBGetTagType(12, nullptr, 0));
  EXPECT_EQ(-1, DBGetTagType(0, nullptr, 0));
  EXPECT_EQ(8, DBGetTagSize(6));
  EXPECT_EQ(0, DBGetTagSize(1));
  EXPECT_EQ(-1, DBGetTagSize(99));
  EXPECT_LE(DBGetTagSize(6), UNGetMaxArray());
  EXPECT_EQ(UNGetMaxArray() & 0xFF, UNGetMaxArray());  // sizes stay within the low 8 bits
  EXPECT_TRUE(DBIsIndirect(12));
  EXPECT_FALSE(DBIsIndirect(1));
  EXPECT_EQ(static_cast<DWORD>(TAGDESC_TREND | 0x100), DBGetTagFlags(1));
  const int pump = DBClassFindName(L"pump");
  ASSERT_EQ(1, pump);
  EXPECT_EQ(0, DBClassFindName(L"Valve"));
  ASSERT_EQ(4, DBClassGetMemberCount(pump));
  ASSERT_TRUE(DBClassGetMemberName(pump, 2, name, 1024));
  EXPECT_EQ(std::wstring(L"Speed"), name);
  EXPECT_EQ(2, DBClassGetMemberType(pump, 2));
  EXPECT_EQ(3, DBClassGetMemberType(pump, 4));
  EXPECT_FALSE(DBClassGetMemberName(pump, 5, name, 1024));
  EXPECT_EQ(-1, DBClassGetMemberType(pump, 0));
  EXPECT_EQ(0, DBClassGetMemberCount(7));
}

TEST_F(TarvoDatabase, VerifyTagChecksAndAsksThroughTheMessageBoxSeam) {
  TARVO_FN(lib, DBVerifyTag);
  TARVO_FN(lib, DBGetVar);
  TARVO_FN(lib, UNGetTotalCount);
  TARVO_FN(lib, UNGetVersion);
  orv::testing::MessageBoxCapture boxes;
  EXPECT_TRUE(DBVerifyTag(nullptr, L"Level", 0, 0, 0, 0));
  EXPECT_TRUE(DBVerifyTag(nullptr, L"Pumps[1].Running", 1, 1, 0, 0));
  EXPECT_TRUE(DBVerifyTag(nullptr, L"NewTag", 0, 0, 0, 0));  // acceptable as a name
  EXPECT_FALSE(DBVerifyTag(nullptr, L"bad name", 0, 0, 0, 0));
  EXPECT_TRUE(boxes.Boxes().empty());

  EXPECT_FALSE(DBVerifyTag(nullptr, L"9lives", 1, 1, 0, 0));
  ASSERT_EQ(1u, boxes.Boxes().size());
  EXPECT_NE(std::wstring::npos, boxes.Boxes()[0].text.find(L"9lives"));

  boxes.Clear();
  boxes.QueueAnswer(IDNO);
  EXPECT_FALSE(DBVerifyTag(nullptr, L"NewTag", 1, 1, 0, 0));
  EXPECT_EQ(16, UNGetTotalCount());

  const DWORD before = UNGetVersion();
  boxes.QueueAnswer(IDYES);
  EXPECT_TRUE(DBVerifyTag(nullptr, L"NewTag", 1, 1, 0, 0));
  EXPECT_EQ(17, UNGetTotalCount());
  EXPECT_NE(before, UNGetVersion());
  TAGREF ref{};
  EXPECT_TRUE(DBGetVar(&ref, L"NewTag"));
  EXPECT_EQ(17, ref.nTag);
  EXPECT_EQ(2u, boxes.Boxes().size());
  // The new tag was written to the project's file.
  const std::string bytes = orv::testing::ReadFileBytes(project.path(L"Database\\Tags.tdb"));
  const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
  EXPECT_NE(std::wstring::npos, text.find(L"TAG\tNewTag\t1\t0\t-"));
}

TEST_F(TarvoDatabase, MissingOrDamagedDatabaseFailsAndDestroysNothing) {
  TARVO_FN(lib, DBOpen);
  TARVO_FN(lib, DBOpenError);
  TARVO_FN(lib, IsDBOpen);
  TARVO_FN(lib, DBGetVar);
  TARVO_FN(lib, UNGetTotalCount);
  const std::wstring file = project.path(L"Database\\Tags.tdb");
  ASSERT_TRUE(DBOpen());
  EXPECT_EQ(TARVO_DBERR_NONE, DBOpenError());

  const std::string damaged = std::string("\xFF\xFE", 2) + std::string("O\0R\0V\0", 6);
  ASSERT_TRUE(orv::testing::WriteFileBytes(file, damaged));
  EXPECT_FALSE(DBOpen());
  EXPECT_EQ(TARVO_DBERR_DAMAGED, DBOpenError());
  EXPECT_FALSE(IsDBOpen());
  EXPECT_EQ(damaged, orv::testing::ReadFileBytes(file));
  TAGREF ref{};
  EXPECT_FALSE(DBGetVar(&ref, L"Level"));
  EXPECT_EQ(0, UNGetTotalCount());

  ASSERT_TRUE(DeleteFileW(file.c_str()));
  EXPECT_FALSE(DBOpen());
  EXPECT_EQ(TARVO_DBERR_MISSING, DBOpenError());
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(file.c_str()));

  ASSERT_TRUE(CopyFileW((SampleProjectSource() + L"\\Database\\Tags.tdb").c_str(), file.c_str(), FALSE));
  EXPECT_TRUE(DBOpen());
  EXPECT_EQ(16, UNGetTotalCount());
}

TEST_F(TarvoDatabase, ExpressionsCompileAndListTheirTags) {
  TARVO_FN(lib, MTCompile);
  TARVO_FN(lib, MTCompile2);
  TARVO_FN(lib, MTListVars);
  TARVO_FN(lib, DBGetVarName);
  wchar_t compiled[2048];
  ASSERT_TRUE(MTCompile(L"Level * 2 + Max(Flow, Setpoints[SelectedRecipe])", compiled, 2048, 1, 0, 0));
  int count = 0;
  TAGREF refs[128];
  ASSERT_TRUE(MTListVars(compiled, &count, refs, 128));
  ASSERT_EQ(4, count);
  const wchar_t* names[] = {L"Level", L"Flow", L"Setpoints[SelectedRecipe]", L"SelectedRecipe"};
  for (int i = 0; i < count; ++i) {
    wchar_t name[1024];
    ASSERT_TRUE(DBGetVarName(&refs[i], name, 1024));
    EXPECT_EQ(std::wstring(names[i]), name);
  }
  EXPECT_TRUE(MTListVars(compiled, &count, refs, 2));
  EXPECT_EQ(2, count);
  EXPECT_TRUE(MTCompile(L"1 + 1", compiled, 0, 1, 0, 0));  // size 0: the usual 2048
  EXPECT_FALSE(MTCompile(L"Level +", compiled, 2048, 1, 0, 0));
  EXPECT_EQ(L'\0', compiled[0]);
  EXPECT_FALSE(MTCompile(L"Unknown + 1", compiled, 2048, 1, 0, 0));
  EXPECT_TRUE(MTCompile(L"Unknown + 1", compiled, 2048, 0, 0, 0));
  EXPECT_FALSE(MTCompile(L"Level + Flow", compiled, 4, 1, 0, 0));  // no room for the compiled form
  EXPECT_TRUE(MTCompile2(L"Level > 3", L"C:\\p\\Config\\script.is", 5, ~2, nullptr, 0));
  EXPECT_FALSE(MTCompile2(L"ScreenOpen(\"Main\")", L"x", 3, 0, nullptr, 0));
  EXPECT_TRUE(MTCompile2(L"ScreenOpen(\"Main\")", L"x", 7, 0, nullptr, 0));
}

TEST_F(TarvoDatabase, TagsInTextsAndTextChecks) {
  TARVO_FN(lib, UNGetVarsInString);
  TARVO_FN(lib, DBVerifyString3);
  TAGREF refs[2];
  int count = -1;
  ASSERT_TRUE(UNGetVarsInString(L"Level is {Level 3}% at {Pumps[1].Speed} {'quoted'} {NoTag}", refs, 2, &count));
  EXPECT_EQ(2, count);
  EXPECT_EQ(1, refs[0].nTag);
  EXPECT_EQ(10, refs[1].nTag);
  ASSERT_TRUE(UNGetVarsInString(L"{Level}{Flow}{AlarmHigh}", refs, 2, &count));
  EXPECT_EQ(2, count);  // bounded by the caller's room
  EXPECT_FALSE(UNGetVarsInString(L"{Level", refs, 2, &count));
  EXPECT_FALSE(UNGetVarsInString(nullptr, refs, 2, &count));
  EXPECT_TRUE(DBVerifyString3(L"Temp {Temp\u00e9rature}", L"x.mat", 5, ~1));
  EXPECT_FALSE(DBVerifyString3(L"{NoTag}", L"x.mat", 5, ~1));
}

TEST_F(TarvoDatabase, HostFunctionTable) {
  TARVO_FN(lib, MTGetOrvaneFunctionCount);
  TARVO_FN(lib, MTGetOrvaneFunction);
  TARVO_FN(lib, MTGetOrvaneFunctionIndex);
  TARVO_FN(lib, MTGetOrvaneFunctionParams);
  TARVO_FN(lib, MTIsFunctionName);
  TARVO_FN(lib, MTIsFunctionEnabledHere);
  const int count = MTGetOrvaneFunctionCount();
  ASSERT_GT(count, 20);
  for (int i = 0; i < count; ++i) {
    wchar_t name[1024];
    ASSERT_TRUE(MTGetOrvaneFunction(i, name, 1024, 1));
    EXPECT_EQ(i, MTGetOrvaneFunctionIndex(name));
    EXPECT_TRUE(MTIsFunctionName(name));
    wchar_t params[2048];
    ASSERT_TRUE(MTGetOrvaneFunctionParams(i, params, 2048));
    const std::wstring p = params;
    EXPECT_TRUE(p.empty() || p.back() == L'\t');
  }
  const int max = MTGetOrvaneFunctionIndex(L"Max");
  ASSERT_GE(max, 0);
  wchar_t text[64];
  MTGetOrvaneFunction(max, text, 64, 0);
  EXPECT_EQ(std::wstring(L"Max(Value1,Value2)"), text);
  EXPECT_FALSE(MTIsFunctionName(L"Level"));
  EXPECT_EQ(-1, MTGetOrvaneFunctionIndex(nullptr));
  EXPECT_FALSE(MTGetOrvaneFunction(count, text, 64, 1));
  EXPECT_TRUE(MTIsFunctionEnabledHere(L"ScreenOpen", 7));
  EXPECT_FALSE(MTIsFunctionEnabledHere(L"ScreenOpen", 3));
  EXPECT_TRUE(MTIsFunctionEnabledHere(L"Abs", 3));
}

}  // namespace
}  // namespace tarvo::test

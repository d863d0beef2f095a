// The script engine host over the platform's real VBScript engine and its type library.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "CColorizer.h"
#include "CScripter.h"
#include "golden_file.h"
#include "fake_lookups.h"
#include "keyword_resource.h"
#include "text/utf16le.h"

namespace {

using orv::CScripter;
using orv::win::ComPtr;
using Names = std::vector<std::wstring>;

bool Contains(const Names& names, const std::wstring& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

ComPtr<IUnknown> CreateByProgId(const wchar_t* progId) {
  CLSID clsid{};
  ComPtr<IUnknown> object;
  if (SUCCEEDED(::CLSIDFromProgID(progId, &clsid))) {
    ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.put_void());
  }
  return object;
}

class ScripterTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(scripter.Start(L"VBScript")); }
  orv::win::ComInit com;
  CScripter scripter;
};

TEST_F(ScripterTest, BuiltinNamesInAnyCaseAnswerInTheLibrarysSpelling) {
  struct Case {
    const wchar_t* word;
    bool known;
    const wchar_t* spelling;
  } cases[] = {
      {L"msgbox", true, L"MsgBox"},  {L"MSGBOX", true, L"MsgBox"},     {L"MsgBox", true, L"MsgBox"},
      {L"instrrev", true, L"InStrRev"}, {L"VBCRLF", true, L"vbCrLf"},  {L"vbokonly", true, L"vbOKOnly"},
      {L"Dim", false, L"Dim"},       {L"MyCounter", false, L"MyCounter"},
      // Parameter names are no built-in names.
      {L"prompt", false, L"prompt"}, {L"Title", false, L"Title"},
  };
  for (const auto& c : cases) {
    std::wstring word = c.word;
    EXPECT_EQ(scripter.IsBuiltinName(word), c.known) << orv::ToUtf8(c.word);
    EXPECT_EQ(word, c.spelling);
  }
}

TEST_F(ScripterTest, GlobalFunctionsAndTheirParameters) {
  EXPECT_GE(scripter.GlobalFunctionIndex(L"mid"), 0);
  EXPECT_EQ(scripter.GlobalFunctionIndex(L"Mid"), scripter.GlobalFunctionIndex(L"MID"));
  EXPECT_EQ(scripter.GlobalFunctionIndex(L"NoSuchFunction"), -1);

  Names params;
  ASSERT_TRUE(scripter.GlobalFunctionParameters(L"msgbox", params));
  ASSERT_EQ(params.size(), 5u);
  EXPECT_EQ(params[0].front(), L'p');  // the prompt, required
  for (std::size_t i = 1; i < params.size(); ++i) {
    EXPECT_TRUE(params[i].front() == L'[' && params[i].back() == L']') << orv::ToUtf8(params[i]);
  }
  // Two optional parameters, in square brackets.
  params.clear();
  ASSERT_TRUE(scripter.GlobalFunctionParameters(L"InStrRev", params));
  ASSERT_EQ(params.size(), 4u);
  EXPECT_EQ(params[0].find(L'['), std::wstring::npos);
  EXPECT_EQ(params[1].find(L'['), std::wstring::npos);
  EXPECT_EQ(params[2].front(), L'[');
  EXPECT_EQ(params[3].front(), L'[');
  // Without parameters there is nothing to show.
  params.clear();
  EXPECT_FALSE(scripter.GlobalFunctionParameters(L"Now", params));
  EXPECT_FALSE(scripter.GlobalFunctionParameters(L"NoSuchFunction", params));
  EXPECT_TRUE(params.empty());
}

TEST_F(ScripterTest, GlobalNamesSplitIntoFunctionsAndVariables) {
  Names functions, variables;
  scripter.GlobalNames(functions, variables);
  EXPECT_TRUE(Contains(functions, L"MsgBox"));
  EXPECT_TRUE(Contains(functions, L"InStr"));
  EXPECT_TRUE(Contains(variables, L"vbCrLf"));
  EXPECT_FALSE(Contains(functions, L"vbCrLf"));
  for (const auto& n : functions) EXPECT_NE(n.front(), L'_');
  for (const auto& n : variables) EXPECT_NE(n.front(), L'_');
}

TEST_F(ScripterTest, CanAddRule) {
  ComPtr<IUnknown> dict = CreateByProgId(L"Scripting.Dictionary");
  ASSERT_TRUE(dict);
  EXPECT_FALSE(scripter.CanAdd(L"MsgBox"));
  EXPECT_FALSE(scripter.CanAdd(L"msgbox"));
  EXPECT_FALSE(scripter.CanAdd(L""));
  EXPECT_TRUE(scripter.CanAdd(L"Recipe"));
  ASSERT_TRUE(scripter.AddObject(L"Recipe", dict.get()));
  EXPECT_FALSE(scripter.CanAdd(L"RECIPE"));
  EXPECT_FALSE(scripter.AddObject(L"recipe", dict.get()));
  ASSERT_TRUE(scripter.AddVariable(L"Counter"));
  EXPECT_FALSE(scripter.CanAdd(L"counter"));
  EXPECT_FALSE(scripter.AddVariable(L"COUNTER"));
  EXPECT_FALSE(scripter.AddObject(L"Counter", dict.get()));
  EXPECT_FALSE(scripter.AddVariable(L"InStr"));

  Names names;
  scripter.NamedObjects(names);
  scripter.RegisteredVariables(names);
  EXPECT_EQ(names, (Names{L"Recipe", L"Counter"}));

  // Removing and adding again with the same name works.
  EXPECT_TRUE(scripter.RemoveObject(L"Recipe"));
  EXPECT_FALSE(scripter.RemoveObject(L"Recipe"));
  EXPECT_TRUE(scripter.AddObject(L"Recipe", dict.get()));
  EXPECT_TRUE(scripter.RemoveVariable(L"COUNTER"));
  EXPECT_TRUE(scripter.CanAdd(L"Counter"));
}

TEST_F(ScripterTest, MembersOfObjectExpressionsEvaluatedByTheEngine) {
  ComPtr<IUnknown> dict = CreateByProgId(L"Scripting.Dictionary");
  ComPtr<IUnknown> fso = CreateByProgId(L"Scripting.FileSystemObject");
  ASSERT_TRUE(dict && fso);
  ASSERT_TRUE(scripter.AddObject(L"Dict", dict.get()));
  ASSERT_TRUE(scripter.AddObject(L"Files", fso.get()));

  Names functions, variables;
  ASSERT_TRUE(scripter.ObjectMembers(L"Dict", functions, variables));
  EXPECT_TRUE(Contains(functions, L"Add"));
  EXPECT_TRUE(Contains(functions, L"RemoveAll"));
  EXPECT_TRUE(Contains(variables, L"Count"));
  EXPECT_FALSE(Contains(functions, L"Count"));

  // A child object: the engine evaluates the expression through the named item.
  functions.clear();
  variables.clear();
  ASSERT_TRUE(scripter.ObjectMembers(L"Files.GetSpecialFolder(2)", functions, variables));
  EXPECT_TRUE(Contains(functions, L"CreateTextFile"));
  EXPECT_TRUE(Contains(variables, L"Path"));

  Names params;
  ASSERT_TRUE(scripter.MemberParameters(L"Dict", L"add", params));
  EXPECT_EQ(params.size(), 2u);
  params.clear();
  EXPECT_FALSE(scripter.MemberParameters(L"Dict", L"NoSuchMember", params));
  // Only expressions that start with a named object are evaluated.
  EXPECT_FALSE(scripter.ObjectMembers(L"CreateObject(\"Scripting.Dictionary\")", functions, variables));
  EXPECT_FALSE(scripter.ObjectMembers(L"Unknown.Child", functions, variables));
  // An expression the engine cannot evaluate finds nothing and shows nothing.
  EXPECT_FALSE(scripter.ObjectMembers(L"Dict.(((", functions, variables));
}

TEST_F(ScripterTest, StoppingReleasesTheEnginesHoldOnTheSite) {
  EXPECT_GT(scripter.SiteReferences(), 0u);
  scripter.Stop();
  EXPECT_EQ(scripter.SiteReferences(), 0u);
  EXPECT_FALSE(scripter.IsReady());
  ASSERT_TRUE(scripter.Start(L"VBScript"));
  ASSERT_TRUE(scripter.Start(L"VBScript"));  // a restart closes the previous engine first
  scripter.Stop();
  EXPECT_EQ(scripter.SiteReferences(), 0u);
}

TEST_F(ScripterTest, OtherLanguagesStartNothing) {
  ComPtr<IUnknown> dict = CreateByProgId(L"Scripting.Dictionary");
  ASSERT_TRUE(scripter.AddObject(L"Dict", dict.get()));
  EXPECT_FALSE(scripter.Start(L"JScript"));
  EXPECT_FALSE(scripter.IsReady());
  EXPECT_EQ(scripter.language(), L"JScript");
  std::wstring word = L"msgbox";
  EXPECT_FALSE(scripter.IsBuiltinName(word));
  EXPECT_FALSE(scripter.CanAdd(L"Anything"));
  EXPECT_FALSE(scripter.AddVariable(L"Anything"));
  EXPECT_FALSE(scripter.AddObject(L"Other", dict.get()));
  Names functions, variables;
  scripter.GlobalNames(functions, variables);
  scripter.NamedObjects(variables);
  EXPECT_TRUE(functions.empty() && variables.empty());
  EXPECT_EQ(scripter.GlobalFunctionIndex(L"MsgBox"), -1);

  // Back to VBScript: a fresh engine; named objects must be added again.
  ASSERT_TRUE(scripter.Start(L"vbscript"));
  EXPECT_FALSE(scripter.ObjectMembers(L"Dict", functions, variables));
  EXPECT_TRUE(scripter.AddObject(L"Dict", dict.get()));
  EXPECT_TRUE(scripter.ObjectMembers(L"Dict", functions, variables));
}

TEST_F(ScripterTest, SiteAnswersTheEngine) {
  ComPtr<IUnknown> dict = CreateByProgId(L"Scripting.Dictionary");
  ASSERT_TRUE(scripter.AddObject(L"Dict", dict.get()));

  // One identity behind the three site interfaces.
  ComPtr<IActiveScriptSiteWindow> window;
  ComPtr<IActiveScriptSiteDebug64> debug;
  ComPtr<IUnknown> unknown;
  ASSERT_HRESULT_SUCCEEDED(scripter.QueryInterface(__uuidof(IActiveScriptSiteWindow), window.put_void()));
  ASSERT_HRESULT_SUCCEEDED(scripter.QueryInterface(__uuidof(IActiveScriptSiteDebug64), debug.put_void()));
  ASSERT_HRESULT_SUCCEEDED(window->QueryInterface(IID_IUnknown, unknown.put_void()));
  EXPECT_EQ(static_cast<IUnknown*>(static_cast<IActiveScriptSite*>(&scripter)), unknown.get());
  ComPtr<IDispatch> none;
  EXPECT_EQ(scripter.QueryInterface(IID_IDispatch, none.put_void()), E_NOINTERFACE);

  LCID lcid = 0;
  EXPECT_EQ(scripter.GetLCID(&lcid), E_NOTIMPL);
  EXPECT_EQ(scripter.GetDocVersionString(nullptr), E_NOTIMPL);
  EXPECT_EQ(scripter.OnScriptError(nullptr), S_OK);
  EXPECT_EQ(debug->GetApplication(nullptr), E_NOTIMPL);
  EXPECT_EQ(debug->GetRootApplicationNode(nullptr), E_NOTIMPL);

  IUnknown* item = reinterpret_cast<IUnknown*>(1);
  ITypeInfo* info = reinterpret_cast<ITypeInfo*>(1);
  EXPECT_EQ(scripter.GetItemInfo(L"Dict", SCRIPTINFO_IUNKNOWN, nullptr, nullptr), E_INVALIDARG);
  EXPECT_EQ(scripter.GetItemInfo(L"Dict", SCRIPTINFO_ITYPEINFO, nullptr, nullptr), E_INVALIDARG);
  EXPECT_EQ(scripter.GetItemInfo(L"Nobody", SCRIPTINFO_IUNKNOWN | SCRIPTINFO_ITYPEINFO, &item, &info),
            TYPE_E_ELEMENTNOTFOUND);
  EXPECT_EQ(item, nullptr);
  EXPECT_EQ(info, nullptr);
  ASSERT_EQ(scripter.GetItemInfo(L"dict", SCRIPTINFO_IUNKNOWN | SCRIPTINFO_ITYPEINFO, &item, &info), S_OK);
  ComPtr<IUnknown> ownedItem(item);
  ComPtr<ITypeInfo> ownedInfo(info);
  EXPECT_EQ(item, dict.get());
  EXPECT_NE(info, nullptr);

  // The engine's owner window is the control's top-level window.
  orv::win::UniqueWindow top(::CreateWindowExW(0, L"STATIC", L"top", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                               nullptr, nullptr, nullptr));
  orv::win::UniqueWindow child(::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, top.get(), nullptr,
                                                 nullptr, nullptr));
  scripter.SetOwnerWindow(child.get());
  HWND owner = nullptr;
  ASSERT_EQ(window->GetWindow(&owner), S_OK);
  EXPECT_EQ(owner, top.get());
  EXPECT_EQ(window->EnableModeless(FALSE), S_OK);
  EXPECT_FALSE(::IsWindowEnabled(top.get()));
  EXPECT_EQ(window->EnableModeless(TRUE), S_OK);
  EXPECT_TRUE(::IsWindowEnabled(top.get()));
}

TEST_F(ScripterTest, ColorizerAsksTheEngine) {
  orv::CColorizer colorizer;
  colorizer.SetScripter(&scripter);
  std::wstring text = L"x = msgbox(vbcrlf) + count";
  std::vector<orv::ColourClass> classes;
  colorizer.ColourLine(0, text, classes);
  EXPECT_EQ(text, L"x = MsgBox(vbCrLf) + count");
  ASSERT_EQ(classes.size(), text.size());
  EXPECT_EQ(classes[4], orv::ColourClass::kBuiltinName);
  EXPECT_EQ(classes[11], orv::ColourClass::kBuiltinName);
  EXPECT_EQ(classes[text.size() - 1], orv::ColourClass::kNormal);

  scripter.SetErrorLine(3);
  colorizer.ColourLine(3, text, classes);
  EXPECT_EQ(classes[0], orv::ColourClass::kErrorLine);
}

}  // namespace

namespace {

// The colorizer's golden files hold with the real engine in place of its stand-in, and
// with the keyword list from the library's resource.
TEST_F(ScripterTest, GoldenFilesWithTheRealEngine) {
  const char* dir = std::getenv("ORV_TEST_DATA");
  ASSERT_NE(dir, nullptr);
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(dir) + "/../colour/tests/golden")) {
    if (entry.path().extension() == ".golden") files.push_back(entry.path().string());
  }
  ASSERT_GE(files.size(), 4u);
  std::size_t checked = 0;
  for (const auto& path : files) {
    const auto golden = orv::testkit::ReadGoldenFile(path);
    orv::testkit::FakeHostNames host;
    for (const auto& t : golden.tags) host.AddTag(t);
    for (const auto& f : golden.functions) host.AddFunction(f);
    for (const auto& c : golden.cases) {
      if (scripter.language() != c.language) {
        ASSERT_EQ(scripter.Start(c.language), orv::CColorizer::HasKeywords(c.language));
      }
      orv::CColorizer colorizer;
      colorizer.SetScripter(&scripter);
      colorizer.SetHost(&host);
      colorizer.SetCapitalize(c.capitalise);
      orv::ApplyLanguageKeywords(::GetModuleHandleW(nullptr), c.language, colorizer);
      scripter.SetErrorLine(c.errorLine ? 5 : -1);
      std::wstring text = c.text;
      std::vector<orv::ColourClass> classes;
      colorizer.ColourLine(5, text, classes);
      SCOPED_TRACE(path + ":" + std::to_string(c.row));
      EXPECT_EQ(orv::testkit::ClassLetters(classes), c.expectedClasses);
      EXPECT_EQ(text, c.expectedText);
      ++checked;
    }
  }
  EXPECT_GE(checked, 40u);
}

}  // namespace

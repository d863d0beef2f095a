// folvapiDemo.dll as a COM client meets it: registered with regsvr32, created with
// CoCreateInstance, called through the vtable, through IDispatch and from VBScript,
// against a real printer of the Wine prefix's spooler.
#include <windows.h>
#include <oleauto.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <initguid.h>
#include "folvapi.h"
#include "process/run_process.h"
#include "test_printers.h"
#include "win/unique_resource.h"
#include "win_store_ports.h"

namespace orv::pdf::testing {
namespace {
using orv::win::ComInit;
using orv::win::ComPtr;
using orv::win::UniqueBstr;

constexpr HRESULT Code(unsigned long v) { return static_cast<HRESULT>(v); }
const std::wstring kProfiles = L"Software\\Dunmere\\folvaPDF\\Printers\\" + kComPrinter + L"\\Profiles";
const std::wstring kDefaultKey = kProfiles + L"\\Default Profile";

// Frees a task-allocator string on scope exit.
struct TaskText {
  LPWSTR p = nullptr;
  ~TaskText() { ::CoTaskMemFree(p); }
  std::wstring str() const { return p ? p : L"<null>"; }
};

std::wstring IniValue(const std::wstring& path, const std::wstring& section, const std::wstring& key) {
  wchar_t buf[8192];
  ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"<missing>", buf, 8192, path.c_str());
  return buf;
}

class ComClientTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    EnsureTestPrinters();
    ASSERT_EQ(RegisterServerWithRegsvr32(), 0u);
  }
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(com_.result()));
    ForgetPrinterStore(kComPrinter, LocalPublicFile());
    ASSERT_EQ(::CoCreateInstance(CLSID_FolvaPdfOptions, nullptr, CLSCTX_INPROC_SERVER, IID_IFolvaPdfOptions,
                                 obj_.put_void()),
              S_OK);
  }
  void Init() { ASSERT_EQ(obj_->Initialize(const_cast<LPWSTR>(kComPrinter.c_str()), nullptr, nullptr), S_OK); }
  LPWSTR W(const wchar_t* text) { return const_cast<LPWSTR>(text); }

  ComInit com_;
  ComPtr<IFolvaPdfOptions> obj_;
};

TEST_F(ComClientTest, Regsvr32WritesExactlyTheListedKeys) {
  wchar_t clsid[40], libid[40];
  ::StringFromGUID2(CLSID_FolvaPdfOptions, clsid, 40);
  ::StringFromGUID2(LIBID_folvapiLibDemo, libid, 40);
  const std::wstring cls = std::wstring(L"CLSID\\") + clsid;
  // The class key is replaced whole: nothing stale survives a registration.
  {
    orv::win::UniqueRegKey stray;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CLASSES_ROOT, (cls + L"\\Stale").c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                stray.put(), nullptr),
              ERROR_SUCCESS);
  }
  ASSERT_EQ(RegisterServerWithRegsvr32(), 0u);
  {
    orv::win::UniqueRegKey stray;
    EXPECT_NE(::RegOpenKeyExW(HKEY_CLASSES_ROOT, (cls + L"\\Stale").c_str(), 0, KEY_READ, stray.put()),
              ERROR_SUCCESS);
  }
  struct Expect {
    std::wstring key;
    const wchar_t* name;
    std::wstring value;
  };
  const Expect expected[] = {
      {L"folvapiDemo.FolvaPdfOptions.4", nullptr, L"FolvaPdfOptions Class"},
      {L"folvapiDemo.FolvaPdfOptions.4\\CLSID", nullptr, clsid},
      {L"folvapiDemo.FolvaPdfOptions", nullptr, L"FolvaPdfOptions Class"},
      {L"folvapiDemo.FolvaPdfOptions\\CLSID", nullptr, clsid},
      {L"folvapiDemo.FolvaPdfOptions\\CurVer", nullptr, L"folvapi.FolvaPdfOptions.4"},
      {cls, nullptr, L"FolvaPdfOptions Class"},
      {cls + L"\\ProgID", nullptr, L"folvapi.FolvaPdfOptions.4"},
      {cls + L"\\VersionIndependentProgID", nullptr, L"folvapi.FolvaPdfOptions"},
      {cls + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
      {cls, L"AppID", L""},
      {cls + L"\\TypeLib", nullptr, libid},
      {L"AppID", nullptr, L"folvaPIDemo"},
      {L"AppID\\folvapiDemo.DLL", L"AppID", L""},
  };
  for (const Expect& e : expected) {
    bool found = false;
    EXPECT_EQ(RegString(HKEY_CLASSES_ROOT, e.key, e.name, &found), e.value) << std::string(e.key.begin(), e.key.end());
    EXPECT_TRUE(found);
  }
  std::wstring server = RegString(HKEY_CLASSES_ROOT, cls + L"\\InprocServer32", nullptr);
  EXPECT_EQ(::lstrcmpiW(server.c_str(), ServerPath().c_str()), 0);
  orv::win::UniqueRegKey programmable;
  EXPECT_EQ(::RegOpenKeyExW(HKEY_CLASSES_ROOT, (cls + L"\\Programmable").c_str(), 0, KEY_READ, programmable.put()),
            ERROR_SUCCESS);
  ComPtr<ITypeLib> library;
  ASSERT_EQ(::LoadRegTypeLib(LIBID_folvapiLibDemo, 4, 0, 1033, library.put()), S_OK);
  BSTR name = nullptr, doc = nullptr;
  ASSERT_EQ(library->GetDocumentation(-1, &name, &doc, nullptr, nullptr), S_OK);
  UniqueBstr n(name), d(doc);
  EXPECT_STREQ(name, L"folvapiLibDemo");
  EXPECT_STREQ(doc, L"folvaPI 4.0 Demo Type Library");

  // Unregistering through the export removes the entries and keeps the parents.
  orv::win::UniqueModule dll(::LoadLibraryW(ServerPath().c_str()));
  ASSERT_TRUE(dll);
  auto unregister = reinterpret_cast<HRESULT(__stdcall*)()>(reinterpret_cast<void*>(::GetProcAddress(dll.get(), "DllUnregisterServer")));
  ASSERT_NE(unregister, nullptr);
  ASSERT_EQ(unregister(), S_OK);
  for (const Expect& e : expected) {
    bool found = true;
    RegString(HKEY_CLASSES_ROOT, e.key, e.name, &found);
    EXPECT_FALSE(found) << std::string(e.key.begin(), e.key.end());
  }
  for (const wchar_t* parent : {L"CLSID", L"AppID"}) {
    orv::win::UniqueRegKey k;
    EXPECT_EQ(::RegOpenKeyExW(HKEY_CLASSES_ROOT, parent, 0, KEY_READ, k.put()), ERROR_SUCCESS);
  }
  EXPECT_NE(::LoadRegTypeLib(LIBID_folvapiLibDemo, 4, 0, 1033, library.put()), S_OK);
  ASSERT_EQ(RegisterServerWithRegsvr32(), 0u);
}

TEST_F(ComClientTest, ProgIdCreatesTheObjectAndTheFactoryRefusesOthers) {
  CLSID clsid;
  ASSERT_EQ(::CLSIDFromProgID(L"folvapiDemo.FolvaPdfOptions", &clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_FolvaPdfOptions));
  ComPtr<IDispatch> dispatch;
  EXPECT_EQ(obj_->QueryInterface(IID_IDispatch, dispatch.put_void()), S_OK);
  ComPtr<IUnknown> none;
  EXPECT_EQ(obj_->QueryInterface(IID_IClassFactory, none.put_void()), E_NOINTERFACE);
  orv::win::UniqueModule dll(::LoadLibraryW(ServerPath().c_str()));
  auto getClass = reinterpret_cast<HRESULT(__stdcall*)(REFCLSID, REFIID, void**)>(
      reinterpret_cast<void*>(::GetProcAddress(dll.get(), "DllGetClassObject")));
  ASSERT_NE(getClass, nullptr);
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(getClass(IID_IFolvaPdfOptions, IID_IClassFactory, factory.put_void()), CLASS_E_CLASSNOTAVAILABLE);
  ASSERT_EQ(getClass(CLSID_FolvaPdfOptions, IID_IClassFactory, factory.put_void()), S_OK);
  ComPtr<IUnknown> outer, inner;
  EXPECT_EQ(factory->CreateInstance(obj_.get(), IID_IUnknown, inner.put_void()), CLASS_E_NOAGGREGATION);
  auto canUnload =
      reinterpret_cast<HRESULT(__stdcall*)()>(reinterpret_cast<void*>(::GetProcAddress(dll.get(), "DllCanUnloadNow")));
  ASSERT_NE(canUnload, nullptr);
  EXPECT_EQ(canUnload(), S_FALSE);  // the object and the factory are alive
  obj_.reset();
  dispatch.reset();
  factory.reset();
  EXPECT_EQ(canUnload(), S_OK);
}

TEST_F(ComClientTest, InitializeBindsOnlyToFolvaPrinters) {
  TaskText text;
  EXPECT_EQ(obj_->GetOptionString(W(L"Save File"), &text.p, nullptr), Code(0xD5DA0001));
  EXPECT_EQ(obj_->GetOptionString(W(L"Save File"), nullptr, nullptr), E_POINTER);
  EXPECT_EQ(obj_->Initialize(nullptr, nullptr, nullptr), E_POINTER);
  EXPECT_EQ(obj_->Initialize(W(L"No Such Printer"), nullptr, nullptr), Code(0xD5DA0018));
  EXPECT_EQ(obj_->Initialize(const_cast<LPWSTR>(kPlainPrinter.c_str()), nullptr, nullptr), Code(0xD5DA0019));
  EXPECT_EQ(obj_->AddProfile(W(L"x")), Code(0xD5DA0001));
  EXPECT_EQ(obj_->InitializeSilent(const_cast<LPWSTR>(kComPrinter.c_str()), nullptr, nullptr), S_OK);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kProfiles, L"ActiveProfile"), L"Default Profile");
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kDefaultKey, L"Save File"), L"[N]");
  EXPECT_NE(::GetFileAttributesW(LocalPublicFile().c_str()), INVALID_FILE_ATTRIBUTES);
  ASSERT_EQ(obj_->GetOptionString(W(L"Save File"), &text.p, W(L"")), S_OK);
  EXPECT_EQ(text.str(), L"[N]");
  TaskText active;
  ASSERT_EQ(obj_->GetActiveProfile(&active.p), S_OK);
  EXPECT_EQ(active.str(), L"Default Profile");
}

TEST_F(ComClientTest, TwinsReturnWhatTheirPlainMethodReturns) {
  // Calls that fail the same way each time, so plain and twin meet the same store.
  UniqueBstr ghost(::SysAllocString(L"Ghost")), existing(::SysAllocString(L"Default Profile"));
  struct Pair {
    const char* what;
    std::function<HRESULT()> plain, twin;
  };
  auto pairs = [&] {
    return std::vector<Pair>{
        {"AddProfile", [&] { return obj_->AddProfile(W(L"Default Profile")); },
         [&] { return obj_->AddProfile2(existing.get()); }},
        {"DeleteProfile", [&] { return obj_->DeleteProfile(W(L"Ghost")); },
         [&] { return obj_->DeleteProfile2(ghost.get()); }},
        {"SetActiveProfile", [&] { return obj_->SetActiveProfile(W(L"Ghost")); },
         [&] { return obj_->SetActiveProfile2(ghost.get()); }},
        {"GetNextProfile",
         [&] {
           TaskText t;
           return obj_->GetNextProfile(&t.p);
         },
         [&] {
           BSTR b = nullptr;
           HRESULT hr = obj_->GetNextProfile2(&b);
           ::SysFreeString(b);
           return hr;
         }},
        {"RemovePredefinedForm", [&] { return obj_->RemovePredefinedForm(W(L"A4"), nullptr); },
         [&] { return obj_->RemovePredefinedForm2(UniqueBstr(::SysAllocString(L"A4")).get(), nullptr); }},
        {"RestoreDefaultPrinter", [&] { return obj_->RestoreDefaultPrinter(); },
         [&] { return obj_->RestoreDefaultPrinter(); }},
    };
  };
  for (const Pair& p : pairs()) {  // unbound object: every method answers "not initialised"
    EXPECT_EQ(p.plain(), Code(0xD5DA0001)) << p.what;
    EXPECT_EQ(p.twin(), Code(0xD5DA0001)) << p.what;
  }
  Init();
  for (const Pair& p : pairs()) EXPECT_EQ(p.plain(), p.twin()) << p.what;
  EXPECT_EQ(obj_->GetNextProfile2(nullptr), E_POINTER);
  EXPECT_EQ(obj_->GetOptionString2(ghost.get(), nullptr, nullptr), E_POINTER);
}

TEST_F(ComClientTest, OptionsThroughTheVtableAndTheirBstrTwins) {
  Init();
  ASSERT_EQ(obj_->SetOptionLong(W(L"Page Scale"), 150, nullptr), S_OK);
  ASSERT_EQ(obj_->SetOptionEncString(W(L"User Password"), W(L"top secret"), nullptr), S_OK);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kDefaultKey, L"Page Scale"), L"150");
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kDefaultKey, L"User Password"), L"<type 3>");  // REG_BINARY
  LONG number = 0;
  ASSERT_EQ(obj_->GetOptionLong2(UniqueBstr(::SysAllocString(L"Page Scale")).get(), &number, nullptr), S_OK);
  EXPECT_EQ(number, 150);
  BSTR value = nullptr;
  UniqueBstr name(::SysAllocString(L"User Password"));
  ASSERT_EQ(obj_->GetOptionEncString2(name.get(), &value, nullptr), S_OK);
  UniqueBstr owned(value);
  EXPECT_STREQ(value, L"top secret");
  EXPECT_EQ(::SysStringLen(value), 10u);
  // Same results from twins, with null outputs on failure.
  TaskText missing;
  EXPECT_EQ(obj_->GetOptionString(W(L"Nothing"), &missing.p, nullptr), Code(0xD5DA0004));
  EXPECT_EQ(missing.p, nullptr);
  BSTR none = nullptr;
  EXPECT_EQ(obj_->GetOptionString2(UniqueBstr(::SysAllocString(L"Nothing")).get(), &none, nullptr),
            Code(0xD5DA0004));
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(obj_->GetOptionString(W(L"Save File"), &missing.p, W(L"Ghost")), Code(0xD5DA0008));
  EXPECT_EQ(obj_->GetOptionString(W(L"User Password"), &missing.p, nullptr), Code(0xD5DA0005));
  EXPECT_EQ(obj_->SetOptionEncString(W(L"User Password"), nullptr, nullptr), E_POINTER);
  EXPECT_EQ(obj_->RegisterEventWindow(0x1234), S_OK);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kDefaultKey, L"EventsWindow"), L"4660");
}

TEST_F(ComClientTest, WrongRegistryTypeAndDamagedDataAreReportedAndKept) {
  Init();
  DWORD dword = 5;
  orv::win::UniqueRegKey key;
  ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, kDefaultKey.c_str(), 0, KEY_WRITE, key.put()), ERROR_SUCCESS);
  ::RegSetValueExW(key.get(), L"Page Scale", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dword), 4);
  const BYTE damaged[] = {0x01, 0x02, 0x03};
  ::RegSetValueExW(key.get(), L"Owner Password", 0, REG_BINARY, damaged, 3);
  LONG number = 0;
  EXPECT_EQ(obj_->GetOptionLong(W(L"Page Scale"), &number, nullptr), Code(0xD5DA0005));
  EXPECT_EQ(obj_->SetOptionLong(W(L"Page Scale"), 1, nullptr), Code(0xD5DA0005));
  TaskText text;
  EXPECT_EQ(obj_->GetOptionEncString(W(L"Owner Password"), &text.p, nullptr), E_FAIL);
  EXPECT_EQ(obj_->AddProfile(W(L"Second")), Code(0xD5DA0005));
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kDefaultKey, L"Page Scale"), L"<type 4>");
  orv::win::UniqueRegKey second;
  EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, (kProfiles + L"\\Second").c_str(), 0, KEY_READ, second.put()),
            ERROR_SUCCESS);
}

TEST_F(ComClientTest, ProfilesInTheRegistryAndThePublicFile) {
  Init();
  ASSERT_EQ(obj_->AddProfile(W(L"Draft")), S_OK);
  EXPECT_EQ(obj_->AddProfile(W(L"Draft")), Code(0xD5DA0006));
  ASSERT_EQ(obj_->AddPublicProfile(W(L"Shared \u00c9t\u00e9")), S_OK);
  ASSERT_EQ(obj_->SetOptionString(W(L"Save File"), W(L"\u00e9t\u00e9.pdf"), W(L"Shared \u00c9t\u00e9")), S_OK);
  const std::wstring file = LocalPublicFile();
  EXPECT_EQ(IniValue(file, L"Shared \u00c9t\u00e9", L"Save File"), L"\u00e9t\u00e9.pdf");
  EXPECT_EQ(IniValue(file, L"Shared \u00c9t\u00e9", L"Page Zoom"), L"100000");
  std::string bytes = orv::testing::ReadFileBytes(file);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");  // a Unicode file keeps non-ASCII names
  ASSERT_EQ(obj_->RenameProfile(W(L"Draft"), W(L"Final")), S_OK);
  ASSERT_EQ(obj_->SetActiveProfile(W(L"Final")), S_OK);
  EXPECT_EQ(obj_->DeleteProfile(W(L"Final")), Code(0xD5DA000C));
  ASSERT_EQ(obj_->DeleteProfile(W(L"Default Profile")), S_OK);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kProfiles, L"ActiveProfile"), L"Final");
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kProfiles, L"ActiveProfilePublic"), L"0");
  std::vector<std::wstring> names;
  TaskText first;
  EXPECT_EQ(obj_->GetNextProfile(&first.p), Code(0xD5DA000B));
  ASSERT_EQ(obj_->GetFirstProfile(&first.p), S_OK);
  names.push_back(first.str());
  for (;;) {
    TaskText next;
    HRESULT hr = obj_->GetNextProfile(&next.p);
    if (hr != S_OK) {
      EXPECT_EQ(hr, Code(0xD5DA000A));
      break;
    }
    names.push_back(next.str());
  }
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Final", L"Shared \u00c9t\u00e9"}));
  ASSERT_EQ(obj_->SetActiveProfile(W(L"Shared \u00c9t\u00e9")), S_OK);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kProfiles, L"ActiveProfilePublic"), L"1");
}

TEST_F(ComClientTest, FormsOfPrivateAndPublicProfiles) {
  Init();
  ASSERT_EQ(obj_->SetFormVisible(W(L"Legal"), 0, W(L"")), S_OK);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kDefaultKey, L"Standard Forms Visibility Flags"),
            L"1101111111100000000000000000000000000");
  EXPECT_EQ(obj_->AddPredefinedForm(W(L"Tiny"), W(L"d"), 9.5f, 100, 1, nullptr), Code(0xD5DA0012));
  ASSERT_EQ(obj_->AddPredefinedForm(W(L"Tiny"), W(L"smallest"), 10, 20, 1, nullptr), S_OK);
  EXPECT_EQ(obj_->RemovePredefinedForm(W(L"A4"), W(L"")), Code(0xD5DA0010));
  TaskText name, description;
  float width = 0, height = 0;
  LONG visible = 0;
  ASSERT_EQ(obj_->GetFirstForm(&name.p, &description.p, &width, &height, &visible, nullptr), S_OK);
  EXPECT_EQ(name.str(), L"Tiny");
  EXPECT_EQ(description.str(), L"smallest");
  EXPECT_FLOAT_EQ(width, 10.0f);
  EXPECT_EQ(visible, 1);
  ASSERT_EQ(obj_->RemovePredefinedForm(W(L"Tiny"), W(L"")), S_OK);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kDefaultKey, L"Custom Forms"), L"");
  TaskText n2, d2;
  EXPECT_EQ(obj_->GetFirstForm(&n2.p, &d2.p, &width, &height, &visible, nullptr), Code(0xD5DA0011));

  // Six forms in a public profile read back whole from the real profile file.
  ASSERT_EQ(obj_->AddPublicProfile(W(L"Shared")), S_OK);
  for (int i = 0; i < 6; ++i) {
    std::wstring form = L"Form " + std::to_wstring(i);
    ASSERT_EQ(obj_->AddPredefinedForm(W(form.c_str()), W(L"d"), 100, 100, 1, W(L"Shared")), S_OK);
  }
  EXPECT_EQ(IniValue(LocalPublicFile(), L"Shared", L"Custom Forms").size(), 6u * 432u);
  int count = 0;
  for (HRESULT hr = obj_->GetFirstForm(&n2.p, &d2.p, &width, &height, &visible, W(L"Shared")); hr == S_OK;) {
    ++count;
    ::CoTaskMemFree(n2.p);
    ::CoTaskMemFree(d2.p);
    n2.p = d2.p = nullptr;
    hr = obj_->GetNextForm(&n2.p, &d2.p, &width, &height, &visible);
    if (hr != S_OK) {
      EXPECT_EQ(hr, Code(0xD5DA0011));
    }
  }
  EXPECT_EQ(count, 6);
}

TEST_F(ComClientTest, BookmarkDefinitionsInTheRegistry) {
  Init();
  unsigned short number = 0;
  EXPECT_EQ(obj_->AddBookmarkDefinition(3, 1, 1, W(L"Arial"), 1, 1, 0, 1, 12, 1, 0, 0, 1, 0, 0, &number, nullptr),
            Code(0xD5DA0017));
  EXPECT_EQ(number, 0xFFFF);
  EXPECT_EQ(obj_->AddBookmarkDefinition(1, 1, 1, nullptr, 1, 1, 0, 1, 12, 1, 0, 0, 1, 0, 0, &number, nullptr), E_POINTER);
  EXPECT_EQ(obj_->AddBookmarkDefinition(1, 1, 1, W(L"Arial"), 1, 1, 0, 1, 12, 1, 0, 0, 1, 0, 0, nullptr, nullptr),
            E_POINTER);
  ASSERT_EQ(obj_->AddBookmarkDefinition(1, 1, 1, W(L"Arial"), 1, 1, 0, 1, 10.5f, 1, 0, 0, 1, 0, 0, &number, nullptr),
            S_OK);
  EXPECT_EQ(number, 1);
  const std::wstring def = kDefaultKey + L"\\Bookmarks\\Heading1\\Definition1";
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, def, L"Bookmarks Detection Size Value"), L"10500");
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, def, L"Bookmarks Detection Font"), L"Arial");
  LONG enabled, detFont, detStyle, bold, italic, detSize, detColor, dispBold, dispItalic;
  ULONG color, dispColor;
  float sizeValue, sizePoints;
  TaskText font;
  ASSERT_EQ(obj_->GetBookmarkDefinition(1, 1, &enabled, &detFont, &font.p, &detStyle, &bold, &italic, &detSize,
                                        &sizeValue, &sizePoints, &detColor, &color, &dispBold, &dispItalic,
                                        &dispColor, nullptr),
            S_OK);
  EXPECT_EQ(font.str(), L"Arial");
  EXPECT_EQ(sizeValue, 10.0f);
  unsigned short count = 0;
  ASSERT_EQ(obj_->GetBookmarkHeaderCount(&count, nullptr), S_OK);
  EXPECT_EQ(count, 1);
  ASSERT_EQ(obj_->DeleteBookmarkDefinition(1, 1, nullptr), S_OK);
  ASSERT_EQ(obj_->GetBookmarkHeaderCount(&count, nullptr), S_OK);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(obj_->GetBookmarkDefinitionCount(1, &count, nullptr), Code(0xD5DA0017));
}

TEST_F(ComClientTest, DefaultPrinterSwitchesThroughTheSpooler) {
  Init();
  wchar_t before[256];
  DWORD size = 256;
  ::SetDefaultPrinterW(kPlainPrinter.c_str());
  ASSERT_TRUE(::GetDefaultPrinterW(before, &size));
  EXPECT_EQ(obj_->RestoreDefaultPrinter(), Code(0xD5DA0014));
  ASSERT_EQ(obj_->SetDefaultPrinter(), S_OK);
  wchar_t now[256];
  size = 256;
  ASSERT_TRUE(::GetDefaultPrinterW(now, &size));
  EXPECT_EQ(std::wstring(now), kComPrinter);
  ASSERT_EQ(obj_->RestoreDefaultPrinter(), S_OK);
  size = 256;
  ASSERT_TRUE(::GetDefaultPrinterW(now, &size));
  EXPECT_STREQ(now, before);
  // Twice: the folvaPDF printer itself is remembered, restoring changes nothing.
  ASSERT_EQ(obj_->SetDefaultPrinter(), S_OK);
  ASSERT_EQ(obj_->SetDefaultPrinter(), S_OK);
  ASSERT_EQ(obj_->RestoreDefaultPrinter(), S_OK);
  size = 256;
  ASSERT_TRUE(::GetDefaultPrinterW(now, &size));
  EXPECT_EQ(std::wstring(now), kComPrinter);
  ::SetDefaultPrinterW(before);
}

TEST_F(ComClientTest, PdfFileNameComesFromThePrinterKey) {
  Init();
  TaskText name;
  EXPECT_EQ(obj_->GetPDFFileName(1, &name.p), Code(0xD5DA0004));
  EXPECT_EQ(name.p, nullptr);
  const std::wstring printerKey = L"Software\\Dunmere\\folvaPDF\\Printers\\" + kComPrinter;
  orv::win::UniqueRegKey key;
  ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, printerKey.c_str(), 0, KEY_WRITE, key.put()), ERROR_SUCCESS);
  const wchar_t path[] = L"C:\\out\\doc.pdf";
  ::RegSetValueExW(key.get(), L"PDFFileNameAdd", 0, REG_SZ, reinterpret_cast<const BYTE*>(path), sizeof(path));
  BSTR file = nullptr;
  ASSERT_EQ(obj_->GetPDFFileName2(0, &file), S_OK);
  UniqueBstr owned(file);
  EXPECT_STREQ(file, path);
}

// The dispatch identifiers in interface (slot) order.
std::vector<MEMBERID> ExpectedDispIds() {
  std::vector<MEMBERID> ids;
  for (MEMBERID id = 1; id <= 46; ++id) ids.push_back(id);
  for (MEMBERID id = 50; id <= 69; ++id) ids.push_back(id);
  return ids;
}

TEST_F(ComClientTest, TypeInformationHasTheSlotOrderAndDispIds) {
  ComPtr<ITypeInfo> dispatchInfo, info;
  ASSERT_EQ(obj_->GetTypeInfo(0, 1033, dispatchInfo.put()), S_OK);
  // The dual interface's vtable side.
  HREFTYPE vtableRef = 0;
  ASSERT_EQ(dispatchInfo->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableRef), S_OK);
  ASSERT_EQ(dispatchInfo->GetRefTypeInfo(vtableRef, info.put()), S_OK);
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
  const UINT functions = attr->cFuncs;
  const bool dual = (attr->wTypeFlags & TYPEFLAG_FDUAL) != 0;
  info->ReleaseTypeAttr(attr);
  EXPECT_TRUE(dual);
  std::vector<MEMBERID> ids = ExpectedDispIds();
  ASSERT_EQ(functions, ids.size());
  for (UINT i = 0; i < functions; ++i) {
    FUNCDESC* f = nullptr;
    ASSERT_EQ(info->GetFuncDesc(i, &f), S_OK);
    EXPECT_EQ(f->memid, ids[i]) << "function " << i;
    EXPECT_EQ(f->oVft, static_cast<SHORT>((7 + i) * sizeof(void*))) << "function " << i;
    info->ReleaseFuncDesc(f);
  }
  struct Named {
    const wchar_t* name;
    DISPID id;
  };
  const Named names[] = {{L"Initialize", 1},       {L"SetActiveProfile", 25},  {L"Initialize2", 26},
                         {L"SetActiveProfile2", 46}, {L"AddPublicProfile", 50}, {L"AddPublicProfile2", 51},
                         {L"addbookmarkdefinition", 52}, {L"GetBookmarkDefinitionCount2", 65},
                         {L"InitializeSilent", 66}, {L"GetPDFFileName2", 69}};
  for (const Named& n : names) {
    LPOLESTR name = const_cast<LPOLESTR>(n.name);
    DISPID id = 0;
    ASSERT_EQ(obj_->GetIDsOfNames(IID_NULL, &name, 1, 1033, &id), S_OK);
    EXPECT_EQ(id, n.id);
  }
}

TEST_F(ComClientTest, IDispatchInvokeCallsTheMethods) {
  // Initialize2(printer, "", "") by DISPID 26; arguments go right to left.
  UniqueBstr printer(::SysAllocString(kComPrinter.c_str())), empty(::SysAllocString(L""));
  VARIANT args[3];
  for (VARIANT& v : args) {
    ::VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = empty.get();
  }
  args[2].bstrVal = printer.get();
  DISPPARAMS params{args, nullptr, 3, 0};
  VARIANT result;
  ::VariantInit(&result);
  ASSERT_EQ(obj_->Invoke(26, IID_NULL, 1033, DISPATCH_METHOD, &params, &result, nullptr, nullptr), S_OK);

  // SetOptionLong2("Page Scale", 64, "") then GetOptionLong2 with a by-reference long.
  UniqueBstr option(::SysAllocString(L"Page Scale"));
  VARIANT set[3];
  ::VariantInit(&set[0]);
  set[0].vt = VT_BSTR;
  set[0].bstrVal = empty.get();
  ::VariantInit(&set[1]);
  set[1].vt = VT_I4;
  set[1].lVal = 64;
  ::VariantInit(&set[2]);
  set[2].vt = VT_BSTR;
  set[2].bstrVal = option.get();
  DISPPARAMS setParams{set, nullptr, 3, 0};
  ASSERT_EQ(obj_->Invoke(29, IID_NULL, 1033, DISPATCH_METHOD, &setParams, &result, nullptr, nullptr), S_OK);
  LONG value = 0;
  VARIANT get[3];
  get[0] = set[0];
  ::VariantInit(&get[1]);
  get[1].vt = VT_BYREF | VT_I4;
  get[1].plVal = &value;
  get[2] = set[2];
  DISPPARAMS getParams{get, nullptr, 3, 0};
  ASSERT_EQ(obj_->Invoke(30, IID_NULL, 1033, DISPATCH_METHOD, &getParams, &result, nullptr, nullptr), S_OK);
  EXPECT_EQ(value, 64);

  // A failing method comes back as an exception carrying its code.
  UniqueBstr ghost(::SysAllocString(L"Ghost"));
  VARIANT del[1];
  ::VariantInit(&del[0]);
  del[0].vt = VT_BSTR;
  del[0].bstrVal = ghost.get();
  DISPPARAMS delParams{del, nullptr, 1, 0};
  EXCEPINFO excep{};
  HRESULT hr = obj_->Invoke(36, IID_NULL, 1033, DISPATCH_METHOD, &delParams, &result, &excep, nullptr);
  ::SysFreeString(excep.bstrSource);
  ::SysFreeString(excep.bstrDescription);
  ::SysFreeString(excep.bstrHelpFile);
  EXPECT_TRUE(hr == Code(0xD5DA0008) || (hr == DISP_E_EXCEPTION && excep.scode == Code(0xD5DA0008)))
      << std::hex << hr;
}

TEST_F(ComClientTest, VBScriptClientConfiguresThePrinter) {
  orv::testing::TempFolder folder(L"pdfvbs");
  const std::wstring script = folder / L"client.vbs";
  std::wstring text =
      L"Set o = CreateObject(\"folvapiDemo.FolvaPdfOptions\")\r\n"
      L"o.Initialize2 \"" + kComPrinter + L"\", \"\", \"\"\r\n"
      L"o.SetOptionString2 \"Save Folder\", \"C:\\vbs\", \"\"\r\n"
      L"o.SetOptionLong2 \"Page Scale\", 77, \"\"\r\n"
      L"o.SetOptionEncString2 \"Owner Password\", \"vb pass\", \"\"\r\n"
      L"o.AddProfile2 \"FromScript\"\r\n"
      L"o.AddPredefinedForm2 \"Script Form\", \"made by script\", 100, 150, 1, \"\"\r\n"
      L"o.SetFormVisible2 \"A5\", 0, \"\"\r\n"
      L"o.AddPublicProfile2 \"ScriptPublic\"\r\n"
      L"o.SetActiveProfile2 \"FromScript\"\r\n"
      L"On Error Resume Next\r\n"
      L"o.AddProfile2 \"FromScript\"\r\n"
      L"WScript.Echo Hex(Err.Number)\r\n"
      L"Err.Clear\r\n"
      L"o.Initialize2 \"" + kPlainPrinter + L"\", \"\", \"\"\r\n"
      L"WScript.Echo Hex(Err.Number)\r\n";
  std::string bytes;
  for (wchar_t c : text) bytes.push_back(static_cast<char>(c));  // the script is ASCII
  ASSERT_TRUE(orv::testing::WriteFileBytes(script, bytes));
  orv::testing::ProcessResult run = orv::testing::RunProcess(L"cscript //nologo \"" + script + L"\"", 60000);
  ASSERT_EQ(run.exitCode, 0u) << run.out << run.err;
  EXPECT_NE(run.out.find("D5DA0006"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("D5DA0019"), std::string::npos) << run.out;
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kDefaultKey, L"Save Folder"), L"C:\\vbs");
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kDefaultKey, L"Page Scale"), L"77");
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kDefaultKey, L"Standard Forms Visibility Flags"),
            L"1111011111100000000000000000000000000");
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kProfiles, L"ActiveProfile"), L"FromScript");
  EXPECT_EQ(IniValue(LocalPublicFile(), L"ScriptPublic", L"Save File"), L"[N]");
  Init();
  TaskText password;
  ASSERT_EQ(obj_->GetOptionEncString(W(L"Owner Password"), &password.p, W(L"Default Profile")), S_OK);
  EXPECT_EQ(password.str(), L"vb pass");
  TaskText name, description;
  float width = 0, height = 0;
  LONG visible = 0;
  ASSERT_EQ(obj_->GetPredefinedForm(W(L"Script Form"), &description.p, &width, &height, &visible,
                                    W(L"Default Profile")),
            S_OK);
  EXPECT_EQ(description.str(), L"made by script");
  EXPECT_FLOAT_EQ(height, 150.0f);
}

}  // namespace
}  // namespace orv::pdf::testing

namespace orv::pdf::testing {
namespace {

std::wstring Orvctl(const std::wstring& args) {
  return L"\"" + orv::testing::ProgramFolder() + L"orvctl.exe\" " + args;
}

TEST_F(ComClientTest, OrvctlSetsUpAPrinterTheObjectAccepts) {
  const std::wstring printer = L"folvaPDF Tool Test";
  win::WinMachine machine;
  const std::wstring file = machine.PrinterDriverFolder() + L"\\3\\folva_" + machine.ComputerName() + L"_D4.fvp";
  ForgetPrinterStore(printer, file);
  EXPECT_EQ(orv::testing::RunProcess(Orvctl(L"pdf printer-add")).exitCode, 2u);
  orv::testing::ProcessResult add =
      orv::testing::RunProcess(Orvctl(L"pdf printer-add \"" + printer + L"\" --port FPD3:"));
  ASSERT_EQ(add.exitCode, 0u) << add.err;
  ASSERT_EQ(obj_->Initialize(W(printer.c_str()), nullptr, nullptr), S_OK);
  orv::testing::ProcessResult get =
      orv::testing::RunProcess(Orvctl(L"pdf option-get \"" + printer + L"\" \"Save File\""));
  EXPECT_EQ(get.exitCode, 0u);
  EXPECT_EQ(get.out.substr(0, get.out.find_first_of("\r\n")), "[N]");
  orv::testing::ProcessResult profiles = orv::testing::RunProcess(Orvctl(L"pdf profiles \"" + printer + L"\""));
  EXPECT_NE(profiles.out.find("* Default Profile"), std::string::npos) << profiles.out;
  orv::testing::ProcessResult plain = orv::testing::RunProcess(Orvctl(L"pdf profiles \"" + kPlainPrinter + L"\""));
  EXPECT_EQ(plain.exitCode, 1u);
  EXPECT_NE(plain.err.find("0xD5DA0019"), std::string::npos) << plain.err;
  ASSERT_EQ(orv::testing::RunProcess(Orvctl(L"pdf printer-remove \"" + printer + L"\"")).exitCode, 0u);
  EXPECT_EQ(obj_->Initialize(W(printer.c_str()), nullptr, nullptr), Code(0xD5DA0018));
  ForgetPrinterStore(printer, file);
}

}  // namespace
}  // namespace orv::pdf::testing

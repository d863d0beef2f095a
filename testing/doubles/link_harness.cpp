#include "link_harness.h"

#include <cstdlib>

namespace orv::testing {

namespace {

template <typename Fn>
void Resolve(HMODULE module, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

std::wstring EnvFolder(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  DWORD n = ::GetEnvironmentVariableW(name, value, MAX_PATH);
  std::wstring folder(value, n < MAX_PATH ? n : 0);
  for (wchar_t& c : folder) {
    if (c == L'/') c = L'\\';
  }
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

}  // namespace

LinkHarness::LinkHarness(const std::wstring& linkDll) : m_folder(L"softplc") {
  for (const wchar_t* sub : {L"config", L"db", L"app", L"partial", L"empty"})
    ::CreateDirectoryW(Path(sub).c_str(), nullptr);
  struct Copy {
    const wchar_t* from;
    const wchar_t* to;
    bool preload;
  } copies[] = {
      {L"double_duzuvevidadez.dll", L"DuzuveVidadez.dll", true},
      {L"double_ocdll.dll", L"OCDLL.DLL", true},
      {L"double_ocsystem.dll", L"ocSystem.DLL", true},
      {L"double_dataexp3.dll", L"DataExp3.DLL", true},
      {L"double_ocdll_partial.dll", L"partial\\OCDLL.DLL", false},
      {L"double_ocsystem.dll", L"partial\\ocSystem.DLL", false},
      {L"double_dataexp3_partial.dll", L"partial\\DataExp3.DLL", false},
  };
  for (const Copy& c : copies) {
    ::CopyFileW((ProgramFolder() + c.from).c_str(), Path(c.to).c_str(), FALSE);
    if (c.preload) m_doubles.emplace_back(::LoadLibraryW(Path(c.to).c_str()));
  }
  ::SetDllDirectoryW(m_folder.path().c_str());
  SetHost(L"paths", L"config", ConfigFolder());
  SetHost(L"paths", L"database", DatabaseFolder());
  SetHost(L"paths", L"bin", Folder());
  ::CopyFileW((ProgramFolder() + linkDll).c_str(), Path(linkDll).c_str(), FALSE);
  m_link.reset(::LoadLibraryW(Path(linkDll).c_str()));
  HMODULE m = m_link.get();
  Resolve(m, "CloseDLL", m_exports.closeDLL);
  Resolve(m, "Configure", m_exports.configure);
  Resolve(m, "GenerateDriverWorksheet", m_exports.generateDriverWorksheet);
  Resolve(m, "GetTagNameHead", m_exports.getTagNameHead);
  Resolve(m, "GetTagNameNext", m_exports.getTagNameNext);
  Resolve(m, "OpenDLL", m_exports.openDLL);
  Resolve(m, "Recreate", m_exports.recreate);
}

void LinkHarness::SetHost(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
  SetFixture(L"host_fixture.ini", section, key, value);
}

std::wstring LinkHarness::Host(const std::wstring& section, const std::wstring& key) {
  return Fixture(L"host_fixture.ini", section, key);
}

void LinkHarness::SetFixture(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                             const std::wstring& value) {
  ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), Path(file).c_str());
}

std::wstring LinkHarness::Fixture(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
  wchar_t value[1024] = {};
  DWORD n = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", value, 1024, Path(file).c_str());
  return std::wstring(value, n);
}

void LinkHarness::ClearFixture(const std::wstring& file) {
  ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, Path(file).c_str());
  ::DeleteFileW(Path(file).c_str());
}

std::vector<WalkedTag> LinkHarness::Next(int limit) {
  std::vector<WalkedTag> tags;
  for (int i = 0; i < limit; ++i) {
    wchar_t name[1024] = L"?";
    wchar_t description[1024] = L"?";
    int arraySize = -7, type = -7, skip = -7;
    if (!m_exports.getTagNameNext(name, &arraySize, &type, description, &skip)) break;
    tags.push_back({name, arraySize, type, description, skip});
  }
  return tags;
}

std::vector<WalkedTag> LinkHarness::Walk(bool keepSkips) {
  std::vector<WalkedTag> tags;
  if (m_exports.openDLL() && m_exports.getTagNameHead()) {
    for (WalkedTag& tag : Next()) {
      if (keepSkips || !tag.skip) tags.push_back(tag);
    }
  }
  m_exports.closeDLL();
  return tags;
}

namespace {
struct DialogDriver {
  std::wstring caption;
  const std::vector<std::function<void(HWND)>>* steps;
  std::size_t next = 0;
};
DialogDriver* g_driver = nullptr;

void CALLBACK DriveTick(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_driver) return;
  HWND dialog = ::FindWindowW(L"#32770", g_driver->caption.c_str());
  if (!dialog || !::IsWindowEnabled(dialog)) return;
  if (g_driver->next < g_driver->steps->size()) {
    (*g_driver->steps)[g_driver->next++](dialog);
  } else {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);  // never left open
  }
}
}  // namespace

int DriveDialog(const std::wstring& caption, const std::function<int()>& run,
                const std::vector<std::function<void(HWND)>>& steps) {
  DialogDriver driver{caption, &steps};
  g_driver = &driver;
  UINT_PTR timer = ::SetTimer(nullptr, 0, 30, &DriveTick);
  int result = run();
  ::KillTimer(nullptr, timer);
  g_driver = nullptr;
  return result;
}

void SetControlText(HWND dialog, int id, const std::wstring& text) { ::SetDlgItemTextW(dialog, id, text.c_str()); }

void ClickButton(HWND dialog, int id) {
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

std::string TestDataFile(const std::wstring& relativePath) {
  return ReadFileBytes(EnvFolder(L"ORV_TEST_DATA") + relativePath);
}

}  // namespace orv::testing

// A soft-PLC link under test: the link DLL and the doubles of the host library and of
// the outside products, copied under their product names into a folder of their own,
// with the fixture files the doubles answer from. The doubles are loaded first, so the
// link's loads by name find them.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "linkbase/link_exports.h"
#include "process/run_process.h"
#include "win/unique_resource.h"

namespace orv::testing {

struct LinkExports {
  decltype(&::CloseDLL) closeDLL = nullptr;
  decltype(&::Configure) configure = nullptr;
  decltype(&::GenerateDriverWorksheet) generateDriverWorksheet = nullptr;
  decltype(&::GetTagNameHead) getTagNameHead = nullptr;
  decltype(&::GetTagNameNext) getTagNameNext = nullptr;
  decltype(&::OpenDLL) openDLL = nullptr;
  decltype(&::Recreate) recreate = nullptr;
};

struct WalkedTag {
  std::wstring name;
  int arraySize;
  int type;
  std::wstring description;
  int skip;
};

class LinkHarness {
 public:
  // `linkDll`: file name of the link in the build's program folder.
  explicit LinkHarness(const std::wstring& linkDll);
  LinkHarness(const LinkHarness&) = delete;
  LinkHarness& operator=(const LinkHarness&) = delete;

  // The folder with a trailing backslash, and paths in it.
  std::wstring Folder() const { return m_folder.path() + L"\\"; }
  std::wstring Path(const std::wstring& name) const { return Folder() + name; }
  std::wstring ConfigFolder() const { return Path(L"config\\"); }
  std::wstring DatabaseFolder() const { return Path(L"db\\"); }
  std::wstring AppFolder() const { return Path(L"app\\"); }

  // Settings the host double answers ("project.SoftPLC", "machine.NewProject::SoftPLC").
  void SetHost(const std::wstring& section, const std::wstring& key, const std::wstring& value);
  std::wstring Host(const std::wstring& section, const std::wstring& key);
  // Entries of the product doubles' fixtures ("oc_fixture.ini", "dataexp_fixture.ini").
  void SetFixture(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                  const std::wstring& value);
  std::wstring Fixture(const std::wstring& file, const std::wstring& section, const std::wstring& key);
  void ClearFixture(const std::wstring& file);

  const LinkExports& Exports() const { return m_exports; }
  HMODULE Module() const { return m_link.get(); }

  // The project manager's order: OpenDLL, GetTagNameHead, GetTagNameNext until 0, CloseDLL.
  // `keepSkips` keeps the calls that set the skip flag.
  std::vector<WalkedTag> Walk(bool keepSkips = false);
  // GetTagNameNext until 0 (at most `limit` calls), without open, head or close.
  std::vector<WalkedTag> Next(int limit = 100000);

 private:
  TempFolder m_folder;
  std::vector<win::UniqueModule> m_doubles;
  win::UniqueModule m_link;
  LinkExports m_exports;
};

// Runs `run` (which shows a modal dialog captioned `caption`) while a timer applies
// `steps` to the dialog, one per tick; returns what `run` returned.
int DriveDialog(const std::wstring& caption, const std::function<int()>& run,
                const std::vector<std::function<void(HWND)>>& steps);

// Sets the text of control `id` of `dialog` / clicks button `id`.
void SetControlText(HWND dialog, int id, const std::wstring& text);
void ClickButton(HWND dialog, int id);

// Expected files checked in beside the tests.
std::string TestDataFile(const std::wstring& relativePath);

}  // namespace orv::testing

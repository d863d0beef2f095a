#include "win/project_state.h"

#include <windows.h>

#include <mutex>

#include "win/local_settings.h"
#include "win/module_state.h"

namespace tarvo {
namespace {

std::mutex g_lock;
bool g_loaded = false;
std::wstring g_folder;
std::wstring g_ini;
std::wstring g_stable[8];

std::wstring WithoutTrailingSlash(std::wstring p) {
  while (p.size() > 3 && (p.back() == L'\\' || p.back() == L'/')) p.pop_back();
  return p;
}

// The project file of a folder: "<folder>\<folder name>.APP", else the first *.APP.
std::wstring FindIniIn(const std::wstring& folder) {
  if (folder.empty()) return L"";
  const std::size_t slash = folder.find_last_of(L"\\/");
  const std::wstring guess = folder + L"\\" + folder.substr(slash == std::wstring::npos ? 0 : slash + 1) + L".APP";
  if (FileExists(guess)) return guess;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*.APP").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return L"";
  FindClose(find);
  return folder + L"\\" + data.cFileName;
}

void LoadLocked() {
  if (g_loaded) return;
  g_loaded = true;
  g_ini = ReadLocalString(L"Application", L"Configuration", L"");
  g_folder = WithoutTrailingSlash(ReadLocalString(L"Application", L"Directory", L""));
  if (g_folder.empty() && !g_ini.empty()) g_folder = FolderOf(g_ini);
  if (g_ini.empty()) g_ini = FindIniIn(g_folder);
}

}  // namespace

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH * 2] = L"";
  const DWORD n = GetModuleFileNameW(ModuleInstance(), path, MAX_PATH * 2);
  std::wstring p(path, n);
  const std::size_t slash = p.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : p.substr(0, slash + 1);
}

std::wstring ProductSettingsPath() { return ProgramFolder() + L"Program Settings.ini"; }

std::wstring ProjectFolder() {
  std::lock_guard<std::mutex> lock(g_lock);
  LoadLocked();
  return g_folder;
}

std::wstring ProjectIniPath() {
  std::lock_guard<std::mutex> lock(g_lock);
  LoadLocked();
  return g_ini;
}

std::wstring ProjectSubfolder(const wchar_t* name) {
  const std::wstring folder = ProjectFolder();
  if (folder.empty()) return L"";
  return folder + L"\\" + name + L"\\";
}

void SetProjectFolder(const std::wstring& folder) {
  std::lock_guard<std::mutex> lock(g_lock);
  LoadLocked();
  g_folder = WithoutTrailingSlash(folder);
}

void SetProjectIni(const std::wstring& iniPath) {
  std::lock_guard<std::mutex> lock(g_lock);
  LoadLocked();
  g_ini = iniPath;
  if (!iniPath.empty()) g_folder = FolderOf(iniPath);
}

const wchar_t* StableText(int slot, const std::wstring& text) {
  std::lock_guard<std::mutex> lock(g_lock);
  std::wstring& s = g_stable[slot & 7];
  if (s != text) s = text;
  return s.c_str();
}

bool IsFullPath(const std::wstring& name) {
  if (name.size() >= 2 && (name[0] == L'\\' || name[0] == L'/') && (name[1] == L'\\' || name[1] == L'/')) return true;
  return name.size() >= 3 && name[1] == L':' && (name[2] == L'\\' || name[2] == L'/');
}

bool FileExists(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : WithoutTrailingSlash(path.substr(0, slash + 1));
}

}  // namespace tarvo

// Facts about the project and the installation, from the settings and the tag database.
#include <windows.h>

#include "core/tag_database.h"
#include "core/text_util.h"
#include "tarvo.h"
#include "win/database_state.h"
#include "win/local_settings.h"
#include "win/profile.h"
#include "win/project_state.h"

using namespace tarvo;

namespace {

// FNV-1a over the last-write time and size of a file (nothing for a missing file).
void HashFile(const std::wstring& path, unsigned long long& hash) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return;
  const DWORD parts[] = {data.ftLastWriteTime.dwLowDateTime, data.ftLastWriteTime.dwHighDateTime, data.nFileSizeLow,
                         data.nFileSizeHigh};
  for (DWORD p : parts)
    for (int i = 0; i < 4; ++i) {
      hash ^= (p >> (8 * i)) & 0xFF;
      hash *= 1099511628211ULL;
    }
}

int CountFiles(const std::wstring& pattern) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  int n = 0;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++n;
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return n;
}

template <typename Pred>
int CountTags(Pred pred) {
  const auto db = CurrentDatabase();
  int n = 0;
  if (db)
    for (int i = 1; i <= db->TagCount(); ++i)
      if (pred(*db->Tag(i))) ++n;
  return n;
}

}  // namespace

extern "C" {

DWORD WINAPI UNGetVersion(void) {
  const std::wstring ini = ProjectIniPath();
  if (ini.empty() || !FileExists(ini) || !FileExists(DatabaseFilePath())) return 0;
  unsigned long long hash = 1469598103934665603ULL;
  HashFile(ini, hash);
  HashFile(DatabaseFilePath(), hash);
  HashFile(ProjectSubfolder(L"Config") + L"Security.ini", hash);
  const unsigned long counter = ConfigurationCounter();
  for (int i = 0; i < 4; ++i) {
    hash ^= (counter >> (8 * i)) & 0xFF;
    hash *= 1099511628211ULL;
  }
  return static_cast<DWORD>(((hash >> 32) ^ hash) & 0x7FFFFFFF) | 1u;
}

BOOL WINAPI UNGetOrderDateAndSeparator(wchar_t* order, int size, wchar_t* separator) {
  std::wstring o = FoldCase(ReadProfileString(ProjectIniPath(), L"Options", L"DateOrder", L"MDY"));
  for (wchar_t& c : o) c = static_cast<wchar_t>(c >= L'a' && c <= L'z' ? c - 32 : c);
  if (o != L"MDY" && o != L"DMY" && o != L"YMD") o = L"MDY";
  const std::wstring sep = ReadProfileString(ProjectIniPath(), L"Options", L"DateSeparator", L"/");
  CopyToBuffer(o, order, size);
  if (separator) *separator = sep.empty() ? L'/' : sep[0];
  return TRUE;
}

BOOL WINAPI UNGetFileLanguage(const wchar_t* module, wchar_t* buffer, int size) {
  CopyToBuffer(L"", buffer, size);
  if (!module || !*module) return FALSE;
  std::wstring file = ReadProfileString(ProjectIniPath(), L"Language", module, L"");
  if (file.empty()) file = ReadProfileString(ProductSettingsPath(), L"Language", module, L"");
  if (file.empty()) return FALSE;
  const std::wstring path = IsFullPath(file) ? file : ProgramFolder() + file;
  if (!FileExists(path)) return FALSE;
  return CopyToBuffer(path, buffer, size) ? TRUE : FALSE;
}

BOOL WINAPI UNIsAppForCE(void) { return ReadProfileInt(ProjectIniPath(), L"Options", L"TargetCE", 0) != 0; }
BOOL WINAPI UNIsVersion4(void) { return ReadProfileInt(ProductSettingsPath(), L"Runtime", L"TrayInterface", 1) != 0; }
BOOL WINAPI UNIsEnabledSoftPLC(void) { return ReadProfileInt(ProjectIniPath(), L"SoftPLC", L"Enabled", 0) != 0; }
BOOL WINAPI UNIsWebEnable(void) { return ReadProfileInt(ProjectIniPath(), L"Web", L"Enabled", 0) != 0; }

BOOL WINAPI UNGetExecutionModeString(wchar_t* buffer, int size) {
  const std::wstring station = ReadProfileString(ProjectIniPath(), L"Remote", L"Station", L"");
  const std::wstring text = station.empty() ? L"Local" : L"Remote (" + station + L")";
  return CopyToBuffer(text, buffer, size) ? TRUE : FALSE;
}

// Application tags are the project's own; internal tags (names starting with "_")
// belong to the system; soft-PLC tags are counted by the link that created them.
int WINAPI UNGetAppDatabaseSize(void) { return CountTags([](const TagDef& t) { return t.name[0] != L'_'; }); }
int WINAPI UNGetInternalDatabaseSize(void) { return CountTags([](const TagDef& t) { return t.name[0] == L'_'; }); }
int WINAPI UNGetSoftPLCDatabaseSize(void) { return ReadProfileInt(ProjectIniPath(), L"SoftPLC", L"DatabaseSize", 0); }
int WINAPI UNGetNumAlarmInfo(void) { return CountTags([](const TagDef& t) { return (t.flags & kTagAlarm) != 0; }); }
int WINAPI UNGetNumAlarmType(void) {
  const std::wstring config = ProjectSubfolder(L"Config");
  return config.empty() ? 0 : CountFiles(config + L"*.ALR");
}

BOOL WINAPI UNReloadGlobalProcedures(void) {
  // Modules that run global procedures compare this counter and reload on a change.
  const int n = APTarvoGetIntLocal(L"Runtime", L"GlobalProceduresReload", 0);
  return APTarvoSetStrLocal(L"Runtime", L"GlobalProceduresReload", std::to_wstring((n + 1) & 0x7FFFFFFF).c_str());
}

wchar_t* WINAPI UNTrimString(wchar_t* text) {
  if (!text) return text;
  const std::wstring trimmed = Trim(text);
  for (std::size_t i = 0; i < trimmed.size(); ++i) text[i] = trimmed[i];
  text[trimmed.size()] = L'\0';
  return text;
}

}  // extern "C"

// Path calls: names placed in the project's folders and the program folder, and the
// current project of the process.
#include <windows.h>

#include "core/text_util.h"
#include "tarvo.h"
#include "win/project_state.h"

using namespace tarvo;

namespace {

// Places a name in a folder (ending with a backslash); a full path stays as it is.
BOOL Place(const std::wstring& folder, const wchar_t* name, wchar_t* buffer) {
  if (!buffer) return FALSE;
  buffer[0] = L'\0';
  const std::wstring n = name ? name : L"";
  std::wstring full;
  if (IsFullPath(n))
    full = n;
  else if (!folder.empty())
    full = folder + n;
  else
    return FALSE;
  return CopyToBuffer(full, buffer, TARVO_MAX_PATH) ? TRUE : (buffer[0] = L'\0', FALSE);
}

std::wstring WithSlash(const std::wstring& folder) { return folder.empty() ? folder : folder + L"\\"; }

enum Slot { kAppPath, kIniPath, kWebPath, kConfigPath, kProductIni };

}  // namespace

extern "C" {

BOOL WINAPI APAppPath(const wchar_t* name, wchar_t* buffer) { return Place(WithSlash(ProjectFolder()), name, buffer); }
BOOL WINAPI APAppConfigPath(const wchar_t* name, wchar_t* buffer) { return Place(ProjectSubfolder(L"Config"), name, buffer); }
BOOL WINAPI APAppDatabasePath(const wchar_t* name, wchar_t* buffer) { return Place(ProjectSubfolder(L"Database"), name, buffer); }
BOOL WINAPI APAppScreenPath(const wchar_t* name, wchar_t* buffer) { return Place(ProjectSubfolder(L"Screen"), name, buffer); }
BOOL WINAPI APAppWebPath(const wchar_t* name, wchar_t* buffer) { return Place(ProjectSubfolder(L"Web"), name, buffer); }
BOOL WINAPI APTarvoBinPath(const wchar_t* name, wchar_t* buffer) { return Place(ProgramFolder(), name, buffer); }
BOOL WINAPI APAppDatabasePathEx(const wchar_t* name, wchar_t* buffer) { return APAppDatabasePath(name, buffer); }

const wchar_t* WINAPI APGetAppPath(void) { return StableText(kAppPath, ProjectFolder()); }
const wchar_t* WINAPI APGetAppIniPath(void) { return StableText(kIniPath, ProjectIniPath()); }
const wchar_t* WINAPI APGetAppWebPath(void) { return StableText(kWebPath, ProjectSubfolder(L"Web")); }
const wchar_t* WINAPI APGetAppConfigPath(void) { return StableText(kConfigPath, ProjectSubfolder(L"Config")); }
const wchar_t* WINAPI APGetAppConfigPathEx(void) { return APGetAppConfigPath(); }
const wchar_t* WINAPI APTarvo32INI(void) { return StableText(kProductIni, ProductSettingsPath()); }

BOOL WINAPI APSetAppPath(const wchar_t* folder) {
  if (!folder) return FALSE;
  SetProjectFolder(folder);
  return TRUE;
}

BOOL WINAPI APSetAppIniPath(const wchar_t* iniFile) {
  if (!iniFile) return FALSE;
  SetProjectIni(iniFile);
  return TRUE;
}

}  // extern "C"

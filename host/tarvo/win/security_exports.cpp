// Security groups of the project, kept in Config\Security.ini:
// [Groups] Count=n, Group1..Groupn = names; one section per group with the seven texts.
#include <windows.h>

#include <vector>

#include "core/text_util.h"
#include "tarvo.h"
#include "win/profile.h"
#include "win/project_state.h"

using namespace tarvo;

namespace {

const wchar_t* const kGroupKeys[TARVO_GROUP_TEXTS] = {L"LogOnTag",          L"LogOffTag",    L"LevelTag", L"BlockedTag",
                                                      L"PasswordExpiryTag", L"SignatureTag", L"Remarks"};

std::wstring SecurityFile() {
  const std::wstring folder = ProjectSubfolder(L"Config");
  return folder.empty() ? folder : folder + L"Security.ini";
}

std::vector<std::wstring> GroupNames() {
  const std::wstring file = SecurityFile();
  std::vector<std::wstring> names;
  const int count = ReadProfileInt(file, L"Groups", L"Count", 0);
  for (int i = 1; i <= count && i <= 1000; ++i) {
    const std::wstring name = Trim(ReadProfileString(file, L"Groups", (L"Group" + std::to_wstring(i)).c_str(), L""));
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

}  // namespace

extern "C" {

int WINAPI SEGetNumberOfGroups(void) { return static_cast<int>(GroupNames().size()); }

int WINAPI SEGetGroupNames(wchar_t (*names)[TARVO_GROUP_NAME_SIZE], int max) {
  if (!names || max <= 0) return 0;
  const std::vector<std::wstring> all = GroupNames();
  int n = 0;
  for (const std::wstring& name : all) {
    if (n >= max) break;
    CopyToBuffer(name, names[n++], TARVO_GROUP_NAME_SIZE);
  }
  return n;
}

BOOL WINAPI SEGetGroupInformation(const wchar_t* name, SEGROUPINFO* info) {
  if (!name || !info) return FALSE;
  *info = SEGROUPINFO{};
  for (const std::wstring& group : GroupNames()) {
    if (!EqualsNoCase(group, name) && !EqualsNoCase(group.substr(0, TARVO_GROUP_NAME_SIZE - 1), name)) continue;
    CopyToBuffer(group, info->szName, TARVO_GROUP_NAME_SIZE);
    for (int i = 0; i < TARVO_GROUP_TEXTS; ++i)
      CopyToBuffer(ReadProfileString(SecurityFile(), group.c_str(), kGroupKeys[i], L""), info->szText[i],
                   TARVO_GROUP_TEXT_SIZE);
    return TRUE;
  }
  return FALSE;
}

}  // extern "C"

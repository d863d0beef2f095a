// Where things are: the program folder (folder of tarvo.dll), the product settings
// file, and this process's current project (folder and settings file), which starts
// as the machine's running project ("Application"/"Directory" and "Configuration").
#pragma once
#include <string>

namespace tarvo {

std::wstring ProgramFolder();         // ends with a backslash
std::wstring ProductSettingsPath();   // "Program Settings.ini" in the program folder

std::wstring ProjectFolder();         // no trailing backslash; empty without a project
std::wstring ProjectIniPath();        // the project's .APP file; empty without one
// A project subfolder ("Config", ...) with a trailing backslash; empty without a project.
std::wstring ProjectSubfolder(const wchar_t* name);
void SetProjectFolder(const std::wstring& folder);
void SetProjectIni(const std::wstring& iniPath);

// Stable text for the APGet... calls: valid until the project changes again.
const wchar_t* StableText(int slot, const std::wstring& text);

bool IsFullPath(const std::wstring& name);
bool FileExists(const std::wstring& path);
std::wstring FolderOf(const std::wstring& path);  // without the trailing backslash

}  // namespace tarvo

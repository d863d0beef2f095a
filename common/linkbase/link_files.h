// The files a soft-PLC link writes, in the project's configuration folder, and the
// project settings every link reads.
#pragma once
#include <string>
#include <vector>

#include "linkbase/driver_files.h"

namespace orv::softplc {

// Creates or replaces `path` as a text file of the system and writes `text`.
// False when the file cannot be created or written; callers skip such a file.
bool WriteLinkFile(const std::wstring& path, const std::wstring& text);

// The configuration folder followed by `fileName`.
std::wstring ConfigFilePath(const std::wstring& fileName);

bool WriteDriverConfig(const std::wstring& fileName, const std::vector<std::wstring>& lines);
bool WriteDriverWorksheet(const std::wstring& fileName, const WorksheetHeader& header,
                          const std::vector<WorksheetRow>& rows);

// Project setting "SoftPLC"/"AppDirectory" with a trailing backslash (or empty).
std::wstring ReadAppDirectory();

// Section and keys of the settings.
constexpr const wchar_t* kProjectSection = L"SoftPLC";
constexpr const wchar_t* kMachineSection = L"NewProject::SoftPLC";

// True when `path` names an existing file; its last write time in `time`.
bool FileWriteTime(const std::wstring& path, unsigned long long& time);

// The name (without folder) of the first file matching a pattern, or empty.
std::wstring FindFirstMatch(const std::wstring& pattern);

}  // namespace orv::softplc

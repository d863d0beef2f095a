#include "link_files.h"

#include <windows.h>

#include "linkbase/host_functions.h"
#include "linkbase/link_text.h"
#include "textfile/CVELStdioFile.h"
#include "win/unique_resource.h"

namespace orv::softplc {

bool WriteLinkFile(const std::wstring& path, const std::wstring& text) {
  CVELStdioFile file;
  if (!file.Open(path.c_str(), CVELStdioFile::modeCreate | CVELStdioFile::modeWrite |
                                   CVELStdioFile::shareExclusive | CVELStdioFile::typeText))
    return false;
  return file.WriteString(text.c_str());
}

std::wstring ConfigFilePath(const std::wstring& fileName) { return HostGetAppConfigPath() + fileName; }

bool WriteDriverConfig(const std::wstring& fileName, const std::vector<std::wstring>& lines) {
  return WriteLinkFile(ConfigFilePath(fileName), ConfigText(lines));
}

bool WriteDriverWorksheet(const std::wstring& fileName, const WorksheetHeader& header,
                          const std::vector<WorksheetRow>& rows) {
  return WriteLinkFile(ConfigFilePath(fileName), WorksheetText(header, rows));
}

std::wstring ReadAppDirectory() {
  return WithTrailingBackslash(HostGetStr(kProjectSection, L"AppDirectory", L"", 1024));
}

bool FileWriteTime(const std::wstring& path, unsigned long long& time) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  time = (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
         data.ftLastWriteTime.dwLowDateTime;
  return true;
}

std::wstring FindFirstMatch(const std::wstring& pattern) {
  WIN32_FIND_DATAW data{};
  win::UniqueFindHandle find(::FindFirstFileW(pattern.c_str(), &data));
  if (!find) return std::wstring();
  return data.cFileName;
}

}  // namespace orv::softplc

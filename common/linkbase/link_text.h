// Text rules shared by the soft-PLC links: directories, folder names, white space,
// settings flags and the names asked of the runtime toolkit library.
#pragma once
#include <string>

namespace orv::softplc {

// Appends a backslash unless the text is empty or already ends with one.
std::wstring WithTrailingBackslash(std::wstring directory);

// The last folder of an application directory: the trailing backslash is cut, then the
// text after the last remaining backslash is taken; empty without such a backslash.
std::wstring AppFolderName(const std::wstring& directory);

std::wstring TrimLeft(const std::wstring& text);
std::wstring TrimRight(const std::wstring& text);
std::wstring Trim(const std::wstring& text);

// "TRUE" in any case.
bool IsTrueText(const std::wstring& value);

// The toolkit library's name for a host function asked for by its host name
// ("_APGetStr@20" -> "APGetStr"; the two path functions get their "Ex" variants).
std::string ToolkitName(const std::string& hostName);

// The undecorated form of a host name ("_APGetStr@20" -> "APGetStr").
std::string UndecoratedName(const std::string& hostName);

}  // namespace orv::softplc
